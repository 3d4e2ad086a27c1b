// Keys and clicks while the splash shows, in the real program started against zrv-sim: the real
// start-up, main window, splash and input filter; keys go where the window system sends them,
// to the window that has the focus.
#include "../gui/MainFrameKeys.h"
#include "../gui/ModalDriver.h"
#include "E2eFixture.h"
#include "FakeClock.h"

#include "app/ZRVApp.h"
#include "qt/MainFrame.h"
#include "qt/QtAppEvents.h"
#include "qt/QtUserInterface.h"
#include "qt/QtViewWidget.h"

#include <QDeadlineTimer>
#include <gtest/gtest.h>

namespace
{
class SplashKeysTest : public CSimTest<CQtUserInterface>
{
protected:
    void SetUp() override
    {
        CSimTest::SetUp();
        if (HasFatalFailure())
            return;
        StartSim({"--model", "2"});
        if (HasFatalFailure())
            return;
        // The splash's time runs on a clock the test moves.
        g_platform.m_pClock = &m_splashClock;
        theApp = CZRVApp();
        ASSERT_TRUE(theApp.InitInstance());
        ASSERT_EQ(theCommLink.m_bAlive, 1) << "start-up found the instrument";
        ASSERT_TRUE(theApp.m_pSplash);
        m_events.StartIdle();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        theApp = CZRVApp();
        CSimTest::TearDown();
    }

    // Presses a key on the window the keyboard's input goes to.
    static void PressKey(int nKey)
    {
        QWidget* pActive = QApplication::activeWindow();
        ASSERT_NE(pActive, nullptr);
        TypeKey(pActive, nKey);
    }
    // Lets the splash's time run out and the idle calls that follow have their way.
    void RunPastTheSplashTime()
    {
        m_splashClock.Advance(SPLASH_MS);
        QDeadlineTimer deadline(10 * CQtAppEvents::kIdleMs);
        while (!deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    // What the instrument received: everything sent before a status poll it has answered.
    std::string ReceivedUpToAStatusPoll()
    {
        char achReply[80] = {};
        EXPECT_EQ(theCommLink.SendCommand("S", achReply, 1, 0), 1);
        return ReceivedBytes();
    }

    CFakeClock m_splashClock;
    CQtAppEvents m_events;
};
} // namespace

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
