#include "files/TestFileWriter.h"

#include "files/TestFileFormat.h"
#include "graph/xygraph.h"

#include <charconv>

namespace
{

constexpr const char* CRLF = "\r\n";

// "%f" (six decimals) of the value bounded to TEST_FILE_VALUE_LIMIT, with "+" before a
// value that has no "-" when bSign is set ("%+f").
void AppendFixed(std::string& strLine, double dValue, bool bSign)
{
    // NaN passes the bounds unchanged and is written as "nan", which fits.
    if (dValue > TEST_FILE_VALUE_LIMIT)
        dValue = TEST_FILE_VALUE_LIMIT;
    else if (dValue < -TEST_FILE_VALUE_LIMIT)
        dValue = -TEST_FILE_VALUE_LIMIT;
    char szNumber[TEST_FORMAT_SIZE];
    auto result =
        std::to_chars(szNumber, szNumber + sizeof szNumber, dValue, std::chars_format::fixed, 6);
    if (bSign && szNumber[0] != '-')
        strLine += '+';
    strLine.append(szNumber, result.ptr);
}

// "%+g" of a slot's wind speed, k / 10.
void AppendWind(std::string& strLine, int nSlot)
{
    char szNumber[TEST_FORMAT_SIZE];
    auto result = std::to_chars(szNumber, szNumber + sizeof szNumber, nSlot / 10.0,
                                std::chars_format::general, 6);
    strLine += '+';
    strLine.append(szNumber, result.ptr);
}

} // namespace

std::string FormatTestFile(const xygraph& graph)
{
    std::string strFile = TEST_FILE_MAGIC;
    strFile += graph.m_nUnits != 0 ? "Units= English\r\n" : "Units= Metric\r\n";
    strFile += "Cd Area = ";
    AppendFixed(strFile, graph.m_dCdArea, false);
    strFile += " sq.in.\r\n";
    strFile += "Comment Text=\r\n[\r\n";
    for (const std::string& strComment : graph.m_astrComment)
        strFile += strComment + CRLF;
    strFile += "]\r\nWind, Lift, Drag=\r\n[\r\n";

    const double* adLift = graph.m_curLift.m_adRun;
    const double* adDrag = graph.m_curDrag.m_adRun;
    // Slot 1400 is never written: it would read back as a wind at the limit.
    for (int k = 0; k < LAST_SLOT; ++k)
    {
        if (adLift[k] == EMPTY_SLOT)
            continue;
        AppendWind(strFile, k);
        strFile += ", ";
        AppendFixed(strFile, adLift[k], true);
        strFile += ", ";
        AppendFixed(strFile, adDrag[k], true);
        strFile += CRLF;
    }
    strFile += "]\r\n";
    return strFile;
}
