#include "run/Sweep.h"

#include "graph/FixedFormat.h"
#include "link/Commands.h"

#include <cmath>

namespace
{
// Step counts this close to a whole number are that number: 10:30:10 has three points even
// where (30 - 10) / 10 rounds a hair below 2.
constexpr double STEP_COUNT_SLACK = 1e-9;

double StepCount(const CSweepSettings& settings)
{
    return std::floor(std::abs(settings.m_dTo - settings.m_dFrom) / settings.m_dStep +
                      STEP_COUNT_SLACK);
}

bool Within(double dValue, double dLow, double dHigh)
{
    return dValue >= dLow && dValue <= dHigh;
}
} // namespace

std::string CheckSweepSettings(const CSweepSettings& settings, double dMaxSpeed,
                               const char* pszUnit)
{
    if (!Within(settings.m_dFrom, 0, dMaxSpeed) || !Within(settings.m_dTo, 0, dMaxSpeed))
        return "From and To must be between 0 and " + FormatFixed(dMaxSpeed, 0, 1) + " " + pszUnit +
               ".";
    if (!(settings.m_dStep > 0))
        return "Step must be greater than 0.";
    if (StepCount(settings) + 1 > static_cast<double>(MAX_SWEEP_POINTS))
        return "A sweep has at most " + std::to_string(MAX_SWEEP_POINTS) +
               " points: make the step larger.";
    if (!Within(settings.m_dSettle, 0, MAX_SWEEP_WAIT_S))
        return "Settle must be between 0 and 3600 s.";
    if (!(settings.m_dAverage > 0) || settings.m_dAverage > MAX_SWEEP_WAIT_S)
        return "Average must be more than 0 and at most 3600 s.";
    if (!(settings.m_dLength > 0) || !std::isfinite(settings.m_dLength))
        return "Reference length must be greater than 0.";
    return {};
}

std::vector<double> SweepTargets(const CSweepSettings& settings)
{
    const double dDirection = settings.m_dTo < settings.m_dFrom ? -1.0 : 1.0;
    const int nSteps = static_cast<int>(StepCount(settings));
    std::vector<double> adTargets;
    for (int i = 0; i <= nSteps; ++i)
        adTargets.push_back(settings.m_dFrom + dDirection * i * settings.m_dStep);
    return adTargets;
}

void CSweep::Start(std::vector<double> adTargets, uint32_t nSettleMs, uint32_t nAverageMs)
{
    m_adTargets = std::move(adTargets);
    m_nSettleMs = nSettleMs;
    m_nAverageMs = nAverageMs;
    m_nPoint = 0;
    m_ePhase = m_adTargets.empty() ? ESweepPhase::Idle : ESweepPhase::Ramping;
}

void CSweep::Stop()
{
    m_ePhase = ESweepPhase::Idle;
}

double CSweep::Target() const
{
    return m_nPoint < m_adTargets.size() ? m_adTargets[m_nPoint] : 0.0;
}

void CSweep::EnterPhase(ESweepPhase ePhase, uint32_t nNow)
{
    m_ePhase = ePhase;
    m_nPhaseStart = nNow;
    m_stats = {};
}

bool CSweep::OnTick(uint32_t nNow, bool bReached, const CReading* pReading)
{
    // Differences of the wrapping millisecond count stay right across the wrap.
    const uint32_t nElapsed = nNow - m_nPhaseStart;
    switch (m_ePhase)
    {
    case ESweepPhase::Idle:
        return false;
    case ESweepPhase::Ramping:
        if (bReached)
            EnterPhase(ESweepPhase::Settling, nNow);
        return false;
    case ESweepPhase::Settling:
        // The reading of the tick that ends the settling is still settling.
        if (nElapsed >= m_nSettleMs)
            EnterPhase(ESweepPhase::Averaging, nNow);
        return false;
    case ESweepPhase::Averaging:
        if (pReading != nullptr)
        {
            m_stats.m_wind.Add(pReading->m_dWind);
            m_stats.m_lift.Add(pReading->m_dLift);
            m_stats.m_drag.Add(pReading->m_dDrag);
        }
        if (nElapsed < m_nAverageMs)
            return false;
        break;
    }
    m_doneStats = m_stats;
    m_dDoneTarget = m_adTargets[m_nPoint];
    ++m_nPoint;
    if (m_nPoint < m_adTargets.size())
        EnterPhase(ESweepPhase::Ramping, nNow);
    else
        m_ePhase = ESweepPhase::Idle;
    return true;
}

std::string CSweep::StatusText(uint32_t nNow, const char* pszUnit) const
{
    std::string strText = "Sweep point " + std::to_string(m_nPoint + 1) + " of " +
                          std::to_string(m_adTargets.size()) + ": " + FormatFixed(Target(), 0, 1) +
                          " " + pszUnit + ", ";
    const uint32_t nElapsed = nNow - m_nPhaseStart;
    uint32_t nWaitMs = 0;
    if (m_ePhase == ESweepPhase::Settling)
    {
        strText += "settling ";
        nWaitMs = m_nSettleMs;
    }
    else if (m_ePhase == ESweepPhase::Averaging)
    {
        strText += "averaging ";
        nWaitMs = m_nAverageMs;
    }
    else
        return strText + "ramping";
    // Whole seconds left, rounded up: the wait shows its full length as it begins.
    const uint32_t nLeftMs = nElapsed < nWaitMs ? nWaitMs - nElapsed : 0;
    return strText + std::to_string((nLeftMs + 999) / 1000) + " s";
}
