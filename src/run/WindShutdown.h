#pragma once

#include <cstdint>

class CZRVView;

// The longest the program waits for the wind to stop before it lets go of the instrument, ms.
constexpr uint32_t SHUTDOWN_WAIT_MS = 15000;

// Brings the wind to rest when the program lets go of the instrument. Nothing here asks the
// user anything: whoever ends the program (a signal, the desktop session) may not be there to
// answer a Retry/Cancel box, so a failed exchange simply ends the wait.
class CWindShutdown
{
public:
    // True while communications are enabled and the wind runs or ramps: the last status said
    // running, the target or ramped speed is above 0, or Stop Wind is still being watched.
    static bool WindIsMoving(const CZRVView& view);

    // Sends Stop Wind's exchanges ("C", then "O"), shows "Returning Wind speed to Zero" and
    // starts the wait; the view's own sampling timer is stopped. False when the wind was not
    // moving or the link failed: nothing to wait for.
    bool Begin(CZRVView& view, uint32_t dwNow);
    // One tick of the wait: polls "S". True when the wait is over: the instrument reports
    // the wind stopped, the link failed, or SHUTDOWN_WAIT_MS have passed since Begin. A speed
    // asked for meanwhile (the window still takes commands) is stopped again first.
    bool Tick(CZRVView& view, uint32_t dwNow);

private:
    static void StopWind(CZRVView& view);

    uint32_t m_dwStart = 0;
};
