// The splash's life at start-up: its time, the input that shortens or ends it, and the "C"
// sent when the idle handler removes it.
#include "FakePlatform.h"

#include "app/ZRVApp.h"
#include "link/CommLink.h"

#include <string>
#include <vector>

namespace
{
class AppSplashTest : public CFakePlatformTest
{
protected:
    void SetUp() override
    {
        CFakePlatformTest::SetUp();
        m_pDevice = &m_serial.Add(3);
        m_pDevice->m_fnRespond = CFakeInstrument{};
        theApp = CZRVApp();
        ASSERT_TRUE(theApp.InitInstance());
        ASSERT_EQ(theCommLink.m_bAlive, 1);
        m_pDevice->TakeWritten();
    }
    void TearDown() override
    {
        theApp = CZRVApp();
        CFakePlatformTest::TearDown();
    }

    // A splash freshly up, as start-up leaves it.
    void Reshow()
    {
        theApp.m_pSplash = m_ui.CreateSplash();
        theApp.m_dwSplashStart = m_clock.m_nNow;
    }
    bool SplashUp() const { return theApp.m_pSplash != nullptr; }

    CFakeDevice* m_pDevice = nullptr;
};

// Every message that ends or shortens the wait; the others leave it alone.
constexpr unsigned INPUT_MESSAGES[] = {WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN,
                                       WM_KEYDOWN,       WM_SYSKEYDOWN,    WM_LBUTTONDOWN,
                                       WM_RBUTTONDOWN,   WM_MBUTTONDOWN};
} // namespace

TEST_F(AppSplashTest, ShownOnceDiscoveryIsOverAndStampedWithTheClock)
{
    EXPECT_EQ(m_ui.m_nSplashes, 1);
    EXPECT_EQ(m_ui.m_astrSplashCalls, (std::vector<std::string>{"show", "update"}));
    EXPECT_EQ(theApp.m_dwSplashStart, m_clock.m_nNow);
}

TEST_F(AppSplashTest, NotYetThereWhileTheNotFoundBoxIsUp)
{
    theApp = CZRVApp();
    m_serial.Remove(3);
    m_ui.m_anAnswers = {IDCANCEL, IDOK};
    m_ui.m_afnDialogs = {Press(IDCANCEL)};
    m_ui.m_fnOnBox = [this](const std::string&) { EXPECT_EQ(m_ui.m_nSplashes, 1); };
    theApp.InitInstance();
    EXPECT_EQ(m_ui.m_nSplashes, 2);
}

TEST_F(AppSplashTest, IdleKeepsItThreeSecondsThenRemovesItAndSendsC)
{
    m_clock.Advance(SPLASH_MS - 1);
    EXPECT_TRUE(theApp.OnIdle(0));
    EXPECT_TRUE(SplashUp());
    EXPECT_EQ(m_pDevice->TakeWritten(), "");

    m_clock.Advance(1);
    EXPECT_FALSE(theApp.OnIdle(0));
    EXPECT_FALSE(SplashUp());
    EXPECT_EQ(m_ui.m_astrSplashCalls.back(), "destroy");
    EXPECT_EQ(m_pDevice->TakeWritten(), "C");

    EXPECT_FALSE(theApp.OnIdle(1));
    EXPECT_EQ(m_pDevice->TakeWritten(), "");
}

TEST_F(AppSplashTest, NoCWithCommunicationsDisabled)
{
    theCommLink.m_bAlive = 0;
    m_clock.Advance(SPLASH_MS);
    EXPECT_FALSE(theApp.OnIdle(0));
    EXPECT_FALSE(SplashUp());
    EXPECT_EQ(m_pDevice->TakeWritten(), "");
}

TEST_F(AppSplashTest, TickCounterWrapDoesNotEndTheWait)
{
    theApp.m_dwSplashStart = 0xFFFFFF00u;
    m_clock.m_nNow = 0x00000100u; // 512 ms later, across the wrap
    EXPECT_TRUE(theApp.OnIdle(0));
    m_clock.m_nNow = theApp.m_dwSplashStart + SPLASH_MS;
    EXPECT_FALSE(theApp.OnIdle(0));
    EXPECT_FALSE(SplashUp());
}

TEST_F(AppSplashTest, InputOnTheSplashEndsTheWaitAtTheNextIdleWithC)
{
    for (unsigned nMessage : INPUT_MESSAGES)
    {
        Reshow();
        EXPECT_FALSE(theApp.PreTranslateMessage(nMessage, true)) << nMessage;
        EXPECT_TRUE(SplashUp()) << nMessage;
        EXPECT_FALSE(theApp.OnIdle(0)) << nMessage;
        EXPECT_FALSE(SplashUp()) << nMessage;
        EXPECT_EQ(m_pDevice->TakeWritten(), "C") << nMessage;
    }
}

TEST_F(AppSplashTest, InputElsewhereRemovesItAtOnceWithoutC)
{
    for (unsigned nMessage : INPUT_MESSAGES)
    {
        Reshow();
        EXPECT_FALSE(theApp.PreTranslateMessage(nMessage, false)) << nMessage;
        EXPECT_FALSE(SplashUp()) << nMessage;
        EXPECT_EQ(m_ui.m_astrSplashCalls.back(), "destroy");
        m_clock.Advance(SPLASH_MS);
        EXPECT_FALSE(theApp.OnIdle(0));
        EXPECT_EQ(m_pDevice->TakeWritten(), "") << nMessage;
    }
}

TEST_F(AppSplashTest, OtherMessagesAndLaterInputChangeNothing)
{
    // Mouse move, key up, button up, double-click: not in the list.
    for (unsigned nMessage : {512u, 257u, 514u, 515u, 15u})
        EXPECT_FALSE(theApp.PreTranslateMessage(nMessage, false));
    EXPECT_TRUE(SplashUp());
    EXPECT_EQ(theApp.m_dwSplashStart, m_clock.m_nNow);

    theApp.PreTranslateMessage(WM_KEYDOWN, false);
    const size_t nCalls = m_ui.m_astrSplashCalls.size();
    EXPECT_FALSE(theApp.PreTranslateMessage(WM_LBUTTONDOWN, true));
    EXPECT_EQ(m_ui.m_astrSplashCalls.size(), nCalls);
}
