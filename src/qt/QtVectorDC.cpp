#include "qt/QtVectorDC.h"

#include "qt/QtDC.h"
#include "qt/QtText.h"

#include <QPainter>

namespace
{

// The colour a pixel of the background colour takes when drawn on with cr.
QColor ResultColour(COLORREF cr, const CDeviceState& state)
{
    return QColor(RgbOf(state.m_nRop2 == R2_XORPEN ? cr ^ state.m_crBk : cr));
}

// One device pixel wide whatever the device's resolution; a line ends where its last pixel
// begins, as on the pixels.
QPen HairlinePen(const QColor& colour)
{
    QPen pen(colour, 0);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

} // namespace

CQtVectorDC::CQtVectorDC(QPainter* pPainter, int nWidth, int nHeight, bool bPrinting)
    : m_pPainter(pPainter), m_nWidth(nWidth), m_nHeight(nHeight), m_bPrinting(bPrinting)
{
}

int CQtVectorDC::GetDeviceCaps(int nIndex) const
{
    if (nIndex == HORZRES)
        return m_nWidth;
    if (nIndex == VERTRES)
        return m_nHeight;
    return 0;
}

void CQtVectorDC::DeviceLine(CPoint ptFrom, CPoint ptTo, const CPen& pen, const CDeviceState& state)
{
    if (ptFrom.x == ptTo.x && ptFrom.y == ptTo.y)
        return;
    // Through the middle of the pixels the line covers.
    const QLineF line(ptFrom.x + 0.5, ptFrom.y + 0.5, ptTo.x + 0.5, ptTo.y + 0.5);
    if (pen.m_nStyle == PS_DOT)
    {
        // Three pixels on, three off; the gaps take the background colour when opaque.
        if (state.m_nBkMode == OPAQUE)
        {
            m_pPainter->setPen(HairlinePen(ResultColour(state.m_crBk, state)));
            m_pPainter->drawLine(line);
        }
        QPen dotted = HairlinePen(ResultColour(pen.m_cr, state));
        dotted.setDashPattern({double(CQtDC::DOT_LENGTH), double(CQtDC::DOT_LENGTH)});
        m_pPainter->setPen(dotted);
    }
    else
        m_pPainter->setPen(HairlinePen(ResultColour(pen.m_cr, state)));
    m_pPainter->drawLine(line);
}

void CQtVectorDC::DeviceFill(int nLeft, int nTop, int nRight, int nBottom, COLORREF cr,
                             const CDeviceState& state)
{
    if (nRight <= nLeft || nBottom <= nTop)
        return;
    m_pPainter->fillRect(QRectF(nLeft, nTop, nRight - nLeft, nBottom - nTop),
                         ResultColour(cr, state));
}

void CQtVectorDC::DeviceText(CPoint pt, const std::string& strText, const CFont& font,
                             int nPixelHeight, const CDeviceState& state)
{
    PaintTextCell(*m_pPainter, pt, strText, font, nPixelHeight, state);
}
