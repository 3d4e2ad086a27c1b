// A test run driven from the keyboard in the real main window against zrv-sim: the real
// frame, view, dialog host and serial code; the bytes the instrument received are compared
// with what the keys asked for.
#include "../gui/MainFrameKeys.h"
#include "../gui/ModalDriver.h"
#include "E2eFixture.h"

#include "app/ZRVApp.h"
#include "graph/CZRVView.h"
#include "link/CommLink.h"
#include "qt/MainFrame.h"
#include "qt/QtUserInterface.h"

#include <QDeadlineTimer>
#include <QLineEdit>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
class KeyboardRunTest : public CSimTest<CQtUserInterface>
{
protected:
    void SetUp() override
    {
        if (!SetUpWithV6())
            return;
        ASSERT_EQ(theCommLink.ScanPorts(), 3);
        theCommLink.m_bAlive = 1;
        theApp = CZRVApp();
        theApp.m_pView = m_ui.CreateMainWindow();
        m_pFrame = m_ui.MainWindow();
        ASSERT_TRUE(Activate(m_pFrame));
        Received(); // the identification
    }
    void TearDown() override
    {
        theApp = CZRVApp();
        CSimTest::TearDown();
    }

    // The commands the instrument received since the last call.
    std::vector<std::string> Received()
    {
        std::string strAll = ReceivedBytes();
        std::string strNew = strAll.substr(std::min(m_nSeen, strAll.size()));
        m_nSeen = strAll.size();
        return Commands(strNew);
    }
    // Runs the program until the instrument has received strCommand; what it received on the
    // way is added to astrLog.
    bool RunUntil(const std::string& strCommand, std::vector<std::string>& astrLog)
    {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired())
        {
            const size_t nOld = astrLog.size();
            RunAWhile(astrLog);
            if (std::find(astrLog.begin() + nOld, astrLog.end(), strCommand) != astrLog.end())
                return true;
        }
        return false;
    }
    // Runs the program for a moment, adding what the instrument received to astrLog.
    void RunAWhile(std::vector<std::string>& astrLog)
    {
        QDeadlineTimer deadline(20);
        while (!deadline.hasExpired())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        for (const std::string& str : Received())
            astrLog.push_back(str);
    }
    static std::vector<std::string> SpeedRequests(const std::vector<std::string>& astrLog)
    {
        std::vector<std::string> astrSpeeds;
        for (const std::string& str : astrLog)
            if (str[0] == 'W')
                astrSpeeds.push_back(str);
        return astrSpeeds;
    }
    static std::vector<std::string> Ramp(int nFrom, int nTo)
    {
        std::vector<std::string> astr;
        for (int n = nFrom; n <= nTo; n += 5)
            astr.push_back("W" + std::to_string(n));
        return astr;
    }

    CMainFrame* m_pFrame = nullptr;
    size_t m_nSeen = 0;
};
} // namespace

TEST_F(KeyboardRunTest, SetSpeedStepUpAndStopFromTheKeyboard)
{
    // W, "10", Enter: the wind ramps by half a mile per hour a tick to 10 mph.
    WhenModal(
        [](QWidget* pModal) {
            auto* pSpeed = pModal->findChild<QLineEdit*>(QStringLiteral("id1016"));
            ASSERT_NE(pSpeed, nullptr);
            ASSERT_TRUE(Activate(pModal));
            ASSERT_EQ(pModal->focusWidget(), pSpeed) << "the speed takes the keys first";
            for (int nKey : {Qt::Key_1, Qt::Key_0, Qt::Key_Return})
                TypeKey(pModal, nKey);
        },
        m_pFrame);
    TypeKey(m_pFrame, Qt::Key_W);
    std::vector<std::string> astrLog;
    ASSERT_TRUE(RunUntil("W100", astrLog)) << "the ramp did not reach 10 mph";
    EXPECT_EQ(SpeedRequests(astrLog), Ramp(5, 100));
    // Every tick polls the status, sends the next speed and reads: S, W, H.
    EXPECT_EQ(std::vector<std::string>(astrLog.begin(), astrLog.begin() + 5),
              (std::vector<std::string>{"S", "W5", "H", "S", "W10"}));

    // Page Up: 5 more. (The window manager gives the main window back its activation once
    // the dialog is gone; the offscreen platform has none.)
    ASSERT_TRUE(Activate(m_pFrame));
    TypeKey(m_pFrame, Qt::Key_PageUp);
    astrLog.clear();
    ASSERT_TRUE(RunUntil("W150", astrLog)) << "the ramp did not reach 15 mph";
    EXPECT_EQ(SpeedRequests(astrLog), Ramp(105, 150));
    RunUntil("H", astrLog);
    if (const QString strDir = qEnvironmentVariable("ZRV_SCREENSHOT_DIR"); !strDir.isEmpty())
        m_pFrame->grab().save(strDir + "/main-window.png");

    // S: status, then clear and wind off; the ticks then only watch the wind come down.
    TypeKey(m_pFrame, Qt::Key_S);
    astrLog.clear();
    ASSERT_TRUE(RunUntil("O", astrLog));
    const auto itStop = std::find(astrLog.begin(), astrLog.end(), "C");
    ASSERT_NE(itStop, astrLog.end());
    ASSERT_NE(itStop, astrLog.begin());
    EXPECT_EQ(std::vector<std::string>(itStop - 1, itStop + 2),
              (std::vector<std::string>{"S", "C", "O"}));
    astrLog.erase(astrLog.begin(), itStop + 2);
    QDeadlineTimer deadline(5000);
    while (m_pFrame->MessageText() != "Wind speed is Zero" && !deadline.hasExpired())
        RunAWhile(astrLog);
    EXPECT_EQ(m_pFrame->MessageText(), "Wind speed is Zero");
    for (const std::string& str : astrLog)
        EXPECT_EQ(str, "S") << "only status polls after Stop";
}
