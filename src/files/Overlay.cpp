#include "graph/CZRVView.h"

void CZRVView::OnSetOverlay()
{
    std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
    MoveRunToOverlay();
    RedrawPlot(pDC.get());
}

void CZRVView::MoveRunToOverlay()
{
    // The whole run moves, slot 0 included: the run is left without its origin anchor, and a
    // second Set copies that empty run over the overlay.
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
    {
        xycurve& curve = Series(nSeries);
        for (int k = 0; k < RUN_SLOTS; ++k)
        {
            curve.m_adOverlay[k] = curve.m_adRun[k];
            curve.m_adRun[k] = EMPTY_SLOT;
        }
    }
}

void CZRVView::OnClearOverlay()
{
    std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
        Series(nSeries).ClearOverlay();
    RedrawPlot(pDC.get());
}
