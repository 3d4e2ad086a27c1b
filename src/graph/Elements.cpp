#include "graph/Fonts.h"
#include "graph/xygraph.h"

#include <cmath>

namespace
{

constexpr COLORREF PAGE_COLOUR = 0xFFFFFF;
constexpr COLORREF GRID_COLOUR = 0x808080;
constexpr int LEGEND_FONT_HEIGHT = -22;

// Grid positions are rounded to three decimals so that repeated additions do not drift.
double RoundToThousandths(double dValue)
{
    return int(dValue * 1000 + 0.5) / 1000.0;
}

// Legend-size text over the plot as a 0..1000 square, on the graph's background with the
// raster operation nRop; the font and background colour in force before come back at the end.
class CLegendText
{
public:
    CLegendText(CDC* pDC, const xygraph& graph, int nRop) : m_pDC(pDC)
    {
        m_crOldBk = pDC->SetBkColor(graph.m_crBackground);
        CreateArialFont(m_font, LEGEND_FONT_HEIGHT);
        m_pOldFont = pDC->SelectObject(&m_font);
        graph.MapPlot(pDC, graph.m_axForce, 1);
        pDC->SetROP2(nRop);
    }
    ~CLegendText()
    {
        m_pDC->SelectObject(m_pOldFont);
        m_pDC->SetBkColor(m_crOldBk);
    }
    CLegendText(const CLegendText&) = delete;
    CLegendText& operator=(const CLegendText&) = delete;

private:
    CDC* m_pDC;
    CFont m_font;
    CFont* m_pOldFont = nullptr;
    COLORREF m_crOldBk = 0;
};

} // namespace

void xygraph::DrawFrame(CDC* pDC) const
{
    DrawPage(pDC);
    m_axWind.DrawWindAxis(pDC, *this);
    m_axForce.DrawForceAxis(pDC, *this);
}

void xygraph::DrawPage(CDC* pDC) const
{
    CBrush brush(PAGE_COLOUR);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->SetROP2(R2_COPYPEN);
    MapPage(pDC);
    pDC->Rectangle(0, 1000, 1000, 0);
    pDC->SelectObject(pOldBrush);
}

void xygraph::DrawPlotArea(CDC* pDC) const
{
    MapPlot(pDC, m_axForce, 0);
    // The marker belongs to the window's picture: a printed page neither erases it nor
    // changes its state.
    if (!pDC->IsPrinting())
        ShowSpeedMarker(pDC, 0, 0);
    CBrush brush(m_crBackground);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->SetROP2(R2_COPYPEN);
    pDC->Rectangle(
        TruncateToInt(m_axWind.ShownMin() * 10), TruncateToInt(m_axForce.ShownMax() * 10000),
        TruncateToInt(m_axWind.ShownMax() * 10), TruncateToInt(m_axForce.ShownMin() * 10000));
    DrawGrid(pDC);
    if (m_curCd.m_bShow != 0)
        m_axCd.DrawCdAxis(pDC, *this);
    else if (m_curLD.m_bShow != 0)
        m_axLD.DrawLDAxis(pDC, *this);
    DrawLegend(pDC);
    pDC->SelectObject(pOldBrush);
}

void xygraph::DrawGrid(CDC* pDC) const
{
    // A dotted line at every major step strictly inside the plot.
    if (m_axForce.m_dStep > 0)
    {
        for (double y = m_axForce.ShownMin() + m_axForce.m_dStep; y < m_axForce.ShownMax();
             y += m_axForce.m_dStep)
        {
            y = RoundToThousandths(y);
            DrawForceLine(pDC, y, R2_COPYPEN, GRID_COLOUR, PS_DOT);
        }
    }
    if (m_axWind.m_dStep > 0)
    {
        for (double x = m_axWind.ShownMin() + m_axWind.m_dStep; x < m_axWind.ShownMax();
             x += m_axWind.m_dStep)
        {
            x = RoundToThousandths(x);
            DrawWindLine(pDC, x, R2_COPYPEN, GRID_COLOUR, PS_DOT);
        }
    }
}

void xygraph::DrawForceLine(CDC* pDC, double dValue, int nRop, COLORREF cr, int nPenStyle) const
{
    int y = TruncateToInt(dValue * 10000);
    DrawPlotLine(pDC, {TruncateToInt(m_axWind.ShownMin() * 10), y},
                 {TruncateToInt(m_axWind.ShownMax() * 10), y}, nRop, cr, nPenStyle);
}

void xygraph::DrawWindLine(CDC* pDC, double dValue, int nRop, COLORREF cr, int nPenStyle) const
{
    double dWind = std::fabs(dValue);
    if (!(dWind > m_axWind.ShownMin()))
        return;
    int x = TruncateToInt(dWind * 10);
    DrawPlotLine(pDC, {x, TruncateToInt(m_axForce.ShownMax() * 10000)},
                 {x, TruncateToInt(m_axForce.ShownMin() * 10000)}, nRop, cr, nPenStyle);
}

void xygraph::DrawPlotLine(CDC* pDC, CPoint ptFrom, CPoint ptTo, int nRop, COLORREF cr,
                           int nPenStyle) const
{
    COLORREF crOldBk = pDC->SetBkColor(m_crBackground);
    // Under exclusive-or the pen is pre-mixed with the background, so that it shows in its
    // own colour over the plot background and restores the background when drawn again.
    CPen pen(nPenStyle, 0, nRop == R2_XORPEN ? cr ^ pDC->GetBkColor() : cr);
    pDC->SelectObject(&pen);
    MapPlot(pDC, m_axForce, 0);
    pDC->SetROP2(nRop);
    pDC->MoveTo(ptFrom.x, ptFrom.y);
    pDC->LineTo(ptTo.x, ptTo.y);
    pDC->SelectStockObject(BLACK_PEN);
    pDC->SetBkColor(crOldBk);
}

void xygraph::DrawLegend(CDC* pDC) const
{
    struct CEntry
    {
        const xycurve* m_pCurve;
        COLORREF m_cr;
        CPoint m_ptLine;
        const char* m_pszText;
    };
    // Lift and Drag in the first column, Cd and L/D in the second; the text stands 20 units
    // above its line.
    const CEntry aEntry[] = {{&m_curLift, 0x0000FF, {50, 970}, "Lift"},
                             {&m_curDrag, 0xFF0000, {50, 920}, "Drag"},
                             {&m_curCd, 0x00FF00, {250, 970}, "Cd"},
                             {&m_curLD, 0xFFFF00, {250, 920}, "L/D"}};
    CLegendText text(pDC, *this, R2_COPYPEN);
    for (const CEntry& entry : aEntry)
    {
        if (entry.m_pCurve->m_bShow == 0)
            continue;
        CPen pen(PS_SOLID, 0, entry.m_cr);
        pDC->SelectObject(&pen);
        pDC->MoveTo(entry.m_ptLine.x, entry.m_ptLine.y);
        pDC->LineTo(entry.m_ptLine.x + 50, entry.m_ptLine.y);
        pDC->TextOut(entry.m_ptLine.x + 60, entry.m_ptLine.y + 20, entry.m_pszText);
        pDC->SelectStockObject(BLACK_PEN);
    }
}

void xygraph::DrawComments(CDC* pDC) const
{
    CLegendText text(pDC, *this, R2_XORPEN);
    for (int k = 0; k < COMMENT_LINES; ++k)
    {
        if (!m_astrComment[k].empty())
            pDC->TextOut(600, 990 - 35 * k, m_astrComment[k]);
    }
}
