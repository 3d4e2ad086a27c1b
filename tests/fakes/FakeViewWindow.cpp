#include "FakeViewWindow.h"

int CNullDC::GetDeviceCaps(int nIndex) const
{
    if (nIndex == HORZRES)
        return m_rcClient.Width();
    if (nIndex == VERTRES)
        return m_rcClient.Height();
    return 0;
}

std::unique_ptr<CDC> CFakeTimerWindow::GetClientDC()
{
    return std::make_unique<CNullDC>(m_counts, m_rcClient);
}

int CFakeTimerWindow::SetTimer(int nId, int nElapseMs)
{
    m_setRunning.insert(nId);
    m_anPeriods.push_back(nElapseMs);
    return nId;
}

void CFakeTimerWindow::KillTimer(int nId)
{
    m_setRunning.erase(nId);
    m_anKilled.push_back(nId);
}

void CFakeTimerWindow::ClearRecords()
{
    m_counts = CDrawCounts();
    m_anPeriods.clear();
    m_anKilled.clear();
    m_astrStatus.clear();
}
