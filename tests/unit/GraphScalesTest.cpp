#include "GraphTestSupport.h"

#include "platform/Mapping.h"

namespace
{

using ScalesTest = GraphTest;

struct CScaleCase
{
    int m_nUnits;
    char m_chAxis; // 'w' wind, 'f' force, 'c' Cd, 'l' L/D
    int m_nIndex;
    double m_dStep;
    double m_dMinor;
};

class ScaleTableTest : public GraphTest, public ::testing::WithParamInterface<CScaleCase>
{
};

TEST_P(ScaleTableTest, IndexGivesItsSteps)
{
    const CScaleCase& c = GetParam();
    MakeView(c.m_nUnits);
    xygraph& graph = Graph();
    xyaxis* pAxis = nullptr;
    switch (c.m_chAxis)
    {
    case 'w':
        graph.SetWindScale(c.m_nIndex);
        pAxis = &graph.m_axWind;
        break;
    case 'f':
        graph.SetForceScale(c.m_nIndex);
        pAxis = &graph.m_axForce;
        break;
    case 'c':
        graph.SetCdScale(c.m_nIndex);
        pAxis = &graph.m_axCd;
        break;
    default:
        graph.SetLDScale(c.m_nIndex);
        pAxis = &graph.m_axLD;
        break;
    }
    EXPECT_EQ(pAxis->m_nScale, c.m_nIndex);
    EXPECT_EQ(pAxis->m_dStep, c.m_dStep);
    EXPECT_EQ(pAxis->m_dMinorStep, c.m_dMinor);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ScaleTableTest,
    ::testing::Values(CScaleCase{1, 'w', 1, 10, 1}, CScaleCase{1, 'w', 2, 5, 1},
                      CScaleCase{1, 'w', 3, 2, 0.2}, CScaleCase{1, 'w', 4, 1, 0.1},
                      CScaleCase{1, 'w', 5, 0.5, 0.1}, CScaleCase{0, 'w', 1, 20, 2},
                      CScaleCase{0, 'w', 2, 10, 2}, CScaleCase{0, 'w', 3, 5, 1},
                      CScaleCase{0, 'w', 4, 2, 0.1}, CScaleCase{0, 'w', 5, 1, 0.1},
                      CScaleCase{1, 'f', 1, 0.2, 0.02}, CScaleCase{1, 'f', 2, 0.1, 0.01},
                      CScaleCase{1, 'f', 3, 0.05, 0.005}, CScaleCase{1, 'f', 4, 0.02, 0.005},
                      CScaleCase{1, 'f', 5, 0.01, 0.002}, CScaleCase{1, 'f', 6, 0.005, 0.001},
                      CScaleCase{0, 'f', 1, 0.1, 0.01}, CScaleCase{0, 'f', 2, 0.05, 0.005},
                      CScaleCase{0, 'f', 3, 0.02, 0.002}, CScaleCase{0, 'f', 4, 0.01, 0.001},
                      CScaleCase{0, 'f', 5, 0.005, 0.001}, CScaleCase{0, 'f', 6, 0.002, 0.0005},
                      CScaleCase{1, 'c', 1, 0.2, 0.02}, CScaleCase{0, 'c', 2, 0.1, 0.01},
                      CScaleCase{1, 'c', 3, 0.05, 0.005}, CScaleCase{1, 'c', 4, 0.02, 0.005},
                      CScaleCase{1, 'c', 5, 0.01, 0.002}, CScaleCase{1, 'c', 6, 0.005, 0.001},
                      CScaleCase{1, 'l', 1, 2, 0.2}, CScaleCase{0, 'l', 2, 1, 0.1},
                      CScaleCase{1, 'l', 3, 0.5, 0.05}, CScaleCase{1, 'l', 4, 0.2, 0.05},
                      CScaleCase{1, 'l', 5, 0.1, 0.02}, CScaleCase{1, 'l', 6, 0.05, 0.01}));

TEST_F(ScalesTest, ConstructionSetsStepsAndAirDensityForTheUnits)
{
    MakeView(1);
    EXPECT_EQ(Graph().m_axWind.m_dStep, 10);
    EXPECT_EQ(Graph().m_axForce.m_nScale, 2);
    EXPECT_EQ(Graph().m_axForce.m_dStep, 0.1);
    EXPECT_EQ(Graph().m_axCd.m_dStep, 0.2);
    EXPECT_EQ(Graph().m_axLD.m_dMinorStep, 0.2);
    EXPECT_EQ(g_dAirDensity, 0.074887);
    EXPECT_EQ(Graph().m_rcPlot, (CRect{80, 15, 985, 920}));
    EXPECT_EQ(Graph().m_crBackground, 0xC0C0C0u);

    MakeView(0);
    EXPECT_EQ(Graph().m_axWind.m_dStep, 20);
    EXPECT_EQ(Graph().m_axForce.m_dMinorStep, 0.005);
    EXPECT_EQ(g_dAirDensity, 0.074887 / 0.06242796);
}

// The rule for indices outside the tables: the index is stored, the steps stay, and the
// divisor is taken from the index held to 1..6.
TEST_F(ScalesTest, IndexOutsideTableKeepsStepsAndADivisor)
{
    Graph().SetWindScale(3);
    Graph().SetWindScale(6);
    EXPECT_EQ(Graph().m_axWind.m_nScale, 6);
    EXPECT_EQ(Graph().m_axWind.m_dStep, 2);
    EXPECT_EQ(Graph().m_axWind.Divisor(), 32);

    Graph().SetForceScale(0);
    EXPECT_EQ(Graph().m_axForce.m_nScale, 0);
    EXPECT_EQ(Graph().m_axForce.m_dStep, 0.1);
    EXPECT_EQ(Graph().m_axForce.Divisor(), 1);

    Graph().SetCdScale(-7);
    EXPECT_EQ(Graph().m_axCd.Divisor(), 1);
    Graph().SetLDScale(40);
    EXPECT_EQ(Graph().m_axLD.Divisor(), 32);

    // Drawing with such indices terminates and draws.
    m_pView->Graph().m_curLD.m_bShow = 1;
    std::unique_ptr<CDC> pDC = m_wnd.GetClientDC();
    m_pView->Repaint(pDC.get());
    EXPECT_FALSE(m_wnd.m_log.m_aLines.empty());
}

TEST_F(ScalesTest, ApplyUnitRangesFollowsAUnitsChange)
{
    Graph().SetForceScale(3);
    Graph().SetWindScale(2);
    Graph().m_nUnits = 0;
    Graph().ApplyUnitRanges();
    EXPECT_EQ(Graph().m_axForce.m_dMin, 0.0);
    EXPECT_EQ(Graph().m_axForce.m_dMax, 1.0);
    EXPECT_EQ(Graph().m_axForce.m_nScale, 3);
    EXPECT_EQ(Graph().m_axForce.m_dStep, 0.02);
    EXPECT_EQ(Graph().m_axForce.m_dMinorStep, 0.002);
    EXPECT_EQ(Graph().m_axWind.m_dMax, 140.0);
    EXPECT_EQ(Graph().m_axWind.m_dStep, 5); // only SetWindScale recomputes wind steps

    Graph().SetForceScale(9);
    Graph().ApplyUnitRanges();
    EXPECT_EQ(Graph().m_axForce.m_nScale, 9);
    EXPECT_EQ(Graph().m_axForce.m_dStep, 0.1); // the steps of index 1 stay
}

TEST(MappingTest, RoundsHalfAwayFromZeroAndSaturates)
{
    EXPECT_EQ(MulDivRound(5, 1, 2), 3);
    EXPECT_EQ(MulDivRound(-5, 1, 2), -3);
    EXPECT_EQ(MulDivRound(10000, -800, 11049), -724);
    EXPECT_EQ(MulDivRound(7, 3, -2), -11);
    EXPECT_EQ(MulDivRound(2000000000, 4000, 1), 2147483647);
    EXPECT_EQ(TruncateToInt(106.25), 106);
    EXPECT_EQ(TruncateToInt(-0.9), 0);
    EXPECT_EQ(TruncateToInt(1e300), 2147483647);
    EXPECT_EQ(TruncateToInt(-1e300), -2147483647);
}

TEST_F(ScalesTest, WorkedExampleLandsOnThePlotCorner)
{
    Graph().ApplyUnitRanges();
    Graph().m_rcClient = {0, 0, 1000, 800};
    CDrawLog log;
    CRecordingDC dc(log, 1000, 800);
    Graph().MapPlot(&dc, Graph().m_axForce, 0);
    const CMapping& map = dc.GetMapping();
    EXPECT_EQ(map.m_nWindowExtX, 939);
    EXPECT_EQ(map.m_nWindowExtY, 11049);
    EXPECT_EQ(map.m_nViewportExtX, 1000);
    EXPECT_EQ(map.m_nViewportExtY, -800);
    EXPECT_EQ(map.m_nViewportOrgX, 80);
    EXPECT_EQ(map.m_nViewportOrgY, 736);
    EXPECT_EQ(dc.LPtoDP({850, 10000}), (CPoint{985, 12}));
    EXPECT_EQ(dc.LPtoDP({0, 0}), (CPoint{80, 736}));
    // Back from the pixel: -724 x 11049 / -800 = 9999.3 rounds to 9999.
    CPoint pt{985, 12};
    dc.DPtoLP(&pt);
    EXPECT_EQ(pt, (CPoint{850, 9999}));
}

TEST_F(ScalesTest, LogicalBoundsAreTruncated)
{
    Graph().ApplyUnitRanges();
    Graph().m_rcClient = {0, 0, 1000, 800};
    Graph().SetWindScale(4); // 85 / 8 x 10 = 106.25
    CDrawLog log;
    CRecordingDC dc(log, 1000, 800);
    Graph().MapWindStrip(&dc);
    EXPECT_EQ(dc.GetMapping().m_nWindowExtX, 117);  // 106 / 0.905
    EXPECT_EQ(dc.GetMapping().m_nWindowExtY, 1428); // 100 / 0.07
    EXPECT_EQ(dc.GetMapping().m_nViewportOrgY, 792);
}

TEST_F(ScalesTest, PageMappingRunsDownward)
{
    Graph().m_rcClient = {0, 0, 1000, 800};
    CDrawLog log;
    CRecordingDC dc(log, 1000, 800);
    Graph().MapPage(&dc);
    EXPECT_EQ(dc.LPtoDP({0, 0}), (CPoint{0, 0}));
    EXPECT_EQ(dc.LPtoDP({1000, 1000}), (CPoint{1000, 800}));
    EXPECT_EQ(dc.LPtoDP({500, 250}), (CPoint{500, 200}));
}

} // namespace
