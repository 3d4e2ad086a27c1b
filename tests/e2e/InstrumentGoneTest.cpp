// The instrument vanishing while the program idles, in the real program against zrv-sim: the
// program notices it without polling a dead port, says so, and the next command offers Retry,
// which works once an instrument is back on the same COM name.
#include "../gui/ModalDriver.h"
#include "StartedProgram.h"

#include "qt/MainFrame.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <sys/resource.h>

namespace
{
// Processor time this process has used, user and system, in seconds.
double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto fnSeconds = [](const timeval& tv) { return double(tv.tv_sec) + tv.tv_usec / 1e6; };
    return fnSeconds(usage.ru_utime) + fnSeconds(usage.ru_stime);
}

// Runs the event loop for nMs milliseconds, sleeping while nothing happens.
void RunIdle(int nMs)
{
    QEventLoop loop;
    QTimer::singleShot(nMs, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

using InstrumentGoneTest = CStartedProgramTest;

TEST_F(InstrumentGoneTest, IdleProgramStaysQuietSaysSoAndRetryWorksOnceItIsBack)
{
    RunPastTheSplashTime();
    CMainFrame* pFrame = m_ui.MainWindow();
    m_sim.Stop(); // its end of the line closes, as an unplugged adapter's does
    RunIdle(100);

    const double dCpuBefore = CpuSeconds();
    RunIdle(5000);
    EXPECT_LT(CpuSeconds() - dCpuBefore, 0.1) << "the program polls a dead port";
    EXPECT_EQ(pFrame->MessageText().toStdString(), "Instrument disconnected");

    // Page Up: the first tick's status poll fails and brings the link's message. The user
    // plugs the instrument back in and presses Retry.
    bool bBox = false;
    WhenModal(
        [&](QWidget* pModal) {
            auto* pBox = qobject_cast<QMessageBox*>(pModal);
            ASSERT_NE(pBox, nullptr);
            bBox = true;
            EXPECT_TRUE(pBox->text().startsWith("Communications Error!"))
                << pBox->text().toStdString();
            StartSim({"--model", "2"});
            pBox->button(QMessageBox::Retry)->click();
        },
        pFrame);
    PressKey(Qt::Key_PageUp);
    QDeadlineTimer deadline(10000);
    while (ReceivedBytes().find("W5\r") == std::string::npos && !deadline.hasExpired())
        RunIdle(20);
    EXPECT_TRUE(bBox);
    EXPECT_NE(ReceivedBytes().find("W5\r"), std::string::npos) << "the ramp goes on after Retry";
    EXPECT_EQ(theCommLink.m_bAlive, 1);
}
