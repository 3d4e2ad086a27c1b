// Exporting a full test (every slot 0 .. 1399 of all four curves, metric so that the whole
// run is on the graph) to each format at the default picture size: the core work of File,
// Export and of --export, without the process around it.
#include "GraphScene.h"

#include "files/Export.h"
#include "qt/QtPictures.h"

#include <benchmark/benchmark.h>

namespace
{

void BM_Export(benchmark::State& state, EExportFormat eFormat)
{
    CQtPictureMaker pictures;
    g_platform.m_pPictures = &pictures;
    CSceneView view;
    view.ShowAllCurves();
    view.Graph().m_nUnits = 0;
    view.Graph().ClearRun();
    view.FillRun(0, LAST_SLOT - 1, 1.0, false);
    size_t nBytes = 0;
    for (auto _ : state)
    {
        std::string strBytes =
            view.ExportBytes(eFormat, DEFAULT_PICTURE_WIDTH, DEFAULT_PICTURE_HEIGHT);
        nBytes = strBytes.size();
        benchmark::DoNotOptimize(strBytes);
    }
    state.counters["bytes"] = double(nBytes);
    g_platform.m_pPictures = nullptr;
}
BENCHMARK_CAPTURE(BM_Export, csv, EExportFormat::Csv)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, png, EExportFormat::Png)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, svg, EExportFormat::Svg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, pdf, EExportFormat::Pdf)->Unit(benchmark::kMillisecond);

} // namespace
