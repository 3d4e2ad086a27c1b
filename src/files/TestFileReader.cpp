#include "files/TestFileReader.h"

#include "files/CommentText.h"
#include "graph/xygraph.h"
#include "link/ReplyScanner.h"

#include <cctype>
#include <cstring>
#include <string_view>

namespace
{

using Traits = std::istream::traits_type;

bool IsBlank(char ch)
{
    return std::isspace(static_cast<unsigned char>(ch)) != 0;
}

bool EqualsNoCase(std::string_view strA, std::string_view strB)
{
    if (strA.size() != strB.size())
        return false;
    for (size_t i = 0; i < strA.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(strA[i])) !=
            std::tolower(static_cast<unsigned char>(strB[i])))
            return false;
    return true;
}

// Scans "Cd Area = <number>" the way a scanf format does: each blank of the pattern matches
// any run of blanks, including none. What follows the number is not examined.
bool ScanCdArea(std::string_view strLine, double& dArea)
{
    constexpr std::string_view strPattern = "Cd Area =";
    size_t nPos = 0;
    for (char ch : strPattern)
    {
        if (IsBlank(ch))
        {
            while (nPos < strLine.size() && IsBlank(strLine[nPos]))
                ++nPos;
        }
        else if (nPos < strLine.size() && strLine[nPos] == ch)
            ++nPos;
        else
            return false;
    }
    CReplyScanner scanner(strLine.substr(nPos));
    return scanner.Double(dArea);
}

// "<wind>, <lift>, <drag>": blanks allowed before each number, none before a comma.
bool ScanDataLine(std::string_view strLine, double& dWind, double& dLift, double& dDrag)
{
    CReplyScanner scanner(strLine);
    return scanner.Double(dWind) && scanner.Literal(',') && scanner.Double(dLift) &&
           scanner.Literal(',') && scanner.Double(dDrag);
}

void SkipLines(std::istream& file, int nLines)
{
    char szLine[TEST_LINE_SIZE];
    for (int i = 0; i < nLines; ++i)
        ReadLine(file, szLine);
}

void ReadDataLine(xygraph& graph, std::string_view strLine)
{
    double dWind = 0.0;
    double dLift = 0.0;
    double dDrag = 0.0;
    if (!ScanDataLine(strLine, dWind, dLift, dDrag))
        return;
    int nSlot = SlotOfWind(dWind);
    if (nSlot < 0 || !(dWind < TEST_FILE_WIND_LIMIT))
        return;
    graph.StoreSample(nSlot, dLift, dDrag, dWind);
    // Every curve starts at the origin, whatever the file recorded there.
    if (nSlot == 0)
        for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
            graph.Series(nSeries).m_adRun[0] = 0.0;
}

} // namespace

int ReadLine(std::istream& file, char (&szLine)[TEST_LINE_SIZE])
{
    int nCount = 0;
    for (Traits::int_type ch = file.get(); !Traits::eq_int_type(ch, Traits::eof()); ch = file.get())
    {
        if (ch == '\r' && Traits::eq_int_type(ch = file.get(), Traits::eof()))
            break;
        if (ch == '\n')
            break;
        if (nCount < TEST_LINE_SIZE - 1)
            szLine[nCount++] = Traits::to_char_type(ch);
    }
    szLine[nCount] = '\0';
    return nCount;
}

EReadResult ReadTestFile(std::istream& file, xygraph& graph)
{
    char szLine[TEST_LINE_SIZE];
    file.read(szLine, TEST_FILE_MAGIC_SIZE);
    if (file.gcount() == 0 && file.bad())
        return EReadResult::Unreadable;
    if (file.gcount() != TEST_FILE_MAGIC_SIZE ||
        std::memcmp(szLine, TEST_FILE_MAGIC, TEST_FILE_MAGIC_SIZE) != 0)
        return EReadResult::NotTestFile;

    // The recorder's trace goes on from where it was: only the table is emptied.
    int nLastSlot = g_nLastSlot;
    graph.ClearRun();
    g_nLastSlot = nLastSlot;

    ReadLine(file, szLine);
    graph.m_nUnits = EqualsNoCase(szLine, "Units= Metric") ? 0 : 1;
    ReadLine(file, szLine);
    double dArea = 0.0;
    if (ScanCdArea(szLine, dArea))
        graph.m_dCdArea = dArea;
    graph.ApplyUnitRanges();

    SkipLines(file, 2); // "Comment Text=", "["
    for (std::string& strComment : graph.m_astrComment)
    {
        ReadLine(file, szLine);
        strComment = CommentLine(szLine);
    }
    SkipLines(file, 2); // "]", "Wind, Lift, Drag="

    // Labels and brackets are known by their places only: the "[" line opens the data, which
    // runs to the first empty line or the end; "]" falls out as a line without numbers.
    while (ReadLine(file, szLine) > 0)
        ReadDataLine(graph, szLine);
    return EReadResult::Read;
}
