#include "FakeViewWindow.h"

std::unique_ptr<CDC> CFakeViewWindow::GetClientDC()
{
    return std::make_unique<CRecordingDC>(m_log, m_rcClient.right, m_rcClient.bottom);
}

int CFakeViewWindow::SetTimer(int nId, int nElapseMs)
{
    m_setRunning.insert(nId);
    m_anPeriods.push_back(nElapseMs);
    return nId;
}

void CFakeViewWindow::KillTimer(int nId)
{
    m_setRunning.erase(nId);
    m_anKilled.push_back(nId);
}

void CFakeViewWindow::ClearRecords()
{
    m_log.Clear();
    m_anPeriods.clear();
    m_anKilled.clear();
    m_astrStatus.clear();
    m_nInvalidated = 0;
}
