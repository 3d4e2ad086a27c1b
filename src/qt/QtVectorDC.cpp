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

CQtVectorDC::~CQtVectorDC()
{
    Flush();
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
    const QPointF ptStart(ptFrom.x + 0.5, ptFrom.y + 0.5);
    const QPointF ptEnd(ptTo.x + 0.5, ptTo.y + 0.5);
    // A dotted line starts its dots afresh, so it never continues another.
    const bool bContinues = !m_polyline.isEmpty() && m_polyline.back() == ptStart &&
                            pen.m_nStyle == PS_SOLID && SamePen(pen, state);
    if (!bContinues)
    {
        Flush();
        m_polyline << ptStart;
        m_penHeld = pen;
        m_stateHeld = state;
    }
    m_polyline << ptEnd;
}

bool CQtVectorDC::SamePen(const CPen& pen, const CDeviceState& state) const
{
    return pen.m_nStyle == m_penHeld.m_nStyle && pen.m_cr == m_penHeld.m_cr &&
           state.m_nRop2 == m_stateHeld.m_nRop2 && state.m_nBkMode == m_stateHeld.m_nBkMode &&
           state.m_crBk == m_stateHeld.m_crBk;
}

void CQtVectorDC::Flush()
{
    if (m_polyline.isEmpty())
        return;
    if (m_penHeld.m_nStyle == PS_DOT)
    {
        // Three pixels on, three off; the gaps take the background colour when opaque.
        if (m_stateHeld.m_nBkMode == OPAQUE)
        {
            m_pPainter->setPen(HairlinePen(ResultColour(m_stateHeld.m_crBk, m_stateHeld)));
            m_pPainter->drawPolyline(m_polyline);
        }
        QPen dotted = HairlinePen(ResultColour(m_penHeld.m_cr, m_stateHeld));
        dotted.setDashPattern({double(CQtDC::DOT_LENGTH), double(CQtDC::DOT_LENGTH)});
        m_pPainter->setPen(dotted);
    }
    else
        m_pPainter->setPen(HairlinePen(ResultColour(m_penHeld.m_cr, m_stateHeld)));
    m_pPainter->drawPolyline(m_polyline);
    m_polyline.clear();
}

void CQtVectorDC::DeviceFill(int nLeft, int nTop, int nRight, int nBottom, COLORREF cr,
                             const CDeviceState& state)
{
    if (nRight <= nLeft || nBottom <= nTop)
        return;
    Flush();
    m_pPainter->fillRect(QRectF(nLeft, nTop, nRight - nLeft, nBottom - nTop),
                         ResultColour(cr, state));
}

void CQtVectorDC::DeviceText(CPoint pt, const std::string& strText, const CFont& font,
                             int nPixelHeight, const CDeviceState& state)
{
    Flush();
    PaintTextCell(*m_pPainter, pt, strText, font, nPixelHeight, state);
}
