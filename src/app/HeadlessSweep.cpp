#include "app/HeadlessSweep.h"

#include "files/SweepCsvFile.h"
#include "graph/CZRVView.h"
#include "graph/FixedFormat.h"
#include "link/CommLink.h"
#include "platform/Platform.h"

namespace
{
// "Point 2 of 3: 20.0 MPH: wind 19.98, lift 0.1012 +/- 0.0011, drag ... (7 readings)".
std::string ProgressLine(const CSweepRow& row, size_t nPoints, const char* pszSpeedUnit, int nUnits)
{
    const char* pszForceUnit = nUnits != 0 ? " lb" : " kg";
    auto fnSpread = [&](double dMean, double dSd) {
        return FormatFixed(dMean, 0, 4) + " +/- " + FormatFixed(dSd, 0, 4) + pszForceUnit;
    };
    return "Point " + std::to_string(row.m_nPoint) + " of " + std::to_string(nPoints) + ": " +
           FormatFixed(row.m_dTarget, 0, 1) + " " + pszSpeedUnit + ": wind " +
           FormatFixed(row.m_dWindMean, 0, 2) + ", lift " +
           fnSpread(row.m_dLiftMean, row.m_dLiftSd) + ", drag " +
           fnSpread(row.m_dDragMean, row.m_dDragSd) + ", CL " + FormatFixed(row.m_dCl, 0, 4) +
           ", CD " + FormatFixed(row.m_dCd, 0, 4) + ", Re " + FormatFixed(row.m_dRe, 0, 0) + " (" +
           std::to_string(row.m_nReadings) + " readings)";
}
} // namespace

CHeadlessSweep::CHeadlessSweep(CZRVView& view, CSweepJob job) : m_view(view), m_job(std::move(job))
{
    if (!m_job.m_bLengthGiven)
        m_job.m_settings.m_dLength = m_view.StoredReferenceLength();
    m_view.m_fnSweepPoint = [this](const CSweepRow& row) {
        Report(ProgressLine(row, SweepTargets(m_job.m_settings).size(), m_view.SpeedUnitName(),
                            m_view.SweepResults().m_nUnits));
    };
}

void CHeadlessSweep::Report(const std::string& strLine) const
{
    if (m_fnReport)
        m_fnReport(strLine);
}

void CHeadlessSweep::Begin()
{
    if (theCommLink.m_bAlive == 0)
    {
        Report("no instrument: nothing was measured");
        Finish(SWEEP_EXIT_NO_INSTRUMENT, false);
        return;
    }
    const std::string strProblem =
        CheckSweepSettings(m_job.m_settings, m_view.DisplayMaxSpeed(), m_view.SpeedUnitName());
    if (!strProblem.empty())
    {
        Report(strProblem);
        Finish(SWEEP_EXIT_FAILED, false);
        return;
    }
    // The balance is zeroed and the sweep starts from rest: wind left running by an earlier
    // run is brought down first.
    theCommLink.CheckStatus();
    if (theCommLink.m_bRunning != 0 && theCommLink.m_bAlive != 0)
    {
        Report("the wind is running: stopping it first");
        m_view.OnStopWind();
        m_eStep = EStep::StoppingFirst;
        return;
    }
    ZeroOrSweep();
}

void CHeadlessSweep::ZeroOrSweep()
{
    if (!m_job.m_bZero)
    {
        StartSweep();
        return;
    }
    m_eStep = EStep::Zeroing;
    m_view.OnZeroForces();
}

void CHeadlessSweep::StartSweep()
{
    m_eStep = EStep::Sweeping;
    if (!m_view.StartSweep(m_job.m_settings))
        Finish(SWEEP_EXIT_FAILED);
}

void CHeadlessSweep::AfterTick(bool bTimerRunning)
{
    if (m_eStep == EStep::StoppingOnSignal)
    {
        if (m_shutdown.Tick(m_view, GetTickCount()))
            Finish(m_nSignalExitCode);
        return;
    }
    if (m_eStep != EStep::Done && theCommLink.m_bAlive == 0)
    {
        Report("communications with the instrument were lost");
        Finish(SWEEP_EXIT_FAILED);
        return;
    }
    switch (m_eStep)
    {
    case EStep::StoppingFirst:
        if (!bTimerRunning)
            ZeroOrSweep();
        break;
    case EStep::Zeroing:
        if (m_view.IsZeroing())
            break;
        if (!m_view.ForceZero().IsHeld())
        {
            Report("no readings arrived: the forces were not zeroed");
            Finish(SWEEP_EXIT_FAILED, false);
            break;
        }
        Report("zero: lift " + FormatFixed(m_view.ForceZero().Lift(), 0, 4) + " lb, drag " +
               FormatFixed(m_view.ForceZero().Drag(), 0, 4) + " lb");
        StartSweep();
        break;
    case EStep::Sweeping:
        // The last point's Stop Wind has gone out; the fan runs down by itself.
        if (!m_view.IsSweeping())
            Finish(SWEEP_EXIT_OK);
        break;
    case EStep::StoppingOnSignal:
    case EStep::Done:
        break;
    }
}

void CHeadlessSweep::Interrupt(int nSignal)
{
    if (m_eStep == EStep::Done || m_eStep == EStep::StoppingOnSignal)
        return;
    m_view.EndSteadyMeasurements();
    m_nSignalExitCode = 128 + nSignal;
    if (m_shutdown.Begin(m_view, GetTickCount()))
    {
        m_eStep = EStep::StoppingOnSignal;
        return;
    }
    Finish(m_nSignalExitCode);
}

void CHeadlessSweep::Finish(int nExitCode, bool bWrite)
{
    m_eStep = EStep::Done;
    m_nExitCode = nExitCode;
    if (!bWrite)
        return;
    const std::string strProblem = WriteSweepCsv(m_job.m_strCsvPath, m_view.SweepResults());
    if (strProblem.empty())
        return;
    Report(strProblem);
    if (m_nExitCode == SWEEP_EXIT_OK)
        m_nExitCode = SWEEP_EXIT_FAILED;
}
