#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

// Milliseconds on a monotonic clock since this object was made, wrapping at 2^32.
class CQtClock : public IClock
{
public:
    CQtClock();
    uint32_t GetTickCount() override;

private:
    QElapsedTimer m_timer;
};
