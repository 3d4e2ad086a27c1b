// Ending the desktop program: signals reach the event loop through the watcher's pipe, and
// File Exit, signals and a loop ended by the session manager all bring the wind to rest in the
// real main window before the loop returns its exit status.
#include "FakePlatform.h"
#include "MainFrameKeys.h"

#include "app/CommandIds.h"
#include "app/ZRVApp.h"
#include "graph/CZRVView.h"
#include "link/CommLink.h"
#include "qt/MainFrame.h"
#include "qt/QtProgramExit.h"
#include "qt/QtSignalWatcher.h"

#include <QDeadlineTimer>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <vector>

namespace
{

TEST(QtSignalWatcherTest, SignalsArriveInTheLoopInOrderAndTheOldHandlersComeBack)
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction aOld[2] = {};
    sigaction(SIGUSR1, &ignore, &aOld[0]);
    sigaction(SIGUSR2, &ignore, &aOld[1]);
    {
        std::vector<int> anCaught;
        CQtSignalWatcher watcher({SIGUSR1, SIGUSR2});
        watcher.m_fnSignal = [&](int nSignal) { anCaught.push_back(nSignal); };
        raise(SIGUSR1);
        raise(SIGUSR2);
        raise(SIGUSR1);
        EXPECT_TRUE(anCaught.empty()) << "nothing runs inside the handler";
        QDeadlineTimer deadline(5000);
        while (anCaught.size() < 3 && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        EXPECT_EQ(anCaught, (std::vector<int>{SIGUSR1, SIGUSR2, SIGUSR1}));
    }
    struct sigaction now = {};
    sigaction(SIGUSR1, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_IGN);
    sigaction(SIGUSR1, &aOld[0], nullptr);
    sigaction(SIGUSR2, &aOld[1], nullptr);
}

// The real main window and view over a scripted instrument whose wind runs.
class QtProgramExitTest : public CLinkedPlatformTest
{
protected:
    void SetUp() override
    {
        CLinkedPlatformTest::SetUp();
        theApp = CZRVApp();
        m_pFrame = std::make_unique<CMainFrame>(std::make_unique<CZRVView>());
        ASSERT_TRUE(Activate(m_pFrame.get()));
        theApp.m_pView = &m_pFrame->View();
        theApp.m_pView->OnInitialUpdate();
        m_pFrame->m_fnCanClose = [this] { return m_exit.OnCloseRequest(); };
        // The wind blows; the instrument reports it stopped from the third poll on, and the
        // status line is noted at every poll.
        theCommLink.m_bRunning = 1;
        m_pDevice->m_fnRespond = [this](const std::string& strRequest) {
            if (strRequest != "S")
                return m_instrument(strRequest);
            m_astrStatusAtPoll.push_back(m_pFrame->MessageText().toStdString());
            return std::string(m_astrStatusAtPoll.size() < 3 || m_bNeverStops ? "0\r" : "2\r");
        };
    }
    void TearDown() override
    {
        m_pFrame.reset();
        theApp = CZRVApp();
        CLinkedPlatformTest::TearDown();
    }

    std::unique_ptr<CMainFrame> m_pFrame;
    CQtProgramExit m_exit;
    std::vector<std::string> m_astrStatusAtPoll;
    bool m_bNeverStops = false;
};

TEST_F(QtProgramExitTest, FileExitKeepsTheWindowUntilTheWindHasStopped)
{
    QTimer::singleShot(0, m_pFrame.get(), [this] { m_pFrame->OnCommand(ID_APP_EXIT); });
    EXPECT_EQ(m_exit.Exec(), 0);
    EXPECT_EQ(m_pDevice->TakeWritten(), "COSSS");
    EXPECT_EQ(m_astrStatusAtPoll, std::vector<std::string>(3, "Returning Wind speed to Zero"));
    EXPECT_TRUE(m_pFrame->isVisible()) << "the window stays while the wind stops";
}

TEST_F(QtProgramExitTest, ASecondSigtermDuringTheWaitEndsAtOnce)
{
    m_bNeverStops = true;
    CQtSignalWatcher watcher({SIGTERM});
    watcher.m_fnSignal = [this](int nSignal) { m_exit.OnSignal(nSignal); };
    raise(SIGTERM);
    // The second one once the wait has polled twice.
    QTimer second;
    QObject::connect(&second, &QTimer::timeout, [&] {
        if (m_astrStatusAtPoll.size() == 2)
            raise(SIGTERM);
    });
    second.start(10);
    EXPECT_EQ(m_exit.Exec(), 128 + SIGTERM);
    EXPECT_EQ(m_pDevice->TakeWritten(), "COSS");
}

TEST_F(QtProgramExitTest, AQuitFromOutsideStillStopsTheWind)
{
    // What the session manager's "die" asks for (Qt closes the windows first), and an end of
    // the loop that asks nobody.
    for (auto fnQuit : {+[] { QCoreApplication::quit(); }, +[] { QCoreApplication::exit(0); }})
    {
        CQtProgramExit exit;
        m_pFrame->m_fnCanClose = [&exit] { return exit.OnCloseRequest(); };
        theCommLink.m_bRunning = 1;
        m_astrStatusAtPoll.clear();
        QTimer::singleShot(0, fnQuit);
        EXPECT_EQ(exit.Exec(), 0);
        EXPECT_EQ(m_pDevice->TakeWritten(), "COSSS");
    }
}

TEST_F(QtProgramExitTest, AfterTheSessionAskedForDataAnUnsavedRunDoesNotHoldUpTheClose)
{
    std::unique_ptr<CDC> pDC = theApp.m_pView->m_pWnd->GetClientDC();
    theApp.m_pView->RecordSample(pDC.get(), 0.5, 0.25, 10.0, SAMPLE_RECORD);
    m_exit.OnSessionEnding();
    QTimer::singleShot(0, m_pFrame.get(), [this] { m_pFrame->close(); });
    EXPECT_EQ(m_exit.Exec(), 0);
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
    EXPECT_EQ(m_pDevice->TakeWritten(), "COSSS");
}

} // namespace
