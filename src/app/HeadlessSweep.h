#pragma once

#include "run/Sweep.h"
#include "run/WindShutdown.h"

#include <functional>
#include <string>

class CZRVView;

// Exit codes of a sweep run from the command line (a signal gives 128 + its number).
constexpr int SWEEP_EXIT_OK = 0;
constexpr int SWEEP_EXIT_FAILED = 1;        // bad arguments, a lost link, an unwritable file
constexpr int SWEEP_EXIT_NO_INSTRUMENT = 2; // discovery found none

// What the command line asks for.
struct CSweepJob
{
    CSweepSettings m_settings;
    bool m_bLengthGiven = false; // else the reference length of the settings
    int m_nUnits = -1;           // 1 English, 0 metric, -1 as the settings say
    bool m_bZero = false;
    std::string m_strCsvPath;
};

// A sweep without a window, on a view whose ticks the caller drives: the wind stopped first
// if it runs, the balance zeroed when asked, the sweep, and its table written as CSV. Each
// step waits for the view's own sampling ticks to finish the one before.
class CHeadlessSweep
{
public:
    CHeadlessSweep(CZRVView& view, CSweepJob job);

    // Starts, once discovery is done; it may be over at once (no instrument, bad settings).
    void Begin();
    // After each sampling tick of the view; bTimerRunning says whether its timer still runs.
    void AfterTick(bool bTimerRunning);
    // SIGINT or SIGTERM: ends the sweep and stops the wind as the program does when it lets
    // go of the instrument (no questions, the status watched until the wind is at rest), then
    // writes the points measured so far and ends with 128 + the signal's number.
    void Interrupt(int nSignal);

    bool IsDone() const { return m_eStep == EStep::Done; }
    int ExitCode() const { return m_nExitCode; }

    // Where the progress lines and the reasons for failing go, one line each.
    std::function<void(const std::string& strLine)> m_fnReport;

private:
    enum class EStep
    {
        StoppingFirst,
        Zeroing,
        Sweeping,
        StoppingOnSignal,
        Done,
    };

    void ZeroOrSweep();
    void StartSweep();
    // Writes the results (unless nothing was measured for want of an instrument) and ends.
    void Finish(int nExitCode, bool bWrite = true);
    void Report(const std::string& strLine) const;

    CZRVView& m_view;
    CSweepJob m_job;
    EStep m_eStep = EStep::StoppingFirst;
    int m_nExitCode = SWEEP_EXIT_OK;
    int m_nSignalExitCode = 0;
    CWindShutdown m_shutdown;
};
