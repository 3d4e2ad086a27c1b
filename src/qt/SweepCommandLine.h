#pragma once

#include "app/HeadlessSweep.h"
#include "qt/CommandLine.h"

#include <QString>

// "--sweep FROM:TO:STEP" with --settle, --average, --length, --units, --zero and --csv: a
// steady-point sweep without a window, its table written as CSV.
CHeadlessMode SweepMode();

// The job the parsed options describe; false with "<option>: <reason>" in strError when they
// make none.
bool ReadSweepJob(const QCommandLineParser& parser, CSweepJob& job, QString& strError);
