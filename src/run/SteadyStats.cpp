#include "run/SteadyStats.h"

#include <cmath>
#include <limits>

void CRunningStats::Add(double dValue)
{
    ++m_nCount;
    const double dDelta = dValue - m_dMean;
    m_dMean += dDelta / static_cast<double>(m_nCount);
    m_dSumSquares += dDelta * (dValue - m_dMean);
}

double CRunningStats::Mean() const
{
    return m_nCount == 0 ? std::numeric_limits<double>::quiet_NaN() : m_dMean;
}

double CRunningStats::Sd() const
{
    if (m_nCount == 0)
        return std::numeric_limits<double>::quiet_NaN();
    if (m_nCount == 1)
        return 0.0;
    return std::sqrt(m_dSumSquares / static_cast<double>(m_nCount - 1));
}
