#pragma once

#include "graph/xygraph.h"

#include <string>

// An export without a window: a test file (and another as its overlay) drawn or written as a
// file whose extension names the format.
struct CExportRequest
{
    std::string m_strOut;
    std::string m_strTest;
    std::string m_strOverlay; // none when empty
    int m_nWidth = 0;         // PNG and SVG; 0: the default size
    int m_nHeight = 0;
    // Lift, Drag, Cd, L/D shown: those a newly started program shows unless asked otherwise.
    int m_abShow[SERIES_COUNT] = {1, 1, 0, 0};
    // Scale index of the wind, force, Cd and L/D axes; 0: the smallest range of the axis's
    // table that holds the data shown.
    int m_anScale[SERIES_COUNT] = {0, 0, 0, 0};
};

// Parsers of the command line's values. Each returns an empty text when the value is taken,
// else why not.
// "WIDTHxHEIGHT", each 16 .. 8000 pixels.
std::string ParseSize(const std::string& strValue, CExportRequest& request);
// A comma-separated subset of "lift,drag,cd,ld", at least one: exactly those are shown.
std::string ParseCurves(const std::string& strValue, CExportRequest& request);
// "wind=N,force=N,cd=N,ld=N", any of them, in any order: wind 1 .. 5, the others 1 .. 6.
std::string ParseScales(const std::string& strValue, CExportRequest& request);

// Writes the export; an empty text on success, else the one line that says what failed:
// "zorvantellique: <path>: <reason>" (not found, cannot be read, not a test file, unknown
// format, cannot write). On failure the output file is as it was. Cd and L/D use the standard
// air density of the test's units.
std::string RunExport(const CExportRequest& request);
