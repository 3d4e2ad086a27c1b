#include "app/Settings.h"
#include "dialogs/AdConfig.h"
#include "dialogs/AirDensity.h"
#include "dialogs/SweepDlg.h"
#include "graph/CZRVView.h"
#include "link/CommLink.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"
#include "run/Coefficients.h"
#include "run/WindSpeed.h"

#include <cmath>

namespace
{
constexpr const char* DISABLED_TEXT = "Command disabled!";
constexpr double MICROMETRES_PER_INCH = 25400.0;
constexpr double MICROMETRES_PER_CM = 10000.0;

uint32_t Milliseconds(double dSeconds)
{
    return static_cast<uint32_t>(std::lround(dSeconds * 1000.0));
}

double MicrometresPerUnit(int nUnits)
{
    return nUnits != 0 ? MICROMETRES_PER_INCH : MICROMETRES_PER_CM;
}
} // namespace

const char* CZRVView::SpeedUnitName() const
{
    return m_nUnits != 0 ? "MPH" : "KPH";
}

double CZRVView::DisplayMaxSpeed() const
{
    return m_nUnits != 0 ? m_dMaxSpeed : m_dMaxSpeed * MPH_TO_KPH;
}

double CZRVView::StoredReferenceLength() const
{
    const int nStored = GetProfileInt(SETTINGS_SECTION, SETTING_REFERENCE_LENGTH, 0);
    return nStored > 0 ? nStored / MicrometresPerUnit(m_nUnits) : 1.0;
}

CAirConditions CZRVView::SweepAirConditions() const
{
    CAirConditions air;
    air.m_nUnits = m_nUnits;
    air.m_dDensity = g_dAirDensity;
    air.m_dAreaSqIn = m_dCdArea;
    air.m_dLength = m_sweepSettings.m_dLength;
    // The calculator's temperature is in the units it was entered in, which are the view's.
    if (g_bAirFirstUse != 0)
        air.m_dKelvin = STANDARD_AIR_KELVIN;
    else
        air.m_dKelvin =
            CelsiusToKelvin(m_nUnits != 0 ? FahrenheitToCelsius(g_dTemperature) : g_dTemperature);
    return air;
}

void CZRVView::OnSweep()
{
    if (theCommLink.m_bAlive == 0)
    {
        AfxMessageBox(DISABLED_TEXT, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CSweepDlg dlg;
    dlg.m_settings = m_sweepSettings;
    dlg.m_settings.m_dLength = StoredReferenceLength();
    dlg.m_nUnits = m_nUnits;
    dlg.m_dMaxSpeed = DisplayMaxSpeed();
    if (dlg.DoModal() != IDOK)
        return;
    const double dMicrometres = std::round(dlg.m_settings.m_dLength * MicrometresPerUnit(m_nUnits));
    if (dMicrometres >= 1 && dMicrometres <= INT32_MAX)
        WriteProfileInt(SETTINGS_SECTION, SETTING_REFERENCE_LENGTH, static_cast<int>(dMicrometres));
    StartSweep(dlg.m_settings);
}

bool CZRVView::StartSweep(const CSweepSettings& settings)
{
    if (!BeginSpeedRequest(true))
        return false;
    m_sweepSettings = settings;
    m_sweepTable = {m_nUnits, {}};
    m_sweep.Start(SweepTargets(settings), Milliseconds(settings.m_dSettle),
                  Milliseconds(settings.m_dAverage));
    m_dTargetSpeed =
        LimitRequestedSpeed(DisplaySpeedToMph(m_sweep.Target(), m_nUnits), m_dMaxSpeed);
    SetStatusText(m_sweep.StatusText(GetTickCount(), SpeedUnitName()));
    StartSamplingTimer(m_pWnd);
    return true;
}

void CZRVView::SweepTick(const CReading* pReading)
{
    const uint32_t nNow = GetTickCount();
    // The ramp moves in half-mph steps: a target between two steps is reached at the step
    // below it, where the ramp stays.
    const bool bReached = std::abs(m_dTargetSpeed - m_dRampSpeed) < RAMP_STEP_MPH;
    if (m_sweep.OnTick(nNow, bReached, pReading))
    {
        RecordSweepPoint();
        if (!m_sweep.IsActive())
        {
            OnStopWind();
            g_platform.m_pUi->ShowSweepResults(m_sweepTable);
            return;
        }
        m_dTargetSpeed =
            LimitRequestedSpeed(DisplaySpeedToMph(m_sweep.Target(), m_nUnits), m_dMaxSpeed);
    }
    SetStatusText(m_sweep.StatusText(nNow, SpeedUnitName()));
}

void CZRVView::RecordSweepPoint()
{
    const int nPoint = static_cast<int>(m_sweepTable.m_aRows.size()) + 1;
    const CSweepRow row =
        MakeSweepRow(nPoint, m_sweep.DoneTarget(), m_sweep.DoneStats(), SweepAirConditions());
    m_sweepTable.m_aRows.push_back(row);
    // A point without readings has no value to plot.
    if (row.m_nReadings > 0)
        RecordAndWiden(row.m_dLiftMean, row.m_dDragMean, row.m_dWindMean);
    if (m_fnSweepPoint)
        m_fnSweepPoint(row);
}

void CZRVView::OnSweepResults()
{
    if (m_sweepTable.m_aRows.empty())
    {
        AfxMessageBox("No sweep has been run yet.", MB_OK);
        return;
    }
    g_platform.m_pUi->ShowSweepResults(m_sweepTable);
}

void CZRVView::OnEscape()
{
    if (m_sweep.IsActive())
        OnStopWind();
}
