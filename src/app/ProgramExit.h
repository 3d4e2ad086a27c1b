#pragma once

#include "run/WindShutdown.h"

#include <cstdint>

class CZRVView;

// What the desktop does with a request to end the program.
enum class EExitStep
{
    Stay, // the program goes on (the user cancelled, or the wind is already being stopped)
    Wait, // the wind is being stopped: call Tick at every sampling tick until it says done
    Exit, // end now with ExitCode()
};

// How the program ends. A close by the user asks about an unsaved test; every way of ending
// brings a moving wind to rest before the program lets go of the instrument. Exit status: 0
// for a close, 128 + the signal number for a signal.
class CProgramExit
{
public:
    // File Exit, the window's close button, the window manager's close.
    EExitStep OnClose(CZRVView* pView, uint32_t dwNow);
    // SIGTERM, SIGINT, SIGHUP: never asks, the recovery copy keeps the test. A second SIGINT
    // or SIGTERM during the wait ends the program at once.
    EExitStep OnSignal(int nSignal, CZRVView* pView, uint32_t dwNow);
    // The desktop session is ending: like a signal, with status 0.
    EExitStep OnSessionEnd(CZRVView* pView, uint32_t dwNow);
    // The desktop may end soon (it asked the program to save its data): the recovery copy is
    // brought up to date, and a close that follows does not ask.
    void OnSessionEnding(const CZRVView* pView);

    // One tick of the wait; true when it is over.
    bool Tick(uint32_t dwNow) { return m_pView == nullptr || m_shutdown.Tick(*m_pView, dwNow); }
    bool IsWaiting() const { return m_bWaiting; }
    int ExitCode() const { return m_nExitCode; }

private:
    // Ends with nCode once the wind is at rest.
    EExitStep Leave(CZRVView* pView, uint32_t dwNow, int nCode);

    CWindShutdown m_shutdown;
    CZRVView* m_pView = nullptr; // the test view whose wind is being stopped
    bool m_bWaiting = false;
    bool m_bLeaving = false; // decided: later closes (Qt closes the windows again) just go
    bool m_bSessionEnding = false;
    int m_nExitCode = 0;
};
