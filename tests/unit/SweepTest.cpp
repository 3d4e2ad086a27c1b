// Zeroing the balance and steady-point sweeps, driven by the sampling ticks against a scripted
// tunnel and the controlled clock.
#include "TunnelPeer.h"

#include "app/CommandIds.h"
#include "app/Settings.h"
#include "dialogs/SweepDlg.h"

#include <map>
#include <vector>

namespace
{

constexpr const char* DISABLED = "Command disabled!";
constexpr const char* WIND_ON = "Stop the wind before zeroing the forces.";

class SweepTest : public CTunnelViewTest
{
protected:
    void SetUp() override { CTunnelViewTest::SetUp(); }

    // Fills the sweep dialog and presses OK.
    static DialogScript Fill(const std::map<int, std::string>& mapFields)
    {
        return [=](CDialog& dlg, CFakeDialogControls& controls) {
            for (const auto& [nId, strText] : mapFields)
                controls.SetText(nId, strText);
            dlg.OnCommand(IDOK);
        };
    }

    // The sweep 10, 15, 20 mph with 1 s to settle and 0.6 s of averaging.
    void StartShortSweep()
    {
        m_ui.m_afnDialogs = {Fill({{IDC_SWEEP_FROM, "10"},
                                   {IDC_SWEEP_TO, "20"},
                                   {IDC_SWEEP_STEP, "5"},
                                   {IDC_SWEEP_SETTLE, "1"},
                                   {IDC_SWEEP_AVERAGE, "0.6"}})};
        m_pView->OnCmdMsg(ID_SWEEP);
        ASSERT_TRUE(m_pView->IsSweeping());
    }

    // One tick of the 150 ms timer, as long as it runs.
    bool TimedTick()
    {
        if (!TimerRunning())
            return false;
        m_clock.Advance(SAMPLE_PERIOD_MS);
        Tick();
        return true;
    }
    // Ticks until the condition holds; false when it did not within nMaxTicks.
    template <class TCondition>
    bool TickUntil(TCondition fnDone, int nMaxTicks = 400)
    {
        for (int i = 0; i < nMaxTicks && !fnDone(); ++i)
            if (!TimedTick())
                return fnDone();
        return fnDone();
    }
    bool StatusSeen(const std::string& strText) const
    {
        return std::find(m_wnd.m_astrStatus.begin(), m_wnd.m_astrStatus.end(), strText) !=
               m_wnd.m_astrStatus.end();
    }
};

TEST_F(SweepTest, EachSpeedIsReachedSettledAndAveragedInOrder)
{
    StartShortSweep();
    std::vector<double> adTargets;
    ASSERT_TRUE(TickUntil([&] {
        if (adTargets.empty() || adTargets.back() != Graph().m_dTargetSpeed)
            adTargets.push_back(Graph().m_dTargetSpeed);
        return !m_pView->IsSweeping();
    }));
    EXPECT_EQ(adTargets, (std::vector<double>{10, 15, 20, 0}));

    // The ramp climbs in half-mph steps and holds each point's speed: no command while it
    // settles and averages, and none after the last.
    std::vector<std::string> astrExpected;
    for (int nTenths = 5; nTenths <= 200; nTenths += 5)
        astrExpected.push_back("W" + std::to_string(nTenths));
    EXPECT_EQ(m_peer.m_astrSpeeds, astrExpected);
    // The end is Stop Wind: clear, then wind off; the timer watches the wind come down.
    EXPECT_TRUE(Sent().ends_with("SCO"));
    EXPECT_TRUE(theCommLink.m_bReturnToZero);
    EXPECT_EQ(Graph().m_dTargetSpeed, 0.0);

    EXPECT_TRUE(StatusSeen("Sweep point 1 of 3: 10.0 MPH, ramping"));
    EXPECT_TRUE(StatusSeen("Sweep point 1 of 3: 10.0 MPH, settling 1 s"));
    EXPECT_TRUE(StatusSeen("Sweep point 2 of 3: 15.0 MPH, averaging 1 s"));
    EXPECT_TRUE(StatusSeen("Sweep point 3 of 3: 20.0 MPH, averaging 1 s"));

    ASSERT_EQ(m_ui.m_aSweepResults.size(), 1u);
    const CSweepTable& table = m_ui.m_aSweepResults[0];
    ASSERT_EQ(table.m_aRows.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
    {
        const CSweepRow& row = table.m_aRows[i];
        const double dWind = 10.0 + 5.0 * static_cast<double>(i);
        EXPECT_EQ(row.m_nPoint, static_cast<int>(i) + 1);
        EXPECT_EQ(row.m_dTarget, dWind);
        // 0.6 s of 150 ms ticks after the settling: four readings, all at the held speed.
        EXPECT_EQ(row.m_nReadings, 4u);
        EXPECT_NEAR(row.m_dWindMean, dWind, 1e-9);
        EXPECT_NEAR(row.m_dLiftMean, m_peer.Lift(dWind), 1e-9);
        EXPECT_NEAR(row.m_dDragMean, m_peer.Drag(dWind), 1e-9);
        EXPECT_NEAR(row.m_dLiftSd, 0.0, 1e-9);
        // The mean point is a sample of the run like any other.
        EXPECT_NEAR(LiftAt(static_cast<int>(dWind * 10)), row.m_dLiftMean, 1e-9);
    }
    EXPECT_EQ(m_pView->SweepResults().m_aRows.size(), 3u);
    // Nothing but the points was recorded on the way.
    EXPECT_EQ(LiftAt(125), EMPTY_SLOT);
}

TEST_F(SweepTest, SettlingStartsOnlyOnceTheRampHasReachedTheSpeed)
{
    StartShortSweep();
    // Twenty ticks take the ramp from 0 to 10 mph.
    for (int i = 0; i < 19; ++i)
        TimedTick();
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "Sweep point 1 of 3: 10.0 MPH, ramping");
    TimedTick();
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "Sweep point 1 of 3: 10.0 MPH, settling 1 s");
    // Settling takes 1 s of the clock: six more ticks leave 100 ms, the seventh ends it.
    for (int i = 0; i < 6; ++i)
        TimedTick();
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "Sweep point 1 of 3: 10.0 MPH, settling 1 s");
    TimedTick();
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "Sweep point 1 of 3: 10.0 MPH, averaging 1 s");
    for (int i = 0; i < 4; ++i)
        TimedTick();
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "Sweep point 2 of 3: 15.0 MPH, ramping");
    EXPECT_EQ(m_pView->SweepResults().m_aRows.size(), 1u);
}

class SweepStopTest : public SweepTest, public ::testing::WithParamInterface<int>
{
};

// Stop Wind, its Home key and toolbar button, and Escape end the sweep at once with Stop Wind.
TEST_P(SweepStopTest, EndsTheSweepWithStopWind)
{
    StartShortSweep();
    ASSERT_TRUE(TickUntil([&] { return m_pView->SweepResults().m_aRows.size() == 1; }));
    TimedTick();
    Sent();
    EXPECT_TRUE(m_pView->OnCmdMsg(GetParam()));
    EXPECT_FALSE(m_pView->IsSweeping());
    EXPECT_EQ(Sent(), "SCO");
    EXPECT_EQ(Graph().m_dTargetSpeed, 0.0);
    // The wind comes down with no new speed and no further point.
    const size_t nSpeeds = m_peer.m_astrSpeeds.size();
    while (TimedTick())
        ;
    EXPECT_EQ(m_peer.m_astrSpeeds.size(), nSpeeds);
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "Wind speed is Zero");
    // The points done stay for Sweep Results; the window is not put up by itself.
    EXPECT_TRUE(m_ui.m_aSweepResults.empty());
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_SWEEP_RESULTS));
    ASSERT_EQ(m_ui.m_aSweepResults.size(), 1u);
    EXPECT_EQ(m_ui.m_aSweepResults[0].m_aRows.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Commands, SweepStopTest, ::testing::Values(ID_STOP_WIND, ID_SWEEP_ESCAPE));

TEST_F(SweepTest, EscapeWithoutASweepDoesNothing)
{
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_SWEEP_ESCAPE));
    EXPECT_EQ(Sent(), "");
    EXPECT_FALSE(TimerRunning());
}

TEST_F(SweepTest, LostLinkEndsTheSweepAndKeepsItsPoints)
{
    StartShortSweep();
    ASSERT_TRUE(TickUntil([&] { return m_pView->SweepResults().m_aRows.size() == 1; }));
    // The cable is pulled; the user gives up on the instrument.
    m_pDevice->m_bReadError = true;
    m_ui.m_anAnswers = {IDCANCEL};
    TimedTick();
    EXPECT_EQ(theCommLink.m_bAlive, 0);
    TimedTick();
    EXPECT_FALSE(m_pView->IsSweeping());
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "Sweep ended: communications disabled");
    // Nothing more is sent, and no results window appears.
    const std::string strWritten = Sent();
    for (int i = 0; i < 20; ++i)
        TimedTick();
    EXPECT_EQ(Sent(), "");
    EXPECT_TRUE(m_ui.m_aSweepResults.empty());
    EXPECT_EQ(m_pView->SweepResults().m_aRows.size(), 1u);
}

TEST_F(SweepTest, DialogRefusesASweepThatCannotRunAndStaysOpen)
{
    m_ui.m_afnDialogs = {[](CDialog& dlg, CFakeDialogControls& controls) {
        // English units and the default settings first.
        EXPECT_EQ(controls.GetText(IDC_SWEEP_FROM_UNIT), "MPH");
        EXPECT_EQ(controls.GetText(IDC_SWEEP_LENGTH_UNIT), "in");
        EXPECT_EQ(controls.GetText(IDC_SWEEP_SETTLE), "5");
        EXPECT_EQ(controls.GetText(IDC_SWEEP_AVERAGE), "3");
        EXPECT_EQ(controls.GetText(IDC_SWEEP_LENGTH), "1");
        for (const char* pszTo : {"90", "abc"})
        {
            controls.SetText(IDC_SWEEP_TO, pszTo);
            dlg.OnCommand(IDOK);
            EXPECT_FALSE(dlg.IsEnded());
        }
        controls.SetText(IDC_SWEEP_TO, "30");
        controls.SetText(IDC_SWEEP_STEP, "0");
        dlg.OnCommand(IDOK);
        EXPECT_FALSE(dlg.IsEnded());
        dlg.OnCommand(IDCANCEL);
    }};
    m_ui.m_anAnswers = {IDOK, IDOK, IDOK};
    m_pView->OnSweep();
    EXPECT_EQ(m_ui.Texts(),
              (std::vector<std::string>{"From and To must be between 0 and 80.0 MPH.",
                                        "Enter a number.", "Step must be greater than 0."}));
    EXPECT_FALSE(m_pView->IsSweeping());
    EXPECT_EQ(Sent(), "");
}

TEST_F(SweepTest, ReferenceLengthIsKeptInTheSettingsAcrossUnits)
{
    // Decimal points whatever the locale: a comma is no number.
    CGermanLocale locale;
    m_ui.m_afnDialogs = {[](CDialog& dlg, CFakeDialogControls& controls) {
        controls.SetText(IDC_SWEEP_LENGTH, "2,5");
        dlg.OnCommand(IDOK);
        EXPECT_FALSE(dlg.IsEnded());
        controls.SetText(IDC_SWEEP_LENGTH, "2.5");
        dlg.OnCommand(IDOK);
    }};
    m_ui.m_anAnswers = {IDOK};
    m_pView->OnSweep();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Enter a number."});
    EXPECT_EQ(m_profile.GetProfileInt(SETTINGS_SECTION, SETTING_REFERENCE_LENGTH, 0), 63500);
    m_pView->OnStopWind();
    MakeView(0);
    m_ui.m_afnDialogs = {[](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_SWEEP_LENGTH), "6.35");
        EXPECT_EQ(controls.GetText(IDC_SWEEP_LENGTH_UNIT), "cm");
        EXPECT_EQ(controls.GetText(IDC_SWEEP_STEP_UNIT), "KPH");
        dlg.OnCommand(IDCANCEL);
    }};
    m_pView->OnSweep();
}

TEST_F(SweepTest, SweepAfterAStopOffersToClearTheOldRun)
{
    Record(20.0);
    m_ui.m_afnDialogs = {Fill({})};
    m_ui.m_anAnswers = {IDYES};
    m_pView->OnSweep();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Clear Previous Test Results?"});
    EXPECT_EQ(LiftAt(200), EMPTY_SLOT);
    EXPECT_TRUE(m_pView->IsSweeping());
}

TEST_F(SweepTest, SpeedTypedByHandTakesOverFromTheSweep)
{
    StartShortSweep();
    TimedTick();
    m_pView->OnWindUp5();
    EXPECT_FALSE(m_pView->IsSweeping());
    EXPECT_EQ(Graph().m_dTargetSpeed, 15.0);
}

TEST_F(SweepTest, ZeroTakesTheWindOffBalanceReadingOffEveryLaterReading)
{
    m_peer.m_dLiftOffset = 0.3;
    m_peer.m_dDragOffset = -0.02;
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_ZERO_FORCES));
    EXPECT_TRUE(m_pView->IsZeroing());
    EXPECT_TRUE(TimerRunning());
    // Two seconds of ticks, then the timer stops with the offsets held.
    int nTicks = 0;
    while (TimedTick())
        ++nTicks;
    EXPECT_EQ(nTicks, 14);
    EXPECT_FALSE(m_pView->IsZeroing());
    EXPECT_TRUE(m_wnd.m_bZeroShown);
    EXPECT_NEAR(m_pView->ForceZero().Lift(), 0.3, 1e-9);
    EXPECT_NEAR(m_pView->ForceZero().Drag(), -0.02, 1e-9);
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "Forces zeroed: lift 0.3000 lbs., drag -0.0200 lbs.");
    // Nothing was recorded and no speed was sent while zeroing.
    EXPECT_TRUE(m_peer.m_astrSpeeds.empty());
    EXPECT_EQ(LiftAt(0), 0.0);

    StartShortSweep();
    ASSERT_TRUE(TickUntil([&] { return !m_pView->IsSweeping(); }));
    for (const CSweepRow& row : m_pView->SweepResults().m_aRows)
    {
        EXPECT_NEAR(row.m_dLiftMean, 0.01 * row.m_dTarget, 1e-9);
        EXPECT_NEAR(row.m_dDragMean, 0.005 * row.m_dTarget, 1e-9);
    }
}

TEST_F(SweepTest, ZeroIsRefusedWhileTheWindIsOnOrTheLinkIsDown)
{
    SetWindRunning(true);
    m_ui.m_anAnswers = {IDOK};
    m_pView->OnZeroForces();
    SetWindRunning(false);
    Graph().m_dTargetSpeed = 5.0;
    m_ui.m_anAnswers = {IDOK};
    m_pView->OnZeroForces();
    Graph().m_dTargetSpeed = 0.0;
    theCommLink.m_bAlive = 0;
    m_ui.m_anAnswers = {IDOK};
    m_pView->OnZeroForces();
    EXPECT_EQ(m_ui.Texts(), (std::vector<std::string>{WIND_ON, WIND_ON, DISABLED}));
    EXPECT_FALSE(m_pView->IsZeroing());
    EXPECT_FALSE(TimerRunning());
}

TEST_F(SweepTest, ZeroWithoutReadingsKeepsTheOffsetsItHad)
{
    m_instrument.m_strReading = "garbage";
    m_pDevice->m_fnRespond = std::ref(m_instrument);
    m_pView->OnZeroForces();
    while (TimedTick())
        ;
    EXPECT_FALSE(m_wnd.m_bZeroShown);
    EXPECT_FALSE(m_pView->ForceZero().IsHeld());
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "No readings arrived: the forces were not zeroed");
}

TEST_F(SweepTest, SweepResultsBeforeAnySweepSaysSo)
{
    m_ui.m_anAnswers = {IDOK};
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_SWEEP_RESULTS));
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"No sweep has been run yet."});
    EXPECT_TRUE(m_ui.m_aSweepResults.empty());
}

} // namespace
