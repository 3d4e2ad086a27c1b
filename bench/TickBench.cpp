// The sampling tick against zrv-sim on a pseudo-terminal, the instrument answering at the
// 4800-baud byte rate (--pace): how long a steady-wind tick takes, how much of it is the
// replies' time on the line, and what the program adds on top. The program's own requests
// reach the pseudo-terminal at once; on a real line they would add their bytes' time too.
//   zrv-tick-bench [--benchmark_repetitions=N]
#include "graph/CZRVView.h"
#include "link/CommLink.h"
#include "platform/Platform.h"
#include "qt/QtClock.h"
#include "qt/QtSerialLayer.h"
#include "qt/QtUserInterface.h"
#include "qt/QtViewWidget.h"
#include "run/WindSpeed.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

namespace
{
constexpr double BYTE_MS = 10.0 * 1000.0 / 4800.0; // start, 8 data and stop bits

// A view whose wind is already at the requested speed.
class CSteadyView : public CZRVView
{
public:
    void HoldSpeed(double dMph) { m_dTargetSpeed = m_dRampSpeed = dMph; }
};

// zrv-sim on COM3 of a private ports directory, found and identified by the real serial
// code, its fan already at 10 mph; every byte it sends is counted.
class CSimLink
{
public:
    CSimLink()
    {
        qputenv("ZRV_PORTS", m_dir.path().toLocal8Bit());
        m_sim.start(QStringLiteral(ZRV_SIM_PATH),
                    {"--ports-dir", m_dir.path(), "--port", "3", "--model", "2", "--lag", "0",
                     "--pace", "--log-replies", RepliesPath()});
        m_sim.waitForStarted();
        while (!QFileInfo::exists(m_dir.filePath("COM3")) && m_sim.state() == QProcess::Running)
            QThread::msleep(10);
        g_platform = {nullptr, &m_serial, &m_ui, &m_clock};
        theCommLink = CCommLink();
        m_bReady = theCommLink.ScanPorts() == 3;
        theCommLink.m_bAlive = 1;
        char achReply[2] = {};
        theCommLink.SendCommand("W100\r", achReply, 1, 1);
        theCommLink.m_bRunning = 1;
    }
    ~CSimLink()
    {
        theCommLink = CCommLink();
        m_sim.terminate();
        m_sim.waitForFinished();
    }
    qint64 RepliedBytes() const { return QFileInfo(RepliesPath()).size(); }
    bool m_bReady = false;

private:
    QString RepliesPath() const { return m_dir.filePath("replies.log"); }

    QTemporaryDir m_dir;
    QProcess m_sim;
    CQtSerialLayer m_serial;
    CQtUserInterface m_ui;
    CQtClock m_clock;
};

// Times fnTick over the benchmark's iterations and reports the replies' time on the line and
// what the program adds beyond it, per tick.
template <typename F>
void TimeTicks(benchmark::State& state, const CSimLink& link, F fnTick)
{
    const qint64 nRepliedBefore = link.RepliedBytes();
    double dMaxMs = 0;
    double dTotalMs = 0;
    QElapsedTimer timer;
    for (auto _ : state)
    {
        timer.start();
        fnTick();
        const double dMs = timer.nsecsElapsed() / 1e6;
        dMaxMs = std::max(dMaxMs, dMs);
        dTotalMs += dMs;
    }
    const double dTicks = static_cast<double>(state.iterations());
    const double dReplyBytes = (link.RepliedBytes() - nRepliedBefore) / dTicks;
    const double dLineMs = dReplyBytes * BYTE_MS;
    state.counters["reply_bytes"] = dReplyBytes;
    state.counters["line_ms"] = dLineMs;
    state.counters["tick_ms"] = dTotalMs / dTicks;
    state.counters["added_ms"] = dTotalMs / dTicks - dLineMs;
    state.counters["max_tick_ms"] = dMaxMs;
}

// The whole tick with the wind steady: status, reading, smoothing, recording and drawing.
void BM_SteadyTick(benchmark::State& state)
{
    CSimLink link;
    if (!link.m_bReady)
        return state.SkipWithError("zrv-sim not found on COM3");
    CSteadyView view;
    CQtViewWidget window(&view);
    window.resize(1280, 720);
    window.show();
    view.OnInitialUpdate();
    view.HoldSpeed(10.0);
    TimeTicks(state, link, [&] { view.SampleTick(); });
}
BENCHMARK(BM_SteadyTick)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

// The same tick's two exchanges alone, to tell the link's share from the drawing's.
void BM_SteadyExchanges(benchmark::State& state)
{
    CSimLink link;
    if (!link.m_bReady)
        return state.SkipWithError("zrv-sim not found on COM3");
    TimeTicks(state, link, [] {
        theCommLink.CheckStatus();
        char achReply[52] = {};
        theCommLink.SendCommand("H", achReply, 1, 1);
    });
}
BENCHMARK(BM_SteadyExchanges)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
