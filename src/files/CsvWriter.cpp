#include "files/CsvWriter.h"

#include "files/TestFileFormat.h"
#include "graph/FixedFormat.h"
#include "graph/xygraph.h"

#include <algorithm>

namespace
{

constexpr const char* ENGLISH_HEADER = "wind_mph,lift_lbs,drag_lbs,cd,l_d\r\n";
constexpr const char* METRIC_HEADER = "wind_kph,lift_kg,drag_kg,cd,l_d\r\n";

// Forces carry the bound the test file writes them with, so both files hold the same numbers.
std::string Force(double dValue)
{
    return FormatFixed(std::clamp(dValue, -TEST_FILE_VALUE_LIMIT, TEST_FILE_VALUE_LIMIT), 0, 6);
}

} // namespace

std::string FormatCsv(const xygraph& graph)
{
    std::string strCsv = graph.m_nUnits != 0 ? ENGLISH_HEADER : METRIC_HEADER;
    // The rows the test file holds: slot 1400 is never written there either.
    for (int k = 0; k < LAST_SLOT; ++k)
    {
        if (graph.m_curLift.m_adRun[k] == EMPTY_SLOT)
            continue;
        strCsv += FormatFixed(k / 10.0, 0, 1);
        strCsv += ',';
        strCsv += Force(graph.m_curLift.m_adRun[k]);
        strCsv += ',';
        strCsv += Force(graph.m_curDrag.m_adRun[k]);
        strCsv += ',';
        strCsv += FormatFixed(graph.m_curCd.m_adRun[k], 0, 4);
        strCsv += ',';
        strCsv += FormatFixed(graph.m_curLD.m_adRun[k], 0, 4);
        strCsv += "\r\n";
    }
    return strCsv;
}
