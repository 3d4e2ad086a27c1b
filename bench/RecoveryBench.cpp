// What keeping the recovery copy costs the sampling tick, for a test with all 1400 slots
// filled: the tick's share when the copy is handed to the writer thread (a copy of the test's
// memory), against formatting and writing the file in the tick itself. Times are per tick.
// The worst ticks of a loaded machine include its preemptions: compare with the floor.
//   zrv-recovery-bench [--benchmark_repetitions=N]
#include "GraphScene.h"

#include "files/RecoveryCopy.h"
#include "files/SafeSave.h"
#include "files/TestFileWriter.h"
#include "qt/QtDC.h"

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

// A full test on a screen picture, unsaved.
class CFullTest
{
public:
    CFullTest() : m_image(NewScreenImage(1920, 1080)), m_dc(&m_image)
    {
        InstallToolPlatform();
        m_view.ShowAllCurves();
        m_view.Graph().m_rcClient = {0, 0, 1920, 1080};
        m_view.FillRun(1, 1400, 1.0, true);
        m_view.FillRun(1, 1400, 1.0, false);
        m_view.Graph().m_astrComment[0] = "Wing A, 12 degrees";
    }
    // One more sample, as a tick records it: the test has changed.
    void RecordOne()
    {
        m_nSlot = m_nSlot % 1400 + 1;
        const double dWind = m_nSlot / 10.0;
        m_view.RecordSample(&m_dc, 0.00024 * dWind * dWind, 0.00009 * dWind * dWind + 0.002, dWind,
                            SAMPLE_RECORD);
    }

    CSceneView m_view;
    QImage m_image;
    CQtDC m_dc;
    int m_nSlot = 0;
};

// Times fnTick alone each iteration (the sample recorded before it is not counted); besides
// the mean, the 99th and 99.9th percentiles and the worst tick.
template <class TTick>
void RunTicks(benchmark::State& state, CFullTest& test, TTick fnTick)
{
    std::vector<double> adUs;
    adUs.reserve(static_cast<size_t>(state.max_iterations));
    for (auto _ : state)
    {
        test.RecordOne();
        const auto tStart = Clock::now();
        fnTick();
        const std::chrono::duration<double> elapsed = Clock::now() - tStart;
        state.SetIterationTime(elapsed.count());
        adUs.push_back(elapsed.count() * 1e6);
    }
    std::sort(adUs.begin(), adUs.end());
    state.counters["p99_us"] = adUs[adUs.size() * 99 / 100];
    state.counters["p999_us"] = adUs[adUs.size() * 999 / 1000];
    state.counters["max_us"] = adUs.back();
}

// The floor: the same copy of the test's memory without handing it over, so that "max_us"
// shows what the machine itself adds to a region of that length.
void BM_SnapshotOnly(benchmark::State& state)
{
    CFullTest test;
    RunTicks(state, test, [&] {
        auto pSnapshot = std::make_unique<xygraph>(test.m_view.Graph());
        benchmark::DoNotOptimize(pSnapshot.get());
    });
}
BENCHMARK(BM_SnapshotOnly)->UseManualTime()->Iterations(20000)->Unit(benchmark::kMicrosecond);

// Every tick is one that hands a copy over (the clock jumps the interval each time), so the
// writer thread is busy throughout: worse than the real once in five seconds.
void BM_RecoveryCopyHandedToWriter(benchmark::State& state)
{
    QTemporaryDir dir;
    CFullTest test;
    CRecoveryCopy copy(dir.filePath("recovery.ZRV").toStdString());
    uint32_t dwNow = 0;
    RunTicks(state, test, [&] { copy.Update(test.m_view, dwNow += RECOVERY_INTERVAL_MS); });
    copy.WaitIdle();
}
BENCHMARK(BM_RecoveryCopyHandedToWriter)
    ->UseManualTime()
    ->Iterations(20000)
    ->Unit(benchmark::kMicrosecond);

// The alternative: format and write in the tick.
void BM_RecoveryCopyWrittenInTheTick(benchmark::State& state)
{
    QTemporaryDir dir;
    CFullTest test;
    const std::string strPath = dir.filePath("recovery.ZRV").toStdString();
    RunTicks(state, test, [&] { SaveReplacing(strPath, FormatTestFile(test.m_view.Graph())); });
}
BENCHMARK(BM_RecoveryCopyWrittenInTheTick)
    ->UseManualTime()
    ->Iterations(20000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    // The picture the samples are drawn into needs the application's fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
