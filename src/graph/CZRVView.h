#pragma once

#include "graph/xygraph.h"
#include "platform/View.h"
#include "run/ForceZero.h"
#include "run/Sweep.h"
#include "run/SweepTable.h"

#include <functional>

struct CReading;

#include <string>

enum class EExportFormat;

// Kinds of RecordSample.
constexpr int SAMPLE_RECORD = 0;
constexpr int SAMPLE_CLEAR = 1;
constexpr int SAMPLE_END_MOTION = 2;

// The readout is rebuilt at most this often while recording, in milliseconds.
constexpr uint32_t READOUT_INTERVAL_MS = 200;
// The status line text is kept within this many characters, terminator included.
constexpr int STATUS_TEXT_SIZE = 200;

// The test view: the window's graph and everything a test consists of.
class CZRVView : public CView, protected xygraph
{
public:
    // Copies the units and maximum speed of the application's settings, sets the scales and
    // the program's air density for those units.
    CZRVView();

    // Framework overrides.
    void OnInitialUpdate() override;
    void OnPaint() override;
    void OnDraw(CDC* pDC) override;
    // Draws the page of a printer context (printable size from HORZRES and VERTRES).
    void OnPrint(CDC* pDC);

    // Routes a menu, toolbar or accelerator command to its handler; false when the view
    // has none.
    bool OnCmdMsg(int nId);

    // Commands.
    void OnClearGraph();
    // Configuration dialogs (src/dialogs).
    void OnConfigure();
    void OnAxis();
    void OnAirDensity();
    void OnComPort();
    // Test files, overlay and comments (src/files).
    void OnFileSave();
    void OnFileOpen();
    void OnFileExport();
    // Opens a test file as File Open does once its dialog is answered: a message when the
    // file cannot be read, then the scales for its units and a repaint. True when it was read.
    bool OpenTestFile(const std::string& strPath);
    // The bytes of the test in an export format: the current run as CSV, or the graph drawn
    // as on screen (a PDF: as printed) through the platform's picture maker, nWidth x nHeight
    // pixels. Empty when the picture could not be made. The window's picture, its speed
    // marker and its status line are left alone.
    std::string ExportBytes(EExportFormat eFormat, int nWidth, int nHeight);
    void OnSetOverlay();
    // Every slot of the run, slot 0 included, moves into the overlay; the run is left empty.
    void MoveRunToOverlay();
    void OnClearOverlay();
    void OnEnterComments();
    // Wind speed and sampling (src/run).
    void OnTimer(int nIdEvent) override;
    void OnLButtonDblClk(CPoint point) override;
    void SampleTick();
    void OnSetWindSpeed();
    void StepWindSpeed(double dStep);
    void OnWindUp1();
    void OnWindUp5();
    void OnWindDown5();
    void OnWindDown1();
    void OnStopWind();
    // The checks every speed request starts with: refused while communications are disabled
    // or the wind returns to zero, else the timer is stopped and an earlier run on the shown
    // range may be cleared. False when the command ends there.
    bool BeginSpeedRequest(bool bZeroSpeedsBeforeAsking);
    // Stop Wind's exchanges ("C", the end of the trace's motion, "O", with the recovery loop
    // when bRetry is 1); the smoothing states and both speeds start again from rest.
    void EndMotion(int bRetry);

    // Steady measurements (src/run): zeroing the balance and steady-point sweeps.
    void OnZeroForces();
    void OnSweep();
    void OnSweepResults();
    // Escape: ends a running sweep as Stop Wind does; nothing otherwise.
    void OnEscape();
    // Starts a checked sweep: the clear prompt, then the first speed. False when the speed
    // request was refused (communications disabled, the wind returning to zero).
    bool StartSweep(const CSweepSettings& settings);
    // Ends a sweep or a zeroing under way, as Stop Wind and new speed requests do; the wind
    // is left as it is.
    void EndSteadyMeasurements();
    bool IsSweeping() const { return m_sweep.IsActive(); }
    bool IsZeroing() const { return m_zero.IsCollecting(); }
    const CForceZero& ForceZero() const { return m_zero; }
    const CSweepTable& SweepResults() const { return m_sweepTable; }
    // The highest speed a sweep may ask for and the speed unit, as the view shows speeds.
    double DisplayMaxSpeed() const;
    const char* SpeedUnitName() const;
    // The reference length kept in the settings, in inches or centimetres as the view's
    // units are; 1 when none is kept.
    double StoredReferenceLength() const;
    // Called with each row as a point is finished (the headless program reports progress).
    std::function<void(const CSweepRow& row)> m_fnSweepPoint;

    // The one entry of samples: kind SAMPLE_RECORD stores one (display units) and redraws
    // the stretch it changed with exclusive-or; SAMPLE_CLEAR empties the run and the
    // comments; SAMPLE_END_MOTION restarts the trace at slot 0.
    void RecordSample(CDC* pDC, double dLift, double dDrag, double dWind, int nKind);

    // Unsaved tests (src/files). Unsaved: the run holds samples recorded since the test was
    // last opened or saved.
    bool IsUnsaved() const;
    // The test as it is now is kept in a file (saved, opened) or holds nothing to keep.
    void MarkKept() { m_bUnsaved = false; }
    // The test counts as unsaved whatever it holds (a recovered test).
    void MarkUnsaved() { m_bUnsaved = true; }
    // Before an unsaved test is thrown away: Yes saves it (Save As), No lets it go and removes
    // its recovery copy, Cancel keeps it. False when the action is to be cancelled.
    bool SaveBeforeDiscard();
    // Save As; true when the test was saved.
    bool SaveTest();
    // The test as the file writer sees it.
    const xygraph& Graph() const { return *this; }
    // Counts the samples recorded, so that a copy of the test knows whether it is current.
    uint32_t RunRevision() const { return m_nRunRevision; }

    // Repaints.
    void Repaint(CDC* pDC);
    void RedrawPlot(CDC* pDC);
    void DrawGraph(CDC* pDC);

    // Status line.
    void ShowReadout(double dWind, double dLift, double dDrag, double dCd, double dLD);
    void SetStatusText(const std::string& strText);

    double m_dFiltWind = 0.0;
    double m_dFiltLift = 0.0;
    double m_dFiltDrag = 0.0;

private:
    bool m_bUnsaved = false;
    uint32_t m_nRunRevision = 0;

    void DrawRunSpans(CDC* pDC, const CSlotSpan& span) const;
    // Records a sample (display units) and widens the wind or force axis when it reaches the
    // top of what is shown.
    void RecordAndWiden(double dLift, double dDrag, double dWind);
    // The parts of a tick while zeroing or sweeping; pReading null when no reading arrived.
    void ZeroTick(const CReading* pReading);
    void SweepTick(const CReading* pReading);
    // A finished sweep point: into the results and the run table.
    void RecordSweepPoint();
    // The air and model the points are reduced with, now.
    CAirConditions SweepAirConditions() const;

    CForceZero m_zero;
    CSweep m_sweep;
    CSweepTable m_sweepTable;
    CSweepSettings m_sweepSettings;
};
