#pragma once

#include "platform/DC.h"

#include <QPolygonF>

class QPainter;

// A drawing context that records vector output on a Qt paint device (an SVG generator, a PDF
// writer, a printer): every line is a path, every fill a rectangle, every text a text. There
// are no pixels to combine, so exclusive-or draws the colour it gives over the background
// colour in force, which is the plot's background wherever the graph uses it. Solid lines that
// continue one another with the same pen become one polyline: a curve is one path, not 1400.
class CQtVectorDC : public CDC
{
public:
    // pPainter is active and outlives the context; the device is nWidth x nHeight pixels.
    CQtVectorDC(QPainter* pPainter, int nWidth, int nHeight, bool bPrinting);
    // Draws what is still held; the painter must still be active.
    ~CQtVectorDC() override;
    CQtVectorDC(const CQtVectorDC&) = delete;
    CQtVectorDC& operator=(const CQtVectorDC&) = delete;

    int GetDeviceCaps(int nIndex) const override;
    bool IsPrinting() const override { return m_bPrinting; }

protected:
    void DeviceLine(CPoint ptFrom, CPoint ptTo, const CPen& pen,
                    const CDeviceState& state) override;
    void DeviceFill(int nLeft, int nTop, int nRight, int nBottom, COLORREF cr,
                    const CDeviceState& state) override;
    void DeviceText(CPoint pt, const std::string& strText, const CFont& font, int nPixelHeight,
                    const CDeviceState& state) override;

private:
    bool SamePen(const CPen& pen, const CDeviceState& state) const;
    // Draws the polyline held and forgets it.
    void Flush();

    QPainter* m_pPainter;
    QPolygonF m_polyline; // the lines held, all drawn with m_penHeld in m_stateHeld
    CPen m_penHeld;
    CDeviceState m_stateHeld;
    int m_nWidth;
    int m_nHeight;
    bool m_bPrinting;
};
