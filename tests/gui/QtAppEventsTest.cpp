#include "qt/QtAppEvents.h"

#include "FakeClock.h"
#include "FakeUserInterface.h"

#include "app/ZRVApp.h"
#include "link/CommLink.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace
{
// The application object with a splash up since the fake clock's "now"; communications off,
// so removing the splash sends nothing.
class QtAppEventsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_oldPlatform = g_platform;
        g_platform.m_pClock = &m_clock;
        theCommLink.m_bAlive = 0;
        theApp.m_pSplash = std::make_unique<CFakeSplash>(m_astrSplashCalls);
        theApp.m_dwSplashStart = m_clock.m_nNow;
        m_splash.setWindowFlags(Qt::SplashScreen);
    }
    void TearDown() override
    {
        theApp.m_pSplash.reset();
        g_platform = m_oldPlatform;
    }

    void Press(QWidget* pTarget, ulong nTimestamp)
    {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        event.setTimestamp(nTimestamp);
        QApplication::sendEvent(pTarget, &event);
    }
    // Runs the event loop until the splash is gone or the time is up.
    bool SplashGoneWithin(int nMs)
    {
        QDeadlineTimer deadline(nMs);
        while (theApp.m_pSplash && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        return !theApp.m_pSplash;
    }

    CPlatform m_oldPlatform;
    CFakeClock m_clock;
    std::vector<std::string> m_astrSplashCalls;
    QWidget m_window;
    QWidget m_splash;
    CQtAppEvents m_events;
};
} // namespace

TEST_F(QtAppEventsTest, IdleTimeRemovesTheSplashOnceItsTimeIsUp)
{
    m_events.StartIdle();
    EXPECT_FALSE(SplashGoneWithin(10 * CQtAppEvents::kIdleMs)) << "the clock has not moved";
    m_clock.Advance(SPLASH_MS);
    EXPECT_TRUE(SplashGoneWithin(5000));
    EXPECT_EQ(m_astrSplashCalls, std::vector<std::string>{"destroy"});
}

TEST_F(QtAppEventsTest, ClickOnAnotherWindowRemovesTheSplashAtOnce)
{
    Press(&m_window, 1);
    EXPECT_FALSE(theApp.m_pSplash);
}

TEST_F(QtAppEventsTest, ClickOnTheSplashLetsTheNextIdleMomentRemoveIt)
{
    // On a child of the splash: the press travels up to the splash, and is handed on once.
    Press(new QWidget(&m_splash), 1);
    ASSERT_TRUE(theApp.m_pSplash) << "not at once";
    EXPECT_EQ(m_clock.m_nNow - theApp.m_dwSplashStart, SPLASH_MS);
    EXPECT_TRUE(SplashGoneWithin(5000)) << "the click started idle calls";
}

TEST_F(QtAppEventsTest, KeyPressRemovesTheSplash)
{
    QKeyEvent event(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(&m_window, &event);
    EXPECT_FALSE(theApp.m_pSplash);
}
