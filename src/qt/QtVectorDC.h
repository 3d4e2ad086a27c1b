#pragma once

#include "platform/DC.h"

class QPainter;

// A drawing context that records vector output on a Qt paint device (an SVG generator, a PDF
// writer, a printer): every line is a path, every fill a rectangle, every text a text. There
// are no pixels to combine, so exclusive-or draws the colour it gives over the background
// colour in force, which is the plot's background wherever the graph uses it.
class CQtVectorDC : public CDC
{
public:
    // pPainter is active and outlives the context; the device is nWidth x nHeight pixels.
    CQtVectorDC(QPainter* pPainter, int nWidth, int nHeight, bool bPrinting);

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
    QPainter* m_pPainter;
    int m_nWidth;
    int m_nHeight;
    bool m_bPrinting;
};
