#include "FileTestSupport.h"

#include "files/SafeSave.h"

#include <csignal>
#include <sys/resource.h>

namespace
{

const char* const FILTER = "ZRV Files (*.ZRV) |*.ZRV| All Files (*.*) |*.*||";

class FileCommandsTest : public FileViewTest
{
protected:
    // Saves the run with comments, forgets it all, opens the file again: every slot but slot 0
    // comes back exactly, Cd and L/D recomputed the way recording stored them (area 2.5).
    void ExpectRoundTrip()
    {
        xygraph& graph = Graph();
        graph.m_astrComment[0] = "Wing A";
        graph.m_astrComment[7] = "carried";
        const std::string strPath = PathOf("run.ZRV");
        Save(strPath);
        auto saved = std::make_unique<xygraph>(graph);
        graph.ClearRun();
        for (std::string& strComment : graph.m_astrComment)
            strComment.clear();
        graph.m_dCdArea = 1.0;

        Open(strPath);
        EXPECT_TRUE(m_ui.m_aBoxes.empty());
        EXPECT_EQ(graph.m_nUnits, saved->m_nUnits);
        EXPECT_EQ(graph.m_dCdArea, 2.5);
        for (int k = 0; k < COMMENT_LINES; ++k)
            EXPECT_EQ(graph.m_astrComment[k], saved->m_astrComment[k]) << k;
        for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
            EXPECT_EQ(graph.Series(nSeries).m_adRun[0], 0.0);
        for (int k = 1; k < RUN_SLOTS; ++k)
        {
            ASSERT_EQ(graph.m_curLift.m_adRun[k], saved->m_curLift.m_adRun[k]) << k;
            if (graph.m_curLift.m_adRun[k] == EMPTY_SLOT)
                continue;
            ASSERT_EQ(graph.m_curDrag.m_adRun[k], saved->m_curDrag.m_adRun[k]) << k;
            ASSERT_EQ(graph.m_curCd.m_adRun[k], saved->m_curCd.m_adRun[k]) << k;
            ASSERT_EQ(graph.m_curLD.m_adRun[k], saved->m_curLD.m_adRun[k]) << k;
        }
    }
    bool Repainted() const { return !m_wnd.m_log.m_aFills.empty(); }
};

TEST_F(FileCommandsTest, FileDialogsAskForTestFiles)
{
    m_ui.m_astrPaths = {"", ""};
    ASSERT_TRUE(m_pView->OnCmdMsg(ID_FILE_SAVE));
    ASSERT_TRUE(m_pView->OnCmdMsg(ID_FILE_OPEN));
    ASSERT_EQ(m_ui.m_aFileRequests.size(), 2u);
    const auto& save = m_ui.m_aFileRequests[0];
    EXPECT_FALSE(save.m_bOpen);
    EXPECT_EQ(save.m_strDefExt, "ZRV");
    EXPECT_EQ(save.m_strFileName, "*.ZRV");
    EXPECT_EQ(save.m_nFlags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EXPECT_EQ(save.m_strFilter, FILTER);
    const auto& open = m_ui.m_aFileRequests[1];
    EXPECT_TRUE(open.m_bOpen);
    EXPECT_EQ(open.m_strDefExt, "ZRV");
    EXPECT_EQ(open.m_strFileName, "*.ZRV");
    EXPECT_EQ(open.m_nFlags, 0u);
    EXPECT_EQ(open.m_strFilter, FILTER);
    // Cancelled: nothing written, nothing repainted.
    EXPECT_TRUE(fs::is_empty(m_dir));
    EXPECT_FALSE(Repainted());
}

TEST_F(FileCommandsTest, EnglishRunRoundTrip)
{
    Graph().m_dCdArea = 2.5;
    FillSlots(1, 1399, 1);
    ExpectRoundTrip();
}

TEST_F(FileCommandsTest, MetricRunRoundTripKeepsPointsAbove80Kph)
{
    MakeView(0);
    Graph().m_dCdArea = 2.5;
    FillSlots(3, 1200, 7);
    CGermanLocale german;
    ExpectRoundTrip();
    EXPECT_NE(Graph().m_curLift.m_adRun[1193], EMPTY_SLOT);
}

TEST_F(FileCommandsTest, OpeningReplacesTheTestAndRepaintsWithTheFilesScaleSteps)
{
    // Wind scale 1 steps by 10 mph in English units and by 20 kph in metric units.
    Graph().m_astrComment[0] = "before";
    WriteBytes(PathOf("metric.ZRV"), "ZRV\r\nUnits= Metric\r\n");
    Open(PathOf("metric.ZRV"));
    EXPECT_EQ(Graph().m_nUnits, 0);
    EXPECT_EQ(Graph().m_axWind.m_dStep, 20.0);
    EXPECT_EQ(Graph().m_astrComment[0], "");
    EXPECT_TRUE(Repainted());
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_F(FileCommandsTest, AFileThatIsNotOpenedIsReportedAndTheTestRepaintedUnchanged)
{
    const std::string strText = PathOf("text.ZRV");
    WriteBytes(strText, "ZRV\nUnits= Metric\n");
    struct
    {
        std::string m_strPath;
        std::string m_strMessage;
    } aCases[] = {
        {PathOf("missing.ZRV"),
         "The file was not opened: " + PathOf("missing.ZRV") + " cannot be read."},
        {m_dir.string(), "The file was not opened: " + m_dir.string() + " cannot be read."},
        {strText, "The file was not opened: " + strText + " is not a test file."},
    };
    Graph().m_curLift.m_adRun[50] = 0.5;
    Graph().m_astrComment[0] = "kept";
    for (const auto& testCase : aCases)
    {
        SCOPED_TRACE(testCase.m_strPath);
        m_wnd.m_log.Clear();
        m_ui.m_aBoxes.clear();
        m_ui.m_anAnswers = {IDOK};
        Open(testCase.m_strPath);
        ASSERT_EQ(m_ui.m_aBoxes.size(), 1u);
        EXPECT_EQ(m_ui.m_aBoxes[0].m_strText, testCase.m_strMessage);
        EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_TRUE(Repainted());
        EXPECT_EQ(Graph().m_curLift.m_adRun[50], 0.5);
        EXPECT_EQ(Graph().m_astrComment[0], "kept");
        EXPECT_EQ(Graph().m_nUnits, 1);
    }
}

TEST_F(FileCommandsTest, SavingReplacesAnOldFileKeepingItsPermissions)
{
    const std::string strPath = PathOf("run.ZRV");
    WriteBytes(strPath, "old contents that are longer than nothing");
    fs::permissions(strPath,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Save(strPath);
    EXPECT_EQ(ReadBytes(strPath).substr(0, 5), "ZRV\r\n");
    EXPECT_EQ(fs::status(strPath).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_FALSE(fs::exists(SaveTempPath(strPath)));
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

// Tests run as root, whom permission bits do not stop: each failure here is made real in a
// way that holds for root too.
class FileSaveFailureTest : public FileCommandsTest
{
protected:
    void SetUp() override
    {
        FileCommandsTest::SetUp();
        FillSlots(1, 800, 1);
        m_strPath = PathOf("run.ZRV");
        WriteBytes(m_strPath, OLD_BYTES);
    }
    // The save was refused with strReason, and the old file is as it was.
    void ExpectRefused(const std::string& strReason)
    {
        ASSERT_EQ(m_ui.m_aBoxes.size(), 1u);
        EXPECT_EQ(m_ui.m_aBoxes[0].m_strText, "The test was not saved: " + m_strPath + strReason);
        EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(ReadBytes(m_strPath), OLD_BYTES);
    }

    static constexpr const char* OLD_BYTES = "ZRV\r\nUnits= Metric\r\n";
    static constexpr const char* UNWRITTEN =
        " could not be written. A file already there is unchanged.";
    std::string m_strPath;
};

TEST_F(FileSaveFailureTest, WriteCutShortByTheFileSizeLimit)
{
    // Writes past 1 KiB fail with EFBIG (the signal that would end the process is ignored),
    // in the middle of the new file.
    rlimit oldLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit smallLimit = oldLimit;
    smallLimit.rlim_cur = 1024;
    auto pfnOldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &smallLimit), 0);
    m_ui.m_anAnswers = {IDOK};
    Save(m_strPath);
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, pfnOldHandler);

    ExpectRefused(UNWRITTEN);
    EXPECT_FALSE(fs::exists(SaveTempPath(m_strPath)));
}

TEST_F(FileSaveFailureTest, NewFileCannotBeCreatedBesideTheOldOne)
{
    fs::create_directories(fs::path(SaveTempPath(m_strPath)) / "occupied");
    m_ui.m_anAnswers = {IDOK};
    Save(m_strPath);
    ExpectRefused(UNWRITTEN);
    EXPECT_TRUE(fs::is_directory(fs::path(SaveTempPath(m_strPath)) / "occupied"));
}

TEST_F(FileSaveFailureTest, ReadOnlyFileIsKept)
{
    fs::permissions(m_strPath, fs::perms::owner_read | fs::perms::group_read);
    m_ui.m_anAnswers = {IDOK};
    Save(m_strPath);
    ExpectRefused(" is read-only.");
}

TEST_F(FileSaveFailureTest, MissingFolderOrAFileInPlaceOfOne)
{
    for (const std::string& strPath : {PathOf("missing/run.ZRV"), PathOf("run.ZRV/run.ZRV")})
    {
        SCOPED_TRACE(strPath);
        m_ui.m_aBoxes.clear();
        m_ui.m_anAnswers = {IDOK};
        Save(strPath);
        ASSERT_EQ(m_ui.m_aBoxes.size(), 1u);
        EXPECT_EQ(m_ui.m_aBoxes[0].m_strText, "The test was not saved: " + strPath + UNWRITTEN);
        EXPECT_FALSE(fs::exists(strPath));
    }
    EXPECT_EQ(ReadBytes(m_strPath), OLD_BYTES);
}

} // namespace
