#include "graph/CZRVView.h"

#include "platform/Platform.h"

#include <cstdlib>

void CZRVView::DrawRunSpans(CDC* pDC, const CSlotSpan& span) const
{
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
        Series(nSeries).DrawRunSpan(pDC, *this, SeriesAxis(nSeries), span.m_nLow / 10.0,
                                    span.m_nHigh / 10.0, R2_XORPEN);
}

void CZRVView::RecordSample(CDC* pDC, double dLift, double dDrag, double dWind, int nKind)
{
    if (nKind == SAMPLE_CLEAR)
    {
        ClearRun();
        ShowSpeedMarker(pDC, 0, 0);
        for (std::string& strComment : m_astrComment)
            strComment.clear();
        return;
    }
    if (nKind == SAMPLE_END_MOTION)
    {
        ShowSpeedMarker(pDC, 0, 1);
        g_nLastSlot = 0;
        return;
    }

    int nSlot = SlotOfWind(dWind);
    // A wind outside 0.0 .. 140.0 has no slot in the table; such a sample is dropped.
    if (nSlot < 0)
        return;
    // Erase the stretch that changes, change the table, draw the stretch again: every
    // curve pixel is drawn an even number of times before and after, so exclusive-or keeps
    // the picture equal to the table.
    CSlotSpan span = FindSampleSpan(nSlot);
    DrawRunSpans(pDC, span);
    EmptyPassedSlots(nSlot);
    StoreSample(nSlot, dLift, dDrag, dWind);
    ++m_nRunRevision;
    m_bUnsaved = true;
    NarrowToFilled(span, nSlot);
    DrawRunSpans(pDC, span);
    if (nSlot != g_nLastSlot)
        ShowSpeedMarker(pDC, dWind, 1);
    g_nLastSlot = nSlot;

    uint32_t tNow = GetTickCount();
    if (std::abs(int32_t(tNow - m_tLastReadout)) >= int32_t(READOUT_INTERVAL_MS))
    {
        m_tLastReadout = tNow;
        ShowReadout(dWind, dLift, dDrag, m_curCd.m_adRun[nSlot], m_curLD.m_adRun[nSlot]);
    }
}

void CZRVView::OnInitialUpdate()
{
    std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
    RecordSample(pDC.get(), 0, 0, 0, SAMPLE_CLEAR);
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
        Series(nSeries).ClearOverlay();
}

void CZRVView::OnClearGraph()
{
    std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
    RecordSample(pDC.get(), 0, 0, 0, SAMPLE_CLEAR);
    Repaint(pDC.get());
}
