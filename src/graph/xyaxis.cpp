#include "graph/xyaxis.h"

#include <algorithm>

xyaxis::xyaxis() = default;

xyaxis::xyaxis(double dMin, double dMax)
    : m_dMin(dMin), m_dMax(dMax), m_dStep((dMax - dMin) / 20), m_dMinorStep(m_dStep / 10),
      m_nScale(1)
{
}

int xyaxis::Divisor() const
{
    return 1 << (std::clamp(m_nScale, MIN_SCALE_INDEX, MAX_SCALE_INDEX) - 1);
}
