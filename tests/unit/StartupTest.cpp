#include "FakePlatform.h"

#include "app/ZRVApp.h"
#include "dialogs/ComCfg.h"
#include "link/CommLink.h"

namespace
{
constexpr const char* NOT_FOUND =
    "Zorvantellique not found!\nBe sure it is plugged in and powered up.";
constexpr const char* DISABLED = "Communications Disabled!";

class StartupTest : public CFakePlatformTest
{
protected:
    void SetUp() override
    {
        CFakePlatformTest::SetUp();
        theApp = CZRVApp();
    }

    void AddInstrument(int nPort, const char* pszIdent = "Zorvantellique V6 4.01")
    {
        m_serial.Add(nPort).m_fnRespond = CFakeInstrument{pszIdent};
    }
    // Another device that opens but answers something else.
    void AddStranger(int nPort)
    {
        m_serial.Add(nPort).m_fnRespond = [](const std::string&) { return "OK\r"; };
    }
    int StoredPort() { return m_profile.GetProfileInt("System", "COM Port", -1); }
    int Scans() const
    {
        int nScans = 0;
        for (const std::string& strName : m_serial.m_astrTried)
            nScans += strName == "COM99:";
        return nScans;
    }
};

TEST_F(StartupTest, SettingsDefaultToEnglishAnd80Mph)
{
    AddInstrument(3);
    EXPECT_TRUE(theApp.InitInstance());
    EXPECT_EQ(theApp.m_nUnits, 1);
    EXPECT_EQ(theApp.m_dMaxSpeed, 80.0);
    EXPECT_EQ(m_ui.m_nMainWindows, 1);
}

TEST_F(StartupTest, SettingsAreReadAndAbsoluteMaxSpeedOverrides)
{
    const struct
    {
        std::map<std::string, int> mapStored;
        int nUnits;
        double dMaxSpeed;
    } aCases[] = {
        {{{"System/Units", 0}, {"System/Max Speed", 60}}, 0, 60.0},
        {{{"System/Max Speed", 60}, {"System/Absolute Max Speed", 120}}, 1, 120.0},
        {{{"System/Absolute Max Speed", 120}}, 1, 120.0},
        {{{"System/Max Speed", 95}}, 1, 95.0}, // not limited when read
    };
    for (const auto& c : aCases)
    {
        m_profile.m_mapValues = c.mapStored;
        m_profile.m_mapValues["System/COM Port"] = 3;
        AddInstrument(3);
        theApp = CZRVApp();
        EXPECT_TRUE(theApp.InitInstance());
        EXPECT_EQ(theApp.m_nUnits, c.nUnits);
        EXPECT_EQ(theApp.m_dMaxSpeed, c.dMaxSpeed);
        EXPECT_FALSE(m_profile.Has("System/Absolute Max Speed") &&
                     c.mapStored.count("System/Absolute Max Speed") == 0)
            << "nothing writes the absolute maximum";
    }
}

TEST_F(StartupTest, FirstRunScansAndStoresThePort)
{
    AddInstrument(3);
    theApp.InitInstance();
    EXPECT_EQ(theCommLink.m_bAlive, 1);
    EXPECT_EQ(theCommLink.m_nPort, 3);
    EXPECT_EQ(theCommLink.m_nModel, 2);
    EXPECT_EQ(StoredPort(), 3);
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_F(StartupTest, StoredPortIsTriedFirst)
{
    m_profile.m_mapValues["System/COM Port"] = 7;
    AddInstrument(7, "Zorvantellique 2.2");
    theApp.InitInstance();
    EXPECT_EQ(theCommLink.m_bAlive, 1);
    EXPECT_EQ(theCommLink.m_nModel, 1);
    EXPECT_EQ(m_serial.m_astrTried, std::vector<std::string>{"COM7:"});
}

TEST_F(StartupTest, StoredPortHoldingAnotherDeviceIsNotOverwritten)
{
    m_profile.m_mapValues["System/COM Port"] = 3;
    AddStranger(3);
    AddInstrument(5);
    theApp.InitInstance();
    EXPECT_EQ(theCommLink.m_bAlive, 1);
    EXPECT_EQ(theCommLink.m_nPort, 5);
    EXPECT_EQ(StoredPort(), 3);
}

TEST_F(StartupTest, StoredPortGoneScansIdentifiesAgainAndStores)
{
    m_profile.m_mapValues["System/COM Port"] = 3;
    AddInstrument(5);
    theApp.InitInstance();
    EXPECT_EQ(theCommLink.m_bAlive, 1);
    EXPECT_EQ(theCommLink.m_nPort, 5);
    EXPECT_EQ(StoredPort(), 5);
    EXPECT_EQ(m_serial.Device(5).TakeWritten(), "VV") << "scan, then a second identification";
}

TEST_F(StartupTest, NoInstrumentWithStoredPortGoneScansTwiceThenAsks)
{
    m_profile.m_mapValues["System/COM Port"] = 3;
    m_ui.m_anAnswers = {IDCANCEL, IDCANCEL};
    m_ui.m_afnDialogs = {Press(IDCANCEL)};
    EXPECT_TRUE(theApp.InitInstance());
    EXPECT_EQ(Scans(), 2);
    EXPECT_EQ(m_ui.Texts(), (std::vector<std::string>{NOT_FOUND, DISABLED}));
    EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, 53u);
    EXPECT_EQ(m_ui.m_aBoxes[1].m_nType, 0u);
    EXPECT_EQ(theCommLink.m_bAlive, 0);
    EXPECT_EQ(theCommLink.m_nPort, 1);
}

TEST_F(StartupTest, NotFoundSaysWhichPortsWereRefusedAndWhatToDo)
{
    m_serial.m_mapFaults["COM1:"] = {"COM1", "/dev/ttyUSB0", EPortFault::PermissionDenied, ""};
    m_serial.m_mapFaults["COM2:"] = {"COM2", "/dev/ttyS0", EPortFault::Other, "EIO"};
    m_ui.m_anAnswers = {IDCANCEL, IDOK};
    m_ui.m_afnDialogs = {Press(IDCANCEL)};
    theApp.InitInstance();
    EXPECT_EQ(m_ui.Texts(),
              (std::vector<std::string>{
                  std::string(NOT_FOUND) +
                      "\n\n/dev/ttyUSB0: permission denied. Add your user to the dialout group "
                      "(sudo usermod -aG dialout $USER), then log out and in again.",
                  DISABLED}));
}

TEST_F(StartupTest, NoInstrumentAndNoStoredPortScansOnce)
{
    m_ui.m_anAnswers = {IDCANCEL, IDOK};
    m_ui.m_afnDialogs = {Press(IDCANCEL)};
    theApp.InitInstance();
    EXPECT_EQ(Scans(), 1);
    EXPECT_FALSE(m_profile.Has("System/COM Port"));
}

TEST_F(StartupTest, RetryRunsAnotherPassThatFindsThePluggedInstrument)
{
    m_ui.m_anAnswers = {IDRETRY};
    m_ui.m_fnOnBox = [&](const std::string&) { AddInstrument(4); };
    theApp.InitInstance();
    EXPECT_EQ(Scans(), 1);
    EXPECT_EQ(theCommLink.m_bAlive, 1);
    EXPECT_EQ(theCommLink.m_nPort, 4);
    EXPECT_EQ(StoredPort(), 4);
}

TEST_F(StartupTest, CancelThenChoosingCom4StoresAndTriesIt)
{
    m_ui.m_anAnswers = {IDCANCEL};
    std::string strShown;
    m_ui.m_afnDialogs = {[&](CDialog& dlg, CFakeDialogControls& controls) {
        strShown = controls.GetText(IDC_COMPORT);
        controls.SetText(IDC_COMPORT, "COM4");
        AddInstrument(4);
        dlg.OnCommand(IDOK);
    }};
    theApp.InitInstance();
    EXPECT_EQ(m_ui.m_anDialogIds, std::vector<int>{IDD_COMCFG});
    EXPECT_EQ(strShown, "COM1") << "the dialog opens on COM1";
    EXPECT_EQ(theCommLink.m_bAlive, 1);
    EXPECT_EQ(theCommLink.m_nPort, 4);
    EXPECT_EQ(StoredPort(), 4);
    EXPECT_EQ(Scans(), 1) << "the chosen port is tried directly";
}

TEST_F(StartupTest, ChoosingAPortThatFailsComesBackToNotFound)
{
    m_ui.m_anAnswers = {IDCANCEL, IDCANCEL, IDOK};
    m_ui.m_afnDialogs = {TypeAndPress(IDC_COMPORT, "COM12", IDOK), Press(IDCANCEL)};
    theApp.InitInstance();
    EXPECT_EQ(StoredPort(), 12);
    EXPECT_EQ(m_ui.Texts(), (std::vector<std::string>{NOT_FOUND, NOT_FOUND, DISABLED}));
    EXPECT_EQ(theCommLink.m_bAlive, 0);
}

TEST_F(StartupTest, PortTextWithoutANumberKeepsThePort)
{
    m_ui.m_anAnswers = {IDCANCEL, IDCANCEL, IDOK};
    m_ui.m_afnDialogs = {TypeAndPress(IDC_COMPORT, "ttyUSB0", IDOK), Press(IDCANCEL)};
    theApp.InitInstance();
    EXPECT_EQ(StoredPort(), 0);
}
} // namespace
