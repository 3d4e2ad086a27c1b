#include "graph/CZRVView.h"
#include "link/CommLink.h"
#include "link/Commands.h"
#include "platform/Platform.h"
#include "run/Gowind.h"
#include "run/WindSpeed.h"

namespace
{
constexpr const char* DISABLED_TEXT = "Command disabled!";
constexpr const char* CLEAR_TEXT = "Clear Previous Test Results?";
} // namespace

bool CZRVView::BeginSpeedRequest(bool bZeroSpeedsBeforeAsking)
{
    if (theCommLink.m_bAlive == 0)
    {
        AfxMessageBox(DISABLED_TEXT, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    // A speed asked for by hand takes over from a sweep or a zeroing under way.
    EndSteadyMeasurements();
    // Speed requests wait until the instrument reports the wind stopped.
    if (theCommLink.m_bReturnToZero == 1)
    {
        if (theCommLink.CheckStatus() == 0)
            StopSamplingTimer(m_pWnd);
        return false;
    }
    StopSamplingTimer(m_pWnd);

    // With the wind stopped, a run on the shown wind range (slot 0 aside, it is the anchor
    // of every curve) belongs to an earlier test: offer to clear it before a new one starts.
    if (theCommLink.m_bRunning != 0)
        return true;
    double dTopSlot = m_axWind.ShownMax() * 10;
    bool bRecorded = false;
    for (int nSlot = 1; nSlot < dTopSlot && nSlot < RUN_SLOTS && !bRecorded; ++nSlot)
        bRecorded = m_curLift.m_adRun[nSlot] != EMPTY_SLOT;
    if (!bRecorded)
        return true;
    if (bZeroSpeedsBeforeAsking)
    {
        m_dTargetSpeed = 0;
        m_dRampSpeed = 0;
    }
    if (AfxMessageBox(CLEAR_TEXT, MB_YESNO | MB_ICONQUESTION) == IDYES)
    {
        std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
        RecordSample(pDC.get(), 0, 0, 0, SAMPLE_CLEAR);
        RedrawPlot(pDC.get());
    }
    return true;
}

void CZRVView::OnSetWindSpeed()
{
    if (!BeginSpeedRequest(false))
        return;
    CGowind dlg;
    dlg.m_strSpeed = std::string("0"); // a move: g++ 12 -O2 warns falsely on assigning a literal
    dlg.m_nUnits = m_nUnits;
    // Cancel leaves the timer stopped: the instrument keeps the speed it last received.
    if (dlg.DoModal() != IDOK)
        return;
    m_dTargetSpeed = LimitRequestedSpeed(DisplaySpeedToMph(LeadingNumber(dlg.m_strSpeed), m_nUnits),
                                         m_dMaxSpeed);
    StartSamplingTimer(m_pWnd);
}

void CZRVView::StepWindSpeed(double dStep)
{
    if (!BeginSpeedRequest(true))
        return;
    m_dTargetSpeed =
        LimitRequestedSpeed(m_dTargetSpeed + DisplaySpeedToMph(dStep, m_nUnits), m_dMaxSpeed);
    // Stepping down to zero stops the wind; the timer then runs on to watch it stop.
    if (m_dTargetSpeed <= 0)
        OnStopWind();
    StartSamplingTimer(m_pWnd);
}

void CZRVView::OnWindUp1()
{
    StepWindSpeed(1.0);
}

void CZRVView::OnWindUp5()
{
    StepWindSpeed(5.0);
}

void CZRVView::OnWindDown5()
{
    StepWindSpeed(-5.0);
}

void CZRVView::OnWindDown1()
{
    StepWindSpeed(-1.0);
}

void CZRVView::OnStopWind()
{
    EndSteadyMeasurements();
    if (theCommLink.m_bAlive == 0)
        AfxMessageBox(DISABLED_TEXT, MB_OK | MB_ICONEXCLAMATION);
    else
    {
        if (theCommLink.CheckStatus() == 0)
            StopSamplingTimer(m_pWnd);
        if (theCommLink.m_bRunning == 0)
        {
            StopSamplingTimer(m_pWnd);
            theCommLink.m_bReturnToZero = 0;
        }
        else if (theCommLink.m_bReturnToZero == 0)
        {
            StopSamplingTimer(m_pWnd);
            EndMotion(1);
            // The timer now watches the instrument bring the wind to zero.
            StartSamplingTimer(m_pWnd);
            theCommLink.m_bReturnToZero = 1;
        }
    }
    // After a stop the next request starts from rest.
    m_dTargetSpeed = 0;
    m_dRampSpeed = 0;
}

void CZRVView::EndMotion(int bRetry)
{
    char achReply[WIND_OFF_REPLY_SIZE] = {};
    theCommLink.SendCommand(CMD_CLEAR, achReply, 0, bRetry);
    std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
    RecordSample(pDC.get(), 0, 0, 0, SAMPLE_END_MOTION);
    theCommLink.SendCommand(CMD_WIND_OFF, achReply, 1, bRetry);
    m_dFiltWind = 0;
    m_dFiltLift = 0;
    m_dFiltDrag = 0;
    m_dTargetSpeed = 0;
    m_dRampSpeed = 0;
}
