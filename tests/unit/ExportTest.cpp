// The test exported as CSV and as pictures: the bytes of the CSV, the File, Export command
// and its file names, and the window's state around an export.
#include "FakePictures.h"
#include "FileTestSupport.h"

#include "files/CsvWriter.h"
#include "files/Export.h"
#include "files/TestFileWriter.h"
#include "link/ReplyScanner.h"

#include <vector>

namespace
{

class ExportTest : public FileViewTest
{
protected:
    void SetUp() override
    {
        FileViewTest::SetUp();
        g_platform.m_pPictures = &m_pictures;
    }
    // File, Export as the menu sends it; the dialog answers the path and the filter (1 for
    // the first).
    void Export(const std::string& strPath, int nFilter)
    {
        m_ui.m_astrPaths.push_back(strPath);
        m_ui.m_anFilterIndexes.push_back(nFilter);
        ASSERT_TRUE(m_pView->OnCmdMsg(ID_FILE_EXPORT));
    }

    CFakePictureMaker m_pictures;
};

// The numbers of one row of a CSV or one data line of a test file.
std::vector<double> Numbers(std::string_view svLine)
{
    std::vector<double> adNumbers;
    CReplyScanner scanner(svLine);
    for (double dValue = 0; scanner.Double(dValue); scanner.Literal(','))
        adNumbers.push_back(dValue);
    return adNumbers;
}

// The lines of a text, each without its CR LF.
std::vector<std::string> Lines(const std::string& strText)
{
    std::vector<std::string> astrLines;
    for (size_t nStart = 0, nEnd; (nEnd = strText.find("\r\n", nStart)) != std::string::npos;
         nStart = nEnd + 2)
        astrLines.push_back(strText.substr(nStart, nEnd - nStart));
    return astrLines;
}

} // namespace

TEST_F(ExportTest, CsvBytesInBothUnits)
{
    struct CCase
    {
        int m_nUnits;
        double m_dArea;
        int m_nSlot;
        double m_dLift;
        double m_dDrag;
        const char* m_pszBytes;
    };
    // Slot 0 always holds the origin; below 5.0 Cd and L/D are 0; Cd from the standard air
    // density of the units.
    const CCase aCases[] = {
        {1, 12.0, 123, 0.25, 0.05,
         "wind_mph,lift_lbs,drag_lbs,cd,l_d\r\n"
         "0.0,0.000000,0.000000,0.0000,0.0000\r\n"
         "0.5,0.001000,-0.000500,0.0000,0.0000\r\n"
         "12.3,0.250000,0.050000,1.5756,5.0000\r\n"},
        {0, 30.0, 400, 0.35, 0.1,
         "wind_kph,lift_kg,drag_kg,cd,l_d\r\n"
         "0.0,0.000000,0.000000,0.0000,0.0000\r\n"
         "0.5,0.001000,-0.000500,0.0000,0.0000\r\n"
         "40.0,0.350000,0.100000,0.6806,3.5000\r\n"},
    };
    CGermanLocale german;
    ASSERT_TRUE(german.m_bSet);
    for (const CCase& test : aCases)
    {
        MakeView(test.m_nUnits);
        Graph().m_dCdArea = test.m_dArea;
        Graph().m_astrComment[0] = "Comments stay out of the CSV";
        Graph().StoreSample(5, 0.001, -0.0005, 0.5);
        Graph().StoreSample(test.m_nSlot, test.m_dLift, test.m_dDrag, test.m_nSlot / 10.0);
        EXPECT_EQ(FormatCsv(Graph()), test.m_pszBytes) << test.m_nUnits;
    }
}

TEST_F(ExportTest, CsvRowsAreTheTestFilesDataLines)
{
    FillSlots(0, 1399, 1);
    FillSlots(1400, 1400, 1); // never written to either file
    Graph().m_curLift.m_adRun[700] = EMPTY_SLOT;
    std::vector<std::string> astrRows = Lines(FormatCsv(Graph()));
    std::vector<std::string> astrFile = Lines(FormatTestFile(Graph()));
    // The data lines stand between the "[" after "Wind, Lift, Drag=" and the closing "]".
    const auto itData = std::find(astrFile.begin(), astrFile.end(), "Wind, Lift, Drag=") + 2;
    std::vector<std::string> astrData(itData, astrFile.end() - 1);
    ASSERT_EQ(astrRows.size(), astrData.size() + 1);
    EXPECT_EQ(astrData.size(), 1399u);
    for (size_t i = 0; i < astrData.size(); ++i)
    {
        std::vector<double> adRow = Numbers(astrRows[i + 1]);
        ASSERT_EQ(adRow.size(), 5u) << astrRows[i + 1];
        adRow.resize(3);
        ASSERT_EQ(adRow, Numbers(astrData[i])) << astrRows[i + 1] << " / " << astrData[i];
    }
}

TEST(ExportFormatTest, FormatsFollowTheExtension)
{
    EXPECT_EQ(ExportFormatOfPath("run.csv"), EExportFormat::Csv);
    EXPECT_EQ(ExportFormatOfPath("/tmp/Run.PNG"), EExportFormat::Png);
    EXPECT_EQ(ExportFormatOfPath("a.b.svg"), EExportFormat::Svg);
    EXPECT_EQ(ExportFormatOfPath("report.Pdf"), EExportFormat::Pdf);
    for (const char* pszPath : {"run.ZRV", "run", "csv", "run.csv.txt", ".pdfx", ""})
        EXPECT_EQ(ExportFormatOfPath(pszPath), std::nullopt) << pszPath;

    EXPECT_EQ(WithExportExtension("run", EExportFormat::Png), "run.png");
    EXPECT_EQ(WithExportExtension("run.PNG", EExportFormat::Png), "run.PNG");
    EXPECT_EQ(WithExportExtension("run.png", EExportFormat::Csv), "run.png.csv");
    EXPECT_EQ(WithExportExtension("v1.2", EExportFormat::Pdf), "v1.2.pdf");
}

TEST_F(ExportTest, ExportWritesTheFormatOfTheFilterChosen)
{
    FillSlots(0, 300, 10);
    const std::string strCsv = FormatCsv(Graph());
    struct CCase
    {
        int m_nFilter;
        const char* m_pszTyped;
        const char* m_pszWritten;
        std::string m_strBytes;
    };
    const CCase aCases[] = {
        {1, "run", "run.csv", strCsv},
        {2, "run", "run.png", "png 1600x1000"},
        {3, "graph.svg", "graph.svg", "svg 1600x1000"},
        {4, "Report.PDF", "Report.PDF", "pdf 1600x1000"},
        {2, "run.csv", "run.csv.png", "png 1600x1000"},
    };
    for (const CCase& test : aCases)
    {
        Export(PathOf(test.m_pszTyped), test.m_nFilter);
        EXPECT_EQ(ReadBytes(PathOf(test.m_pszWritten)), test.m_strBytes) << test.m_pszWritten;
    }
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
    const auto& request = m_ui.m_aFileRequests.front();
    EXPECT_FALSE(request.m_bOpen);
    EXPECT_EQ(request.m_strFilter, "CSV (*.csv)|*.csv|PNG image (*.png)|*.png|SVG image "
                                   "(*.svg)|*.svg|PDF document (*.pdf)|*.pdf||");
    EXPECT_EQ(request.m_nFlags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
}

TEST_F(ExportTest, CancelWritesNothing)
{
    m_ui.m_astrPaths.push_back("");
    ASSERT_TRUE(m_pView->OnCmdMsg(ID_FILE_EXPORT));
    EXPECT_TRUE(fs::is_empty(m_dir));
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_F(ExportTest, AFailedExportSaysSoAndKeepsTheFileThere)
{
    const std::string strOld = PathOf("old.png");
    WriteBytes(strOld, "before");
    struct CCase
    {
        std::string m_strPath;
        bool m_bNoPicture;
        std::string m_strText;
    };
    const CCase aCases[] = {
        {PathOf("missing/run.png"), false,
         "The test was not exported: " + PathOf("missing/run.png") +
             " could not be written. A file already there is unchanged."},
        {strOld, true,
         "The test was not exported: " + strOld +
             " could not be written. A file already there is unchanged."},
    };
    for (const CCase& test : aCases)
    {
        m_pictures.m_bFail = test.m_bNoPicture;
        m_ui.m_anAnswers.push_back(IDOK);
        Export(test.m_strPath, 2);
        ASSERT_FALSE(m_ui.m_aBoxes.empty());
        EXPECT_EQ(m_ui.m_aBoxes.back().m_strText, test.m_strText);
        EXPECT_EQ(m_ui.m_aBoxes.back().m_nType, MB_ICONEXCLAMATION);
    }
    EXPECT_EQ(ReadBytes(strOld), "before");
    EXPECT_FALSE(fs::exists(PathOf("missing")));

    fs::permissions(strOld, fs::perms::owner_read);
    m_pictures.m_bFail = false;
    m_ui.m_anAnswers.push_back(IDOK);
    Export(strOld, 2);
    EXPECT_EQ(m_ui.Texts().back(), "The test was not exported: " + strOld + " is read-only.");
    EXPECT_EQ(ReadBytes(strOld), "before");
}

TEST_F(ExportTest, PicturesLeaveTheWindowsMarkerReadoutAndLayoutAlone)
{
    Record(12.0); // the marker stands at 12 mph in the window
    ASSERT_EQ(g_bMarkerShown, 1);
    const std::vector<std::string> astrStatus = m_wnd.m_astrStatus;
    const CRect rcWindow = Graph().m_rcClient;
    for (EExportFormat eFormat : {EExportFormat::Png, EExportFormat::Svg, EExportFormat::Pdf})
    {
        EXPECT_FALSE(m_pView->ExportBytes(eFormat, 800, 500).empty());
        EXPECT_EQ(g_bMarkerShown, 1);
        EXPECT_EQ(g_dMarkerWind, 12.0);
        EXPECT_EQ(Graph().m_rcClient, rcWindow);
        EXPECT_EQ(Graph().m_crBackground, SCREEN_BACKGROUND);
        EXPECT_EQ(m_pView->m_pWnd, &m_wnd);
        EXPECT_EQ(m_wnd.m_astrStatus, astrStatus) << "the readout is the window's";
        // Nothing on the picture is drawn to be erased again.
        for (const CDrawnLine& line : m_pictures.m_log.m_aLines)
            EXPECT_NE(line.m_nRop, R2_XORPEN);
    }
    // The window still erases its own marker when the next full drawing comes.
    m_pView->OnPaint();
    EXPECT_EQ(g_bMarkerShown, 0);
}

TEST_F(ExportTest, PicturesAreTheScreensDrawingPdfThePrintedPage)
{
    FillSlots(0, 300, 10);
    m_pView->ExportBytes(EExportFormat::Png, 1600, 1000);
    const CDrawLog screen = m_pictures.m_log;
    ASSERT_FALSE(screen.m_aFills.empty());
    // The plot's background: silver on screen, white on paper.
    auto fnPlotFill = [](const CDrawLog& log) {
        return std::find_if(log.m_aFills.begin(), log.m_aFills.end(),
                            [](const CDrawnFill& fill) { return fill.m_rc.left > 100; })
            ->m_cr;
    };
    EXPECT_EQ(fnPlotFill(screen), SCREEN_BACKGROUND);
    EXPECT_EQ(screen.m_aFills.front().m_rc, (CRect{1, 1, 1599, 999}));
    m_pView->ExportBytes(EExportFormat::Pdf, 1600, 1000);
    EXPECT_EQ(fnPlotFill(m_pictures.m_log), PRINT_BACKGROUND);
}
