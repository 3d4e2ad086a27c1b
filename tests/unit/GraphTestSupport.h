#pragma once

#include "FakePlatform.h"
#include "FakeViewWindow.h"

#include "app/ZRVApp.h"
#include "graph/CZRVView.h"
#include "run/RunTable.h"

#include <memory>

// The test view with its graph part reachable.
class CTestView : public CZRVView
{
public:
    xygraph& Graph() { return *this; }
};

// A view in a fake window with fresh program-wide state, constructed with the given units
// setting (1 English, 0 metric) and painted once at 1000 x 800, over the fakes of
// TPlatformTest.
template <class TPlatformTest>
class CViewTest : public TPlatformTest
{
protected:
    void SetUp() override
    {
        TPlatformTest::SetUp();
        MakeView(1);
    }

    // A fresh view for the units setting with a maximum of 80 mph; nothing recorded yet.
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
        m_wnd.ClearRecords();
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

// The view over the plain fakes: no instrument.
using GraphTest = CViewTest<CFakePlatformTest>;
