#include "FakePlatform.h"

#include "link/CommLink.h"

void CFakePlatformTest::SetUp()
{
    g_platform = CPlatform{&m_profile, &m_serial, &m_ui, &m_clock};
    theCommLink = CCommLink();
}

void CFakePlatformTest::TearDown()
{
    EXPECT_TRUE(m_ui.m_anAnswers.empty()) << "message box answers left unused";
    EXPECT_TRUE(m_ui.m_afnDialogs.empty()) << "dialog scripts left unused";
    EXPECT_TRUE(m_ui.m_astrPaths.empty()) << "file dialog answers left unused";
    EXPECT_TRUE(m_ui.m_anFilterIndexes.empty()) << "file dialog filters left unused";
    theCommLink = CCommLink();
    g_platform = CPlatform();
}

void CLinkedPlatformTest::SetUp()
{
    CFakePlatformTest::SetUp();
    m_pDevice = &m_serial.Add(3);
    m_pDevice->m_fnRespond = std::ref(m_instrument);
    theCommLink.m_nPort = 3;
    ASSERT_EQ(theCommLink.OpenPort(), 1);
    theCommLink.m_bAlive = 1;
}
