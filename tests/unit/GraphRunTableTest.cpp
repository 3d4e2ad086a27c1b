#include "GraphTestSupport.h"

#include <cmath>
#include <limits>

namespace
{

using RunTableTest = GraphTest;

bool IsEmpty(const xycurve& curve, int nSlot)
{
    return curve.m_adRun[nSlot] == EMPTY_SLOT;
}

TEST_F(RunTableTest, InitialUpdateClearsRunCommentsAndOverlay)
{
    Graph().m_curDrag.m_adOverlay[17] = 0.5;
    Graph().m_curCd.m_adRun[300] = 0.5;
    Graph().m_astrComment[3] = "model A";
    g_nLastSlot = 300;

    m_pView->OnInitialUpdate();

    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
    {
        const xycurve& curve = Graph().Series(nSeries);
        EXPECT_EQ(curve.m_adRun[0], 0.0);
        for (int k = 1; k < RUN_SLOTS; ++k)
            ASSERT_TRUE(IsEmpty(curve, k)) << nSeries << " slot " << k;
        for (int k = 0; k < RUN_SLOTS; ++k)
            ASSERT_EQ(curve.m_adOverlay[k], EMPTY_SLOT) << nSeries << " slot " << k;
    }
    for (const std::string& strComment : Graph().m_astrComment)
        EXPECT_TRUE(strComment.empty());
    EXPECT_EQ(g_nLastSlot, 0);
}

TEST_F(RunTableTest, SlotIsTenthsTruncated)
{
    Record(12.3, 0.1);
    Record(12.38, 0.2);
    Record(12.39, 0.3);
    EXPECT_EQ(Graph().m_curLift.m_adRun[123], 0.3);
    EXPECT_TRUE(IsEmpty(Graph().m_curLift, 124));
    EXPECT_TRUE(IsEmpty(Graph().m_curLift, 122));
    EXPECT_EQ(g_nLastSlot, 123);
}

TEST_F(RunTableTest, TraceFollowsTheWindUpAndBack)
{
    Record(1.0, 0.10);
    Record(1.5, 0.15);
    for (int k = 11; k <= 14; ++k)
        EXPECT_TRUE(IsEmpty(Graph().m_curLift, k)) << k;
    EXPECT_EQ(Graph().m_curLift.m_adRun[15], 0.15);

    Graph().m_curLift.m_adRun[13] = 0.13; // a value left from an earlier pass
    Record(1.2, 0.12);
    EXPECT_EQ(Graph().m_curLift.m_adRun[12], 0.12);
    EXPECT_TRUE(IsEmpty(Graph().m_curLift, 13));
    EXPECT_TRUE(IsEmpty(Graph().m_curLift, 14));
    EXPECT_EQ(Graph().m_curLift.m_adRun[15], 0.15);
    EXPECT_EQ(Graph().m_curLift.m_adRun[10], 0.10);
}

TEST_F(RunTableTest, AllFourSeriesAreEmptiedAndFilledTogether)
{
    Graph().m_curCd.m_bShow = 0;
    Record(6.0, 0.2, 0.1);
    Record(8.0, 0.3, 0.1);
    Record(7.0, 0.25, 0.1);
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
    {
        const xycurve& curve = Graph().Series(nSeries);
        EXPECT_FALSE(IsEmpty(curve, 60)) << nSeries;
        EXPECT_FALSE(IsEmpty(curve, 70)) << nSeries;
        EXPECT_TRUE(IsEmpty(curve, 71)) << nSeries;
        EXPECT_FALSE(IsEmpty(curve, 80)) << nSeries;
    }
    EXPECT_DOUBLE_EQ(Graph().m_curLD.m_adRun[70], 2.5);
}

TEST_F(RunTableTest, LowSpeedRuleZeroesCdAndLDBelowFive)
{
    Record(4.9, 0.2, 0.1);
    EXPECT_EQ(Graph().m_curCd.m_adRun[49], 0.0);
    EXPECT_EQ(Graph().m_curLD.m_adRun[49], 0.0);
    EXPECT_EQ(Graph().m_curLift.m_adRun[49], 0.2);

    Record(5.0, 0.2, 0.001001);
    EXPECT_EQ(Graph().m_curCd.m_adRun[50], Graph().ComputeCd(5.0, 0.001001));
    EXPECT_GT(Graph().m_curCd.m_adRun[50], 0.0);
    EXPECT_EQ(Graph().m_curLD.m_adRun[50], 20.0);
}

TEST_F(RunTableTest, EndOfMotionJoinsTheNextSampleToSlotZero)
{
    for (int k = 1; k <= 50; ++k)
        Record(k / 10.0, 0.01 * k);
    RecordKind(SAMPLE_END_MOTION);
    EXPECT_EQ(g_nLastSlot, 0);

    Record(4.0, 0.9);
    EXPECT_EQ(Graph().m_curLift.m_adRun[0], 0.0);
    for (int k = 1; k < 40; ++k)
        ASSERT_TRUE(IsEmpty(Graph().m_curLift, k)) << k;
    EXPECT_EQ(Graph().m_curLift.m_adRun[40], 0.9);
    EXPECT_DOUBLE_EQ(Graph().m_curLift.m_adRun[41], 0.41);
    EXPECT_DOUBLE_EQ(Graph().m_curLift.m_adRun[50], 0.50);
}

TEST_F(RunTableTest, ClearKeepsOverlayAndEmptiesComments)
{
    Record(3.0, 0.3);
    Graph().m_curLift.m_adOverlay[30] = 0.7;
    Graph().m_astrComment[0] = "first";
    m_pView->OnClearGraph();
    EXPECT_TRUE(IsEmpty(Graph().m_curLift, 30));
    EXPECT_EQ(Graph().m_curLift.m_adRun[0], 0.0);
    EXPECT_EQ(Graph().m_curLift.m_adOverlay[30], 0.7);
    EXPECT_TRUE(Graph().m_astrComment[0].empty());
    EXPECT_EQ(g_nLastSlot, 0);
    // The clear is followed by a full repaint: the readout shows the placeholder.
    ASSERT_FALSE(m_wnd.m_astrStatus.empty());
    EXPECT_EQ(m_wnd.m_astrStatus.back(),
              "STOPPED - Wind Speed:  0.0 MPH., Lift: +0.000 lbs., Drag: 0.000 lbs.");
}

// A sample without a slot is dropped; nothing outside the arrays is written.
class SlotBoundsTest : public GraphTest, public ::testing::WithParamInterface<double>
{
};

TEST_P(SlotBoundsTest, WindWithoutSlotIsNotRecorded)
{
    Record(2.0, 0.2);
    xygraph before = Graph();
    Record(GetParam(), 0.5);
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
        for (int k = 0; k < RUN_SLOTS; ++k)
            ASSERT_EQ(Graph().Series(nSeries).m_adRun[k], before.Series(nSeries).m_adRun[k]);
    EXPECT_EQ(g_nLastSlot, 20);
}

INSTANTIATE_TEST_SUITE_P(OutsideTable, SlotBoundsTest,
                         ::testing::Values(-0.1, -5.0, 140.1, 1e9,
                                           std::numeric_limits<double>::quiet_NaN()));

TEST_F(RunTableTest, EdgesOfTheTableAreRecorded)
{
    MakeView(0); // metric: the wind axis reaches 140 kph, slot 1400
    Record(140.0, 0.4);
    EXPECT_EQ(Graph().m_curLift.m_adRun[1400], 0.4);
    Record(139.95, 0.3);
    EXPECT_EQ(Graph().m_curLift.m_adRun[1399], 0.3);
    EXPECT_EQ(Graph().m_curLift.m_adRun[1400], 0.4);
    Record(-0.05, 0.1);
    EXPECT_EQ(Graph().m_curLift.m_adRun[0], 0.1);
}

TEST_F(RunTableTest, ComputeLDLimits)
{
    EXPECT_EQ(Graph().ComputeLD(1.0, 0.001), 0.0);
    EXPECT_EQ(Graph().ComputeLD(1.0, 0.0), 0.0);
    EXPECT_EQ(Graph().ComputeLD(1.0, -0.5), 0.0);
    EXPECT_EQ(Graph().ComputeLD(1.0, 0.01), 20.0);
    EXPECT_EQ(Graph().ComputeLD(-1.0, 0.01), -20.0);
    EXPECT_DOUBLE_EQ(Graph().ComputeLD(0.3, 0.1), 3.0);
}

TEST_F(RunTableTest, ComputeCdLimitsAndFormula)
{
    EXPECT_EQ(Graph().ComputeCd(0.0, 0.1), 0.0);
    Graph().m_dCdArea = 1e-9;
    EXPECT_EQ(Graph().ComputeCd(30.0, 0.1), 2.0);
    Graph().m_dCdArea = 10.0;
    // 30 mph = 44 ft/s; q = 0.074887 / 2 x 44^2; area 10/144 sq. ft.
    double dDen = (0.074887 * 0.5) * (44.0 * 44.0) * (10.0 / 144);
    EXPECT_DOUBLE_EQ(Graph().ComputeCd(30.0, 0.1), 0.1 * 32 / dDen);
    EXPECT_LT(Graph().ComputeCd(30.0, -0.1), 0.0);
}

TEST_F(RunTableTest, MetricCdEqualsEnglishCdOfTheSameQuantities)
{
    MakeView(1);
    Graph().m_dCdArea = 12.0;
    double dEnglish = Graph().ComputeCd(30.0, 0.05);
    MakeView(0);
    Graph().m_dCdArea = 12.0;
    EXPECT_NEAR(g_dAirDensity, 1.19957, 1e-5);
    double dMetric = Graph().ComputeCd(30.0 * 1.60934, 0.05 * 0.453592);
    EXPECT_NEAR(dMetric, dEnglish, 1e-12);
}

TEST_F(RunTableTest, ReadoutIsThrottledTo200Ms)
{
    Record(10.0);
    EXPECT_EQ(m_wnd.m_astrStatus.size(), 1u);
    m_clock.Advance(150);
    Record(10.1);
    EXPECT_EQ(m_wnd.m_astrStatus.size(), 1u);
    m_clock.Advance(50);
    Record(10.2, 0.1234, 0.05678);
    ASSERT_EQ(m_wnd.m_astrStatus.size(), 2u);
    EXPECT_EQ(m_wnd.m_astrStatus.back(),
              "STOPPED - Wind Speed: 10.2 MPH., Lift: +0.123 lbs., Drag: 0.057 lbs.");
}

} // namespace
