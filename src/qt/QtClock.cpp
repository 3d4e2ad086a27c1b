#include "qt/QtClock.h"

CQtClock::CQtClock()
{
    m_timer.start();
}

uint32_t CQtClock::GetTickCount()
{
    // Keeping the low 32 bits is the wrap the callers' unsigned differences expect.
    return static_cast<uint32_t>(m_timer.elapsed());
}
