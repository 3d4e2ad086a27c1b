#pragma once

#include "GraphTestSupport.h"

#include "link/CommLink.h"
#include "run/WindSpeed.h"

#include <clocale>
#include <string>

// Numbers must read and print with '.' even where the locale writes "12,5".
class CGermanLocale
{
public:
    CGermanLocale() { m_bSet = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr; }
    ~CGermanLocale() { std::setlocale(LC_ALL, "C"); }
    bool m_bSet = false;
};

// The test view (wind 0..85 mph shown) with the "V6" instrument on COM3 answering as
// m_instrument says, communications enabled and the wind reported stopped.
class RunViewTest : public CViewTest<CLinkedPlatformTest>
{
protected:
    void SetUp() override
    {
        CViewTest::SetUp();
        theCommLink.m_nModel = 2;
        SetWindRunning(false);
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

    double LiftAt(int nSlot) { return Graph().m_curLift.m_adRun[nSlot]; }
    bool TimerRunning() const { return m_wnd.IsTimerRunning(SAMPLE_TIMER_ID); }
};
