#include "RunViewFixture.h"

#include <vector>

namespace
{

using SamplingTest = RunViewTest;

constexpr const char* CABLE = "Cable is disconnected!";
constexpr double TOLERANCE = 1e-9;

struct CRampCase
{
    const char* m_pszName;
    double m_dRampMph;
    double m_dTargetMph;
    // The speed request of each tick; empty when the tick sends none.
    std::vector<std::string> m_astrRequests;
};

class SamplingRampTest : public RunViewTest, public ::testing::WithParamInterface<CRampCase>
{
};

// Each tick polls the status, moves the ramp half a mph and commands it, then reads.
TEST_P(SamplingRampTest, EachTickSendsOneHalfMphStep)
{
    const CRampCase& testCase = GetParam();
    Graph().m_dRampSpeed = testCase.m_dRampMph;
    Graph().m_dTargetSpeed = testCase.m_dTargetMph;
    for (size_t i = 0; i < testCase.m_astrRequests.size(); ++i)
    {
        Tick();
        EXPECT_EQ(Sent(), "S" + testCase.m_astrRequests[i] + "H") << "tick " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ramps, SamplingRampTest,
    ::testing::Values(CRampCase{"FromRestToFive",
                                0.0,
                                5.0,
                                {"W5\r", "W10\r", "W15\r", "W20\r", "W25\r", "W30\r", "W35\r",
                                 "W40\r", "W45\r", "W50\r", ""}},
                      // A target off the half-mph grid is never reached: the last step below it
                      // goes out on every tick, from either side.
                      CRampCase{
                          "OffGridTargetFromBelow", 10.0, 10.3, {"W100\r", "W100\r", "W100\r"}},
                      CRampCase{"OffGridTargetFromAbove", 1.0, 0.3, {"W5\r", "W0\r", "W0\r"}},
                      CRampCase{"DownToRest", 1.0, 0.0, {"W5\r", "W0\r", ""}}),
    [](const auto& info) { return std::string(info.param.m_pszName); });

TEST_F(SamplingTest, UnacknowledgedSpeedIsClearedAndSentOnceMore)
{
    // The instrument never acknowledges; the repeated request's reply is not examined.
    m_pDevice->m_fnRespond = [this](const std::string& strRequest) {
        return strRequest.starts_with("W") ? std::string("?\r") : m_instrument(strRequest);
    };
    Graph().m_dTargetSpeed = 5.0;
    Tick();
    EXPECT_EQ(Sent(), "SW5\rCW5\rH");
    EXPECT_EQ(Graph().m_dRampSpeed, 0.5);
}

TEST_F(SamplingTest, FirstModelReadingIsScaledAndRecorded)
{
    theCommLink.m_nModel = 1;
    m_instrument.m_strReading = "300,600,900";
    // Smoothing states at the reading itself keep the values as read.
    m_pView->m_dFiltWind = 30.0;
    m_pView->m_dFiltDrag = 0.6;
    m_pView->m_dFiltLift = 0.9;
    Tick();
    EXPECT_EQ(Sent(), "SR");
    EXPECT_NEAR(LiftAt(300), 0.9, TOLERANCE);
    EXPECT_NEAR(Graph().m_curDrag.m_adRun[300], 0.6, TOLERANCE);
    EXPECT_EQ(g_nLastSlot, 300);
}

TEST_F(SamplingTest, SmoothingStartsFromZeroAfterStopWind)
{
    SetWindRunning(true);
    m_pView->m_dFiltWind = 25.0;
    m_pView->m_dFiltLift = 0.5;
    m_pView->m_dFiltDrag = 0.5;
    m_pView->OnStopWind();
    SetWindRunning(false);
    Tick(); // the instrument reports the wind stopped: the return ends
    Sent();

    m_instrument.m_strReading = "30,0.3,0.6";
    const double adWind[] = {10.0, 16.666666666666668, 21.11111111111111};
    const int anSlot[] = {100, 166, 211};
    double dLift = 0.0;
    for (int i = 0; i < 3; ++i)
    {
        Tick();
        dLift += (0.6 - dLift) / 3;
        EXPECT_NEAR(m_pView->m_dFiltWind, adWind[i], TOLERANCE) << "tick " << i + 1;
        EXPECT_NEAR(m_pView->m_dFiltLift, dLift, TOLERANCE) << "tick " << i + 1;
        EXPECT_NEAR(LiftAt(anSlot[i]), dLift, TOLERANCE) << "tick " << i + 1;
        EXPECT_EQ(g_nLastSlot, anSlot[i]) << "tick " << i + 1;
    }
    EXPECT_EQ(Sent(), "SHSHSH");
}

TEST_F(SamplingTest, MetricRecordsKphAndKgButSmoothsInMphAndPounds)
{
    CGermanLocale locale;
    ASSERT_TRUE(locale.m_bSet);
    MakeView(0);
    m_instrument.m_strReading = "30.0,0.5,1.0";
    m_pView->m_dFiltWind = 30.0;
    m_pView->m_dFiltDrag = 0.5;
    m_pView->m_dFiltLift = 1.0;
    Tick();
    // 30 mph is 48.2802 kph: slot 482.
    EXPECT_EQ(g_nLastSlot, 482);
    EXPECT_NEAR(LiftAt(482), 0.453592, TOLERANCE);
    EXPECT_NEAR(Graph().m_curDrag.m_adRun[482], 0.226796, TOLERANCE);
    EXPECT_EQ(m_pView->m_dFiltWind, 30.0);
    EXPECT_EQ(m_pView->m_dFiltDrag, 0.5);
    EXPECT_EQ(m_pView->m_dFiltLift, 1.0);
}

struct CWidenCase
{
    const char* m_pszName;
    int m_nWindScale;
    int m_nForceScale;
    double m_dWind;
    double m_dDrag;
    double m_dLift;
    int m_nWindScaleAfter;
    int m_nForceScaleAfter;
};

class SamplingWidenTest : public RunViewTest, public ::testing::WithParamInterface<CWidenCase>
{
};

// English axes: wind 0..85 mph and force 0..2.0 lbs at index 1, halved at each index above.
TEST_P(SamplingWidenTest, ReadingAtTheTopOfTheShownRangeWidensItOneStep)
{
    const CWidenCase& testCase = GetParam();
    Graph().SetWindScale(testCase.m_nWindScale);
    Graph().SetForceScale(testCase.m_nForceScale);
    m_instrument.m_strReading = std::to_string(testCase.m_dWind) + "," +
                                std::to_string(testCase.m_dDrag) + "," +
                                std::to_string(testCase.m_dLift);
    // Steady readings: smoothing keeps them as they are.
    m_pView->m_dFiltWind = testCase.m_dWind;
    m_pView->m_dFiltDrag = testCase.m_dDrag;
    m_pView->m_dFiltLift = testCase.m_dLift;
    Tick();
    EXPECT_EQ(Graph().m_axWind.m_nScale, testCase.m_nWindScaleAfter);
    EXPECT_EQ(Graph().m_axForce.m_nScale, testCase.m_nForceScaleAfter);
    bool bWidened = testCase.m_nWindScaleAfter != testCase.m_nWindScale ||
                    testCase.m_nForceScaleAfter != testCase.m_nForceScale;
    // Only a repaint fills the page and the plot; a recorded sample draws lines.
    EXPECT_EQ(!m_wnd.m_log.m_aFills.empty(), bWidened);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, SamplingWidenTest,
    ::testing::Values(CWidenCase{"WindAtShownTop", 2, 2, 42.5, 0.1, 0.1, 1, 2},
                      CWidenCase{"WindBelowShownTop", 2, 2, 42.4, 0.1, 0.1, 2, 2},
                      CWidenCase{"WindAlreadyWidest", 1, 2, 90.0, 0.1, 0.1, 1, 2},
                      CWidenCase{"NegativeLiftBeyondShownForce", 2, 2, 10.0, 0.1, -1.2, 2, 1},
                      CWidenCase{"DragNeverWidensForce", 2, 2, 10.0, 1.2, 0.3, 2, 2},
                      CWidenCase{"BothAtOnce", 3, 3, 30.0, 0.1, 0.6, 2, 2}),
    [](const auto& info) { return std::string(info.param.m_pszName); });

TEST_F(SamplingTest, ReturnToZeroRecordsNothingUntilTheWindIsReportedStopped)
{
    SetWindRunning(true);
    m_pView->OnStopWind();
    ASSERT_EQ(theCommLink.m_bReturnToZero, 1);
    Sent();
    m_wnd.ClearRecords();

    Tick(2);
    EXPECT_EQ(Sent(), "SS");
    EXPECT_EQ(m_wnd.m_astrStatus, (std::vector<std::string>{"Returning Wind speed to Zero",
                                                            "Returning Wind speed to Zero"}));
    EXPECT_TRUE(TimerRunning());
    EXPECT_TRUE(m_wnd.m_log.m_aLines.empty());

    m_instrument.m_nStatus = 2;
    Tick();
    EXPECT_EQ(Sent(), "S");
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "Wind speed is Zero");
    EXPECT_FALSE(TimerRunning());
    EXPECT_EQ(theCommLink.m_bReturnToZero, 0);
    for (int k = 1; k < RUN_SLOTS; ++k)
        ASSERT_EQ(LiftAt(k), EMPTY_SLOT) << "slot " << k;
}

TEST_F(SamplingTest, DisabledCommunicationsMakeTicksIdle)
{
    theCommLink.m_bAlive = 0;
    Graph().m_dTargetSpeed = 5.0;
    m_pView->m_dFiltWind = 30.0;
    Tick(3);
    EXPECT_EQ(Sent(), "");
    EXPECT_EQ(Graph().m_dRampSpeed, 0.0);
    EXPECT_EQ(g_nLastSlot, 0);
    EXPECT_EQ(m_wnd.m_anKilled.size(), 0u);
    EXPECT_TRUE(m_wnd.m_astrStatus.empty());
}

TEST_F(SamplingTest, IncompleteReadingRecordsNothing)
{
    m_instrument.m_strReading = "12.5,0.25";
    m_pView->m_dFiltWind = 10.0;
    Tick();
    EXPECT_EQ(Sent(), "SH");
    EXPECT_EQ(m_pView->m_dFiltWind, 10.0);
    EXPECT_EQ(g_nLastSlot, 0);
    EXPECT_TRUE(m_wnd.m_log.m_aLines.empty());
}

TEST_F(SamplingTest, GivingUpOnTheCableAlarmStopsTheTimerAndTheTick)
{
    StartSamplingTimer(&m_wnd);
    m_instrument.m_nStatus = 1;
    Graph().m_dTargetSpeed = 5.0;
    m_ui.m_anAnswers = {IDCANCEL};
    Tick();
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{CABLE});
    EXPECT_FALSE(TimerRunning());
    // Nothing goes out after the poll, and nothing is recorded.
    EXPECT_EQ(Sent(), "S");
    EXPECT_EQ(g_nLastSlot, 0);
    EXPECT_EQ(theCommLink.m_bAlive, 0);
}

TEST_F(SamplingTest, GivingUpOnTheCableAlarmEndsAReturnToZero)
{
    theCommLink.m_bReturnToZero = 1;
    StartSamplingTimer(&m_wnd);
    m_instrument.m_nStatus = 1;
    m_ui.m_anAnswers = {IDCANCEL};
    Tick();
    EXPECT_EQ(m_wnd.m_astrStatus, std::vector<std::string>{"Wind speed is Zero"});
    EXPECT_EQ(theCommLink.m_bReturnToZero, 0);
    EXPECT_FALSE(TimerRunning());
}

} // namespace
