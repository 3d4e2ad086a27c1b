#include "qt/QtPrintSurface.h"

#include "graph/CZRVView.h"
#include "qt/QtVectorDC.h"

#include <QPainter>
#include <QPrinter>

bool PrintView(CZRVView& view, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the printable area's corner; lines and text go to the printer
    // as vectors, so the page is as sharp as the printer can make it.
    QRect rcPage = printer.pageLayout().paintRectPixels(printer.resolution());
    {
        CQtVectorDC dc(&painter, rcPage.width(), rcPage.height(), true);
        view.OnPrint(&dc);
    } // what the context still holds is drawn before the page ends
    return painter.end();
}
