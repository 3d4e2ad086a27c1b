#pragma once

#include <cstddef>

// Mean and sample standard deviation of a stream of values, without keeping the values
// (Welford's update, so a long steady stream does not lose the small spread in rounding).
class CRunningStats
{
public:
    void Add(double dValue);
    size_t Count() const { return m_nCount; }
    // NaN while nothing was added.
    double Mean() const;
    // The sample standard deviation (n - 1); 0 for a single value, NaN for none.
    double Sd() const;

private:
    size_t m_nCount = 0;
    double m_dMean = 0.0;
    double m_dSumSquares = 0.0; // sum of squared differences from the running mean
};

// Wind (mph), lift and drag (pounds) of the readings taken at one steady point.
struct CSteadyStats
{
    CRunningStats m_wind;
    CRunningStats m_lift;
    CRunningStats m_drag;
};
