#pragma once

#include "app/HeadlessSweep.h"

#include <QString>
#include <QStringList>

// True when the program is asked for a sweep without a window ("--sweep" among the
// arguments, alone or as "--sweep=...").
bool IsSweepCommandLine(const QStringList& astrArguments);

// zorvantellique --sweep FROM:TO:STEP [--settle S] [--average S] [--length L]
//                [--units english|metric] [--zero] --csv OUT.csv
// False with the reason in strError when the arguments do not make a job.
bool ParseSweepCommandLine(const QStringList& astrArguments, CSweepJob& job, QString& strError);
