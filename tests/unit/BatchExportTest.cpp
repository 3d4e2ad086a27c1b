// Exports without a window: the command line's values, the scales chosen for the data, the
// overlay, and Cd from the units of the file.
#include "FakePictures.h"
#include "FileTestSupport.h"

#include "files/BatchExport.h"
#include "files/TestFileWriter.h"

#include <algorithm>

namespace
{

class BatchExportTest : public FileViewTest
{
protected:
    void SetUp() override
    {
        FileViewTest::SetUp();
        g_platform.m_pPictures = &m_pictures;
    }
    // A test file of the window's view with samples at the given winds; returns its path.
    std::string WriteTest(const std::string& strName, std::initializer_list<double> adWind,
                          double dLift, double dDrag)
    {
        for (double dWind : adWind)
            Graph().StoreSample(SlotOfWind(dWind), dLift, dDrag, dWind);
        WriteBytes(PathOf(strName), FormatTestFile(Graph()));
        Graph().ClearRun();
        return PathOf(strName);
    }
    // The texts of the last picture.
    bool Drew(const std::string& strText) const
    {
        const auto& aTexts = m_pictures.m_log.m_aTexts;
        return std::any_of(aTexts.begin(), aTexts.end(),
                           [&](const CDrawnText& text) { return text.m_strText == strText; });
    }
    bool DrewLineIn(COLORREF cr) const
    {
        const auto& aLines = m_pictures.m_log.m_aLines;
        return std::any_of(aLines.begin(), aLines.end(),
                           [&](const CDrawnLine& line) { return line.m_cr == cr; });
    }

    CFakePictureMaker m_pictures;
};

} // namespace

TEST(BatchExportValuesTest, ValuesTakenAndRefused)
{
    CExportRequest request;
    EXPECT_EQ(ParseSize("800x600", request), "");
    EXPECT_EQ(request.m_nWidth, 800);
    EXPECT_EQ(request.m_nHeight, 600);
    for (const char* pszSize : {"", "800", "800x", "x600", "15x600", "800x8001", "80 x600",
                                "800X600", "-800x600", "800x600x2", "99999999999x1"})
        EXPECT_NE(ParseSize(pszSize, request), "") << pszSize;
    EXPECT_EQ(request.m_nWidth, 800);

    EXPECT_EQ(ParseCurves("ld,cd", request), "");
    EXPECT_EQ(std::vector<int>(request.m_abShow, request.m_abShow + 4),
              (std::vector<int>{0, 0, 1, 1}));
    for (const char* pszCurves : {"", "lift,", "Lift", "lift drag", "l/d"})
        EXPECT_NE(ParseCurves(pszCurves, request), "") << pszCurves;
    EXPECT_EQ(request.m_abShow[2], 1);

    EXPECT_EQ(ParseScales("force=6,wind=5", request), "");
    EXPECT_EQ(ParseScales("ld=1", request), "");
    EXPECT_EQ(std::vector<int>(request.m_anScale, request.m_anScale + 4),
              (std::vector<int>{5, 6, 0, 1}));
    for (const char* pszScales :
         {"", "wind=6", "wind=0", "force=7", "cd", "cd=", "lift=2", "wind=2,", "wind = 2"})
        EXPECT_NE(ParseScales(pszScales, request), "") << pszScales;
    EXPECT_EQ(request.m_anScale[0], 5);
}

TEST_F(BatchExportTest, ScalesHoldTheDataUnlessGiven)
{
    // Up to 9 mph and 0.3 lbs: wind 0..10.625 (labels to 10.0), force 0..0.5 (to 0.450).
    CExportRequest request;
    request.m_strTest = WriteTest("small.ZRV", {1.0, 5.0, 9.0}, 0.3, -0.1);
    request.m_strOut = PathOf("small.png");
    ASSERT_EQ(RunExport(request), "");
    EXPECT_TRUE(Drew("10.0"));
    EXPECT_FALSE(Drew("12.0"));
    EXPECT_TRUE(Drew("0.450"));
    EXPECT_FALSE(Drew("0.500"));
    EXPECT_FALSE(Drew("L/D")); // the curves of a new start: lift and drag

    request.m_anScale[0] = 2;
    request.m_abShow[3] = 1;
    ASSERT_EQ(RunExport(request), "");
    EXPECT_TRUE(Drew("40.0"));
    EXPECT_TRUE(Drew("L/D"));
    EXPECT_EQ(ReadBytes(request.m_strOut), "png 1600x1000");
}

TEST_F(BatchExportTest, OverlayIsDrawnInItsColours)
{
    CExportRequest request;
    request.m_strOverlay = WriteTest("before.ZRV", {10.0, 20.0, 30.0}, 0.2, 0.1);
    request.m_strTest = WriteTest("after.ZRV", {12.0, 22.0}, 0.3, 0.1);
    request.m_strOut = PathOf("both.svg");
    request.m_nWidth = 640;
    request.m_nHeight = 480;
    ASSERT_EQ(RunExport(request), "");
    EXPECT_TRUE(DrewLineIn(0x000080)); // lift's overlay colour
    EXPECT_TRUE(DrewLineIn(0x0000FF)); // lift's own
    EXPECT_EQ(ReadBytes(request.m_strOut), "svg 640x480");
}

TEST_F(BatchExportTest, CdOfAMetricFileUsesTheMetricAirDensity)
{
    MakeView(0);
    Graph().m_dCdArea = 30.0;
    CExportRequest request;
    request.m_strTest = WriteTest("metric.ZRV", {40.0}, 0.35, 0.1);
    MakeView(1); // the program's own units are English
    request.m_strOut = PathOf("metric.csv");
    ASSERT_EQ(RunExport(request), "");
    EXPECT_NE(ReadBytes(request.m_strOut).find("\r\n40.0,0.350000,0.100000,0.6806,3.5000\r\n"),
              std::string::npos)
        << ReadBytes(request.m_strOut);
}

TEST_F(BatchExportTest, FailuresNameThePathAndTheReason)
{
    const std::string strTest = WriteTest("run.ZRV", {10.0}, 0.2, 0.1);
    WriteBytes(PathOf("notes.ZRV"), "ZRV\n");
    fs::create_directory(PathOf("folder.ZRV"));
    struct CCase
    {
        std::string m_strOut;
        std::string m_strTest;
        std::string m_strOverlay;
        std::string m_strLine;
    };
    const CCase aCases[] = {
        {PathOf("a.png"), PathOf("none.ZRV"), "",
         "zorvantellique: " + PathOf("none.ZRV") + ": not found"},
        {PathOf("a.png"), PathOf("notes.ZRV"), "",
         "zorvantellique: " + PathOf("notes.ZRV") + ": not a test file"},
        {PathOf("a.png"), PathOf("folder.ZRV"), "",
         "zorvantellique: " + PathOf("folder.ZRV") + ": cannot be read"},
        {PathOf("a.png"), strTest, PathOf("none.ZRV"),
         "zorvantellique: " + PathOf("none.ZRV") + ": not found"},
        {PathOf("a.gif"), strTest, "", "zorvantellique: " + PathOf("a.gif") + ": unknown format"},
        {PathOf("no/a.csv"), strTest, "",
         "zorvantellique: " + PathOf("no/a.csv") + ": cannot write"},
    };
    for (const CCase& test : aCases)
    {
        CExportRequest request;
        request.m_strOut = test.m_strOut;
        request.m_strTest = test.m_strTest;
        request.m_strOverlay = test.m_strOverlay;
        EXPECT_EQ(RunExport(request), test.m_strLine);
        EXPECT_FALSE(fs::exists(test.m_strOut)) << test.m_strOut;
    }
}
