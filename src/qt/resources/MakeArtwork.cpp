// Draws the program's artwork: the toolbar strip (ten 50 x 50 pictures side by side, in the
// toolbar's button order), the splash picture (518 x 302) and the application icon (64 x 64
// for the window; SVG and 48, 128, 256 pixels for the desktop's icon theme). The files beside
// this source are its output; run it again only to change the pictures:
//   g++ -std=c++20 -fPIC MakeArtwork.cpp $(pkg-config --cflags --libs Qt6Gui Qt6Svg) \
//       -o make-artwork
//   QT_QPA_PLATFORM=offscreen ./make-artwork src/qt/resources
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSvgGenerator>
#include <functional>
#include <vector>

namespace
{
constexpr int kButton = 50;
const QColor kInk(40, 40, 48);
const QColor kBlue(36, 96, 176);
const QColor kRed(200, 40, 40);
const QColor kGreen(40, 150, 60);

QPen Ink(const QColor& color = kInk, double dWidth = 2.5)
{
    return QPen(color, dWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawOpen(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(QColor(240, 200, 90));
    p.drawPolygon(QPolygonF({{6, 14}, {20, 14}, {24, 18}, {42, 18}, {42, 40}, {6, 40}}));
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygonF({{6, 40}, {12, 24}, {46, 24}, {40, 40}}));
}

void DrawSave(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(8, 8, 34, 34), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 8, 22, 12));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(14, 28, 22, 14));
    p.fillRect(QRectF(28, 10, 5, 8), kInk);
}

void DrawPrint(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(15, 6, 20, 14));
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(6, 18, 38, 18), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 30, 22, 14));
    p.setPen(Ink(kInk, 1.5));
    p.drawLine(QPointF(18, 35), QPointF(32, 35));
    p.drawLine(QPointF(18, 39), QPointF(29, 39));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(38, 23), 2, 2);
}

// Streamlines: the wind itself.
void DrawWind(QPainter& p, const QColor& color)
{
    p.setPen(Ink(color, 3));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i)
    {
        const double y = 14 + i * 11;
        QPainterPath path(QPointF(6, y));
        path.cubicTo(QPointF(18, y - 6), QPointF(28, y + 6), QPointF(40, y));
        p.drawPath(path);
    }
}

void DrawSetWind(QPainter& p)
{
    DrawWind(p, kBlue);
    p.setPen(Ink(kInk, 2));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({{36, 38}, {46, 44}, {36, 50 - 1}}));
}

void DrawStop(QPainter& p)
{
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i)
    {
        const double dAngle = (22.5 + 45.0 * i) * 3.14159265358979 / 180.0;
        octagon << QPointF(25 + 19 * std::cos(dAngle), 25 + 19 * std::sin(dAngle));
    }
    p.setPen(Ink(Qt::white, 2));
    p.setBrush(kRed);
    p.drawPolygon(octagon);
    p.fillRect(QRectF(14, 22, 22, 6), Qt::white);
}

void DrawArrow(QPainter& p, bool bUp)
{
    const double s = bUp ? 1.0 : -1.0;
    auto pt = [s](double x, double y) { return QPointF(x, 25 - s * (25 - y)); };
    p.setPen(Ink());
    p.setBrush(bUp ? kGreen : kRed);
    p.drawPolygon(QPolygonF(
        {pt(25, 5), pt(43, 25), pt(32, 25), pt(32, 45), pt(18, 45), pt(18, 25), pt(7, 25)}));
}

void DrawClearGraph(QPainter& p)
{
    p.setPen(Ink());
    p.drawLine(QPointF(8, 6), QPointF(8, 42));
    p.drawLine(QPointF(8, 42), QPointF(44, 42));
    p.setPen(Ink(kBlue, 2.5));
    p.drawPolyline(QPolygonF({{10, 38}, {20, 30}, {30, 22}, {42, 10}}));
    p.setPen(Ink(kRed, 4));
    p.drawLine(QPointF(22, 14), QPointF(42, 34));
    p.drawLine(QPointF(42, 14), QPointF(22, 34));
}

void DrawAxis(QPainter& p)
{
    p.setPen(Ink());
    p.drawLine(QPointF(10, 4), QPointF(10, 40));
    p.drawLine(QPointF(10, 40), QPointF(46, 40));
    p.setPen(Ink(kInk, 2));
    for (int i = 1; i <= 4; ++i)
    {
        p.drawLine(QPointF(5, 40 - 8.5 * i), QPointF(10, 40 - 8.5 * i));
        p.drawLine(QPointF(10 + 8.5 * i, 40), QPointF(10 + 8.5 * i, 45));
    }
    p.setPen(Ink(kGreen, 3));
    p.drawLine(QPointF(18, 20), QPointF(40, 20));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({{40, 15}, {46, 20}, {40, 25}}));
}

void DrawHelp(QPainter& p)
{
    p.setPen(Ink(kBlue, 2));
    p.setBrush(QColor(225, 235, 250));
    p.drawEllipse(QPointF(25, 25), 20, 20);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(30);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 50, 50), Qt::AlignCenter, QStringLiteral("?"));
}

QImage ToolbarStrip()
{
    const std::vector<std::function<void(QPainter&)>> afnButtons = {
        DrawOpen,
        DrawSave,
        DrawPrint,
        DrawSetWind,
        DrawStop,
        [](QPainter& p) { DrawArrow(p, true); },
        [](QPainter& p) { DrawArrow(p, false); },
        DrawClearGraph,
        DrawAxis,
        DrawHelp,
    };
    QImage image(kButton * int(afnButtons.size()), kButton, QImage::Format_RGB888);
    image.fill(QColor(192, 192, 192));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (size_t i = 0; i < afnButtons.size(); ++i)
    {
        painter.save();
        painter.translate(kButton * int(i), 0);
        painter.setClipRect(0, 0, kButton, kButton);
        afnButtons[i](painter);
        painter.restore();
    }
    return image;
}

// A wing section in the tunnel's air stream, the product name above it; the version line is
// written at run time at (345, 177), so the picture keeps that corner light.
QImage Splash()
{
    QImage image(518, 302, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 302);
    sky.setColorAt(0, QColor(200, 222, 246));
    sky.setColorAt(1, QColor(246, 250, 255));
    p.fillRect(image.rect(), sky);

    p.setPen(QPen(QColor(120, 150, 190), 1.5));
    for (int i = 0; i < 9; ++i)
    {
        const double y = 240 + (i - 4) * 9.0;
        const double dBend = (4 - std::abs(i - 4)) * 3.0 * (i < 4 ? -1 : 1);
        QPainterPath path(QPointF(20, y));
        path.cubicTo(QPointF(120, y), QPointF(150, y + dBend), QPointF(230, y + dBend));
        path.cubicTo(QPointF(300, y + dBend), QPointF(330, y), QPointF(498, y));
        if (std::abs(i - 4) > 0)
            p.drawPath(path);
    }
    QPainterPath wing(QPointF(110, 240));
    wing.cubicTo(QPointF(120, 222), QPointF(190, 220), QPointF(300, 236));
    wing.cubicTo(QPointF(200, 246), QPointF(130, 252), QPointF(110, 240));
    p.setPen(QPen(QColor(30, 50, 90), 2));
    p.setBrush(QColor(60, 90, 150));
    p.drawPath(wing);

    p.setPen(QPen(QColor(30, 50, 90), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8, 8, 502, 286), 10, 10);

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(24, 40, 80));
    p.drawText(QRectF(0, 40, 518, 60), Qt::AlignCenter, QStringLiteral("Zorvantellique"));
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(16);
    p.setFont(subtitle);
    p.drawText(QRectF(0, 100, 518, 24), Qt::AlignCenter,
               QStringLiteral("Wind tunnel control and test recording"));
    return image;
}

// The icon drawn on a 64 x 64 grid, scaled to the painter's device.
void PaintIcon(QPainter& p, int nSize)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(nSize / 64.0, nSize / 64.0);
    p.setPen(QPen(QColor(30, 50, 90), 3));
    p.setBrush(QColor(200, 222, 246));
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 10, 10);
    p.scale(64.0 / 50.0, 64.0 / 50.0);
    DrawWind(p, kBlue);
}

QImage Icon(int nSize)
{
    QImage image(nSize, nSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PaintIcon(p, nSize);
    return image;
}

// The same icon as a vector drawing, for the desktop's scalable icon theme.
bool SaveIconSvg(const QString& strPath)
{
    QSvgGenerator svg;
    svg.setFileName(strPath);
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRect(0, 0, 64, 64));
    svg.setTitle(QStringLiteral("Zorvantellique"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    PaintIcon(p, 64);
    return p.end();
}
} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QString strDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool bSaved = ToolbarStrip().save(strDir + "/toolbar.png") &&
                  Splash().save(strDir + "/splash.png") && Icon(64).save(strDir + "/icon.png") &&
                  SaveIconSvg(strDir + "/icon.svg");
    for (int nSize : {48, 128, 256})
        bSaved = bSaved && Icon(nSize).save(strDir + QStringLiteral("/icon-%1.png").arg(nSize));
    return bSaved ? 0 : 1;
}
