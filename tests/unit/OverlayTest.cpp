#include "FileTestSupport.h"

#include <algorithm>

namespace
{

class OverlayTest : public FileViewTest
{
protected:
    bool DrawnIn(COLORREF cr) const
    {
        const auto& aLines = m_wnd.m_log.m_aLines;
        return std::any_of(aLines.begin(), aLines.end(),
                           [cr](const CDrawnLine& line) { return line.m_cr == cr; });
    }
};

TEST_F(OverlayTest, SetMovesTheWholeRunSlot0Included)
{
    FillSlots(10, 500, 10);
    Graph().m_astrComment[0] = "kept";
    g_nLastSlot = 500;
    auto before = std::make_unique<xygraph>(Graph());

    ASSERT_TRUE(m_pView->OnCmdMsg(ID_OVERLAY_SET));
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
    {
        const xycurve& curve = Graph().Series(nSeries);
        for (int k = 0; k < RUN_SLOTS; ++k)
        {
            ASSERT_EQ(curve.m_adOverlay[k], before->Series(nSeries).m_adRun[k]) << k;
            ASSERT_EQ(curve.m_adRun[k], EMPTY_SLOT) << k;
        }
    }
    EXPECT_EQ(Graph().m_astrComment[0], "kept");
    EXPECT_EQ(g_nLastSlot, 500);
    // Redrawn: the lift overlay in dark red.
    EXPECT_TRUE(DrawnIn(Graph().m_curLift.m_crOverlay));
}

TEST_F(OverlayTest, SecondSetLosesTheOverlay)
{
    FillSlots(10, 500, 10);
    m_pView->OnCmdMsg(ID_OVERLAY_SET);
    m_pView->OnCmdMsg(ID_OVERLAY_SET);
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
        for (int k = 0; k < RUN_SLOTS; ++k)
            ASSERT_EQ(Graph().Series(nSeries).m_adOverlay[k], EMPTY_SLOT) << nSeries << " " << k;
}

TEST_F(OverlayTest, ClearEmptiesOnlyTheOverlayAndRedraws)
{
    FillSlots(10, 500, 10);
    m_pView->OnCmdMsg(ID_OVERLAY_SET);
    FillSlots(20, 300, 20);
    auto before = std::make_unique<xygraph>(Graph());
    m_wnd.m_log.Clear();

    ASSERT_TRUE(m_pView->OnCmdMsg(ID_OVERLAY_CLEAR));
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
        for (int k = 0; k < RUN_SLOTS; ++k)
        {
            ASSERT_EQ(Graph().Series(nSeries).m_adOverlay[k], EMPTY_SLOT) << k;
            ASSERT_EQ(Graph().Series(nSeries).m_adRun[k], before->Series(nSeries).m_adRun[k]);
        }
    EXPECT_TRUE(DrawnIn(Graph().m_curLift.m_crRun));
    EXPECT_FALSE(DrawnIn(Graph().m_curLift.m_crOverlay));
}

TEST_F(OverlayTest, OpeningAFileShowsItsRunOverTheKeptOverlay)
{
    FillSlots(10, 500, 10);
    m_pView->OnCmdMsg(ID_OVERLAY_SET);
    WriteBytes(PathOf("run.ZRV"), "ZRV\r\nUnits= English\r\nCd Area = 1 sq.in.\r\n\r\n[\r\n"
                                  "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n]\r\nlabel\r\n[\r\n"
                                  "5, 0.5, 0.05\r\n6, 0.6, 0.06\r\n]\r\n");
    m_wnd.m_log.Clear();
    Open(PathOf("run.ZRV"));
    EXPECT_EQ(Graph().m_curLift.m_adOverlay[100], MillionthsFor(100, 1));
    EXPECT_EQ(Graph().m_curLift.m_adRun[50], 0.5);
    EXPECT_EQ(Graph().m_curLift.m_adRun[100], EMPTY_SLOT);
    EXPECT_TRUE(DrawnIn(Graph().m_curLift.m_crOverlay));
    EXPECT_TRUE(DrawnIn(Graph().m_curLift.m_crRun));
}

TEST_F(OverlayTest, HiddenCurveDrawsNeitherRunNorOverlay)
{
    FillSlots(10, 500, 10);
    m_pView->OnCmdMsg(ID_OVERLAY_SET);
    FillSlots(20, 300, 20);
    Graph().m_curLift.m_bShow = 0;
    m_wnd.m_log.Clear();
    m_pView->OnPaint();
    EXPECT_FALSE(DrawnIn(Graph().m_curLift.m_crOverlay));
    EXPECT_FALSE(DrawnIn(Graph().m_curLift.m_crRun));
    EXPECT_TRUE(DrawnIn(Graph().m_curDrag.m_crOverlay));
    EXPECT_TRUE(DrawnIn(Graph().m_curDrag.m_crRun));
}

} // namespace
