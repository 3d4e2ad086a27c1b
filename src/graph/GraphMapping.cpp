#include "graph/xygraph.h"

void xygraph::MapArea(CDC* pDC, const CRect& rcArea, const CRect& rcLogical) const
{
    pDC->SetMapMode(MM_ANISOTROPIC);
    // The window extent is the logical size of the whole client area.
    double dAreaWidth = (rcArea.right - rcArea.left) / 1000.0;
    double dAreaHeight = (rcArea.bottom - rcArea.top) / 1000.0;
    pDC->SetWindowExt(TruncateToInt((rcLogical.right - rcLogical.left) / dAreaWidth),
                      TruncateToInt((rcLogical.top - rcLogical.bottom) / dAreaHeight));
    int cr = m_rcClient.right;
    int cb = m_rcClient.bottom;
    pDC->SetViewportExt(cr, -cb);
    // Logical y = 0 lies on the area's bottom edge, or on its top edge when the logical
    // range reaches below zero.
    int nOrgY = rcLogical.bottom >= 0 ? TruncateToInt(rcArea.bottom / 1000.0 * cb)
                                      : TruncateToInt(rcArea.top / 1000.0 * cb);
    pDC->SetViewportOrg(TruncateToInt(rcArea.left / 1000.0 * cr), nOrgY);
}

void xygraph::MapPlot(CDC* pDC, const xyaxis& axis, int bUnitSquare) const
{
    if (bUnitSquare != 0)
    {
        MapArea(pDC, m_rcPlot, {0, 1000, 1000, 0});
        return;
    }
    int nUnits = axis.m_nUnitsPerValue;
    MapArea(pDC, m_rcPlot,
            {TruncateToInt(m_axWind.ShownMin() * 10), TruncateToInt(axis.ShownMax() * nUnits),
             TruncateToInt(m_axWind.ShownMax() * 10), TruncateToInt(axis.ShownMin() * nUnits)});
}

void xygraph::MapWindStrip(CDC* pDC) const
{
    MapArea(
        pDC, m_axWind.m_rcArea,
        {TruncateToInt(m_axWind.ShownMin() * 10), 100, TruncateToInt(m_axWind.ShownMax() * 10), 0});
}

void xygraph::MapForceStrip(CDC* pDC) const
{
    MapArea(pDC, m_axForce.m_rcArea,
            {0, TruncateToInt(m_axForce.ShownMax() * 10000), 100,
             TruncateToInt(m_axForce.ShownMin() * 10000)});
}

void xygraph::MapCdStrip(CDC* pDC) const
{
    MapArea(
        pDC, m_axCd.m_rcArea,
        {0, TruncateToInt(m_axCd.ShownMax() * 1000), 100, TruncateToInt(m_axCd.ShownMin() * 1000)});
}

void xygraph::MapLDStrip(CDC* pDC) const
{
    MapArea(
        pDC, m_axLD.m_rcArea,
        {0, TruncateToInt(m_axLD.ShownMax() * 100), 100, TruncateToInt(m_axLD.ShownMin() * 100)});
}

void xygraph::MapPage(CDC* pDC) const
{
    MapArea(pDC, {0, 1000, 1000, 0}, {0, 1000, 1000, 0});
}
