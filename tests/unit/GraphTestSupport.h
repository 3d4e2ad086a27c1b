#pragma once

#include "FakePlatform.h"

#include "app/ZRVApp.h"
#include "graph/CZRVView.h"
#include "run/RunTable.h"

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

// A window of a fixed client size whose contexts record into one log.
class CFakeViewWindow : public IViewWindow
{
public:
    CRect GetClientRect() const override { return m_rcClient; }
    std::unique_ptr<CDC> GetClientDC() override
    {
        return std::make_unique<CRecordingDC>(m_log, m_rcClient.right, m_rcClient.bottom);
    }
    int SetTimer(int nId, int) override { return nId; }
    void KillTimer(int) override {}
    void SetStatusText(const std::string& strText) override { m_astrStatus.push_back(strText); }

    CRect m_rcClient{0, 0, 1000, 800};
    CDrawLog m_log;
    std::vector<std::string> m_astrStatus;
};

// The test view with its graph part reachable.
class CTestView : public CZRVView
{
public:
    xygraph& Graph() { return *this; }
};

// A view in a fake window with fresh program-wide state, constructed with the given units
// setting (1 English, 0 metric) and painted once at 1000 x 800.
class GraphTest : public CFakePlatformTest
{
protected:
    void MakeView(int nUnits)
    {
        theApp.m_nUnits = nUnits;
        theApp.m_dMaxSpeed = 80.0;
        g_nLastSlot = 0;
        g_bMarkerShown = 0;
        g_dMarkerWind = EMPTY_SLOT;
        m_pView = std::make_unique<CTestView>();
        m_pView->m_pWnd = &m_wnd;
        m_pView->OnInitialUpdate();
        m_pView->OnPaint();
        m_wnd.m_log.Clear();
        m_wnd.m_astrStatus.clear();
    }
    void SetUp() override
    {
        CFakePlatformTest::SetUp();
        MakeView(1);
    }
    xygraph& Graph() { return m_pView->Graph(); }
    void Record(double dWind, double dLift = 0.1, double dDrag = 0.05)
    {
        std::unique_ptr<CDC> pDC = m_wnd.GetClientDC();
        m_pView->RecordSample(pDC.get(), dLift, dDrag, dWind, SAMPLE_RECORD);
    }
    void RecordKind(int nKind)
    {
        std::unique_ptr<CDC> pDC = m_wnd.GetClientDC();
        m_pView->RecordSample(pDC.get(), 0, 0, 0, nKind);
    }

    CFakeViewWindow m_wnd;
    std::unique_ptr<CTestView> m_pView;
};
