#include "graph/CZRVView.h"

void CZRVView::OnPaint()
{
    m_rcClient = m_pWnd->GetClientRect();
    std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
    OnDraw(pDC.get());
}

void CZRVView::OnDraw(CDC* pDC)
{
    pDC->SetBkMode(OPAQUE);
    m_crBackground = pDC->IsPrinting() ? PRINT_BACKGROUND : SCREEN_BACKGROUND;
    ApplyUnitRanges();
    DrawGraph(pDC);
    DrawCurves(pDC, R2_COPYPEN);
}

void CZRVView::OnPrint(CDC* pDC)
{
    CRect rcWindow = m_rcClient;
    int nHeight = pDC->GetDeviceCaps(VERTRES);
    int nWidth = pDC->GetDeviceCaps(HORZRES);
    m_rcClient = {0, 0, nWidth, nHeight};
    OnDraw(pDC);
    m_rcClient = rcWindow;
    m_crBackground = SCREEN_BACKGROUND;
}

void CZRVView::Repaint(CDC* pDC)
{
    DrawGraph(pDC);
    DrawCurves(pDC, R2_COPYPEN);
}

void CZRVView::RedrawPlot(CDC* pDC)
{
    DrawPlotArea(pDC);
    DrawCurves(pDC, R2_COPYPEN);
}

void CZRVView::DrawGraph(CDC* pDC)
{
    DrawFrame(pDC);
    DrawPlotArea(pDC);
    ShowReadout(0, 0, 0, 0, 99999.9);
}
