#pragma once

#include "platform/ViewWindow.h"

#include <set>
#include <string>
#include <vector>

// What the null contexts of one window were asked to draw, counted by kind.
struct CDrawCounts
{
    int m_nLines = 0;
    int m_nFills = 0;
    int m_nTexts = 0;
};

// A context that draws nowhere and only counts primitives; its size is the window's.
class CNullDC : public CDC
{
public:
    CNullDC(CDrawCounts& counts, const CRect& rcClient) : m_counts(counts), m_rcClient(rcClient) {}
    int GetDeviceCaps(int nIndex) const override;
    bool IsPrinting() const override { return false; }

protected:
    void DeviceLine(CPoint, CPoint, const CPen&, const CDeviceState&) override
    {
        ++m_counts.m_nLines;
    }
    void DeviceFill(int, int, int, int, COLORREF, const CDeviceState&) override
    {
        ++m_counts.m_nFills;
    }
    void DeviceText(CPoint, const std::string&, const CFont&, int, const CDeviceState&) override
    {
        ++m_counts.m_nTexts;
    }

private:
    CDrawCounts& m_counts;
    CRect m_rcClient;
};

// A window of a fixed client size that runs no timers but records them: which are running,
// and every start and stop; and every status-line text.
class CFakeTimerWindow : public IViewWindow
{
public:
    CRect GetClientRect() const override { return m_rcClient; }
    std::unique_ptr<CDC> GetClientDC() override;
    int SetTimer(int nId, int nElapseMs) override;
    void KillTimer(int nId) override;
    void SetStatusText(const std::string& strText) override { m_astrStatus.push_back(strText); }

    bool IsTimerRunning(int nId) const { return m_setRunning.count(nId) != 0; }
    // Forgets what was drawn, started, stopped and shown; running timers stay running.
    void ClearRecords();

    CRect m_rcClient{0, 0, 1000, 800};
    CDrawCounts m_counts;
    std::set<int> m_setRunning;   // ids of the timers running now
    std::vector<int> m_anPeriods; // the period of every SetTimer, in order
    std::vector<int> m_anKilled;  // the id of every KillTimer, in order
    std::vector<std::string> m_astrStatus;
};
