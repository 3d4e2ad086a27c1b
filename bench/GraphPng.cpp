// Renders a sample test graph to a PNG: all four curves, an overlay, two comment lines and
// the Cd axis on the right.
#include "GraphScene.h"

#include "qt/QtDC.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallToolPlatform();
    const char* pszOut = argc > 1 ? argv[1] : "graph.png";

    CSceneView view;
    view.ShowAllCurves();
    view.Graph().m_dCdArea = 12.0;
    view.Graph().m_rcClient = {0, 0, 1000, 800};
    view.Graph().ClearRun();
    view.FillRun(1, 620, 1.0, false);
    view.FillRun(1, 700, 0.8, true);
    view.Graph().m_astrComment[0] = "Wing section B, 4 degrees";
    view.Graph().m_astrComment[1] = "Overlay: section A";

    QImage image = NewScreenImage(1000, 800);
    CQtDC dc(&image);
    view.OnDraw(&dc);
    if (!image.save(QString::fromLocal8Bit(pszOut), "PNG"))
    {
        std::fprintf(stderr, "cannot write %s\n", pszOut);
        return 1;
    }
    return 0;
}
