// Drawing costs of the graph: one recorded sample, a full repaint on screen, a printed page.
#include "GraphScene.h"

#include "qt/QtDC.h"

#include <benchmark/benchmark.h>

namespace
{

// Samples walking up and down the wind range with neighbours 1 to 10 slots apart, all four
// curves shown, on a 1920 x 1080 picture.
void BM_RecordSample(benchmark::State& state)
{
    CSceneView view;
    view.ShowAllCurves();
    QImage image = NewScreenImage(1920, 1080);
    CQtDC dc(&image);
    view.Graph().m_rcClient = {0, 0, 1920, 1080};
    view.OnDraw(&dc);
    view.RecordSample(&dc, 0, 0, 0, SAMPLE_CLEAR);
    int nSlot = 0;
    int nDirection = 1;
    int nStep = 0;
    for (auto _ : state)
    {
        nStep = nStep % 10 + 1;
        nSlot += nDirection * nStep;
        if (nSlot > 800 || nSlot < 10)
        {
            nDirection = -nDirection;
            nSlot += 2 * nDirection * nStep;
        }
        double dWind = nSlot / 10.0 + 0.05;
        view.RecordSample(&dc, 0.00024 * dWind * dWind, 0.00009 * dWind * dWind + 0.002, dWind,
                          SAMPLE_RECORD);
    }
}
BENCHMARK(BM_RecordSample)->Unit(benchmark::kMicrosecond);

// A full repaint with every run and overlay slot of all four curves filled.
void FullRepaint(benchmark::State& state, int nWidth, int nHeight, bool bPrinting)
{
    CSceneView view;
    view.ShowAllCurves();
    view.FillRun(0, LAST_SLOT, 1.0, false);
    view.FillRun(0, LAST_SLOT, 0.8, true);
    QImage image = NewScreenImage(nWidth, nHeight);
    CQtDC dc(&image, bPrinting);
    view.Graph().m_rcClient = {0, 0, nWidth, nHeight};
    for (auto _ : state)
    {
        if (bPrinting)
            view.OnPrint(&dc);
        else
            view.OnDraw(&dc);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_RepaintScreen(benchmark::State& state)
{
    FullRepaint(state, 1920, 1080, false);
}
BENCHMARK(BM_RepaintScreen)->Unit(benchmark::kMillisecond);

void BM_RepaintPrinterPage(benchmark::State& state)
{
    FullRepaint(state, 4800, 6600, true);
}
BENCHMARK(BM_RepaintPrinterPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallToolPlatform();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
