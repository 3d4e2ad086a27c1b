#include "RunViewFixture.h"

#include "app/CommandIds.h"
#include "run/Gowind.h"

#include <functional>
#include <vector>

namespace
{

using WindCommandsTest = RunViewTest;

constexpr const char* DISABLED = "Command disabled!";
constexpr const char* CLEAR = "Clear Previous Test Results?";
constexpr double TOLERANCE = 1e-9;

// Plays the Set Wind speed dialog: checks what it shows, types a speed and presses OK.
DialogScript TypeSpeed(const std::string& strSpeed, const std::string& strUnitLabel)
{
    return [=](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_SPEED), "0");
        EXPECT_EQ(controls.GetText(IDC_SPEED_UNITS), strUnitLabel);
        controls.SetText(IDC_SPEED, strSpeed);
        dlg.OnCommand(IDOK);
    };
}

TEST_F(WindCommandsTest, CommandIdsReachTheirHandlers)
{
    SetWindRunning(true);
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_WIND_UP_5));
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_WIND_UP_1));
    EXPECT_EQ(Graph().m_dTargetSpeed, 6.0);
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_WIND_DOWN_1));
    EXPECT_EQ(Graph().m_dTargetSpeed, 5.0);
    m_ui.m_afnDialogs = {Press(IDCANCEL)};
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_SET_WIND_SPEED));
    EXPECT_EQ(m_ui.m_anDialogIds, std::vector<int>{IDD_GOWIND});
    // Down to zero: Stop Wind runs.
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_WIND_DOWN_5));
    EXPECT_EQ(Sent(), "SCO");
    EXPECT_TRUE(m_pView->OnCmdMsg(ID_STOP_WIND));
    EXPECT_EQ(Sent(), "S");
}

TEST_F(WindCommandsTest, PageUpSeventeenTimesStopsAtTheMaximum)
{
    for (int nPress = 1; nPress <= 17; ++nPress)
    {
        m_pView->OnWindUp5();
        EXPECT_EQ(Graph().m_dTargetSpeed, std::min(5.0 * nPress, 80.0)) << "press " << nPress;
    }
    EXPECT_TRUE(TimerRunning());
    EXPECT_EQ(m_wnd.m_anPeriods.back(), SAMPLE_PERIOD_MS);
    EXPECT_EQ(theCommLink.m_nTimerId, SAMPLE_TIMER_ID);
    // The steps only set the target: the sampling loop talks to the instrument.
    EXPECT_EQ(Sent(), "");
}

TEST_F(WindCommandsTest, MaximumIsCutToWholeMph)
{
    Graph().m_dMaxSpeed = 62.137;
    Graph().m_dTargetSpeed = 60.0;
    m_pView->OnWindUp5();
    EXPECT_EQ(Graph().m_dTargetSpeed, 62.0);
}

TEST_F(WindCommandsTest, MetricStepsAreKph)
{
    MakeView(0);
    m_pView->OnWindUp1();
    EXPECT_NEAR(Graph().m_dTargetSpeed, KPH_TO_MPH, TOLERANCE);
}

TEST_F(WindCommandsTest, PageDownBelowZeroStopsTheWindAndTheTimerRunsOn)
{
    SetWindRunning(true);
    Graph().m_dTargetSpeed = 3.0;
    Graph().m_dRampSpeed = 3.0;
    m_pView->m_dFiltWind = 3.0;
    m_pView->OnWindDown5();
    EXPECT_EQ(Sent(), "SCO");
    EXPECT_EQ(Graph().m_dTargetSpeed, 0.0);
    EXPECT_EQ(Graph().m_dRampSpeed, 0.0);
    EXPECT_EQ(m_pView->m_dFiltWind, 0.0);
    EXPECT_EQ(theCommLink.m_bReturnToZero, 1);
    EXPECT_TRUE(TimerRunning());
}

struct CStopCase
{
    const char* m_pszName;
    bool m_bRunning;
    int m_bReturnToZero;
    const char* m_pszSent;
    int m_bReturnToZeroAfter;
    bool m_bTimerAfter;
};

class StopWindTest : public RunViewTest, public ::testing::WithParamInterface<CStopCase>
{
};

TEST_P(StopWindTest, StopsByWhatTheInstrumentReports)
{
    const CStopCase& testCase = GetParam();
    SetWindRunning(testCase.m_bRunning);
    theCommLink.m_bReturnToZero = testCase.m_bReturnToZero;
    StartSamplingTimer(&m_wnd);
    Graph().m_dTargetSpeed = 20.0;
    Graph().m_dRampSpeed = 12.5;
    m_pView->OnStopWind();
    EXPECT_EQ(Sent(), testCase.m_pszSent);
    EXPECT_EQ(theCommLink.m_bReturnToZero, testCase.m_bReturnToZeroAfter);
    EXPECT_EQ(TimerRunning(), testCase.m_bTimerAfter);
    EXPECT_EQ(Graph().m_dTargetSpeed, 0.0);
    EXPECT_EQ(Graph().m_dRampSpeed, 0.0);
}

INSTANTIATE_TEST_SUITE_P(States, StopWindTest,
                         ::testing::Values(CStopCase{"Running", true, 0, "SCO", 1, true},
                                           CStopCase{"AlreadyReturning", true, 1, "S", 1, true},
                                           CStopCase{"StoppedWhileReturning", false, 1, "S", 0,
                                                     false},
                                           CStopCase{"Stopped", false, 0, "S", 0, false}),
                         [](const auto& info) { return std::string(info.param.m_pszName); });

TEST_F(WindCommandsTest, StopWindEndsTheMotionOfTheTrace)
{
    SetWindRunning(true);
    g_nLastSlot = 250;
    m_pView->OnStopWind();
    EXPECT_EQ(g_nLastSlot, 0);
}

TEST_F(WindCommandsTest, SpeedCommandsWaitForTheReturnToZero)
{
    SetWindRunning(true);
    theCommLink.m_bReturnToZero = 1;
    StartSamplingTimer(&m_wnd);
    Graph().m_dTargetSpeed = 0.0;
    m_pView->OnWindUp5();
    m_pView->OnLButtonDblClk({500, 400});
    EXPECT_EQ(Sent(), "SS");
    EXPECT_EQ(Graph().m_dTargetSpeed, 0.0);
    EXPECT_TRUE(TimerRunning());
    EXPECT_TRUE(m_ui.m_anDialogIds.empty());
}

TEST_F(WindCommandsTest, GivingUpOnTheCableAlarmWhileReturningStopsTheTimer)
{
    theCommLink.m_bReturnToZero = 1;
    StartSamplingTimer(&m_wnd);
    m_instrument.m_nStatus = 1;
    m_ui.m_anAnswers = {IDCANCEL};
    m_pView->OnWindUp1();
    EXPECT_FALSE(TimerRunning());
    EXPECT_EQ(Graph().m_dTargetSpeed, 0.0);
}

// Every command refuses with the exclamation box while communications are disabled.
TEST_F(WindCommandsTest, DisabledCommunicationsRefuseEveryCommand)
{
    const std::vector<std::function<void(CTestView&)>> afnCommands = {
        [](CTestView& view) { view.OnSetWindSpeed(); },
        [](CTestView& view) { view.OnWindUp1(); },
        [](CTestView& view) { view.OnWindUp5(); },
        [](CTestView& view) { view.OnWindDown5(); },
        [](CTestView& view) { view.OnWindDown1(); },
        [](CTestView& view) {
            view.OnLButtonDblClk({500, 400});
        },
    };
    theCommLink.m_bAlive = 0;
    Graph().m_dTargetSpeed = 10.0;
    for (size_t i = 0; i < afnCommands.size(); ++i)
    {
        m_ui.m_anAnswers = {IDOK};
        afnCommands[i](*m_pView);
        ASSERT_EQ(m_ui.m_aBoxes.size(), i + 1) << "command " << i;
        EXPECT_EQ(m_ui.m_aBoxes[i].m_strText, DISABLED);
        EXPECT_EQ(m_ui.m_aBoxes[i].m_nType, 48u);
        EXPECT_EQ(Graph().m_dTargetSpeed, 10.0) << "command " << i;
    }
    EXPECT_TRUE(m_ui.m_anDialogIds.empty());
    EXPECT_TRUE(m_wnd.m_anPeriods.empty());
    EXPECT_TRUE(m_wnd.m_anKilled.empty());
}

TEST_F(WindCommandsTest, DisabledStopWindStillZeroesTheSpeeds)
{
    theCommLink.m_bAlive = 0;
    Graph().m_dTargetSpeed = 10.0;
    Graph().m_dRampSpeed = 10.0;
    m_ui.m_anAnswers = {IDOK};
    m_pView->OnStopWind();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{DISABLED});
    EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, 48u);
    EXPECT_EQ(Graph().m_dTargetSpeed, 0.0);
    EXPECT_EQ(Graph().m_dRampSpeed, 0.0);
    EXPECT_EQ(Sent(), "");
}

struct CTypedCase
{
    const char* m_pszName;
    int m_nUnits;
    const char* m_pszTyped;
    double m_dTargetMph;
};

class SetWindSpeedTest : public RunViewTest, public ::testing::WithParamInterface<CTypedCase>
{
};

TEST_P(SetWindSpeedTest, TypedSpeedBecomesTheTarget)
{
    CGermanLocale locale;
    ASSERT_TRUE(locale.m_bSet);
    const CTypedCase& testCase = GetParam();
    MakeView(testCase.m_nUnits);
    m_ui.m_afnDialogs = {TypeSpeed(testCase.m_pszTyped, testCase.m_nUnits == 1 ? "MPH" : "KPH")};
    m_pView->OnSetWindSpeed();
    EXPECT_NEAR(Graph().m_dTargetSpeed, testCase.m_dTargetMph, 1e-9);
    EXPECT_TRUE(TimerRunning());
    EXPECT_EQ(Sent(), "");
}

INSTANTIATE_TEST_SUITE_P(Texts, SetWindSpeedTest,
                         ::testing::Values(CTypedCase{"Whole", 1, "35", 35.0},
                                           CTypedCase{"LeadingNumberOnly", 1, "12.5abc", 12.5},
                                           CTypedCase{"NoNumber", 1, "abc", 0.0},
                                           CTypedCase{"LeadingBlanks", 1, "  7.5", 7.5},
                                           CTypedCase{"AboveMaximum", 1, "95", 80.0},
                                           CTypedCase{"NegativeIsZero", 1, "-5", 0.0},
                                           CTypedCase{"MetricKph", 0, "35", 35 * KPH_TO_MPH},
                                           CTypedCase{"MetricAboveMaximum", 0, "140", 80.0}),
                         [](const auto& info) { return std::string(info.param.m_pszName); });

TEST_F(WindCommandsTest, CancelledSetWindSpeedLeavesSamplingPaused)
{
    StartSamplingTimer(&m_wnd);
    Graph().m_dTargetSpeed = 20.0;
    m_ui.m_afnDialogs = {TypeAndPress(IDC_SPEED, "40", IDCANCEL)};
    m_pView->OnSetWindSpeed();
    EXPECT_EQ(Graph().m_dTargetSpeed, 20.0);
    EXPECT_FALSE(TimerRunning());
}

// The fixed fault: a negative request no longer drives the ramp below zero, so the
// instrument is never sent a negative speed.
TEST_F(WindCommandsTest, NegativeTypedSpeedRampsDownToZeroOnly)
{
    SetWindRunning(true);
    Graph().m_dTargetSpeed = 2.0;
    Graph().m_dRampSpeed = 2.0;
    m_ui.m_afnDialogs = {TypeSpeed("-5", "MPH")};
    m_pView->OnSetWindSpeed();
    EXPECT_EQ(Graph().m_dTargetSpeed, 0.0);
    Tick(8);
    std::string strSent = Sent();
    EXPECT_EQ(strSent.find("W-"), std::string::npos) << strSent;
    EXPECT_EQ(strSent, "SW15\rHSW10\rHSW5\rHSW0\rHSHSHSHSH");
    EXPECT_EQ(Graph().m_dRampSpeed, 0.0);
}

struct CPromptCase
{
    const char* m_pszName;
    bool m_bRunning;
    int m_nSlot; // the one slot recorded besides the anchor
    std::vector<int> m_anAnswers;
    bool m_bCleared;
};

class ClearPromptTest : public RunViewTest, public ::testing::WithParamInterface<CPromptCase>
{
};

// Shown range 0..85 mph: slots 1..849 count as a previous run on the graph.
TEST_P(ClearPromptTest, AskedOnlyForARunOnTheShownRangeWithTheWindStopped)
{
    const CPromptCase& testCase = GetParam();
    SetWindRunning(testCase.m_bRunning);
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
        Graph().Series(nSeries).m_adRun[testCase.m_nSlot] = 0.25;
    Graph().m_astrComment[0] = "model A";
    Graph().m_dTargetSpeed = 3.0;
    Graph().m_dRampSpeed = 3.0;
    m_ui.m_anAnswers = {testCase.m_anAnswers.begin(), testCase.m_anAnswers.end()};

    m_pView->OnWindUp1();

    bool bAsked = !testCase.m_anAnswers.empty();
    EXPECT_EQ(m_ui.m_aBoxes.size(), bAsked ? 1u : 0u);
    if (bAsked)
    {
        EXPECT_EQ(m_ui.m_aBoxes[0].m_strText, CLEAR);
        EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, 36u);
    }
    // A step that asks starts again from rest, whatever the answer.
    EXPECT_EQ(Graph().m_dTargetSpeed, bAsked ? 1.0 : 4.0);
    EXPECT_EQ(Graph().m_dRampSpeed, bAsked ? 0.0 : 3.0);
    double dExpected = testCase.m_bCleared ? EMPTY_SLOT : 0.25;
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
        EXPECT_EQ(Graph().Series(nSeries).m_adRun[testCase.m_nSlot], dExpected) << nSeries;
    EXPECT_EQ(Graph().m_astrComment[0].empty(), testCase.m_bCleared);
    // Clearing redraws the plot.
    EXPECT_EQ(!m_wnd.m_log.m_aFills.empty(), testCase.m_bCleared);
    EXPECT_TRUE(TimerRunning());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ClearPromptTest,
    ::testing::Values(CPromptCase{"AnchorSlotOnly", false, 0, {}, false},
                      CPromptCase{"AtTheShownMaximum", false, 850, {}, false},
                      CPromptCase{"JustBelowTheShownMaximum", false, 849, {IDNO}, false},
                      CPromptCase{"WindStillRunning", true, 100, {}, false},
                      CPromptCase{"YesClears", false, 1, {IDYES}, true},
                      CPromptCase{"NoKeeps", false, 100, {IDNO}, false}),
    [](const auto& info) { return std::string(info.param.m_pszName); });

TEST_F(WindCommandsTest, SetWindSpeedAsksBeforeTheDialogAndKeepsTheSpeeds)
{
    Graph().m_curLift.m_adRun[100] = 0.25;
    Graph().m_dTargetSpeed = 3.0;
    Graph().m_dRampSpeed = 3.0;
    m_ui.m_fnOnBox = [this](const std::string&) {
        EXPECT_TRUE(m_ui.m_anDialogIds.empty()) << "the prompt comes before the dialog";
        EXPECT_FALSE(TimerRunning());
    };
    m_ui.m_anAnswers = {IDYES};
    m_ui.m_afnDialogs = {Press(IDCANCEL)};
    StartSamplingTimer(&m_wnd);
    m_pView->OnSetWindSpeed();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{CLEAR});
    EXPECT_EQ(m_ui.m_anDialogIds, std::vector<int>{IDD_GOWIND});
    EXPECT_EQ(LiftAt(100), EMPTY_SLOT);
    EXPECT_EQ(Graph().m_dTargetSpeed, 3.0);
    EXPECT_EQ(Graph().m_dRampSpeed, 3.0);
}

TEST_F(WindCommandsTest, GowindTemplateLaysOutTheSpeedField)
{
    const CDlgTemplate& dlgTemplate = GowindTemplate();
    EXPECT_EQ(dlgTemplate.m_nId, 137);
    EXPECT_EQ(dlgTemplate.m_strCaption, "Wind Speed");
    EXPECT_EQ(dlgTemplate.m_nCx, 187);
    EXPECT_EQ(dlgTemplate.m_nCy, 47);
    std::vector<int> anIds;
    for (const CDlgControl& ctl : dlgTemplate.m_aControls)
        anIds.push_back(ctl.m_nId);
    EXPECT_EQ(anIds, (std::vector<int>{IDC_STATIC, 1016, 1036, IDOK, IDCANCEL}));
    EXPECT_EQ(dlgTemplate.m_aControls[1].m_eKind, EControlKind::Edit);
    EXPECT_EQ(dlgTemplate.m_aControls[3].m_eKind, EControlKind::DefPushButton);
}

} // namespace
