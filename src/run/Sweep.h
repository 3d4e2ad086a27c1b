#pragma once

#include "run/SteadyStats.h"

#include <cstdint>
#include <string>
#include <vector>

struct CReading;

// What the user asks a sweep for, in the view's units: speeds in mph or kph, times in
// seconds, the reference length in inches or centimetres.
struct CSweepSettings
{
    double m_dFrom = 10.0;
    double m_dTo = 40.0;
    double m_dStep = 10.0;
    double m_dSettle = 5.0;
    double m_dAverage = 3.0;
    double m_dLength = 1.0;
};

constexpr size_t MAX_SWEEP_POINTS = 100;
// Neither wait of a point may be longer than this, in seconds.
constexpr double MAX_SWEEP_WAIT_S = 3600.0;

// Empty when the settings make a sweep, else the message that says what is wrong. dMaxSpeed
// is the highest speed allowed, pszUnit its unit ("MPH", "KPH").
std::string CheckSweepSettings(const CSweepSettings& settings, double dMaxSpeed,
                               const char* pszUnit);
// The speeds of a checked sweep in order: From, then Step by Step towards To (down when To
// is below From), To itself when it lies on the steps.
std::vector<double> SweepTargets(const CSweepSettings& settings);

enum class ESweepPhase
{
    Idle,
    Ramping,   // the ramp goes towards the point's speed
    Settling,  // the ramp is there; the flow settles
    Averaging, // every reading counts
};

// The steps of a steady-point sweep, driven by the sampling ticks: it never talks to the
// instrument, it only says which speed to ask for and collects the readings it is given.
class CSweep
{
public:
    // Starts with the first of adTargets (the view's units); the waits in milliseconds.
    void Start(std::vector<double> adTargets, uint32_t nSettleMs, uint32_t nAverageMs);
    // Ends the sweep where it is; the points done so far stay done.
    void Stop();

    bool IsActive() const { return m_ePhase != ESweepPhase::Idle; }
    ESweepPhase Phase() const { return m_ePhase; }
    // The current point, 0-based, and how many there are.
    size_t PointIndex() const { return m_nPoint; }
    size_t PointCount() const { return m_adTargets.size(); }
    // The speed asked for now, in the view's units.
    double Target() const;

    // One tick at nNow (ms): bReached when the ramp has come to the target, pReading the
    // tick's reading (mph, pounds, zero offsets taken off) or null when none arrived. True
    // when a point was finished on this tick: its readings are in DoneStats(), and the sweep
    // then asks for the next speed, or is over.
    bool OnTick(uint32_t nNow, bool bReached, const CReading* pReading);
    const CSteadyStats& DoneStats() const { return m_doneStats; }
    // The speed of the point finished last, in the view's units.
    double DoneTarget() const { return m_dDoneTarget; }

    // "Sweep point 3 of 8: 30.0 MPH, settling 4 s" (or "averaging 2 s", or "ramping").
    std::string StatusText(uint32_t nNow, const char* pszUnit) const;

private:
    void EnterPhase(ESweepPhase ePhase, uint32_t nNow);

    std::vector<double> m_adTargets;
    uint32_t m_nSettleMs = 0;
    uint32_t m_nAverageMs = 0;
    ESweepPhase m_ePhase = ESweepPhase::Idle;
    size_t m_nPoint = 0;
    uint32_t m_nPhaseStart = 0;
    CSteadyStats m_stats;
    CSteadyStats m_doneStats;
    double m_dDoneTarget = 0.0;
};
