// The manual in its help window, opened the ways a user opens it.
#include "FakeClock.h"
#include "FakeSerial.h"
#include "MainFrameKeys.h"

#include "app/CommandIds.h"
#include "app/ZRVApp.h"
#include "link/CommLink.h"
#include "platform/Platform.h"
#include "qt/HelpWindow.h"
#include "qt/MainFrame.h"
#include "qt/QtUserInterface.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace
{
// The program's own main window and routing, communications disabled.
class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_oldPlatform = g_platform;
        g_platform = {nullptr, &m_serial, &m_ui, &m_clock};
        theCommLink = CCommLink();
        theApp.m_pView = m_ui.CreateMainWindow();
        ASSERT_TRUE(Activate(m_ui.MainWindow()));
    }
    void TearDown() override
    {
        theApp.m_pView = nullptr;
        g_platform = m_oldPlatform;
    }

    // Presses F1 in the main window; the help window it brought up.
    CHelpWindow* PressF1()
    {
        TypeKey(m_ui.MainWindow(), Qt::Key_F1);
        QApplication::processEvents();
        return m_ui.HelpWindow();
    }
    static std::string Page(CHelpWindow* pHelp)
    {
        return pHelp->Browser()->source().toString().toStdString();
    }

    CPlatform m_oldPlatform;
    CFakeSerialLayer m_serial;
    CFakeClock m_clock;
    CQtUserInterface m_ui;
};
} // namespace

TEST_F(HelpWindowTest, F1ShowsTheFirstPageAndLinksLeadOnAndBack)
{
    CHelpWindow* pHelp = PressF1();
    ASSERT_NE(pHelp, nullptr);
    EXPECT_TRUE(pHelp->isVisible());
    EXPECT_EQ(pHelp->windowTitle(), "Zorvantellique Help");
    EXPECT_EQ(Page(pHelp), "qrc:/help/manual/index.md");
    EXPECT_TRUE(pHelp->Browser()->toPlainText().startsWith("Zorvantellique Help\n"));
    EXPECT_EQ(pHelp->Contents()->currentRow(), 0);
    EXPECT_GE(pHelp->Contents()->count(), 10) << "the first page and nine chapters";

    // Tab selects the page's first link and Enter follows it, as in any help viewer.
    ASSERT_TRUE(Activate(pHelp));
    TypeKey(pHelp, Qt::Key_Tab);
    TypeKey(pHelp, Qt::Key_Return);
    EXPECT_EQ(Page(pHelp), "qrc:/help/manual/01-getting-started.md");
    EXPECT_TRUE(
        pHelp->Browser()->toPlainText().startsWith("Getting started with the virtual instrument\n"))
        << "a Markdown page, not its source";
    EXPECT_EQ(pHelp->Contents()->currentItem()->text(),
              "Getting started with the virtual instrument");

    TypeKey(pHelp, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Page(pHelp), "qrc:/help/manual/index.md");
    TypeKey(pHelp, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Page(pHelp), "qrc:/help/manual/01-getting-started.md");
}

TEST_F(HelpWindowTest, TheKeyTheButtonAndTheMenuRaiseTheSameWindow)
{
    CHelpWindow* pHelp = PressF1();
    ASSERT_NE(pHelp, nullptr);
    pHelp->Contents()->setCurrentRow(2);
    const std::string strPage = Page(pHelp);
    ASSERT_TRUE(Activate(m_ui.MainWindow()));
    for (int nId : {ID_HELP_CONTENTS, ID_MENU_HELP})
    {
        m_ui.MainWindow()->CommandAction(nId)->trigger();
        QApplication::processEvents();
        EXPECT_EQ(m_ui.HelpWindow(), pHelp) << nId;
        EXPECT_EQ(QApplication::activeWindow(), pHelp) << nId;
        EXPECT_EQ(Page(pHelp), strPage) << "the page the user was reading stays";
        ASSERT_TRUE(Activate(m_ui.MainWindow()));
    }
    EXPECT_EQ(PressF1(), pHelp);
}

TEST_F(HelpWindowTest, CtrlFFindsOnThePageAndRoundsAgain)
{
    CHelpWindow* pHelp = PressF1();
    ASSERT_NE(pHelp, nullptr);
    ASSERT_TRUE(Activate(pHelp));
    TypeKey(pHelp, Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), pHelp->FindField());
    for (int nKey : {Qt::Key_T, Qt::Key_E, Qt::Key_S, Qt::Key_T})
        TypeKey(pHelp, nKey);
    TypeKey(pHelp, Qt::Key_Return);
    const QTextCursor first = pHelp->Browser()->textCursor();
    EXPECT_EQ(first.selectedText().toLower(), "test");
    // Every later Enter moves on, and after the last match the first comes again.
    int nMatches = 1;
    for (; nMatches < 100; ++nMatches)
    {
        TypeKey(pHelp, Qt::Key_Return);
        if (pHelp->Browser()->textCursor().position() == first.position())
            break;
    }
    EXPECT_GT(nMatches, 1);
    EXPECT_LT(nMatches, 100);

    pHelp->FindField()->setText("no such words here");
    EXPECT_FALSE(pHelp->FindNext());
}
