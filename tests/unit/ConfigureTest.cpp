#include "RunViewFixture.h"

#include "app/CommandIds.h"
#include "dialogs/ConfigDlg.h"

#include <vector>

namespace
{

constexpr double TOLERANCE = 1e-9;

// A "V6" instrument that acknowledges the units commands.
class ConfigureTest : public RunViewTest
{
protected:
    void SetUp() override
    {
        RunViewTest::SetUp();
        m_pDevice->m_fnRespond = [this](const std::string& strRequest) -> std::string {
            return strRequest.starts_with("U") ? "\r" : m_instrument(strRequest);
        };
    }

    // Runs Configure with one script; returns the bytes sent to the instrument.
    std::string Configure(DialogScript fnScript)
    {
        m_ui.m_afnDialogs = {std::move(fnScript)};
        EXPECT_TRUE(m_pView->OnCmdMsg(ID_CONFIGURE));
        return Sent();
    }

    void Record(double dWind, double dLift, double dDrag)
    {
        std::unique_ptr<CDC> pDC = m_wnd.GetClientDC();
        m_pView->RecordSample(pDC.get(), dLift, dDrag, dWind, SAMPLE_RECORD);
    }
};

// Clicks a units button as the user does: the button becomes the selected one, then the
// dialog hears of the click.
void ClickUnits(CDialog& dlg, CFakeDialogControls& controls, int nButton)
{
    controls.SetCheck(IDC_CFG_ENGLISH, nButton == IDC_CFG_ENGLISH ? 1 : 0);
    controls.SetCheck(IDC_CFG_METRIC, nButton == IDC_CFG_METRIC ? 1 : 0);
    dlg.OnCommand(nButton);
}

// Checks what the dialog opens with, then presses OK.
DialogScript ExpectShownThenOk(int nCheckedButton, const std::string& strSpeed,
                               const std::string& strArea, const std::string& strSpeedUnit,
                               const std::string& strAreaUnit)
{
    return [=](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetCheck(IDC_CFG_ENGLISH), nCheckedButton == IDC_CFG_ENGLISH);
        EXPECT_EQ(controls.GetCheck(IDC_CFG_METRIC), nCheckedButton == IDC_CFG_METRIC);
        EXPECT_EQ(controls.GetText(IDC_CFG_MAX_SPEED), strSpeed);
        EXPECT_EQ(controls.GetText(IDC_CFG_CD_AREA), strArea);
        EXPECT_EQ(controls.GetText(IDC_CFG_SPEED_UNIT), strSpeedUnit);
        EXPECT_EQ(controls.GetText(IDC_CFG_AREA_UNIT), strAreaUnit);
        dlg.OnCommand(IDOK);
    };
}

TEST_F(ConfigureTest, EnglishOkUnchangedSendsUnitsKeepsRunAndScalesAndStores)
{
    Graph().SetForceScale(3);
    Record(20.0, 0.3, 0.1);
    m_wnd.ClearRecords();
    EXPECT_EQ(Configure(ExpectShownThenOk(IDC_CFG_ENGLISH, "80", "1.000", "MPH", "Sq. in.")),
              "U1\r");
    EXPECT_EQ(m_ui.m_anDialogIds, std::vector<int>{IDD_CONFIG});
    EXPECT_EQ(Graph().m_nUnits, 1);
    EXPECT_EQ(Graph().m_dMaxSpeed, 80.0);
    EXPECT_EQ(Graph().m_dCdArea, 1.0);
    EXPECT_EQ(Graph().m_axForce.m_nScale, 3);
    EXPECT_EQ(LiftAt(200), 0.3);
    EXPECT_EQ(m_profile.m_mapValues["System/Units"], 1);
    EXPECT_EQ(m_profile.m_mapValues["System/Max Speed"], 80);
    EXPECT_FALSE(m_wnd.m_log.m_aFills.empty()) << "the graph is repainted";
}

TEST_F(ConfigureTest, MetricShowsRoundedKphAndSquareCentimetresAndLimitsTo80Mph)
{
    MakeView(0);
    EXPECT_EQ(Configure(ExpectShownThenOk(IDC_CFG_METRIC, "129", "6.452", "KPH", "Sq. cm.")),
              "U0\r");
    // 129 kph is 80.157 mph.
    EXPECT_EQ(Graph().m_dMaxSpeed, 80.0);
    EXPECT_EQ(m_profile.m_mapValues["System/Units"], 0);
    EXPECT_EQ(m_profile.m_mapValues["System/Max Speed"], 80);
    EXPECT_NEAR(Graph().m_dCdArea, 6.452 * 0.15500031000061998, TOLERANCE);
}

TEST_F(ConfigureTest, Metric100KphIsStoredAs62Mph)
{
    MakeView(0);
    Configure(TypeAndPress(IDC_CFG_MAX_SPEED, "100", IDOK));
    EXPECT_NEAR(Graph().m_dMaxSpeed, 62.137, 0.001);
    EXPECT_EQ(m_profile.m_mapValues["System/Max Speed"], 62);
}

TEST_F(ConfigureTest, SwitchingToMetricResetsScalesClearsRunKeepsOverlayAndReadsAreaInSqCm)
{
    Graph().SetWindScale(3);
    Graph().SetForceScale(5);
    Graph().SetCdScale(4);
    Graph().SetLDScale(2);
    Record(20.0, 0.3, 0.1);
    Graph().m_curLift.m_adOverlay[300] = 0.7;
    Graph().m_astrComment[0] = "before";
    std::string strSent = Configure([](CDialog& dlg, CFakeDialogControls& controls) {
        ClickUnits(dlg, controls, IDC_CFG_METRIC);
        EXPECT_EQ(controls.GetText(IDC_CFG_MAX_SPEED), "130");
        EXPECT_EQ(controls.GetText(IDC_CFG_SPEED_UNIT), "KPH");
        EXPECT_EQ(controls.GetText(IDC_CFG_AREA_UNIT), "Sq. cm.");
        EXPECT_EQ(controls.GetText(IDC_CFG_CD_AREA), "1.000") << "the area text stays";
        dlg.OnCommand(IDOK);
    });
    EXPECT_EQ(strSent, "U0\r");
    EXPECT_EQ(Graph().m_nUnits, 0);
    // 130 kph is 80.78 mph, over the limit.
    EXPECT_EQ(Graph().m_dMaxSpeed, 80.0);
    EXPECT_NEAR(Graph().m_dCdArea, 0.155, 0.0001);
    EXPECT_EQ(Graph().m_axWind.m_nScale, 1);
    EXPECT_EQ(Graph().m_axWind.m_dStep, 20.0) << "metric steps";
    EXPECT_EQ(Graph().m_axWind.m_dMax, 140.0);
    EXPECT_EQ(Graph().m_axForce.m_nScale, 2);
    EXPECT_EQ(Graph().m_axForce.m_dMax, 1.0);
    EXPECT_EQ(Graph().m_axCd.m_nScale, 1);
    EXPECT_EQ(Graph().m_axLD.m_nScale, 1);
    EXPECT_EQ(LiftAt(200), EMPTY_SLOT);
    EXPECT_EQ(LiftAt(0), 0.0);
    EXPECT_EQ(Graph().m_astrComment[0], "");
    EXPECT_EQ(Graph().m_curLift.m_adOverlay[300], 0.7);
}

TEST_F(ConfigureTest, EnglishButtonPutsBack80AndItsLabels)
{
    MakeView(0);
    Configure([](CDialog& dlg, CFakeDialogControls& controls) {
        ClickUnits(dlg, controls, IDC_CFG_ENGLISH);
        EXPECT_EQ(controls.GetText(IDC_CFG_MAX_SPEED), "80");
        EXPECT_EQ(controls.GetText(IDC_CFG_SPEED_UNIT), "MPH");
        EXPECT_EQ(controls.GetText(IDC_CFG_AREA_UNIT), "Sq. in.");
        dlg.OnCommand(IDOK);
    });
    EXPECT_EQ(Graph().m_nUnits, 1);
    EXPECT_EQ(Graph().m_dMaxSpeed, 80.0);
    // The area text, 6.452 sq. cm. when the dialog opened, is now read as square inches.
    EXPECT_EQ(Graph().m_dCdArea, 6.452);
}

TEST_F(ConfigureTest, NewAreaRecomputesCdOfTheRunOnly)
{
    Record(10.0, 0.3, 0.1);
    Record(20.0, 0.4, 0.01);
    const double dCdAt200 = Graph().m_curCd.m_adRun[200];
    const double dLDAt200 = Graph().m_curLD.m_adRun[200];
    Graph().m_curCd.m_adOverlay[200] = 0.9;
    EXPECT_EQ(Configure(TypeAndPress(IDC_CFG_CD_AREA, "2", IDOK)), "U1\r");
    EXPECT_EQ(Graph().m_dCdArea, 2.0);
    EXPECT_NEAR(Graph().m_curCd.m_adRun[200], dCdAt200 / 2, TOLERANCE);
    EXPECT_EQ(Graph().m_curLD.m_adRun[200], dLDAt200);
    EXPECT_EQ(Graph().m_curDrag.m_adRun[200], 0.01);
    EXPECT_EQ(Graph().m_curCd.m_adRun[150], EMPTY_SLOT) << "empty slots stay empty";
    EXPECT_EQ(Graph().m_curCd.m_adRun[0], 0.0);
    EXPECT_EQ(Graph().m_curCd.m_adOverlay[200], 0.9);
}

TEST_F(ConfigureTest, MaximumThatIsNoUnsignedIntegerKeepsTheDialogOpen)
{
    m_ui.m_anAnswers = {IDOK};
    Configure([](CDialog& dlg, CFakeDialogControls& controls) {
        controls.SetText(IDC_CFG_MAX_SPEED, "-5");
        dlg.OnCommand(IDOK);
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_EQ(controls.m_nFocus, IDC_CFG_MAX_SPEED);
        controls.SetText(IDC_CFG_MAX_SPEED, "0");
        dlg.OnCommand(IDOK);
    });
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Enter a positive integer."});
    EXPECT_EQ(Graph().m_dMaxSpeed, 0.0);
    EXPECT_EQ(m_profile.m_mapValues["System/Max Speed"], 0);
}

TEST_F(ConfigureTest, CancelChangesAndSendsNothing)
{
    EXPECT_EQ(Configure([](CDialog& dlg, CFakeDialogControls& controls) {
                  ClickUnits(dlg, controls, IDC_CFG_METRIC);
                  dlg.OnCommand(IDCANCEL);
              }),
              "");
    EXPECT_EQ(Graph().m_nUnits, 1);
    EXPECT_EQ(Graph().m_dMaxSpeed, 80.0);
    EXPECT_EQ(m_profile.m_nWrites, 0);
}

TEST_F(ConfigureTest, FirstModelIsNotToldTheUnits)
{
    theCommLink.m_nModel = 1;
    EXPECT_EQ(Configure(Press(IDOK)), "");
    EXPECT_EQ(m_profile.m_mapValues["System/Units"], 1);
}

TEST_F(ConfigureTest, AreaIsShownAndReadWithADecimalPointInAnyLocale)
{
    CGermanLocale german;
    ASSERT_TRUE(german.m_bSet);
    Graph().m_dCdArea = 1.5;
    Configure([](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_CFG_CD_AREA), "1.500");
        controls.SetText(IDC_CFG_CD_AREA, "2.25");
        dlg.OnCommand(IDOK);
    });
    EXPECT_EQ(Graph().m_dCdArea, 2.25);
}

} // namespace
