#include "graph/CZRVView.h"
#include "graph/FixedFormat.h"
#include "link/CommLink.h"
#include "platform/Platform.h"
#include "run/WindSpeed.h"

namespace
{
constexpr const char* DISABLED_TEXT = "Command disabled!";
constexpr const char* WIND_ON_TEXT = "Stop the wind before zeroing the forces.";
} // namespace

void CZRVView::OnZeroForces()
{
    if (theCommLink.m_bAlive == 0)
    {
        AfxMessageBox(DISABLED_TEXT, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // Only a balance without wind on it reads its zero: the instrument's last status said
    // stopped and nothing asks for wind.
    if (theCommLink.m_bRunning != 0 || theCommLink.m_bReturnToZero != 0 || m_dTargetSpeed != 0 ||
        m_sweep.IsActive())
    {
        AfxMessageBox(WIND_ON_TEXT, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_zero.Begin(GetTickCount());
    SetStatusText("Zeroing the forces");
    StartSamplingTimer(m_pWnd);
}

void CZRVView::ZeroTick(const CReading* pReading)
{
    if (!m_zero.OnTick(GetTickCount(), pReading))
        return;
    StopSamplingTimer(m_pWnd);
    if (m_zero.Readings() == 0)
    {
        SetStatusText("No readings arrived: the forces were not zeroed");
        return;
    }
    m_pWnd->SetZeroIndicator(true);
    const bool bEnglish = m_nUnits != 0;
    const double dFactor = bEnglish ? 1.0 : LBS_TO_KG;
    const char* pszUnit = bEnglish ? " lbs." : " kg.";
    SetStatusText("Forces zeroed: lift " + FormatFixed(m_zero.Lift() * dFactor, 0, 4) + pszUnit +
                  ", drag " + FormatFixed(m_zero.Drag() * dFactor, 0, 4) + pszUnit);
}

void CZRVView::EndSteadyMeasurements()
{
    m_sweep.Stop();
    m_zero.Cancel();
}
