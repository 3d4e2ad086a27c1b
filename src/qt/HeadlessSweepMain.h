#pragma once

#include <optional>

class QCommandLineParser;

// The sweep without a window (--sweep), once the command line is parsed and a Qt application
// object exists; no display is needed. Returns the program's exit status.
int RunSweepMode(const QCommandLineParser& parser);

// zorvantellique --sweep ...: the command line read for the sweep alone, on a plain
// application object. None when the arguments ask for no sweep.
std::optional<int> RunSweepCommandLine(int argc, char* argv[]);
