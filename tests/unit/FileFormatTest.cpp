#include "RunViewFixture.h"

#include "files/TestFileReader.h"
#include "files/TestFileWriter.h"
#include "graph/xygraph.h"

#include <sstream>
#include <tuple>
#include <vector>

namespace
{

const std::string CRLF = "\r\n";

// A test file with ten comments "c1" .. "c10", the given units, area and data lines.
std::string MakeFile(const std::string& strUnits, const std::string& strArea,
                     const std::vector<std::string>& astrData)
{
    std::string strFile = "ZRV\r\n" + strUnits + CRLF + strArea + CRLF + "Comment Text=\r\n[\r\n";
    for (int i = 1; i <= 10; ++i)
        strFile += "c" + std::to_string(i) + CRLF;
    strFile += "]\r\nWind, Lift, Drag=\r\n[\r\n";
    for (const std::string& strLine : astrData)
        strFile += strLine + CRLF;
    return strFile + "]\r\n";
}

std::string MakeDataFile(const std::vector<std::string>& astrData)
{
    return MakeFile("Units= English", "Cd Area = 2.000000 sq.in.", astrData);
}

// A graph with an empty run in English units, area 1.0, and one comment.
class FileFormatTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_graph.ClearRun();
        m_graph.m_nUnits = 1;
        m_graph.m_dCdArea = 1.0;
        m_graph.m_astrComment[0] = "old";
        g_dAirDensity = STANDARD_AIR_DENSITY;
        g_nLastSlot = 0;
    }
    EReadResult Read(const std::string& strBytes)
    {
        std::istringstream file(strBytes);
        return ReadTestFile(file, m_graph);
    }
    // The slots other than 0 whose Lift is filled.
    std::vector<int> FilledSlots() const
    {
        std::vector<int> anSlots;
        for (int k = 1; k < RUN_SLOTS; ++k)
            if (m_graph.m_curLift.m_adRun[k] != EMPTY_SLOT)
                anSlots.push_back(k);
        return anSlots;
    }

    xygraph m_graph;
};

TEST_F(FileFormatTest, ReadLineDropsOneCarriageReturnAndCutsLongLines)
{
    struct
    {
        std::string m_strBytes;
        std::vector<std::string> m_astrLines; // then a read of 0
    } aCases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\r\nb", {"a\r", "b"}},
        {"a\rb\r\nc", {"ab", "c"}}, // a lone CR joins two lines
        {"a\r", {"a"}},
        {"\r\n\r\nx", {"", "", "x"}},
        {std::string(300, 'x') + "\r\nnext", {std::string(99, 'x'), "next"}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const auto& testCase : aCases)
    {
        SCOPED_TRACE(testCase.m_astrLines.front());
        std::istringstream file(testCase.m_strBytes);
        char szLine[TEST_LINE_SIZE];
        for (const std::string& strLine : testCase.m_astrLines)
        {
            int nCount = ReadLine(file, szLine);
            EXPECT_EQ(std::string(szLine, nCount), strLine);
            EXPECT_EQ(szLine[nCount], '\0');
        }
        EXPECT_EQ(ReadLine(file, szLine), 0);
        EXPECT_EQ(szLine[0], '\0');
    }
}

TEST_F(FileFormatTest, ReaderRules)
{
    using Slot = std::tuple<int, double, double>; // slot, lift, drag
    const std::string strArea = "Cd Area = 2.000000 sq.in.";
    const std::string strLongNumber = "1" + std::string(299, '0') + ", 1, 1";
    struct
    {
        const char* m_pszName;
        std::string m_strUnits;
        std::string m_strArea;
        std::vector<std::string> m_astrData;
        int m_nUnits;
        double m_dArea;
        std::vector<Slot> m_aFilled;
    } aCases[] = {
        {"metric", "Units= Metric", strArea, {}, 0, 2.0, {}},
        {"metric in any case", "units= METRIC", strArea, {}, 0, 2.0, {}},
        {"metric without blank", "Units=Metric", strArea, {}, 1, 2.0, {}},
        {"padded metric", "Units= Metric ", strArea, {}, 1, 2.0, {}},
        {"empty units line", "", strArea, {}, 1, 2.0, {}},
        {"area without number", "Units= English", "Cd Area = x sq.in.", {}, 1, 1.0, {}},
        {"area misspelt", "Units= English", "CD Area = 2.5 sq.in.", {}, 1, 1.0, {}},
        {"area infinite", "Units= English", "Cd Area = inf sq.in.", {}, 1, 1.0, {}},
        {"area without blanks", "Units= English", "Cd Area=2.5sq.in.", {}, 1, 2.5, {}},
        {"area without unit", "Units= English", "Cd Area = 3", {}, 1, 3.0, {}},
        {"area empty line", "Units= English", "", {}, 1, 1.0, {}},
        {"as written",
         "Units= English",
         strArea,
         {"+1.5, +0.200000, +0.100000"},
         1,
         2.0,
         {{15, 0.2, 0.1}}},
        {"no spaces", "Units= English", strArea, {"1.5,0.2,0.1"}, 1, 2.0, {{15, 0.2, 0.1}}},
        {"semicolons", "Units= English", strArea, {"1.5;0.2;0.1"}, 1, 2.0, {}},
        {"blank before comma", "Units= English", strArea, {"1.5 ,0.2,0.1"}, 1, 2.0, {}},
        {"two numbers", "Units= English", strArea, {"1.5, 0.2"}, 1, 2.0, {}},
        {"blank line ends the data",
         "Units= English",
         strArea,
         {"1, 0.1, 0.01", "", "2, 0.2, 0.02"},
         1,
         2.0,
         {{10, 0.1, 0.01}}},
        {"12.34 into slot 123",
         "Units= English",
         strArea,
         {"12.34, 0.5, 0.05"},
         1,
         2.0,
         {{123, 0.5, 0.05}}},
        {"slot 0 forced to zero", "Units= English", strArea, {"+0, +0.5, +0.3"}, 1, 2.0, {}},
        {"negative winds",
         "Units= English",
         strArea,
         {"-0.1, 1, 1", "-5, 1, 1", "-0.05, 1, 1"},
         1,
         2.0,
         {}},
        {"80 and above kept",
         "Units= English",
         strArea,
         {"80, 0.8, 0.08", "139.9, 1.3999, 0.14"},
         1,
         2.0,
         {{800, 0.8, 0.08}, {1399, 1.3999, 0.14}}},
        {"metric 80 and above kept",
         "Units= Metric",
         strArea,
         {"100, 0.8, 0.08"},
         0,
         2.0,
         {{1000, 0.8, 0.08}}},
        {"140 and above skipped",
         "Units= English",
         strArea,
         {"140, 1, 1", "140.05, 1, 1", "1e300, 1, 1"},
         1,
         2.0,
         {}},
        {"later line replaces earlier",
         "Units= English",
         strArea,
         {"5, 0.1, 0.01", "5.05, 0.2, 0.02"},
         1,
         2.0,
         {{50, 0.2, 0.02}}},
        {"not finite",
         "Units= English",
         strArea,
         {"nan, 1, 1", "1, inf, 1", "2, 1, nan"},
         1,
         2.0,
         {}},
        {"300 characters",
         "Units= English",
         strArea,
         {"2.5, 0.25, 0.025" + std::string(290, ' '), strLongNumber, "4, 0.4, 0.04"},
         1,
         2.0,
         {{25, 0.25, 0.025}, {40, 0.4, 0.04}}},
    };
    for (const auto& testCase : aCases)
    {
        SCOPED_TRACE(testCase.m_pszName);
        SetUp();
        ASSERT_EQ(Read(MakeFile(testCase.m_strUnits, testCase.m_strArea, testCase.m_astrData)),
                  EReadResult::Read);
        EXPECT_EQ(m_graph.m_nUnits, testCase.m_nUnits);
        EXPECT_EQ(m_graph.m_dCdArea, testCase.m_dArea);
        std::vector<int> anExpected;
        for (const auto& [nSlot, dLift, dDrag] : testCase.m_aFilled)
        {
            anExpected.push_back(nSlot);
            EXPECT_EQ(m_graph.m_curLift.m_adRun[nSlot], dLift) << nSlot;
            EXPECT_EQ(m_graph.m_curDrag.m_adRun[nSlot], dDrag) << nSlot;
        }
        EXPECT_EQ(FilledSlots(), anExpected);
        for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
            EXPECT_EQ(m_graph.Series(nSeries).m_adRun[0], 0.0) << nSeries;
    }
}

TEST_F(FileFormatTest, CdAndLDRecomputedWithTheFilesUnitsAndTheLowSpeedRule)
{
    g_dAirDensity = STANDARD_AIR_DENSITY / KGM3_TO_LBFT3;
    ASSERT_EQ(Read(MakeFile("Units= Metric", "Cd Area = 3.000000 sq.in.",
                            {"4.9, 0.2, 0.1", "5, 0.2, 0.1", "20, 0.5, 0.1"})),
              EReadResult::Read);
    EXPECT_EQ(m_graph.m_curCd.m_adRun[49], 0.0);
    EXPECT_EQ(m_graph.m_curLD.m_adRun[49], 0.0);
    EXPECT_NE(m_graph.m_curCd.m_adRun[50], 0.0);
    EXPECT_DOUBLE_EQ(m_graph.m_curLD.m_adRun[50], 2.0);

    xygraph metric;
    metric.m_nUnits = 0;
    metric.m_dCdArea = 3.0;
    EXPECT_EQ(m_graph.m_curCd.m_adRun[200], metric.ComputeCd(20, 0.1));
    EXPECT_DOUBLE_EQ(m_graph.m_curLD.m_adRun[200], 5.0);
    EXPECT_EQ(m_graph.m_axWind.m_dMax, 140.0); // metric base range applied
}

TEST_F(FileFormatTest, TenCommentsTakenByPositionLongOnesCut)
{
    std::string strFile = "ZRV\r\nUnits= English\r\nCd Area = 1.0 sq.in.\r\nanything\r\n\r\n";
    std::vector<std::string> astrComments = {
        "Wing A", "", std::string(300, 'x'), "4", "5", "line 6", "7", "8", "9", "line 10"};
    for (const std::string& strComment : astrComments)
        strFile += strComment + CRLF;
    strFile += "x\r\ny\r\n[\r\n12.5, 0.5, 0.05\r\n";
    ASSERT_EQ(Read(strFile), EReadResult::Read);
    astrComments[2].resize(TEST_LINE_SIZE - 1);
    for (int k = 0; k < COMMENT_LINES; ++k)
        EXPECT_EQ(m_graph.m_astrComment[k], astrComments[k]) << k;
    EXPECT_EQ(FilledSlots(), std::vector<int>{125});
}

TEST_F(FileFormatTest, WrongMagicChangesNothing)
{
    const std::string strRest = "Units= Metric\r\nCd Area = 2.0 sq.in.\r\n";
    for (const std::string& strBytes : {"ZRV\n" + strRest, "zrv\r\n" + strRest,
                                        " ZRV\r\n" + strRest, std::string("ZRV\r"), std::string()})
    {
        SCOPED_TRACE(strBytes);
        m_graph.m_curLift.m_adRun[50] = 0.5;
        EXPECT_EQ(Read(strBytes), EReadResult::NotTestFile);
        EXPECT_EQ(m_graph.m_curLift.m_adRun[50], 0.5);
        EXPECT_EQ(m_graph.m_nUnits, 1);
        EXPECT_EQ(m_graph.m_dCdArea, 1.0);
        EXPECT_EQ(m_graph.m_astrComment[0], "old");
    }
}

TEST_F(FileFormatTest, TruncatedFileLeavesTheRestEmpty)
{
    m_graph.m_curLift.m_adRun[50] = 0.5;
    ASSERT_EQ(Read("ZRV\r\nUnits= Metric\r\n"), EReadResult::Read);
    EXPECT_EQ(m_graph.m_nUnits, 0);
    EXPECT_EQ(m_graph.m_dCdArea, 1.0);
    for (const std::string& strComment : m_graph.m_astrComment)
        EXPECT_EQ(strComment, "");
    EXPECT_TRUE(FilledSlots().empty());

    // A last data line cut off before its line end still counts.
    std::string strFile = MakeDataFile({"1, 0.1, 0.01", "2, 0.2, 0.02"});
    ASSERT_EQ(Read(strFile.substr(0, strFile.size() - 5)), EReadResult::Read);
    EXPECT_EQ(FilledSlots(), (std::vector<int>{10, 20}));
}

TEST_F(FileFormatTest, ReadingKeepsOverlayAndTheRecordersLastSlot)
{
    g_nLastSlot = 300;
    m_graph.m_curDrag.m_adOverlay[40] = 0.25;
    ASSERT_EQ(Read(MakeDataFile({"1, 0.1, 0.01"})), EReadResult::Read);
    EXPECT_EQ(g_nLastSlot, 300);
    EXPECT_EQ(m_graph.m_curDrag.m_adOverlay[40], 0.25);
}

TEST_F(FileFormatTest, WriterBytesForARunOfThreeSamples)
{
    m_graph.m_astrComment[0] = "Wing A";
    m_graph.StoreSample(5, 0.012345, 0.001234, 0.5);
    m_graph.StoreSample(123, -0.5, 0.25, 12.3);
    EXPECT_EQ(FormatTestFile(m_graph), "ZRV\r\n"
                                       "Units= English\r\n"
                                       "Cd Area = 1.000000 sq.in.\r\n"
                                       "Comment Text=\r\n"
                                       "[\r\n"
                                       "Wing A\r\n"
                                       "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                                       "]\r\n"
                                       "Wind, Lift, Drag=\r\n"
                                       "[\r\n"
                                       "+0, +0.000000, +0.000000\r\n"
                                       "+0.5, +0.012345, +0.001234\r\n"
                                       "+12.3, -0.500000, +0.250000\r\n"
                                       "]\r\n");
}

TEST_F(FileFormatTest, WriterTestsOnlyLiftAndNeverWritesSlot1400)
{
    m_graph.m_nUnits = 0;
    m_graph.m_astrComment[0].clear();
    m_graph.m_astrComment[9] = "last";
    m_graph.m_curLift.m_adRun[0] = EMPTY_SLOT;
    m_graph.m_curLift.m_adRun[100] = 1.0; // its drag stays empty
    m_graph.m_curLift.m_adRun[1399] = 2.0;
    m_graph.m_curDrag.m_adRun[1399] = 0.5;
    m_graph.m_curLift.m_adRun[1400] = 3.0;
    m_graph.m_curDrag.m_adRun[700] = 0.5; // no lift: not written
    EXPECT_EQ(FormatTestFile(m_graph), "ZRV\r\n"
                                       "Units= Metric\r\n"
                                       "Cd Area = 1.000000 sq.in.\r\n"
                                       "Comment Text=\r\n"
                                       "[\r\n"
                                       "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                                       "last\r\n"
                                       "]\r\n"
                                       "Wind, Lift, Drag=\r\n"
                                       "[\r\n"
                                       "+10, +1.000000, -999999.900000\r\n"
                                       "+139.9, +2.000000, +0.500000\r\n"
                                       "]\r\n");
}

TEST_F(FileFormatTest, HugeValuesAreBoundedToFitTheLineBuffer)
{
    m_graph.m_dCdArea = 1e300;
    m_graph.m_curLift.m_adRun[1234] = 1e300;
    m_graph.m_curDrag.m_adRun[1234] = -1e300;
    std::string strFile = FormatTestFile(m_graph);
    EXPECT_NE(strFile.find("Cd Area = 1000000000.000000 sq.in.\r\n"), std::string::npos);
    EXPECT_NE(strFile.find("+123.4, +1000000000.000000, -1000000000.000000\r\n"),
              std::string::npos);
    std::istringstream lines(strFile);
    for (std::string strLine; std::getline(lines, strLine);)
        EXPECT_LT(strLine.size(), size_t(TEST_FORMAT_SIZE)) << strLine;
}

TEST_F(FileFormatTest, NumbersIgnoreTheProcessLocale)
{
    m_graph.StoreSample(125, 0.5, 0.25, 12.5);
    m_graph.m_dCdArea = 1.5;
    std::string strInC = FormatTestFile(m_graph);
    CGermanLocale german;
    ASSERT_TRUE(german.m_bSet);
    EXPECT_EQ(FormatTestFile(m_graph), strInC);
    SetUp();
    ASSERT_EQ(Read(strInC), EReadResult::Read);
    EXPECT_EQ(m_graph.m_dCdArea, 1.5);
    EXPECT_EQ(m_graph.m_curLift.m_adRun[125], 0.5);
    EXPECT_EQ(m_graph.m_curDrag.m_adRun[125], 0.25);
}

} // namespace
