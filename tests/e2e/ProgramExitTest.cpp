// The whole program under a virtual X server against zrv-sim: however it ends during a run,
// the instrument is told to stop and watched until it says stopped; and a run survives kill -9
// in its recovery copy.
#include "ProgramProcess.h"
#include "XServer.h"

#include "files/TestFileReader.h"
#include "graph/xygraph.h"
#include "run/WindSpeed.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace
{

const QString kCaption = QStringLiteral("^Zorvantellique$");

class ProgramExitE2eTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(m_x.Start()) << "Xvfb did not start";
    }

    // The "V6" instrument on COM3, exact readings, logging both ways.
    void StartSim(const QStringList& astrOptions)
    {
        ASSERT_TRUE(m_sim.Start(QStringList{"--ports-dir", m_dir.path(), "--port", "3", "--model",
                                            "2", "--noise", "0", "--log", Path("received.log"),
                                            "--log-replies", Path("replies.log")} +
                                astrOptions));
    }
    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM"); // the real X server, not the offscreen platform
        env.remove("WAYLAND_DISPLAY");
        env.insert("DISPLAY", m_x.Display());
        env.insert("ZRV_PORTS", m_dir.path());
        env.insert("ZRV_PROFILE", Path("Zorvantellique.ini"));
        env.insert("XDG_STATE_HOME", Path("state"));
        env.insert("LC_ALL", "de_DE.UTF-8"); // the recovery copy must not take a decimal comma
        return env;
    }
    QString Path(const QString& strName) const { return m_dir.filePath(strName); }
    std::string Bytes(const QString& strName) const
    {
        QFile file(Path(strName));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
    std::string Received() const { return Bytes("received.log"); }

    // Starts the program, waits until the splash has gone ("C") and presses Page Up: the wind
    // ramps to 5 mph. Returns the main window.
    unsigned long StartRun(CProgram& program)
    {
        const size_t nBefore = Received().size();
        EXPECT_TRUE(program.WaitFor([&] {
            return Received().find('C', nBefore) != std::string::npos;
        })) << Received();
        const unsigned long nWindow = m_x.WindowNamed(kCaption);
        EXPECT_NE(nWindow, 0u);
        m_x.TypeKeys(nWindow, {"Prior"});
        EXPECT_TRUE(program.WaitFor([&] {
            return Received().find("W50\r", nBefore) != std::string::npos;
        })) << "the wind did not reach 5 mph: "
            << Received();
        return nWindow;
    }

    // The program ended with nStatus after "C", "O" and status polls, the last of which the
    // instrument answered "stopped".
    void ExpectWindStoppedAndExit(CProgram& program, int nStatus)
    {
        ASSERT_TRUE(program.m_process.waitForFinished(20000)) << "the program did not end";
        EXPECT_EQ(program.m_process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.m_process.exitCode(), nStatus)
            << program.m_process.readAllStandardError().toStdString();
        const std::vector<std::string> astrCommands = Commands(Received());
        const auto itClear = std::find(astrCommands.rbegin(), astrCommands.rend(), "C");
        ASSERT_NE(itClear, astrCommands.rend());
        const std::vector<std::string> astrTail(itClear.base() - 1, astrCommands.end());
        ASSERT_GE(astrTail.size(), 3u) << Received();
        EXPECT_EQ(astrTail[1], "O");
        EXPECT_EQ(std::count(astrTail.begin() + 2, astrTail.end(), "S"),
                  static_cast<long>(astrTail.size() - 2))
            << "only status polls after the stop: " << Received();
        const std::string strReplies = Bytes("replies.log");
        EXPECT_EQ(strReplies.substr(strReplies.size() - 2), "2\r") << "the last poll said stopped";
    }

    QTemporaryDir m_dir;
    CXServer m_x;
    CSimProcess m_sim;
};

TEST_F(ProgramExitE2eTest, ClosingTheWindowDuringARunStopsTheWindFirst)
{
    StartSim({"--lag", "0.3"});
    CProgram program(Environment());
    const unsigned long nWindow = StartRun(program);
    ASSERT_TRUE(m_x.Close(nWindow));
    // The run was never saved: the question comes first; No lets it go.
    const unsigned long nBox = m_x.WindowNamed(kCaption, 2);
    ASSERT_NE(nBox, 0u);
    ASSERT_NE(nBox, nWindow);
    m_x.TypeKeys(nBox, {"n"});
    ExpectWindStoppedAndExit(program, 0);
}

TEST_F(ProgramExitE2eTest, SignalsDuringARunStopTheWindAndExitWithTheirStatus)
{
    StartSim({"--lag", "0.3"});
    for (int nSignal : {SIGTERM, SIGINT, SIGHUP})
    {
        SCOPED_TRACE(nSignal);
        // The signal leaves the run in the recovery copy; a fresh start is wanted here.
        QDir(Path("state")).removeRecursively();
        CProgram program(Environment());
        StartRun(program);
        ::kill(static_cast<pid_t>(program.m_process.processId()), nSignal);
        ExpectWindStoppedAndExit(program, 128 + nSignal);
    }
}

TEST_F(ProgramExitE2eTest, ASilentInstrumentDoesNotKeepTheProgram)
{
    StartSim({"--lag", "0.3"});
    CProgram program(Environment());
    StartRun(program);
    m_sim.Signal(SIGUSR1); // silent from now on
    QElapsedTimer timer;
    timer.start();
    ::kill(static_cast<pid_t>(program.m_process.processId()), SIGTERM);
    ASSERT_TRUE(program.m_process.waitForFinished(30000));
    // Each exchange gives up after its time-outs; the wait itself after 15 s.
    EXPECT_LT(timer.elapsed(), 2000 + 15000);
    EXPECT_EQ(program.m_process.exitCode(), 128 + SIGTERM);
}

ino_t Inode(const std::string& strPath)
{
    struct stat st = {};
    return stat(strPath.c_str(), &st) == 0 ? st.st_ino : 0;
}

// The slots the program had recorded once it had received the replies of the first
// nReceived bytes it sent: with the fan following at once and no noise, each "H" reads the
// speed of the last "W", and the program smooths it as it always does.
std::vector<int> RecordedSlots(const std::string& strReceived)
{
    std::vector<int> anSlots;
    double dLastSpeed = 0;
    double dFiltWind = 0;
    for (const std::string& strCommand : Commands(strReceived))
    {
        if (strCommand[0] == 'W')
            dLastSpeed = std::stoi(strCommand.substr(1)) / 10.0;
        else if (strCommand == "H")
        {
            dFiltWind = SmoothValue(dLastSpeed, dFiltWind, SMOOTHING_WEIGHT);
            anSlots.push_back(SlotOfWind(dFiltWind));
        }
    }
    return anSlots;
}

TEST_F(ProgramExitE2eTest, AfterKillNineTheRecoveredTestHoldsTheRunButItsLastFiveSeconds)
{
    StartSim({"--lag", "0"});
    const std::string strCopy = Path("state/zorvantellique/recovery.ZRV").toStdString();
    std::string strReceivedBefore; // what the instrument had received 5 s before the kill
    {
        CProgram program(Environment());
        const unsigned long nWindow = StartRun(program);
        // Up to 20 mph: a ramp of some 6 s, noting what the instrument received every 100 ms.
        m_x.TypeKeys(nWindow, {"Prior", "Prior", "Prior"});
        std::vector<std::pair<qint64, std::string>> aHistory;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 9000)
        {
            aHistory.emplace_back(timer.elapsed(), Received());
            QThread::msleep(100);
        }
        ::kill(static_cast<pid_t>(program.m_process.processId()), SIGKILL);
        const qint64 nKilledAt = timer.elapsed();
        ASSERT_TRUE(program.m_process.waitForFinished(5000));
        // A little margin for the replies in flight and the writer's own time.
        for (const auto& [nAt, strReceived] : aHistory)
            if (nAt <= nKilledAt - 5300)
                strReceivedBefore = strReceived;
    }
    const std::vector<int> anSlots = RecordedSlots(strReceivedBefore);
    ASSERT_GT(anSlots.size(), 10u) << "the run had hardly started 5 s before the kill";
    const ino_t nKilledCopy = Inode(strCopy);
    ASSERT_NE(nKilledCopy, 0u) << "no recovery copy";

    // Started again: the question after the splash, Yes (the default), then SIGTERM, which
    // writes the test in memory to the copy once more.
    {
        const size_t nBefore = Received().size();
        CProgram program(Environment());
        ASSERT_TRUE(
            program.WaitFor([&] { return Received().find('C', nBefore) != std::string::npos; }));
        const unsigned long nBox = m_x.WindowNamed(kCaption, 2);
        ASSERT_NE(nBox, 0u) << "no question about the recovered test";
        m_x.TypeKeys(nBox, {"Return"});
        ASSERT_TRUE(program.WaitFor([&] { return Inode(strCopy) != nKilledCopy; }, 10000))
            << "the recovered test was not opened as an unsaved test";
        ::kill(static_cast<pid_t>(program.m_process.processId()), SIGTERM);
        ASSERT_TRUE(program.m_process.waitForFinished(20000));
    }
    auto pRecovered = std::make_unique<xygraph>();
    std::ifstream file(strCopy, std::ios::binary);
    ASSERT_EQ(ReadTestFile(file, *pRecovered), EReadResult::Read);
    for (int nSlot : anSlots)
        EXPECT_NE(pRecovered->m_curLift.m_adRun[nSlot], EMPTY_SLOT) << nSlot;
}

} // namespace
