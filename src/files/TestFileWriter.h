#pragma once

#include <string>

class xygraph;

// The bytes of a test file for the graph's run: magic, units, Cd area, the ten comments and
// one "%+g, %+f, %+f" line per filled Lift slot 0 .. 1399, every line ending in CR LF.
// Numbers are written with '.' whatever the process locale.
std::string FormatTestFile(const xygraph& graph);
