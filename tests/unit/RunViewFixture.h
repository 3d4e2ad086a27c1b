#pragma once

#include "FakePlatform.h"
#include "FakeViewWindow.h"

#include "app/ZRVApp.h"
#include "graph/CZRVView.h"
#include "link/CommLink.h"
#include "run/RunTable.h"
#include "run/WindSpeed.h"

#include <clocale>
#include <memory>
#include <string>

// The run view with its graph part reachable.
class CRunView : public CZRVView
{
public:
    xygraph& Graph() { return *this; }
};

// Numbers must read and print with '.' even where the locale writes "12,5".
class CGermanLocale
{
public:
    CGermanLocale() { m_bSet = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr; }
    ~CGermanLocale() { std::setlocale(LC_ALL, "C"); }
    bool m_bSet = false;
};

// A test view in a 1000 x 800 fake window, painted once (wind 0..85 mph shown), with the
// "V6" instrument on COM3 answering as m_instrument says, communications enabled and the
// wind reported stopped.
class RunViewTest : public CFakePlatformTest
{
protected:
    void SetUp() override
    {
        CFakePlatformTest::SetUp();
        m_pDevice = &m_serial.Add(3);
        m_pDevice->m_fnRespond = std::ref(m_instrument);
        theCommLink.m_nPort = 3;
        ASSERT_EQ(theCommLink.OpenPort(), 1);
        theCommLink.m_bAlive = 1;
        theCommLink.m_nModel = 2;
        SetWindRunning(false);
        MakeView(1);
    }

    // A fresh view for the units setting (1 English, 0 metric) with a maximum of 80 mph.
    void MakeView(int nUnits)
    {
        theApp.m_nUnits = nUnits;
        theApp.m_dMaxSpeed = 80.0;
        g_nLastSlot = 0;
        g_bMarkerShown = 0;
        g_dMarkerWind = EMPTY_SLOT;
        m_pView = std::make_unique<CRunView>();
        m_pView->m_pWnd = &m_wnd;
        m_pView->OnInitialUpdate();
        m_pView->OnPaint();
        m_wnd.ClearRecords();
    }

    // What the instrument reports from now on, and what the link knows from its last poll.
    void SetWindRunning(bool bRunning)
    {
        m_instrument.m_nStatus = bRunning ? 0 : 2;
        theCommLink.m_nStatus = m_instrument.m_nStatus;
        theCommLink.m_bRunning = bRunning ? 1 : 0;
    }

    void Tick(int nTicks = 1)
    {
        for (int i = 0; i < nTicks; ++i)
            m_pView->OnTimer(SAMPLE_TIMER_ID);
    }

    // The bytes sent to the instrument since the last call.
    std::string Sent() { return m_pDevice->TakeWritten(); }

    xygraph& Graph() { return m_pView->Graph(); }
    double LiftAt(int nSlot) { return Graph().m_curLift.m_adRun[nSlot]; }
    bool TimerRunning() const { return m_wnd.IsTimerRunning(SAMPLE_TIMER_ID); }

    CFakeInstrument m_instrument;
    CFakeDevice* m_pDevice = nullptr;
    CFakeTimerWindow m_wnd;
    std::unique_ptr<CRunView> m_pView;
};
