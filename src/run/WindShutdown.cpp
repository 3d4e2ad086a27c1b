#include "run/WindShutdown.h"

#include "graph/CZRVView.h"
#include "link/CommLink.h"
#include "run/WindSpeed.h"

namespace
{
constexpr const char* RETURNING_TEXT = "Returning Wind speed to Zero";
} // namespace

bool CWindShutdown::WindIsMoving(const CZRVView& view)
{
    if (theCommLink.m_bAlive == 0)
        return false;
    return theCommLink.m_bRunning != 0 || theCommLink.m_bReturnToZero != 0 ||
           view.Graph().m_dTargetSpeed > 0 || view.Graph().m_dRampSpeed > 0;
}

void CWindShutdown::StopWind(CZRVView& view)
{
    StopSamplingTimer(view.m_pWnd);
    view.EndMotion(0);
    // Speed requests are refused while the wind returns to zero.
    theCommLink.m_bReturnToZero = 1;
    view.SetStatusText(RETURNING_TEXT);
}

bool CWindShutdown::Begin(CZRVView& view, uint32_t dwNow)
{
    if (!WindIsMoving(view))
        return false;
    StopWind(view);
    m_dwStart = dwNow;
    return theCommLink.m_bAlive != 0;
}

bool CWindShutdown::Tick(CZRVView& view, uint32_t dwNow)
{
    // Unsigned difference: the tick counter's wrap does no harm.
    if (theCommLink.m_bAlive == 0 || dwNow - m_dwStart >= SHUTDOWN_WAIT_MS)
        return true;
    if (view.Graph().m_dTargetSpeed > 0 || view.Graph().m_dRampSpeed > 0)
        StopWind(view);
    return theCommLink.ReadStatus(0) == 0 || theCommLink.m_bRunning == 0;
}
