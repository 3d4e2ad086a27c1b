#include "graph/FixedFormat.h"
#include "graph/Fonts.h"
#include "graph/xygraph.h"
#include "link/CommLink.h"

namespace
{

// How one axis strip is drawn. Ticks start on the axis line at logical 100 across the strip
// and run to the given ends; positions along the strip are value x nUnits.
struct CAxisLook
{
    int m_nUnits;
    bool m_bTicksVertical; // wind: ticks hang down at x = p; the others point left at y = p
    int m_nMajorEnd;
    int m_nHalfEnd;
    int m_nMinorEnd;
    int m_nLabelAcross;    // label position across the strip
    int m_nLabelAlong;     // label offset along the strip, before division by the divisor
    int m_nLabelPrecision; // decimals of the label, printed with a width of 2 (3 for wind)
    int m_nLabelWidth;
    int m_nFontHeight;
    bool m_bTurnedTitle;
    // m_ptTitle.x is where the turned title's cell starts instead of its reference point.
    bool m_bTitleCellAtX;
    CPoint m_ptTitle;
    std::string m_strTitle;
    bool m_bPlotBackground; // labels inside the plot are set on the plot background
};

// Text turned to read from top to bottom lies left of its reference point, one cell high: the
// reference x, in logical units, that puts the whole cell one pixel right of logical x.
int TurnedCellStartingAt(const CDC* pDC, int nFontHeight, CPoint pt)
{
    // The face's cell is about 1.12 times its character height; a quarter more keeps the
    // descenders inside too.
    const int nCellPixels = pDC->GetMapping().ScaleHeight(nFontHeight) * 5 / 4;
    pt = pDC->LPtoDP(pt);
    pt.x += 1 + nCellPixels;
    pDC->DPtoLP(&pt);
    return pt.x;
}

void DrawAxis(CDC* pDC, const xyaxis& axis, const xygraph& graph,
              void (xygraph::*pfnMapStrip)(CDC*) const, const CAxisLook& look)
{
    COLORREF crOldBk = pDC->GetBkColor();
    if (look.m_bPlotBackground)
        pDC->SetBkColor(graph.m_crBackground);
    CPen pen(PS_SOLID, 0, 0x000000);
    pDC->SelectObject(&pen);
    CFont fontUpright;
    CFont fontTurned;
    CreateArialFont(fontUpright, look.m_nFontHeight);
    CreateArialFont(fontTurned, look.m_nFontHeight, true);
    CFont* pOldFont = pDC->SelectObject(&fontUpright);
    (graph.*pfnMapStrip)(pDC);
    pDC->SetROP2(R2_COPYPEN);

    int g = axis.Divisor();
    int k = look.m_nUnits;
    int p = TruncateToInt(axis.m_dMin / g * k);
    int nEnd = TruncateToInt(axis.m_dMax / g * k);
    int d = TruncateToInt(axis.m_dStep * k);
    int m = TruncateToInt(axis.m_dMinorStep * k);
    // A step below one logical unit would never advance; such a scale gets no ticks.
    if (m < 1)
        nEnd = p;
    for (; p < nEnd; p += m)
    {
        bool bMajor = d != 0 && p % d == 0;
        bool bHalf = !bMajor && d / 2 != 0 && p % (d / 2) == 0;
        int nTo = bMajor ? look.m_nMajorEnd : bHalf ? look.m_nHalfEnd : look.m_nMinorEnd;
        if (look.m_bTicksVertical)
        {
            pDC->MoveTo(p, 100);
            pDC->LineTo(p, nTo);
        }
        else
        {
            pDC->MoveTo(100, p);
            pDC->LineTo(nTo, p);
        }
        if (!bMajor)
            continue;
        std::string strLabel =
            FormatFixed(double(p) / k, look.m_nLabelWidth, look.m_nLabelPrecision);
        int nAlong = p + look.m_nLabelAlong / g;
        if (look.m_bTicksVertical)
            pDC->TextOut(nAlong, look.m_nLabelAcross, strLabel);
        else
            pDC->TextOut(look.m_nLabelAcross, nAlong, strLabel);
    }
    if (look.m_bTurnedTitle)
        pDC->SelectObject(&fontTurned);
    const int xTitle = look.m_bTitleCellAtX
                           ? TurnedCellStartingAt(pDC, look.m_nFontHeight, look.m_ptTitle)
                           : look.m_ptTitle.x;
    pDC->TextOut(xTitle, look.m_ptTitle.y, look.m_strTitle);
    pDC->SelectObject(pOldFont);
    pDC->SelectStockObject(BLACK_PEN);
    pDC->SetBkColor(crOldBk);
}

} // namespace

void xyaxis::DrawWindAxis(CDC* pDC, const xygraph& graph) const
{
    DrawAxis(pDC, *this, graph, &xygraph::MapWindStrip,
             {10, true, 80, 87, 92, 80, 2, 1, 3, -27, false, false,
              CPoint{TruncateToInt(ShownMax() * 10 * 0.45), 25},
              graph.m_nUnits != 0 ? "Wind Speed (MPH)" : "Wind Speed (KPH)", false});
}

void xyaxis::DrawForceAxis(CDC* pDC, const xygraph& graph) const
{
    // The "V6" instrument resolves a tenth of a milli-unit more.
    int nPrecision = theCommLink.m_nModel == 2 ? 4 : 3;
    int nHeight = -TruncateToInt(ShownMax() * 10000 / 50);
    // The title's cell starts at the strip's left edge (just clear of the page outline): with
    // its reference point at x 10, the turned text ran left out of the window and the page.
    DrawAxis(pDC, *this, graph, &xygraph::MapForceStrip,
             {10000, false, 85, 90, 95, 40, 250, nPrecision, 2, nHeight, true, true,
              CPoint{0, TruncateToInt(ShownMax() * 10000 * 0.45)},
              graph.m_nUnits != 0 ? "Force (lbs)" : "Force (kg)", false});
}

void xyaxis::DrawCdAxis(CDC* pDC, const xygraph& graph) const
{
    std::string strTitle = graph.m_nUnits != 0
                               ? "Cd @ " + FormatFixed(graph.m_dCdArea, 3, 2) + " sq. in."
                               : "Cd @ " + FormatFixed(graph.m_dCdArea * 6.4516, 3, 2) + " sq. cm.";
    DrawAxis(pDC, *this, graph, &xygraph::MapCdStrip,
             {1000, false, 85, 85, 95, 40, 50, 2, 2, -40 / Divisor(), true, false,
              CPoint{0, TruncateToInt(ShownMax() * 1000 * 0.45)}, strTitle, true});
}

void xyaxis::DrawLDAxis(CDC* pDC, const xygraph& graph) const
{
    DrawAxis(pDC, *this, graph, &xygraph::MapLDStrip,
             {100, false, 85, 85, 95, 40, 50, 1, 2, -40 / Divisor(), true, false,
              CPoint{0, TruncateToInt(ShownMax() * 100 * 0.45)}, "L/D", true});
}
