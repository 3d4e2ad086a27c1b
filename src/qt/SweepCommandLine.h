#pragma once

#include "app/HeadlessSweep.h"

#include <QString>

class QCommandLineParser;

// The sweep's options: --sweep FROM:TO:STEP [--settle S] [--average S] [--length L]
// [--units english|metric] [--zero] --csv OUT.csv.
void AddSweepOptions(QCommandLineParser& parser);
// True when the parsed command line asks for a sweep.
bool SweepRequested(const QCommandLineParser& parser);
// The job the parsed options describe; false with the reason in strError when they make none.
bool ReadSweepJob(const QCommandLineParser& parser, CSweepJob& job, QString& strError);
