// Feeds arbitrary bytes to the test file reader, then checks that what it read writes out as a
// file that reads back to the same bytes.

#include "files/TestFileReader.h"
#include "files/TestFileWriter.h"
#include "graph/xygraph.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

namespace
{

void Check(bool bCondition, const char* pszWhat)
{
    if (!bCondition)
    {
        std::fprintf(stderr, "file reader: %s\n", pszWhat);
        std::abort();
    }
}

EReadResult Read(const std::string& strBytes, xygraph& graph)
{
    std::istringstream file(strBytes);
    return ReadTestFile(file, graph);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    auto pGraph = std::make_unique<xygraph>();
    pGraph->ClearRun();
    if (Read(std::string(reinterpret_cast<const char*>(pData), nSize), *pGraph) !=
        EReadResult::Read)
        return 0;
    Check(pGraph->m_nUnits == 0 || pGraph->m_nUnits == 1, "units mode");
    for (const std::string& strComment : pGraph->m_astrComment)
        Check(strComment.size() < TEST_LINE_SIZE, "comment longer than the line buffer");

    // A CR inside a comment joins it with the next byte when read again; the line format
    // cannot carry one, so it is left out of the comparison.
    for (std::string& strComment : pGraph->m_astrComment)
        std::erase(strComment, '\r');
    std::string strWritten = FormatTestFile(*pGraph);
    auto pReread = std::make_unique<xygraph>();
    pReread->ClearRun();
    Check(Read(strWritten, *pReread) == EReadResult::Read, "written file refused");
    Check(FormatTestFile(*pReread) == strWritten, "written file does not read back the same");
    return 0;
}
