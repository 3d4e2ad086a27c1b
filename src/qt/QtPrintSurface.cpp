#include "qt/QtPrintSurface.h"

#include "graph/CZRVView.h"
#include "qt/QtDC.h"

#include <QPainter>
#include <QPrinter>

QImage RenderPrintPage(CZRVView& view, int nWidth, int nHeight)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    CQtDC dc(&image, true);
    view.OnPrint(&dc);
    return image;
}

bool PrintView(CZRVView& view, QPrinter& printer)
{
    QRect rcPage = printer.pageLayout().paintRectPixels(printer.resolution());
    QImage image = RenderPrintPage(view, rcPage.width(), rcPage.height());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.drawImage(0, 0, image);
    return painter.end();
}
