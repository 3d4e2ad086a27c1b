// The recovery copy of an unsaved test: when it is written, what it holds, and what start-up
// does with one it finds.
#include "FileTestSupport.h"

#include "files/RecoveryCopy.h"
#include "files/SafeSave.h"
#include "files/TestFileReader.h"
#include "files/TestFileWriter.h"
#include "platform/StateFiles.h"

#include <cstdlib>

namespace
{

class RecoveryCopyTest : public FileViewTest
{
protected:
    void SetUp() override
    {
        FileViewTest::SetUp();
        theApp = CZRVApp();
        theApp.m_pView = m_pView.get();
        m_pRecovery = std::make_unique<CRecoveryCopy>(PathOf("state/zorvantellique/recovery.ZRV"));
        g_pRecoveryCopy = m_pRecovery.get();
    }
    void TearDown() override
    {
        g_pRecoveryCopy = nullptr;
        m_pRecovery.reset();
        theApp = CZRVApp();
        FileViewTest::TearDown();
    }

    // Updates at the time given and waits for the writer; true when the copy was (re)written.
    bool UpdateAt(uint32_t dwNow)
    {
        std::error_code ec;
        fs::remove(CopyPath(), ec);
        m_pRecovery->Update(*m_pView, dwNow);
        m_pRecovery->WaitIdle();
        return fs::exists(CopyPath());
    }
    const std::string& CopyPath() const { return m_pRecovery->Path(); }

    std::unique_ptr<CRecoveryCopy> m_pRecovery;
};

TEST_F(RecoveryCopyTest, AChangedUnsavedTestIsCopiedAtMostEveryFiveSeconds)
{
    EXPECT_FALSE(UpdateAt(0)) << "nothing recorded, nothing to keep";
    Record(10.0);
    EXPECT_TRUE(UpdateAt(100)) << "the first change is copied at once";
    EXPECT_FALSE(UpdateAt(5000)) << "unchanged";
    Record(11.0);
    EXPECT_FALSE(UpdateAt(5000 - RECOVERY_CHECK_MS)) << "the last copy is too recent";
    // The check after this one would be later than five seconds after the last copy.
    EXPECT_TRUE(UpdateAt(100 + RECOVERY_INTERVAL_MS - RECOVERY_CHECK_MS + 1));
    // What it holds is the test file of the run, comment lines and units included.
    Graph().m_astrComment[0] = "Wing A";
    Record(12.0);
    ASSERT_TRUE(UpdateAt(20000));
    EXPECT_EQ(ReadBytes(CopyPath()), FormatTestFile(Graph()));
    EXPECT_FALSE(fs::exists(SaveTempPath(CopyPath()))) << "written beside, then renamed";
}

TEST_F(RecoveryCopyTest, SavingRemovesTheCopyAndASavedTestIsNotCopied)
{
    Record(10.0);
    ASSERT_TRUE(UpdateAt(0));
    Save(PathOf("run.ZRV"));
    EXPECT_FALSE(fs::exists(CopyPath()));
    EXPECT_FALSE(UpdateAt(60000));
}

TEST_F(RecoveryCopyTest, FlushWritesAtOnceOnlyWhenChanged)
{
    Record(10.0);
    m_pRecovery->Flush(*m_pView);
    EXPECT_EQ(ReadBytes(CopyPath()), FormatTestFile(Graph()));
    fs::remove(CopyPath());
    m_pRecovery->Flush(*m_pView);
    EXPECT_FALSE(fs::exists(CopyPath())) << "the copy already held this run";
}

TEST_F(RecoveryCopyTest, TheStateDirectoryFollowsXdgStateHome)
{
    const char* pszOldState = std::getenv("XDG_STATE_HOME");
    const std::string strOldState = pszOldState != nullptr ? pszOldState : "";
    const std::string strHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    setenv("XDG_STATE_HOME", "/var/tmp/st", 1);
    EXPECT_EQ(StateDirectory(), "/var/tmp/st/zorvantellique");
    setenv("XDG_STATE_HOME", "relative/st", 1); // not absolute: ignored
    EXPECT_EQ(StateDirectory(), strHome + "/.local/state/zorvantellique");
    unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(StateDirectory(), strHome + "/.local/state/zorvantellique");
    if (pszOldState != nullptr)
        setenv("XDG_STATE_HOME", strOldState.c_str(), 1);
}

class RecoveryOfferTest : public RecoveryCopyTest
{
protected:
    // A copy holding a run at 10 and 20 mph, left by an earlier program.
    void LeaveCopy()
    {
        Record(10.0);
        Record(20.0);
        m_pRecovery->Flush(*m_pView);
        m_strCopy = ReadBytes(CopyPath());
        RecordKind(SAMPLE_CLEAR);
        m_pView->MarkKept();
        m_pRecovery = std::make_unique<CRecoveryCopy>(CopyPath());
        g_pRecoveryCopy = m_pRecovery.get();
    }
    std::string OfferText() const
    {
        return "A test that was not saved was recovered from " + FileTimeText(CopyPath()) +
               ". Open it?";
    }

    std::string m_strCopy;
};

TEST_F(RecoveryOfferTest, YesOpensTheCopyAsTheCurrentUnsavedTest)
{
    LeaveCopy();
    const std::string strText = OfferText();
    m_ui.m_anAnswers = {IDYES};
    theApp.OnIdle(0); // the splash is gone
    theApp.OnIdle(1); // asked once only
    ASSERT_EQ(m_ui.Texts(), std::vector<std::string>{strText});
    EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, MB_YESNO | MB_ICONQUESTION);
    EXPECT_NE(Graph().m_curLift.m_adRun[100], EMPTY_SLOT);
    EXPECT_NE(Graph().m_curLift.m_adRun[200], EMPTY_SLOT);
    EXPECT_TRUE(m_pView->IsUnsaved());
    EXPECT_TRUE(fs::exists(CopyPath())) << "kept until the test is saved";
}

TEST_F(RecoveryOfferTest, NoDeletesTheCopy)
{
    LeaveCopy();
    m_ui.m_anAnswers = {IDNO};
    theApp.OfferRecovery();
    EXPECT_EQ(m_ui.m_aBoxes.size(), 1u);
    EXPECT_FALSE(fs::exists(CopyPath()));
    EXPECT_EQ(Graph().m_curLift.m_adRun[100], EMPTY_SLOT);
}

TEST_F(RecoveryOfferTest, WithoutACopyNothingIsAsked)
{
    theApp.OfferRecovery();
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_F(RecoveryOfferTest, AnUnreadableCopyIsKeptAsideAndNeverDeleted)
{
    for (const char* pszBytes : {"not a test file\r\n", ""})
    {
        const std::string strBytes = pszBytes;
        SCOPED_TRACE(strBytes.size());
        fs::remove_all(fs::path(CopyPath()).parent_path());
        fs::create_directories(fs::path(CopyPath()).parent_path());
        WriteBytes(CopyPath(), strBytes);
        const fs::path kept =
            fs::path(CopyPath()).parent_path() / ("recovery-" + FileTimeStamp(CopyPath()) + ".ZRV");
        // A copy kept aside earlier under the same name stays as it is.
        WriteBytes(kept, "earlier");
        m_ui.m_aBoxes.clear();
        m_ui.m_anAnswers = {IDOK};
        theApp = CZRVApp();
        theApp.m_pView = m_pView.get();
        theApp.OfferRecovery();

        EXPECT_FALSE(fs::exists(CopyPath()));
        EXPECT_EQ(ReadBytes(kept), "earlier");
        const fs::path keptNow = kept.parent_path() / (kept.stem().string() + "-2.ZRV");
        EXPECT_EQ(ReadBytes(keptNow), strBytes);
        ASSERT_EQ(m_ui.m_aBoxes.size(), 1u);
        EXPECT_EQ(m_ui.m_aBoxes[0].m_strText,
                  "A recovery copy of a test was found but cannot be read. It was kept as " +
                      keptNow.string() + ".");
    }
}

} // namespace
