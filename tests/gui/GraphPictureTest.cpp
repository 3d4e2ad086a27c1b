#include "../unit/GraphTestSupport.h"
#include "PrintedPage.h"

#include "qt/QtDC.h"
#include "qt/QtPrintSurface.h"
#include "qt/QtViewWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

namespace
{

constexpr QRgb SILVER = 0xFFC0C0C0;
constexpr QRgb WHITE = 0xFFFFFFFF;
constexpr QRgb BLACK = 0xFF000000;
constexpr QRgb GRAY = 0xFF808080;
constexpr QRgb DARK_RED = 0xFF800000;

// The view drawn into images of 1000 x 800 pixels through the Qt context.
class GraphPictureTest : public GraphTest
{
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        m_image = NewImage();
        Paint(m_image);
    }
    static QImage NewImage()
    {
        QImage image(1000, 800, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }
    void Paint(QImage& image)
    {
        CQtDC dc(&image);
        m_pView->OnDraw(&dc);
    }
    QImage FreshPaint()
    {
        QImage image = NewImage();
        Paint(image);
        return image;
    }
    void RecordOn(QImage& image, double dWind, double dLift, double dDrag)
    {
        CQtDC dc(&image);
        m_pView->RecordSample(&dc, dLift, dDrag, dWind, SAMPLE_RECORD);
    }
    void EndMotion(QImage& image)
    {
        CQtDC dc(&image);
        m_pView->RecordSample(&dc, 0, 0, 0, SAMPLE_END_MOTION);
    }
    // Empties slot 0 of the run, as Set Overlay leaves it, so that curves start at the first
    // sample instead of climbing from the origin across the grid.
    void DropAnchors()
    {
        for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
            Graph().Series(nSeries).m_adRun[0] = EMPTY_SLOT;
    }
    // The pixel of a wind (mph) and force (lbs) on the 1000 x 800 plot.
    static QPoint At(double dWind, double dForce)
    {
        CMapping map{939, 11049, 1000, -800, 80, 736};
        CPoint pt = map.LPtoDP({int(dWind * 10), int(dForce * 10000)});
        return {pt.x, pt.y};
    }
    static int CountPixels(const QImage& image, QRgb rgb)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == rgb;
        return n;
    }

    QImage m_image;
};

TEST_F(GraphPictureTest, BackgroundSilverOnScreenWhiteOnPaper)
{
    EXPECT_EQ(m_image.pixel(At(15, 0.15)), SILVER);
    EXPECT_EQ(m_image.pixel(3, 3), WHITE);
    EXPECT_EQ(m_image.pixel(995, 795), WHITE);
    EXPECT_EQ(m_image.pixel(0, 400), BLACK); // the page outline

    QImage page = RenderPrintPage(*m_pView, 1000, 800);
    EXPECT_EQ(page.pixel(At(15, 0.15)), WHITE);
    EXPECT_EQ(page.pixel(3, 3), WHITE);
    EXPECT_EQ(page.pixel(At(45, 0.45)), WHITE);
    EXPECT_EQ(page.pixel(At(75, 0.05)), WHITE);
    EXPECT_EQ(Graph().m_crBackground, 0xC0C0C0u);
}

// The ink of the turned force title: dark pixels inside the page outline and left of the force
// labels, which start 40 % across the force strip (8 % of the width).
QRect ForceTitleInk(const QImage& image)
{
    QRect rcInk;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() * 8 * 35 / 100 / 100; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                rcInk |= QRect(x, y, 1, 1);
    return rcInk;
}

TEST_F(GraphPictureTest, ForceTitleIsWholeInsideItsStripOnScreenAndPaper)
{
    struct CSurface
    {
        const char* m_pszName;
        QImage m_image;
        int m_nCharPixels; // about the title's character height
    };
    const CSurface aSurface[] = {{"screen", m_image, 14},
                                 {"paper", RenderPrintPage(*m_pView, 4800, 6600), 108},
                                 {"landscape paper", RenderPrintPage(*m_pView, 6600, 4800), 78}};
    for (const CSurface& surface : aSurface)
    {
        const QRect rcInk = ForceTitleInk(surface.m_image);
        ASSERT_FALSE(rcInk.isEmpty()) << surface.m_pszName;
        // Cut by the window's edge, the ink would run up to the page outline.
        EXPECT_GE(rcInk.left(), 2) << surface.m_pszName;
        // Across the turned line: capitals and the parentheses' full height.
        EXPECT_GE(rcInk.width(), surface.m_nCharPixels * 3 / 4) << surface.m_pszName;
        // Along it: "Force (lbs)" is about four times as long as high.
        EXPECT_GE(rcInk.height(), surface.m_nCharPixels * 3) << surface.m_pszName;
    }
}

TEST_F(GraphPictureTest, GridAndTicksAtTheirPixels)
{
    // The 20 mph grid line runs down column 293 from the plot's top (row 12): three gray
    // pixels, three of background, and so on.
    for (int y = 12; y < 40; ++y)
        EXPECT_EQ(m_image.pixel(293, y), ((y - 12) / 3) % 2 == 0 ? GRAY : SILVER) << y;
    // The 0.1 lbs line along row 664.
    EXPECT_EQ(m_image.pixel(81, 664), GRAY);
    EXPECT_EQ(m_image.pixel(84, 664), SILVER);
    // The plot outline.
    EXPECT_EQ(m_image.pixel(80, 300), BLACK);
    EXPECT_EQ(m_image.pixel(984, 300), BLACK);
    EXPECT_EQ(m_image.pixel(500, 12), BLACK);
    EXPECT_EQ(m_image.pixel(500, 735), BLACK);
    // Wind ticks below the plot: major at 10 mph down to row 746, minor at 1 mph to 739.
    EXPECT_EQ(m_image.pixel(186, 746), BLACK);
    EXPECT_EQ(m_image.pixel(186, 747), WHITE);
    EXPECT_EQ(m_image.pixel(91, 739), BLACK);
    EXPECT_EQ(m_image.pixel(91, 740), WHITE);
}

TEST_F(GraphPictureTest, SingleFilledSlotDrawsNothing)
{
    Graph().m_curLift.m_adOverlay[300] = 0.5;
    EXPECT_EQ(FreshPaint(), m_image);
}

TEST_F(GraphPictureTest, NegativeLiftIsDrawnMirrored)
{
    Graph().m_curLift.m_adRun[100] = 0.5;
    Graph().m_curLift.m_adRun[200] = 0.5;
    QImage positive = FreshPaint();
    Graph().m_curLift.m_adRun[100] = -0.5;
    Graph().m_curLift.m_adRun[200] = -0.5;
    QImage negative = FreshPaint();
    EXPECT_EQ(negative, positive);
    EXPECT_EQ(positive.pixel(At(15, 0.5)), 0xFFFF0000u); // red
}

TEST_F(GraphPictureTest, RecordingLeavesThePictureOfAFullRepaint)
{
    // Lift between 0.01 and 0.06 lbs and drag between 0.51 and 0.56 below 10 mph, gently
    // sloped: the curves cross no grid line, no tick and not each other, so exclusive-or
    // and a fresh drawing agree pixel for pixel. Back and forth, stretches are recorded
    // again.
    DropAnchors();
    const double adWind[] = {1.0, 2.0, 3.5, 5.0, 4.0, 2.5, 3.0, 6.0, 8.0, 7.5, 9.0, 4.5, 4.6};
    for (int i = 0; i < int(std::size(adWind)); ++i)
    {
        double dWind = adWind[i];
        RecordOn(m_image, dWind, 0.01 + 0.005 * dWind + 0.0001 * i, 0.51 + 0.005 * dWind);
    }
    EndMotion(m_image); // removes the speed marker
    EXPECT_EQ(m_image, FreshPaint());
}

TEST_F(GraphPictureTest, HiddenCurveIsNeitherErasedNorDrawn)
{
    DropAnchors();
    RecordOn(m_image, 2.0, 0.02, 0.52);
    RecordOn(m_image, 4.0, 0.03, 0.54);
    EndMotion(m_image); // the marker, which crosses the curves, goes
    Graph().m_curDrag.m_bShow = 0;
    int nBlue = CountPixels(m_image, 0xFF0000FF);
    int nRed = CountPixels(m_image, 0xFFFF0000);
    RecordOn(m_image, 3.0, 0.025, 0.55);
    EndMotion(m_image);
    // The drag curve from 2 to 4 mph stays as it was; the lift curve is redrawn.
    EXPECT_GT(nBlue, 20);
    EXPECT_EQ(CountPixels(m_image, 0xFF0000FF), nBlue);
    EXPECT_NE(CountPixels(m_image, 0xFFFF0000), nRed);
}

TEST_F(GraphPictureTest, SpeedMarkerAppearsMovesAndVanishes)
{
    int y = At(0, 0.15).y();
    int x10 = At(10, 0).x();
    int x15 = At(15, 0).x();
    RecordOn(m_image, 10.0, 0.01, 0.51);
    EXPECT_EQ(m_image.pixel(x10, y), DARK_RED);
    RecordOn(m_image, 15.0, 0.01, 0.51);
    EXPECT_EQ(m_image.pixel(x10, y), SILVER);
    EXPECT_EQ(m_image.pixel(x15, y), DARK_RED);
    EndMotion(m_image);
    EXPECT_EQ(m_image.pixel(x15, y), SILVER);
    EXPECT_EQ(CountPixels(m_image, DARK_RED), 0);
}

TEST_F(GraphPictureTest, PrintedPageKeepsTheLayoutAndTheWindowState)
{
    Graph().m_rcClient = {0, 0, 640, 480};
    QImage page = RenderPrintPage(*m_pView, 4800, 6600);
    // The plot's left edge on column 384 and its bottom edge on row 6072 (the outline is the
    // last row above it).
    for (int y = 200; y < 6000; y += 97)
        ASSERT_EQ(page.pixel(384, y), BLACK) << y;
    for (int x = 400; x < 4700; x += 89)
        ASSERT_EQ(page.pixel(x, 6071), BLACK) << x;
    EXPECT_EQ(page.pixel(385, 3001), WHITE);
    EXPECT_EQ(page.pixel(1000, 6070), WHITE);
    EXPECT_EQ(Graph().m_rcClient, (CRect{0, 0, 640, 480}));
    EXPECT_EQ(Graph().m_crBackground, 0xC0C0C0u);
}

TEST_F(GraphPictureTest, PrintsOnAPrinter)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString strFile = dir.filePath("page.pdf");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(strFile);
    printer.setResolution(100);
    EXPECT_TRUE(PrintView(*m_pView, printer));
    EXPECT_GT(QFileInfo(strFile).size(), 1000);
    EXPECT_EQ(Graph().m_rcClient, (CRect{0, 0, 1000, 800}));
    EXPECT_EQ(Graph().m_crBackground, 0xC0C0C0u);
}

TEST_F(GraphPictureTest, ExclusiveOrTwiceRestoresThePixels)
{
    QImage before = m_image;
    {
        CQtDC dc(&m_image);
        CPen pen(PS_DOT, 0, 0x123456);
        dc.SelectObject(&pen);
        dc.SetROP2(R2_XORPEN);
        for (int i = 0; i < 2; ++i)
        {
            dc.MoveTo(-50, 900);
            dc.LineTo(1200, -30);
            dc.Rectangle(100, 100, 300, 200);
        }
        dc.SelectStockObject(BLACK_PEN);
    }
    EXPECT_EQ(m_image, before);
}

// A view that counts what its window sends it.
class CCountingView : public CView
{
public:
    void OnPaint() override
    {
        ++m_nPaints;
        std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
        OnDraw(pDC.get());
    }
    void OnDraw(CDC* pDC) override
    {
        CRect rc = m_pWnd->GetClientRect();
        CBrush brush(0x00FF00);
        pDC->SelectObject(&brush);
        pDC->Rectangle(0, 0, rc.right, rc.bottom);
    }
    void OnTimer(int nId) override { m_nLastTimer = nId; }
    int m_nPaints = 0;
    int m_nLastTimer = 0;
};

TEST(ViewWidgetTest, ResizeMakesANewImageAndRepaints)
{
    CCountingView view;
    CQtViewWidget widget(&view);
    EXPECT_EQ(view.m_pWnd, &widget);
    widget.resize(320, 200);
    widget.show();
    QApplication::processEvents();
    EXPECT_EQ(widget.Image().size(), QSize(320, 200));
    EXPECT_EQ(widget.GetClientRect(), (CRect{0, 0, 320, 200}));
    EXPECT_GE(view.m_nPaints, 1);
    EXPECT_EQ(widget.Image().pixel(160, 100), 0xFF00FF00u);
    int nPaints = view.m_nPaints;
    widget.resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(widget.Image().size(), QSize(400, 300));
    EXPECT_GT(view.m_nPaints, nPaints);
    EXPECT_EQ(widget.Image().pixel(399, 150), 0xFF000000u); // the outline on the new edge
}

TEST(ViewWidgetTest, TimerAndStatusReachTheView)
{
    CCountingView view;
    CQtViewWidget widget(&view);
    std::string strForwarded;
    widget.m_fnStatus = [&](const std::string& str) { strForwarded = str; };
    widget.SetStatusText("Wind speed is Zero");
    EXPECT_EQ(widget.StatusText(), "Wind speed is Zero");
    EXPECT_EQ(strForwarded, "Wind speed is Zero");

    EXPECT_EQ(widget.SetTimer(1, 5), 1);
    QElapsedTimer timer;
    timer.start();
    while (view.m_nLastTimer == 0 && timer.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(view.m_nLastTimer, 1);
    widget.KillTimer(1);
}

TEST_F(GraphPictureTest, ViewInItsWidgetShowsTheGraph)
{
    CQtViewWidget widget(m_pView.get());
    widget.resize(1000, 800);
    widget.show();
    QApplication::processEvents();
    EXPECT_EQ(widget.Image(), m_image);
    EXPECT_EQ(widget.StatusText().rfind("STOPPED - Wind Speed:  0.0 MPH.", 0), 0u);
    std::unique_ptr<CDC> pDC = widget.GetClientDC();
    m_pView->RecordSample(pDC.get(), 0.01, 0.51, 10.0, SAMPLE_RECORD);
    EXPECT_EQ(widget.Image().pixel(At(10, 0.15)), DARK_RED);
    m_pView->m_pWnd = &m_wnd;
}

} // namespace
