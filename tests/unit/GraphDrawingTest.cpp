#include "GraphTestSupport.h"

#include <algorithm>

namespace
{

constexpr COLORREF BACKGROUND = 0xC0C0C0;

class DrawingTest : public GraphTest
{
protected:
    // Device point of a logical point under a mapping of the graph.
    CPoint Plot(CPoint pt, const xyaxis& axis)
    {
        CDrawLog log;
        CRecordingDC dc(log, 1000, 800);
        Graph().MapPlot(&dc, axis, 0);
        return dc.LPtoDP(pt);
    }
    std::vector<CDrawnLine> LinesOf(COLORREF cr) const
    {
        std::vector<CDrawnLine> aLines;
        std::copy_if(m_wnd.m_log.m_aLines.begin(), m_wnd.m_log.m_aLines.end(),
                     std::back_inserter(aLines),
                     [cr](const CDrawnLine& l) { return l.m_cr == cr; });
        return aLines;
    }
    const CDrawnText* FindText(const std::string& str) const
    {
        for (const CDrawnText& text : m_wnd.m_log.m_aTexts)
            if (text.m_strText == str)
                return &text;
        return nullptr;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> astr;
        for (const CDrawnText& text : m_wnd.m_log.m_aTexts)
            astr.push_back(text.m_strText);
        return astr;
    }
    void Paint()
    {
        m_wnd.m_log.Clear();
        m_pView->OnPaint();
    }
    bool HasLine(const std::vector<CDrawnLine>& aLines, CPoint ptFrom, CPoint ptTo) const
    {
        return std::any_of(aLines.begin(), aLines.end(), [&](const CDrawnLine& l) {
            return l.m_ptFrom == ptFrom && l.m_ptTo == ptTo;
        });
    }
};

TEST_F(DrawingTest, WindAxisTicksLabelsAndTitle)
{
    Paint();
    for (int nMph = 0; nMph <= 80; nMph += 10)
        EXPECT_NE(FindText(std::to_string(nMph) + ".0"), nullptr) << nMph;
    EXPECT_EQ(FindText("85.0"), nullptr);
    EXPECT_NE(FindText("Wind Speed (MPH)"), nullptr);
    // Client 1000 x 800: the wind strip maps 0..850 onto 80..985 per-mille, 0..100 up from
    // the bottom of 920..990.
    const CDrawnText* pLabel = FindText("10.0");
    ASSERT_NE(pLabel, nullptr);
    EXPECT_EQ(pLabel->m_pt, (CPoint{189, 747}));
    EXPECT_EQ(pLabel->m_nPixelHeight, 15); // 27 x 800 / 1428
    std::vector<CDrawnLine> aBlack = LinesOf(0x000000);
    EXPECT_TRUE(HasLine(aBlack, {186, 736}, {186, 747}));  // major tick at 10
    EXPECT_TRUE(HasLine(aBlack, {133, 736}, {133, 743}));  // half step at 5
    EXPECT_TRUE(HasLine(aBlack, {91, 736}, {91, 740}));    // minor at 1
    EXPECT_FALSE(HasLine(aBlack, {985, 736}, {985, 747})); // none at 85
}

TEST_F(DrawingTest, ForceAxisLabelsOfTheFirstModel)
{
    Paint();
    for (const char* psz : {"0.000", "0.100", "0.500", "0.900"})
        EXPECT_NE(FindText(psz), nullptr) << psz;
    EXPECT_EQ(FindText("1.000"), nullptr);
    const CDrawnText* pTitle = FindText("Force (lbs)");
    ASSERT_NE(pTitle, nullptr);
    EXPECT_EQ(pTitle->m_nEscapement, -900);
    EXPECT_EQ(pTitle->m_nPixelHeight, 14); // 200 x 800 / 11049
    EXPECT_EQ(FindText("0.100")->m_nPixelHeight, 14);
}

TEST_F(DrawingTest, GridIsDottedGrayAtEveryMajorStepInside)
{
    Paint();
    std::vector<CDrawnLine> aGrid = LinesOf(0x808080);
    ASSERT_EQ(aGrid.size(), 9u + 8u);
    for (const CDrawnLine& line : aGrid)
    {
        EXPECT_EQ(line.m_nStyle, PS_DOT);
        EXPECT_EQ(line.m_nRop, R2_COPYPEN);
    }
    // 0.1 lbs across the plot; 10 mph from the top to the bottom of the plot.
    EXPECT_EQ(aGrid[0].m_ptFrom, Plot({0, 1000}, Graph().m_axForce));
    EXPECT_EQ(aGrid[0].m_ptTo, Plot({850, 1000}, Graph().m_axForce));
    EXPECT_EQ(aGrid[9].m_ptFrom, Plot({100, 10000}, Graph().m_axForce));
    EXPECT_EQ(aGrid[9].m_ptTo, Plot({100, 0}, Graph().m_axForce));
}

TEST_F(DrawingTest, CdAxisAtIndexFourAndOnlyOneRightAxis)
{
    Graph().m_curCd.m_bShow = 1;
    Graph().m_curLD.m_bShow = 1;
    Graph().SetCdScale(4);
    Paint();
    for (const char* psz : {"0.00", "0.02", "0.12", "0.24"})
        EXPECT_NE(FindText(psz), nullptr) << psz;
    EXPECT_EQ(FindText("0.25"), nullptr);
    EXPECT_EQ(FindText("0.01"), nullptr);
    EXPECT_NE(FindText("Cd @ 1.00 sq. in."), nullptr);
    // "L/D" appears once: the legend entry, not an axis title.
    std::vector<std::string> astr = Texts();
    EXPECT_EQ(std::count(astr.begin(), astr.end(), std::string("L/D")), 1);
    EXPECT_NE(FindText("Cd"), nullptr);
}

TEST_F(DrawingTest, LegendAndCommentsAtTheirPlaces)
{
    Graph().m_curDrag.m_bShow = 0;
    Graph().m_astrComment[1] = "second";
    Graph().m_astrComment[4] = "fifth";
    Paint();
    EXPECT_NE(FindText("Lift"), nullptr);
    EXPECT_EQ(FindText("Drag"), nullptr);
    // Plot square 0..1000 up from the plot's bottom (736 px) over 905 per-mille of 800 px.
    ASSERT_NE(FindText("second"), nullptr);
    EXPECT_EQ(FindText("second")->m_pt, (CPoint{623, 44}));
    EXPECT_EQ(FindText("fifth")->m_pt, (CPoint{623, 120}));
    EXPECT_EQ(FindText("fifth")->m_crBk, BACKGROUND);
}

TEST_F(DrawingTest, RecordingRedrawsTheChangedStretchWithXor)
{
    Graph().m_curCd.m_bShow = 1;
    Graph().m_curLD.m_bShow = 1;
    Record(0.0, 0.0);
    Record(0.5, 0.1);
    Record(1.0, 0.2);
    m_wnd.m_log.Clear();
    Record(0.7, 0.15);

    COLORREF crLift = 0x0000FF ^ BACKGROUND;
    std::vector<CDrawnLine> aLift = LinesOf(crLift);
    const xyaxis& force = Graph().m_axForce;
    CPoint pt5 = Plot({5, 1000}, force);
    CPoint pt7 = Plot({7, 1500}, force);
    CPoint pt10 = Plot({10, 2000}, force);
    ASSERT_EQ(aLift.size(), 3u);
    EXPECT_TRUE(HasLine({aLift[0]}, pt5, pt10)); // erased
    EXPECT_TRUE(HasLine({aLift[1]}, pt5, pt7));
    EXPECT_TRUE(HasLine({aLift[2]}, pt7, pt10));
    for (const CDrawnLine& line : aLift)
        EXPECT_EQ(line.m_nRop, R2_XORPEN);
    // Every shown curve is redrawn over the same stretch.
    EXPECT_EQ(LinesOf(0xFF0000 ^ BACKGROUND).size(), 3u);
    EXPECT_EQ(LinesOf(0x00FF00 ^ BACKGROUND).size(), 3u);
    EXPECT_EQ(LinesOf(0xFFFF00 ^ BACKGROUND).size(), 3u);
}

TEST_F(DrawingTest, HiddenCurveIsNeitherErasedNorDrawnButRecorded)
{
    Record(1.0, 0.1, 0.05);
    Graph().m_curDrag.m_bShow = 0;
    m_wnd.m_log.Clear();
    Record(2.0, 0.2, 0.07);
    EXPECT_TRUE(LinesOf(0xFF0000 ^ BACKGROUND).empty());
    EXPECT_FALSE(LinesOf(0x0000FF ^ BACKGROUND).empty());
    EXPECT_EQ(Graph().m_curDrag.m_adRun[20], 0.07);
}

TEST_F(DrawingTest, SpeedMarkerAppearsMovesAndVanishes)
{
    COLORREF crMarker = 0x000080 ^ BACKGROUND;
    Record(1.0);
    std::vector<CDrawnLine> aMarker = LinesOf(crMarker);
    ASSERT_EQ(aMarker.size(), 1u);
    EXPECT_EQ(aMarker[0].m_ptFrom, Plot({10, 10000}, Graph().m_axForce));
    EXPECT_EQ(aMarker[0].m_ptTo, Plot({10, 0}, Graph().m_axForce));
    EXPECT_EQ(aMarker[0].m_nRop, R2_XORPEN);

    m_wnd.m_log.Clear();
    Record(1.0); // same slot: the marker stays
    EXPECT_TRUE(LinesOf(crMarker).empty());

    Record(1.5);
    aMarker = LinesOf(crMarker);
    ASSERT_EQ(aMarker.size(), 2u);
    EXPECT_EQ(aMarker[0].m_ptFrom.x, Plot({10, 0}, Graph().m_axForce).x);
    EXPECT_EQ(aMarker[1].m_ptFrom.x, Plot({15, 0}, Graph().m_axForce).x);

    m_wnd.m_log.Clear();
    RecordKind(SAMPLE_END_MOTION);
    aMarker = LinesOf(crMarker);
    ASSERT_EQ(aMarker.size(), 1u);
    EXPECT_EQ(aMarker[0].m_ptFrom.x, Plot({15, 0}, Graph().m_axForce).x);
    EXPECT_EQ(g_dMarkerWind, EMPTY_SLOT);
}

TEST_F(DrawingTest, RepaintHidesTheMarkerUntilTheSlotChanges)
{
    Record(1.0);
    Paint();
    EXPECT_EQ(LinesOf(0x000080 ^ BACKGROUND).size(), 1u); // erased before the background
    EXPECT_EQ(g_bMarkerShown, 0);
    m_wnd.m_log.Clear();
    Record(1.2);
    EXPECT_EQ(LinesOf(0x000080 ^ BACKGROUND).size(), 1u);
}

TEST_F(DrawingTest, OneFilledSlotDrawsNoLine)
{
    Graph().m_curDrag.m_adOverlay[30] = 0.3;
    std::unique_ptr<CDC> pDC = m_wnd.GetClientDC();
    Graph().m_curDrag.DrawOverlaySpan(pDC.get(), Graph(), Graph().m_axForce, 0.0, 85.0, R2_COPYPEN);
    EXPECT_TRUE(m_wnd.m_log.m_aLines.empty());
}

TEST_F(DrawingTest, NegativeValuesAreMirroredAboveZero)
{
    Graph().m_curLift.m_adRun[10] = -0.5;
    Graph().m_curLift.m_adRun[20] = 0.5;
    std::unique_ptr<CDC> pDC = m_wnd.GetClientDC();
    Graph().m_curLift.DrawRunSpan(pDC.get(), Graph(), Graph().m_axForce, 1.0, 2.0, R2_COPYPEN);
    ASSERT_EQ(m_wnd.m_log.m_aLines.size(), 1u);
    EXPECT_EQ(m_wnd.m_log.m_aLines[0].m_ptFrom, Plot({10, 5000}, Graph().m_axForce));
    EXPECT_EQ(m_wnd.m_log.m_aLines[0].m_ptTo, Plot({20, 5000}, Graph().m_axForce));
}

TEST_F(DrawingTest, SpanSearchStopsAtTheLastSlot)
{
    MakeView(0);
    xycurve& lift = Graph().m_curLift;
    std::fill(lift.m_adRun + 1, lift.m_adRun + RUN_SLOTS, EMPTY_SLOT);
    std::unique_ptr<CDC> pDC = m_wnd.GetClientDC();
    lift.DrawRunSpan(pDC.get(), Graph(), Graph().m_axForce, 139.9, 140.0, R2_XORPEN);
    lift.m_adRun[1400] = 0.2;
    lift.DrawRunSpan(pDC.get(), Graph(), Graph().m_axForce, 139.8, 139.9, R2_XORPEN);
    EXPECT_TRUE(m_wnd.m_log.m_aLines.empty());
}

TEST_F(DrawingTest, PrintMapsOntoThePageAndRestoresTheWindowState)
{
    Record(1.0); // a marker on the screen
    CDrawLog log;
    CRecordingDC dc(log, 4800, 6600, true);
    m_pView->OnPrint(&dc);
    // The page, then the plot on white: its left edge on column 384 and its bottom edge on
    // row 6072 (exclusive), so the outline runs on column 384 and row 6071 and the fill
    // lies inside.
    ASSERT_GE(log.m_aFills.size(), 2u);
    EXPECT_EQ(log.m_aFills[0].m_rc, (CRect{1, 1, 4799, 6599}));
    EXPECT_EQ(log.m_aFills[1].m_cr, 0xFFFFFFu);
    EXPECT_EQ(log.m_aFills[1].m_rc.left, 385);
    EXPECT_EQ(log.m_aFills[1].m_rc.bottom, 6071);
    EXPECT_TRUE(HasLine(log.m_aLines, {384, 6071}, {384, 99}));
    EXPECT_EQ(Graph().m_rcClient, (CRect{0, 0, 1000, 800}));
    EXPECT_EQ(Graph().m_crBackground, BACKGROUND);
    // The marker on the screen is left as it is: not drawn on paper, still shown.
    for (const CDrawnLine& line : log.m_aLines)
        EXPECT_NE(line.m_nRop, R2_XORPEN);
    EXPECT_EQ(g_bMarkerShown, 1);
    EXPECT_EQ(g_dMarkerWind, 1.0);
}

} // namespace
