#pragma once

#include "run/SteadyStats.h"

#include <cstdint>

struct CReading;

// Zeroing takes the readings of this long, in milliseconds.
constexpr uint32_t ZERO_AVERAGE_MS = 2000;

// The balance's zero: lift and drag read with the wind off, in pounds, taken off every later
// reading until the next zero or the end of the program.
class CForceZero
{
public:
    // Starts collecting readings; the offsets held so far stay in force until it ends.
    void Begin(uint32_t nNow);
    void Cancel() { m_bCollecting = false; }
    bool IsCollecting() const { return m_bCollecting; }

    // A sampling tick while collecting, with its raw reading or null. True when the time is
    // over: the offsets are then the mean of the readings, or unchanged when none arrived
    // (Readings() is 0).
    bool OnTick(uint32_t nNow, const CReading* pReading);
    size_t Readings() const { return m_stats.m_lift.Count(); }

    bool IsHeld() const { return m_bHeld; }
    double Lift() const { return m_dLift; }
    double Drag() const { return m_dDrag; }
    // Takes the held offsets off a reading.
    void Apply(CReading& reading) const;

private:
    bool m_bCollecting = false;
    uint32_t m_nStart = 0;
    CSteadyStats m_stats;
    bool m_bHeld = false;
    double m_dLift = 0.0;
    double m_dDrag = 0.0;
};
