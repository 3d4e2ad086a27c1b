#include "run/WindSpeed.h"

#include "link/CommLink.h"
#include "link/ReplyScanner.h"
#include "platform/ViewWindow.h"
#include "run/RunTable.h"

#include <cmath>

double SmoothValue(double x, double p, int n)
{
    if (n <= 1)
        return x;
    return (x / n + p) - p / n;
}

void StartSamplingTimer(IViewWindow* pWnd)
{
    theCommLink.m_nTimerId = pWnd->SetTimer(SAMPLE_TIMER_ID, SAMPLE_PERIOD_MS);
}

void StopSamplingTimer(IViewWindow* pWnd)
{
    pWnd->KillTimer(theCommLink.m_nTimerId);
}

double DisplaySpeedToMph(double dSpeed, int nUnits)
{
    return nUnits != 0 ? dSpeed : dSpeed * KPH_TO_MPH;
}

double LimitRequestedSpeed(double dMph, double dMaxSpeedMph)
{
    if (dMaxSpeedMph < dMph)
        dMph = std::trunc(dMaxSpeedMph);
    return dMph < 0 ? 0.0 : dMph;
}

double LeadingNumber(std::string_view strText)
{
    double dValue = 0.0;
    CReplyScanner scanner(strText);
    return scanner.Double(dValue) ? dValue : 0.0;
}
