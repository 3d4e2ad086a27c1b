#include "graph/CZRVView.h"
#include "run/WindSpeed.h"

void CZRVView::OnLButtonDblClk(CPoint point)
{
    if (BeginSpeedRequest(false))
    {
        // On the wind strip's mapping, logical x counts tenths of the display unit from the
        // left edge of the plot; only the horizontal position matters.
        std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
        MapWindStrip(pDC.get());
        CPoint ptLogical = point;
        pDC->DPtoLP(&ptLogical);
        m_dTargetSpeed =
            LimitRequestedSpeed(DisplaySpeedToMph(ptLogical.x / 10.0, m_nUnits), m_dMaxSpeed);
        StartSamplingTimer(m_pWnd);
    }
    CView::OnLButtonDblClk(point);
}
