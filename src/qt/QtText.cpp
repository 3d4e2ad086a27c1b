#include "qt/QtText.h"

#include "qt/QtDC.h"
#include "qt/Windows1252.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

void PaintTextCell(QPainter& painter, CPoint pt, const std::string& strText, const CFont& font,
                   int nPixelHeight, const CDeviceState& state)
{
    QFont qfont(QString::fromStdString(font.m_strFace));
    qfont.setPixelSize(nPixelHeight);
    qfont.setWeight(font.m_nWeight >= 700 ? QFont::Bold : QFont::Normal);
    QFontMetrics metrics(qfont);
    QString strQ = FromWindows1252(strText);
    painter.save();
    painter.setFont(qfont);
    painter.translate(pt.x, pt.y);
    // Escapement counts counter-clockwise on the page; Qt turns clockwise.
    painter.rotate(-font.m_nEscapement / 10.0);
    if (state.m_nBkMode == OPAQUE)
        painter.fillRect(QRect(0, 0, metrics.horizontalAdvance(strQ), metrics.height()),
                         QColor(RgbOf(state.m_crBk)));
    painter.setPen(Qt::black);
    painter.drawText(0, metrics.ascent(), strQ);
    painter.restore();
}
