#pragma once

#include "run/SweepRow.h"

#include <string>
#include <vector>

// The results of the last sweep, in the units it was run in.
struct CSweepTable
{
    int m_nUnits = 1; // 1 English, 0 metric
    std::vector<CSweepRow> m_aRows;
};

// Every column of a row, named for the CSV header with its unit: "wind_mph", "lift_sd_lbs".
std::vector<std::string> SweepColumnHeadings(int nUnits);
// The row's numbers in the columns of SweepColumnHeadings, '.' decimals whatever the locale;
// a value that does not exist (no readings, no drag for L/D) is an empty text.
std::vector<std::string> SweepColumnTexts(const CSweepRow& row);

// The table as CSV (RFC 4180: CRLF line ends, a header line, fields quoted where needed).
std::string SweepCsv(const CSweepTable& table);
// The table as tab-separated lines, for pasting into a spreadsheet.
std::string SweepTabText(const CSweepTable& table);

// The window's shorter table: a mean and its spread in one column ("0.1234 ± 0.0012").
std::vector<std::string> SweepWindowHeadings(int nUnits);
std::vector<std::string> SweepWindowTexts(const CSweepRow& row);
