// A run recorded since the test was last opened or saved is never thrown away without asking:
// New, Open and closing the program ask first, and the recovery copy goes with the answer.
#include "FileTestSupport.h"

#include "app/ProgramExit.h"
#include "files/RecoveryCopy.h"

#include <functional>

namespace
{

constexpr const char* UNSAVED = "The test has not been saved. Save it first?";

class UnsavedRunTest : public FileViewTest
{
protected:
    void SetUp() override
    {
        FileViewTest::SetUp();
        theApp.m_pView = m_pView.get();
        m_pRecovery = std::make_unique<CRecoveryCopy>(PathOf("state/recovery.ZRV"));
        g_pRecoveryCopy = m_pRecovery.get();
        // Another test on disk, with one sample at 40 mph, for Open to replace the run with.
        Record(40.0);
        Save(PathOf("other.ZRV"));
        RecordKind(SAMPLE_CLEAR);
    }
    void TearDown() override
    {
        g_pRecoveryCopy = nullptr;
        theApp.m_pView = nullptr;
        FileViewTest::TearDown();
    }

    // A run of one sample at 10 mph, unsaved, with its recovery copy on disk.
    void RecordRun()
    {
        Record(10.0);
        m_pRecovery->Update(*m_pView, 0);
        m_pRecovery->WaitIdle();
        ASSERT_TRUE(fs::exists(m_pRecovery->Path()));
    }
    bool RunKept() { return Graph().m_curLift.m_adRun[100] != EMPTY_SLOT; }

    std::unique_ptr<CRecoveryCopy> m_pRecovery;
};

struct CAnswerCase
{
    const char* m_pszName;
    std::vector<int> m_anAnswers;
    std::vector<std::string> m_astrSavePaths; // answers to the Save As dialog
    bool m_bGoesOn;
    bool m_bSaved;
};

class UnsavedAnswerTest : public UnsavedRunTest,
                          public ::testing::WithParamInterface<std::tuple<CAnswerCase, const char*>>
{
protected:
    // Runs the action by its name; true when it went ahead.
    bool DoAction(const std::string& strAction)
    {
        if (strAction == "New")
        {
            EXPECT_TRUE(theApp.OnCmdMsg(ID_FILE_NEW));
            return !RunKept();
        }
        if (strAction == "Open")
        {
            const size_t nDialogs = m_ui.m_aFileRequests.size();
            m_ui.m_astrPaths.push_back(PathOf("other.ZRV"));
            EXPECT_TRUE(m_pView->OnCmdMsg(ID_FILE_OPEN));
            const bool bAsked =
                m_ui.m_aFileRequests.size() > nDialogs && m_ui.m_aFileRequests.back().m_bOpen;
            if (!bAsked)
                m_ui.m_astrPaths.pop_back();
            return bAsked && Graph().m_curLift.m_adRun[400] != EMPTY_SLOT;
        }
        CProgramExit exit;
        return exit.OnClose(m_pView.get(), 0) == EExitStep::Exit;
    }
};

TEST_P(UnsavedAnswerTest, TheAnswerDecides)
{
    const auto& [answer, pszAction] = GetParam();
    RecordRun();
    m_ui.m_anAnswers.assign(answer.m_anAnswers.begin(), answer.m_anAnswers.end());
    for (std::string strPath : answer.m_astrSavePaths)
        m_ui.m_astrPaths.push_back(strPath.empty()      ? strPath
                                   : strPath == "SAVED" ? PathOf("saved.ZRV")
                                                        : PathOf("missing/saved.ZRV"));
    const size_t nBoxes = m_ui.m_aBoxes.size();

    EXPECT_EQ(DoAction(pszAction), answer.m_bGoesOn);

    ASSERT_GT(m_ui.m_aBoxes.size(), nBoxes);
    EXPECT_EQ(m_ui.m_aBoxes[nBoxes].m_strText, UNSAVED);
    EXPECT_EQ(m_ui.m_aBoxes[nBoxes].m_nType, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(fs::exists(PathOf("saved.ZRV")), answer.m_bSaved);
    // The copy goes once the run is saved or let go; a kept, unsaved run keeps it.
    const bool bLetGo = answer.m_bSaved || answer.m_anAnswers.front() == IDNO;
    EXPECT_EQ(fs::exists(m_pRecovery->Path()), !bLetGo);
    EXPECT_TRUE(m_ui.m_astrPaths.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UnsavedAnswerTest,
    ::testing::Combine(
        ::testing::Values(CAnswerCase{"YesSaves", {IDYES}, {"SAVED"}, true, true},
                          CAnswerCase{"YesButSaveCancelled", {IDYES}, {""}, false, false},
                          CAnswerCase{"YesButSaveFails", {IDYES, IDOK}, {"NODIR"}, false, false},
                          CAnswerCase{"No", {IDNO}, {}, true, false},
                          CAnswerCase{"Cancel", {IDCANCEL}, {}, false, false}),
        ::testing::Values("New", "Open", "Close")),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).m_pszName) + "_" + std::get<1>(info.param);
    });

TEST_F(UnsavedRunTest, AFreshlySavedOrOpenedTestDoesNotAsk)
{
    RecordRun();
    Save(PathOf("saved.ZRV"));
    EXPECT_FALSE(fs::exists(m_pRecovery->Path())) << "a saved test needs no recovery copy";
    EXPECT_TRUE(theApp.OnCmdMsg(ID_FILE_NEW));
    Open(PathOf("saved.ZRV"));
    EXPECT_TRUE(RunKept());
    EXPECT_EQ(CProgramExit().OnClose(m_pView.get(), 0), EExitStep::Exit);
    EXPECT_TRUE(m_ui.m_aBoxes.empty());

    // A sample recorded after that makes it unsaved again.
    Record(12.0);
    m_ui.m_anAnswers = {IDCANCEL};
    EXPECT_EQ(CProgramExit().OnClose(m_pView.get(), 0), EExitStep::Stay);
}

TEST_F(UnsavedRunTest, AClearedRunHasNothingToSave)
{
    Record(10.0);
    RecordKind(SAMPLE_CLEAR);
    EXPECT_FALSE(m_pView->IsUnsaved());
    EXPECT_TRUE(theApp.OnCmdMsg(ID_FILE_NEW));
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

} // namespace
