#pragma once

#include "platform/ViewWindow.h"

#include <set>
#include <string>
#include <vector>

// What a context was asked to draw, in device pixels, with the state in force.
struct CDrawnLine
{
    CPoint m_ptFrom;
    CPoint m_ptTo;
    COLORREF m_cr;
    int m_nStyle;
    int m_nRop;
};

struct CDrawnText
{
    CPoint m_pt;
    std::string m_strText;
    int m_nPixelHeight;
    int m_nEscapement;
    COLORREF m_crBk;
};

struct CDrawnFill
{
    CRect m_rc;
    COLORREF m_cr;
};

struct CDrawLog
{
    std::vector<CDrawnLine> m_aLines;
    std::vector<CDrawnText> m_aTexts;
    std::vector<CDrawnFill> m_aFills;
    void Clear() { *this = CDrawLog(); }
};

// A context that draws nothing and records every primitive.
class CRecordingDC : public CDC
{
public:
    CRecordingDC(CDrawLog& log, int nWidth, int nHeight, bool bPrinting = false)
        : m_log(log), m_nWidth(nWidth), m_nHeight(nHeight), m_bPrinting(bPrinting)
    {
    }
    int GetDeviceCaps(int nIndex) const override
    {
        return nIndex == HORZRES ? m_nWidth : nIndex == VERTRES ? m_nHeight : 0;
    }
    bool IsPrinting() const override { return m_bPrinting; }

protected:
    void DeviceLine(CPoint ptFrom, CPoint ptTo, const CPen& pen, const CDeviceState& state) override
    {
        m_log.m_aLines.push_back({ptFrom, ptTo, pen.m_cr, pen.m_nStyle, state.m_nRop2});
    }
    void DeviceFill(int l, int t, int r, int b, COLORREF cr, const CDeviceState&) override
    {
        m_log.m_aFills.push_back({{l, t, r, b}, cr});
    }
    void DeviceText(CPoint pt, const std::string& strText, const CFont& font, int nPixelHeight,
                    const CDeviceState& state) override
    {
        m_log.m_aTexts.push_back({pt, strText, nPixelHeight, font.m_nEscapement, state.m_crBk});
    }

private:
    CDrawLog& m_log;
    int m_nWidth;
    int m_nHeight;
    bool m_bPrinting;
};

// A window of a fixed client size whose contexts record into one log; it runs no timers but
// records them: which are running, and every start and stop; every status-line text and
// every invalidation.
class CFakeViewWindow : public IViewWindow
{
public:
    CRect GetClientRect() const override { return m_rcClient; }
    std::unique_ptr<CDC> GetClientDC() override;
    int SetTimer(int nId, int nElapseMs) override;
    void KillTimer(int nId) override;
    void SetStatusText(const std::string& strText) override { m_astrStatus.push_back(strText); }
    void SetZeroIndicator(bool bHeld) override { m_bZeroShown = bHeld; }
    void Invalidate() override { ++m_nInvalidated; }

    bool IsTimerRunning(int nId) const { return m_setRunning.count(nId) != 0; }
    // Forgets what was drawn, started, stopped and shown; running timers stay running.
    void ClearRecords();

    CRect m_rcClient{0, 0, 1000, 800};
    CDrawLog m_log;
    std::set<int> m_setRunning;   // ids of the timers running now
    std::vector<int> m_anPeriods; // the period of every SetTimer, in order
    std::vector<int> m_anKilled;  // the id of every KillTimer, in order
    std::vector<std::string> m_astrStatus;
    bool m_bZeroShown = false; // the "ZERO" pane
    int m_nInvalidated = 0; // Invalidate calls, whose paint never comes
};
