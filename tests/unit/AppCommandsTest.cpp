// The application's share of command routing: the test view first, then About, Help and
// File New; the keys with no handler anywhere do nothing.
#include "RunViewFixture.h"

#include "app/AboutDlg.h"
#include "app/CommandIds.h"

namespace
{
class AppCommandsTest : public RunViewTest
{
protected:
    void SetUp() override
    {
        RunViewTest::SetUp();
        theApp.m_pView = m_pView.get();
    }
    void TearDown() override
    {
        theApp.m_pView = nullptr;
        RunViewTest::TearDown();
    }

    // Records one sample at 10 mph so that there is a run to clear.
    void RecordOne()
    {
        auto pDC = m_wnd.GetClientDC();
        m_pView->RecordSample(pDC.get(), 0.5, 0.25, 10.0, SAMPLE_RECORD);
        ASSERT_NE(LiftAt(100), EMPTY_SLOT);
    }
};

// Plays the About box: checks its line, then presses OK.
DialogScript CheckAboutAndClose()
{
    return [](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_VERSION_LINE), "Zorvantellique  Version 4.01");
        dlg.OnCommand(IDOK);
    };
}
} // namespace

TEST_F(AppCommandsTest, AboutFromTheFrameworkIdAndTheMenuOpenTheSameBox)
{
    for (int nId : {ID_APP_ABOUT, ID_MENU_ABOUT})
    {
        m_ui.m_afnDialogs.push_back(CheckAboutAndClose());
        EXPECT_TRUE(theApp.OnCmdMsg(nId)) << nId;
    }
    EXPECT_EQ(m_ui.m_anDialogIds, (std::vector<int>{IDD_ABOUTBOX, IDD_ABOUTBOX}));
}

TEST(AboutTemplateTest, MatchesTheBoxLayout)
{
    const CDlgTemplate& about = AboutTemplate();
    EXPECT_EQ(about.m_strCaption, "About Zorvantellique");
    EXPECT_EQ((std::vector<int>{about.m_nX, about.m_nY, about.m_nCx, about.m_nCy}),
              (std::vector<int>{34, 22, 220, 56}));
    ASSERT_EQ(about.m_aControls.size(), 3u);
    const CDlgControl& line = about.m_aControls[1];
    EXPECT_EQ(line.m_nId, IDC_VERSION_LINE);
    EXPECT_EQ((std::vector<int>{line.m_nX, line.m_nY, line.m_nCx, line.m_nCy}),
              (std::vector<int>{40, 10, 119, 8}));
    const CDlgControl& ok = about.m_aControls[2];
    EXPECT_EQ(ok.m_nId, IDOK);
    EXPECT_EQ(ok.m_eKind, EControlKind::DefPushButton);
    EXPECT_EQ((std::vector<int>{ok.m_nX, ok.m_nY, ok.m_nCx, ok.m_nCy}),
              (std::vector<int>{170, 6, 32, 14}));
}

TEST_F(AppCommandsTest, HelpFromKeyButtonAndMenuShowsTheManual)
{
    EXPECT_TRUE(theApp.OnCmdMsg(ID_HELP_CONTENTS));
    EXPECT_TRUE(theApp.OnCmdMsg(ID_MENU_HELP));
    EXPECT_EQ(m_ui.m_nHelpShown, 2);
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_F(AppCommandsTest, FileNewClearsTheRunThroughTheView)
{
    RecordOne();
    m_ui.m_anAnswers = {IDNO}; // the run was never saved: let it go
    EXPECT_TRUE(theApp.OnCmdMsg(ID_FILE_NEW));
    EXPECT_EQ(LiftAt(100), EMPTY_SLOT);
}

TEST_F(AppCommandsTest, TheViewTakesItsCommandsFirst)
{
    RecordOne();
    EXPECT_TRUE(theApp.OnCmdMsg(ID_CLEAR_GRAPH));
    EXPECT_EQ(LiftAt(100), EMPTY_SLOT);
}

TEST_F(AppCommandsTest, KeysWithoutHandlerAndTheDesktopsOwnCommandsAreLeft)
{
    RecordOne();
    for (int nId :
         {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO, ID_NEXT_PANE, ID_PREV_PANE,
          ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, ID_APP_EXIT, ID_VIEW_TOOLBAR})
        EXPECT_FALSE(theApp.OnCmdMsg(nId)) << nId;
    EXPECT_NE(LiftAt(100), EMPTY_SLOT);
    EXPECT_EQ(Sent(), "");
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
    EXPECT_TRUE(m_ui.m_anDialogIds.empty());
}

TEST_F(AppCommandsTest, AboutAndHelpWorkBeforeTheViewExists)
{
    theApp.m_pView = nullptr;
    m_ui.m_afnDialogs.push_back(CheckAboutAndClose());
    EXPECT_TRUE(theApp.OnCmdMsg(ID_MENU_ABOUT));
    EXPECT_TRUE(theApp.OnCmdMsg(ID_HELP_CONTENTS));
    EXPECT_FALSE(theApp.OnCmdMsg(ID_CLEAR_GRAPH));
    EXPECT_EQ(m_ui.m_nHelpShown, 1);
}
