// Renders a sample test graph: all four curves, an overlay, two comment lines and the Cd
// axis on the right, as the window shows it at 1000 x 800 (docs/graph.png) or as SVG or PDF
// (docs/graph.svg, docs/graph.pdf), by the output's extension.
#include "GraphScene.h"

#include "files/Export.h"
#include "qt/QtPictures.h"

#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallToolPlatform();
    CQtPictureMaker pictures;
    g_platform.m_pPictures = &pictures;
    const char* pszOut = argc > 1 ? argv[1] : "graph.png";

    CSceneView view;
    view.ShowAllCurves();
    view.Graph().m_dCdArea = 12.0;
    view.Graph().ClearRun();
    view.FillRun(1, 620, 1.0, false);
    view.FillRun(1, 700, 0.8, true);
    view.Graph().m_astrComment[0] = "Wing section B, 4 degrees";
    view.Graph().m_astrComment[1] = "Overlay: section A";

    const std::string strBytes =
        view.ExportBytes(ExportFormatOfPath(pszOut).value_or(EExportFormat::Png), 1000, 800);
    QFile file(QString::fromLocal8Bit(pszOut));
    if (strBytes.empty() || !file.open(QIODevice::WriteOnly) ||
        file.write(strBytes.data(), qint64(strBytes.size())) != qint64(strBytes.size()))
    {
        std::fprintf(stderr, "cannot write %s\n", pszOut);
        return 1;
    }
    return 0;
}
