#include "graph/xygraph.h"

#include <algorithm>
#include <cstdlib>

void xycurve::DrawRunSpan(CDC* pDC, const xygraph& graph, const xyaxis& axis, double dFrom,
                          double dTo, int nRop) const
{
    DrawSpan(pDC, m_adRun, m_crRun, graph, axis, dFrom, dTo, nRop);
}

void xycurve::DrawOverlaySpan(CDC* pDC, const xygraph& graph, const xyaxis& axis, double dFrom,
                              double dTo, int nRop) const
{
    DrawSpan(pDC, m_adOverlay, m_crOverlay, graph, axis, dFrom, dTo, nRop);
}

void xycurve::DrawSpan(CDC* pDC, const double* adSlots, COLORREF cr, const xygraph& graph,
                       const xyaxis& axis, double dFrom, double dTo, int nRop) const
{
    if (m_bShow == 0)
        return;
    COLORREF crOldBk = pDC->SetBkColor(graph.m_crBackground);
    CPen pen(m_nPenStyle, 0, nRop == R2_XORPEN ? cr ^ pDC->GetBkColor() : cr);
    int i = std::max(TruncateToInt(dFrom * 10), 0);
    int n = std::min(TruncateToInt(dTo * 10), LAST_SLOT);
    graph.MapPlot(pDC, axis, 0);
    // The start point is the first filled slot from i on; the search may step up to two
    // slots past the span (the stretch ends in a run of empty slots), never past the table.
    while (i <= LAST_SLOT && adSlots[i] == EMPTY_SLOT)
    {
        bool bPastSpan = i > n;
        ++i;
        if (bPastSpan)
            break;
    }
    if (i <= n)
    {
        // Negative values are drawn mirrored above the zero line.
        auto yOf = [&](int k) {
            return std::abs(TruncateToInt(adSlots[k] * axis.m_nUnitsPerValue));
        };
        pDC->MoveTo(i, yOf(i));
        pDC->SelectObject(&pen);
        pDC->SetROP2(nRop);
        for (int k = i + 1; k <= n; ++k)
        {
            if (adSlots[k] != EMPTY_SLOT)
                pDC->LineTo(k, yOf(k));
        }
        pDC->SelectStockObject(BLACK_PEN);
    }
    pDC->SetBkColor(crOldBk);
}

void xygraph::DrawCurves(CDC* pDC, int nRop) const
{
    double dTop = m_axWind.ShownMax();
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
        Series(nSeries).DrawOverlaySpan(pDC, *this, SeriesAxis(nSeries), 0.0, dTop, nRop);
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
        Series(nSeries).DrawRunSpan(pDC, *this, SeriesAxis(nSeries), 0.0, dTop, nRop);
    DrawComments(pDC);
}
