#include "graph/CZRVView.h"
#include "link/CommLink.h"
#include "link/Commands.h"
#include "run/WindSpeed.h"

#include <cmath>
#include <string>

namespace
{

// Moves the ramped speed one step towards the target and commands it. A speed the
// instrument does not acknowledge with a lone CR is cleared with "C" and sent once more.
void RampTowards(double dTargetMph, double& dRampMph)
{
    if (dTargetMph == dRampMph)
        return;
    if (dTargetMph > dRampMph)
        dRampMph += RAMP_STEP_MPH;
    if (dTargetMph < dRampMph)
        dRampMph -= RAMP_STEP_MPH;
    std::string strRequest = FormatSpeedCommand(dRampMph);
    char achReply[SPEED_REPLY_SIZE] = {};
    theCommLink.SendCommand(strRequest.c_str(), achReply, 1, 1);
    if (achReply[0] == '\r')
        return;
    theCommLink.SendCommand(CMD_CLEAR, achReply, 0, 1);
    theCommLink.SendCommand(strRequest.c_str(), achReply, 1, 1);
}

// Wind in mph, drag and lift in pounds; false when no complete reading arrived.
bool TakeReading(CReading& reading)
{
    char achReply[SPEED_REPLY_SIZE] = {};
    int nModel = theCommLink.m_nModel;
    if (theCommLink.SendCommand(ReadingCommand(nModel), achReply, 1, 1) == 0)
        return false;
    return ParseReading(achReply, sizeof achReply, nModel, reading);
}

} // namespace

void CZRVView::OnTimer(int nIdEvent)
{
    SampleTick();
    CView::OnTimer(nIdEvent);
}

void CZRVView::SampleTick()
{
    if (theCommLink.m_bAlive == 0)
    {
        // Communications were given up: a sweep or a zeroing cannot go on, and the wind
        // cannot be commanded to stop either. The points done so far stay in the results.
        if (m_sweep.IsActive())
            SetStatusText("Sweep ended: communications disabled");
        EndSteadyMeasurements();
        return;
    }
    // Giving up on the cable alarm stops the timer; the rest of the tick then finds
    // communications disabled and sends nothing.
    if (theCommLink.CheckStatus() == 0)
        StopSamplingTimer(m_pWnd);

    if (theCommLink.m_bReturnToZero == 1)
    {
        if (theCommLink.m_bRunning == 1 && theCommLink.m_bAlive == 1)
        {
            SetStatusText("Returning Wind speed to Zero");
            return;
        }
        SetStatusText("Wind speed is Zero");
        StopSamplingTimer(m_pWnd);
        theCommLink.m_bReturnToZero = 0;
        return;
    }

    RampTowards(m_dTargetSpeed, m_dRampSpeed);

    CReading reading;
    const bool bReading = TakeReading(reading);
    if (m_zero.IsCollecting())
    {
        ZeroTick(bReading ? &reading : nullptr);
        return;
    }
    if (bReading)
        m_zero.Apply(reading);
    if (m_sweep.IsActive())
    {
        SweepTick(bReading ? &reading : nullptr);
        return;
    }
    // Without a complete reading there is nothing to record: the smoothing states and the
    // run stay as they were.
    if (!bReading)
        return;

    // The smoothing states stay in mph and pounds whatever the display shows.
    double dWind = SmoothValue(reading.m_dWind, m_dFiltWind, SMOOTHING_WEIGHT);
    m_dFiltWind = dWind;
    double dLift = SmoothValue(reading.m_dLift, m_dFiltLift, SMOOTHING_WEIGHT);
    m_dFiltLift = dLift;
    double dDrag = SmoothValue(reading.m_dDrag, m_dFiltDrag, SMOOTHING_WEIGHT);
    m_dFiltDrag = dDrag;
    if (m_nUnits == 0)
    {
        dLift *= LBS_TO_KG;
        dDrag *= LBS_TO_KG;
        dWind *= MPH_TO_KPH;
    }
    RecordAndWiden(dLift, dDrag, dWind);
}

void CZRVView::RecordAndWiden(double dLift, double dDrag, double dWind)
{
    std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
    RecordSample(pDC.get(), dLift, dDrag, dWind, SAMPLE_RECORD);

    // A reading at the top of the shown range widens that axis one step (twice the range);
    // only lift counts for the force axis.
    int nWindScale = m_axWind.m_nScale;
    if (nWindScale > 1 && m_axWind.ShownMax() <= dWind)
    {
        SetWindScale(nWindScale - 1);
        Repaint(pDC.get());
    }
    int nForceScale = m_axForce.m_nScale;
    if (nForceScale > 1 && std::abs(m_axForce.ShownMax()) <= std::abs(dLift))
    {
        SetForceScale(nForceScale - 1);
        Repaint(pDC.get());
    }
}
