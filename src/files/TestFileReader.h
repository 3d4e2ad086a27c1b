#pragma once

#include "files/TestFileFormat.h"

#include <istream>

class xygraph;

// Reads one line into szLine: a CR is dropped (the byte after it is taken instead), a LF ends
// the line and is not stored, the end of the file ends it too. Text beyond the buffer is
// dropped, the rest of the line still consumed. Returns the number of characters stored;
// szLine is always terminated.
int ReadLine(std::istream& file, char (&szLine)[TEST_LINE_SIZE]);

enum class EReadResult
{
    Read,        // the run table, comments, units and (when its line matched) Cd area replaced
    Unreadable,  // the file gave no bytes; nothing changed
    NotTestFile, // the magic did not match; nothing changed
};

// Reads a test file from its first byte into the graph. The run table's Cd and L/D are
// recomputed with the units and area read and the air density in memory; the overlay, the
// last recorded slot and the scales are left alone.
EReadResult ReadTestFile(std::istream& file, xygraph& graph);
