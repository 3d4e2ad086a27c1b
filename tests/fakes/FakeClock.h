#pragma once

#include "platform/Clock.h"

// A clock that moves only when the test says so.
class CFakeClock : public IClock
{
public:
    uint32_t GetTickCount() override { return m_nNow; }
    void Advance(uint32_t nMs) { m_nNow += nMs; }

    uint32_t m_nNow = 1000;
};
