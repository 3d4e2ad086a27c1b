#pragma once

#include "../gui/MainFrameKeys.h"
#include "E2eFixture.h"
#include "FakeClock.h"

#include "app/ZRVApp.h"
#include "qt/QtAppEvents.h"
#include "qt/QtUserInterface.h"

#include <QDeadlineTimer>
#include <gtest/gtest.h>
#include <string>

// The program started in this process as main.cpp starts it (settings, main window, discovery
// of the "V6" instrument on COM3, splash, input filter and idle calls), against zrv-sim. The
// splash's time runs on a clock the test moves.
class CStartedProgramTest : public CSimTest<CQtUserInterface>
{
protected:
    void SetUp() override
    {
        if (!SetUpWithV6())
            return;
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
