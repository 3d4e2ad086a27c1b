#pragma once

#include <string>

struct CSweepTable;

// Writes the sweep table as CSV to strPath (beside it first, then renamed over it). Empty on
// success, else the message that says why not.
std::string WriteSweepCsv(const std::string& strPath, const CSweepTable& table);

// Asks for a file name and saves the table there; a failure is reported in a message box.
void SaveSweepCsvAs(const CSweepTable& table);
