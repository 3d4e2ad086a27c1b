#include "RunViewFixture.h"

#include "app/CommandIds.h"
#include "dialogs/AdConfig.h"
#include "dialogs/ConfigDlg.h"
#include "link/Commands.h"
#include "run/Gowind.h"

#include <string>

namespace
{

// A settings file may hold any number for the units: every one but 0 is English. Each case
// starts the view with such a value and looks at what it shows and keeps.
class UnitsModeTest : public RunViewTest, public ::testing::WithParamInterface<int>
{
protected:
    void SetUp() override
    {
        RunViewTest::SetUp();
        m_pDevice->m_fnRespond = [this](const std::string& strRequest) -> std::string {
            return strRequest.starts_with("U") ? "\r" : m_instrument(strRequest);
        };
        MakeView(GetParam());
    }
};

TEST_P(UnitsModeTest, ViewStartsWithTheEnglishAirDensity)
{
    EXPECT_EQ(g_dAirDensity, STANDARD_AIR_DENSITY);
}

TEST_P(UnitsModeTest, ConfigureShowsEnglishAndOkKeepsTheRunEnglish)
{
    Record(20.0, 0.3, 0.1);
    Sent();
    m_ui.m_afnDialogs = {[](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetCheck(IDC_CFG_ENGLISH), 1);
        EXPECT_EQ(controls.GetCheck(IDC_CFG_METRIC), 0);
        EXPECT_EQ(controls.GetText(IDC_CFG_MAX_SPEED), "80");
        EXPECT_EQ(controls.GetText(IDC_CFG_SPEED_UNIT), "MPH");
        dlg.OnCommand(IDOK);
    }};
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_CONFIGURE));
    EXPECT_NE(Graph().m_nUnits, 0);
    EXPECT_EQ(Sent(), "U1\r");
    EXPECT_EQ(Graph().m_dMaxSpeed, 80.0);
    EXPECT_EQ(LiftAt(200), 0.3) << "the run is kept: its units did not change";
}

TEST_P(UnitsModeTest, SpeedDialogAsksForMph)
{
    m_ui.m_afnDialogs = {[](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_SPEED_UNITS), "MPH");
        controls.SetText(IDC_SPEED, "30");
        dlg.OnCommand(IDOK);
    }};
    m_pView->OnSetWindSpeed();
    EXPECT_EQ(Graph().m_dTargetSpeed, 30.0);
}

TEST_P(UnitsModeTest, AirDensityCalculatorWorksInEnglish)
{
    theCommLink.m_nModel = 1;
    g_bAirFirstUse = 1;
    m_ui.m_afnDialogs = {[](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_AD_TEMPERATURE_UNIT), "F");
        EXPECT_EQ(controls.GetText(IDC_AD_PRESSURE), "29.92");
        dlg.OnCommand(IDCANCEL);
    }};
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_AIR_DENSITY));
    EXPECT_NEAR(g_dAirDensity, 0.07453, 5e-6);
}

TEST_P(UnitsModeTest, UnitsCommandIsEnglish)
{
    EXPECT_EQ(FormatUnitsCommand(GetParam()), "U1\r");
}

INSTANTIATE_TEST_SUITE_P(NotZero, UnitsModeTest, ::testing::Values(1, 2, -1), [](const auto& info) {
    return info.param < 0 ? "Minus" + std::to_string(-info.param) : std::to_string(info.param);
});

} // namespace
