#include "run/ForceZero.h"

#include "link/Commands.h"

void CForceZero::Begin(uint32_t nNow)
{
    m_bCollecting = true;
    m_nStart = nNow;
    m_stats = {};
}

bool CForceZero::OnTick(uint32_t nNow, const CReading* pReading)
{
    if (!m_bCollecting)
        return false;
    if (pReading != nullptr)
    {
        m_stats.m_lift.Add(pReading->m_dLift);
        m_stats.m_drag.Add(pReading->m_dDrag);
    }
    if (nNow - m_nStart < ZERO_AVERAGE_MS)
        return false;
    m_bCollecting = false;
    if (Readings() > 0)
    {
        m_bHeld = true;
        m_dLift = m_stats.m_lift.Mean();
        m_dDrag = m_stats.m_drag.Mean();
    }
    return true;
}

void CForceZero::Apply(CReading& reading) const
{
    reading.m_dLift -= m_dLift;
    reading.m_dDrag -= m_dDrag;
}
