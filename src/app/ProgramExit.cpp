#include "app/ProgramExit.h"

#include "files/RecoveryCopy.h"
#include "graph/CZRVView.h"

#include <csignal>

namespace
{
constexpr int SIGNAL_EXIT_BASE = 128;

void FlushRecoveryCopy(const CZRVView* pView)
{
    if (pView != nullptr && g_pRecoveryCopy != nullptr)
        g_pRecoveryCopy->Flush(*pView);
}
} // namespace

EExitStep CProgramExit::Leave(CZRVView* pView, uint32_t dwNow, int nCode)
{
    m_nExitCode = nCode;
    m_pView = pView;
    m_bWaiting = pView != nullptr && m_shutdown.Begin(*pView, dwNow);
    m_bLeaving = !m_bWaiting;
    return m_bWaiting ? EExitStep::Wait : EExitStep::Exit;
}

EExitStep CProgramExit::OnClose(CZRVView* pView, uint32_t dwNow)
{
    if (m_bWaiting)
        return EExitStep::Stay;
    if (m_bLeaving)
        return EExitStep::Exit;
    if (!m_bSessionEnding && pView != nullptr && !pView->SaveBeforeDiscard())
        return EExitStep::Stay;
    return Leave(pView, dwNow, 0);
}

EExitStep CProgramExit::OnSignal(int nSignal, CZRVView* pView, uint32_t dwNow)
{
    if (m_bWaiting)
    {
        if (nSignal != SIGINT && nSignal != SIGTERM)
            return EExitStep::Stay;
        m_nExitCode = SIGNAL_EXIT_BASE + nSignal;
        return EExitStep::Exit;
    }
    FlushRecoveryCopy(pView);
    return Leave(pView, dwNow, SIGNAL_EXIT_BASE + nSignal);
}

EExitStep CProgramExit::OnSessionEnd(CZRVView* pView, uint32_t dwNow)
{
    if (m_bWaiting)
        return EExitStep::Stay;
    FlushRecoveryCopy(pView);
    return Leave(pView, dwNow, 0);
}

void CProgramExit::OnSessionEnding(const CZRVView* pView)
{
    m_bSessionEnding = true;
    FlushRecoveryCopy(pView);
}
