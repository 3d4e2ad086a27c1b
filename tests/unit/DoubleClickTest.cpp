#include "RunViewFixture.h"

#include <vector>

namespace
{

using DoubleClickTest = RunViewTest;

// The plot spans x = 80 .. 985 of the 1000-pixel client area; the wind axis below it shows
// 0 .. 85 mph (English) or 0 .. 140 kph (metric) at scale index 1.
struct CClickCase
{
    const char* m_pszName;
    int m_nUnits;
    int m_nX;
    double m_dTargetMph;
    double m_dTolerance; // the pixel grid and the tenths of the axis, in mph
};

class DoubleClickSpeedTest : public RunViewTest, public ::testing::WithParamInterface<CClickCase>
{
};

TEST_P(DoubleClickSpeedTest, RequestsTheSpeedUnderThePointer)
{
    const CClickCase& testCase = GetParam();
    MakeView(testCase.m_nUnits);
    m_pView->OnLButtonDblClk({testCase.m_nX, 400});
    EXPECT_NEAR(Graph().m_dTargetSpeed, testCase.m_dTargetMph, testCase.m_dTolerance);
    EXPECT_GE(Graph().m_dTargetSpeed, 0.0);
    EXPECT_TRUE(TimerRunning());
    EXPECT_EQ(m_wnd.m_anPeriods, std::vector<int>{SAMPLE_PERIOD_MS});
    EXPECT_EQ(Sent(), "");
}

INSTANTIATE_TEST_SUITE_P(Positions, DoubleClickSpeedTest,
                         ::testing::Values(CClickCase{"MiddleOfThePlot", 1, 532, 42.5, 0.2},
                                           CClickCase{"LeftEdgeOfThePlot", 1, 80, 0.0, 0.2},
                                           // 140 kph is 86.99 mph, above the 80 mph maximum.
                                           CClickCase{"MetricRightEdge", 0, 985, 80.0, 0.0},
                                           CClickCase{"MetricMiddle", 0, 532, 70 * KPH_TO_MPH, 0.2},
                                           // Over the force axis: below zero, taken as zero.
                                           CClickCase{"LeftOfThePlot", 1, 20, 0.0, 0.0}),
                         [](const auto& info) { return std::string(info.param.m_pszName); });

TEST_F(DoubleClickTest, LeftOfThePlotNeverSendsANegativeSpeed)
{
    Graph().m_dTargetSpeed = 1.0;
    Graph().m_dRampSpeed = 1.0;
    m_pView->OnLButtonDblClk({20, 400});
    EXPECT_EQ(Graph().m_dTargetSpeed, 0.0);
    Tick(4);
    EXPECT_EQ(Sent(), "SW5\rHSW0\rHSHSH");
}

TEST_F(DoubleClickTest, AsksToClearAPreviousRunThenSetsTheSpeed)
{
    Graph().m_curLift.m_adRun[300] = 0.25;
    Graph().m_dTargetSpeed = 3.0;
    Graph().m_dRampSpeed = 3.0;
    m_ui.m_anAnswers = {IDNO};
    m_pView->OnLButtonDblClk({532, 400});
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Clear Previous Test Results?"});
    EXPECT_EQ(LiftAt(300), 0.25);
    // Unlike the steps, the ramp is not sent back to rest.
    EXPECT_EQ(Graph().m_dRampSpeed, 3.0);
    EXPECT_NEAR(Graph().m_dTargetSpeed, 42.5, 0.2);
    EXPECT_TRUE(TimerRunning());
}

} // namespace
