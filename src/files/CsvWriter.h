#pragma once

#include <string>

class xygraph;

// The current run as CSV (RFC 4180): a header naming the columns in the graph's units, then
// one row per filled Lift slot 0 .. 1399 in slot order: wind (one decimal), lift and drag
// (six, bounded as in the test file), Cd and L/D (four). Comma separated, '.' as the decimal
// point whatever the process locale, CR LF after every row, plain ASCII (valid UTF-8, no BOM).
std::string FormatCsv(const xygraph& graph);
