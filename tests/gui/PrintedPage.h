#pragma once

#include "graph/CZRVView.h"
#include "qt/QtVectorDC.h"

#include <QImage>
#include <QPainter>

// The view's page as the printer gets it: the printing context's vector output painted on an
// image of the printable size in device pixels (white plot background).
inline QImage RenderPrintPage(CZRVView& view, int nWidth, int nHeight)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        CQtVectorDC dc(&painter, nWidth, nHeight, true);
        view.OnPrint(&dc);
    } // what the context still holds is drawn before the painter ends
    painter.end();
    return image;
}
