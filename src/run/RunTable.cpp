#include "graph/xygraph.h"

#include <algorithm>
#include <iterator>

int g_nLastSlot = 0;

namespace
{

constexpr xycurve xygraph::*s_apSeries[] = {&xygraph::m_curLift, &xygraph::m_curDrag,
                                            &xygraph::m_curCd, &xygraph::m_curLD};
constexpr xyaxis xygraph::*s_apSeriesAxis[] = {&xygraph::m_axForce, &xygraph::m_axForce,
                                               &xygraph::m_axCd, &xygraph::m_axLD};

} // namespace

int SlotOfWind(double dWind)
{
    double dTenths = dWind * 10;
    if (!(dTenths > -1.0 && dTenths < RUN_SLOTS))
        return -1;
    return int(dTenths);
}

xycurve& xygraph::Series(int nIndex)
{
    return this->*s_apSeries[nIndex];
}

const xycurve& xygraph::Series(int nIndex) const
{
    return this->*s_apSeries[nIndex];
}

const xyaxis& xygraph::SeriesAxis(int nIndex) const
{
    return this->*s_apSeriesAxis[nIndex];
}

void xygraph::ClearRun()
{
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
    {
        xycurve& curve = Series(nSeries);
        std::fill(std::begin(curve.m_adRun), std::end(curve.m_adRun), EMPTY_SLOT);
        curve.m_adRun[0] = 0.0;
    }
    g_nLastSlot = 0;
}

CSlotSpan xygraph::FindSampleSpan(int nSlot) const
{
    const double* adLift = m_curLift.m_adRun;
    // The top of the wind range shown, in slots; the search for the upper neighbour stops
    // there (and never reads past the last slot).
    double dTop = m_axWind.ShownMax() * 10;
    int nHigh = nSlot;
    if (nSlot != dTop - 1 && nSlot < LAST_SLOT)
    {
        nHigh = nSlot + 1;
        while (adLift[nHigh] == EMPTY_SLOT && nHigh < dTop && nHigh < LAST_SLOT)
            ++nHigh;
        if (adLift[nHigh] == EMPTY_SLOT)
            nHigh = nSlot;
    }
    int nLow = 0;
    if (nSlot != 0)
    {
        nLow = nSlot - 1;
        while (adLift[nLow] == EMPTY_SLOT && nLow > 0)
            --nLow;
    }
    if (g_nLastSlot < nSlot)
        nLow = std::min(nLow, g_nLastSlot);
    else if (g_nLastSlot > nSlot)
        nHigh = std::max(nHigh, g_nLastSlot);
    return {nLow, nHigh};
}

void xygraph::EmptyPassedSlots(int nSlot)
{
    // Moving up empties what lies above the last sample up to the new one; moving down, the
    // new slot up to just below the last one.
    int nFirst = g_nLastSlot < nSlot ? g_nLastSlot + 1 : nSlot;
    int nEnd = g_nLastSlot < nSlot ? nSlot + 1 : g_nLastSlot;
    for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
        std::fill(Series(nSeries).m_adRun + nFirst, Series(nSeries).m_adRun + nEnd, EMPTY_SLOT);
}

void xygraph::StoreSample(int nSlot, double dLift, double dDrag, double dWind)
{
    double dCd = ComputeCd(dWind, dDrag);
    double dLD = ComputeLD(dLift, dDrag);
    // Below 5 display units the readings are too small for meaningful ratios.
    if (dWind < 5.0)
    {
        dCd = 0.0;
        dLD = 0.0;
    }
    m_curLift.m_adRun[nSlot] = dLift;
    m_curDrag.m_adRun[nSlot] = dDrag;
    m_curCd.m_adRun[nSlot] = dCd;
    m_curLD.m_adRun[nSlot] = dLD;
}

void xygraph::NarrowToFilled(CSlotSpan& span, int nSlot) const
{
    if (m_curLift.m_adRun[span.m_nLow] == EMPTY_SLOT)
        span.m_nLow = nSlot;
    if (m_curLift.m_adRun[span.m_nHigh] == EMPTY_SLOT)
        span.m_nHigh = nSlot;
}
