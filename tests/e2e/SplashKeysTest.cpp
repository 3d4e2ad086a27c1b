// Keys and clicks while the splash shows, in the real program started against zrv-sim: the real
// start-up, main window, splash and input filter; keys go where the window system sends them,
// to the window that has the focus.
#include "../gui/ModalDriver.h"
#include "StartedProgram.h"

#include "qt/MainFrame.h"
#include "qt/QtViewWidget.h"

using SplashKeysTest = CStartedProgramTest;

TEST_F(SplashKeysTest, AcceleratorRemovesTheSplashAtOnceAndStillRuns)
{
    // W opens Set Wind Speed; the splash is gone before the dialog shows.
    bool bDialog = false;
    bool bSplashUnderDialog = true;
    WhenModal(
        [&](QWidget* pModal) {
            bDialog = true;
            bSplashUnderDialog = theApp.m_pSplash != nullptr;
            qobject_cast<QDialog*>(pModal)->reject();
        },
        m_ui.MainWindow());
    PressKey(Qt::Key_W);
    EXPECT_TRUE(bDialog) << "the accelerator's command ran";
    EXPECT_FALSE(bSplashUnderDialog);
    EXPECT_FALSE(theApp.m_pSplash);
    RunPastTheSplashTime();
    EXPECT_EQ(ReceivedUpToAStatusPoll(), "VVS") << "identified, then no clear";
}

TEST_F(SplashKeysTest, OtherKeyRemovesTheSplashAtOnce)
{
    PressKey(Qt::Key_Q);
    EXPECT_FALSE(theApp.m_pSplash);
    RunPastTheSplashTime();
    EXPECT_EQ(ReceivedUpToAStatusPoll(), "VVS") << "identified, then no clear";
}

TEST_F(SplashKeysTest, ClickOnTheMainWindowRemovesTheSplashAtOnce)
{
    ClickMouse(m_ui.MainWindow()->ViewWidget(), {20, 20}, Qt::LeftButton);
    EXPECT_FALSE(theApp.m_pSplash);
    RunPastTheSplashTime();
    EXPECT_EQ(ReceivedUpToAStatusPoll(), "VVS") << "identified, then no clear";
}

TEST_F(SplashKeysTest, ClickOnTheSplashRemovesItAtTheNextIdleMomentWithClear)
{
    auto* pSplash = dynamic_cast<QWidget*>(theApp.m_pSplash.get());
    ASSERT_NE(pSplash, nullptr);
    ClickMouse(pSplash, {20, 20}, Qt::LeftButton);
    ASSERT_TRUE(theApp.m_pSplash) << "not at once";
    QDeadlineTimer deadline(5000);
    while (theApp.m_pSplash && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_FALSE(theApp.m_pSplash) << "the clock did not move: the click shortened the wait";
    EXPECT_EQ(ReceivedUpToAStatusPoll(), "VVCS");
}
