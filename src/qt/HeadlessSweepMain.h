#pragma once

class QCommandLineParser;

// The sweep without a window (--sweep), once the command line is parsed; no display is
// needed. Returns the program's exit status.
int RunSweepMode(const QCommandLineParser& parser);
