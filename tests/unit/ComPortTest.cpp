#include "RunViewFixture.h"

#include "app/CommandIds.h"
#include "dialogs/ComCfg.h"

#include <vector>

namespace
{

constexpr const char* NOT_DETECTED = "USB Port not detected!";

// The instrument on COM3 as start-up left it; other ports are added per test.
class ComPortTest : public RunViewTest
{
protected:
    void ComPort(std::deque<DialogScript> afnScripts)
    {
        m_ui.m_afnDialogs = std::move(afnScripts);
        EXPECT_TRUE(m_pView->OnCmdMsg(ID_COM_PORT));
    }
};

// Checks that communications are off while the dialog is up and what it shows, then types a
// port and presses nButton.
DialogScript ExpectThenChoose(const std::string& strShown, const std::string& strTyped, int nButton)
{
    return [=](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(theCommLink.m_bAlive, 0);
        EXPECT_EQ(controls.GetText(IDC_COMPORT), strShown);
        controls.SetText(IDC_COMPORT, strTyped);
        dlg.OnCommand(nButton);
    };
}

TEST_F(ComPortTest, OpenedPortEnablesCommunicationsAndIsStored)
{
    m_serial.Add(12);
    ComPort({ExpectThenChoose("COM3", "COM12", IDOK)});
    EXPECT_EQ(m_ui.m_anDialogIds, std::vector<int>{IDD_COMCFG});
    EXPECT_EQ(theCommLink.m_nPort, 12);
    EXPECT_EQ(theCommLink.m_bAlive, 1);
    EXPECT_EQ(m_serial.m_astrTried.back(), "COM12:");
    EXPECT_EQ(m_profile.m_mapValues["System/COM Port"], 12);
    EXPECT_EQ(m_serial.Device(12).m_strWritten, "") << "no identification";
    EXPECT_EQ(theCommLink.m_nModel, 2);
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_F(ComPortTest, PortThatDoesNotOpenShowsTheDialogAgainUntilCancel)
{
    m_ui.m_anAnswers = {IDOK, IDOK};
    ComPort({ExpectThenChoose("COM3", "USB", IDOK), ExpectThenChoose("USB", "COM7", IDOK),
             ExpectThenChoose("COM7", "COM7", IDCANCEL)});
    EXPECT_EQ(m_ui.Texts(), (std::vector<std::string>{NOT_DETECTED, NOT_DETECTED}));
    EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, MB_ICONEXCLAMATION);
    EXPECT_EQ(m_serial.m_astrTried.back(), "COM7:") << "a text without a number opens nothing";
    EXPECT_EQ(theCommLink.m_bAlive, 0);
    EXPECT_FALSE(m_profile.Has("System/COM Port"));
}

TEST_F(ComPortTest, PortThatIsGoneSaysWhereItsLinkPoints)
{
    m_serial.m_mapFaults["COM7:"] = {"COM7", "/dev/serial/by-id/usb-X", EPortFault::Missing, ""};
    m_ui.m_anAnswers = {IDOK, IDOK};
    ComPort({ExpectThenChoose("COM3", "COM7", IDOK), ExpectThenChoose("COM7", "USB", IDOK),
             ExpectThenChoose("USB", "USB", IDCANCEL)});
    ASSERT_EQ(m_ui.Texts().size(), 2u);
    const std::string strStart =
        std::string(NOT_DETECTED) + "\n\n/dev/serial/by-id/usb-X: missing. ";
    EXPECT_EQ(m_ui.Texts()[0].substr(0, strStart.size()), strStart);
    EXPECT_EQ(m_ui.Texts()[1], NOT_DETECTED) << "no port tried: nothing to explain";
}

TEST_F(ComPortTest, RetryWithAPortThatOpens)
{
    m_ui.m_anAnswers = {IDOK};
    ComPort({ExpectThenChoose("COM3", "COM9", IDOK), ExpectThenChoose("COM9", "COM3", IDOK)});
    EXPECT_EQ(theCommLink.m_bAlive, 1);
    EXPECT_EQ(m_profile.m_mapValues["System/COM Port"], 3);
}

TEST_F(ComPortTest, CancelLeavesCommunicationsDisabledAndThePortAlone)
{
    ComPort({Press(IDCANCEL)});
    EXPECT_EQ(theCommLink.m_bAlive, 0);
    EXPECT_EQ(theCommLink.m_nPort, 3);
    EXPECT_EQ(m_profile.m_nWrites, 0);
}

} // namespace
