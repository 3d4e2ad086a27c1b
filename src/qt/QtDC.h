#pragma once

#include "platform/DC.h"

#include <QImage>

#include <functional>

// A drawing context on a 32-bit RGB image: lines, fills and exclusive-or work on the pixels
// themselves, so drawing a stretch twice under R2_XORPEN restores it exactly. Text is
// rendered by QPainter. The window's off-screen picture, test images and printed pages (an
// image of the printable size) all draw through it.
class CQtDC : public CDC
{
public:
    // pImage must be Format_RGB32 and outlive the context. fnChanged, when set, is called
    // after every drawing primitive (the window schedules its update there).
    explicit CQtDC(QImage* pImage, bool bPrinting = false, std::function<void()> fnChanged = {});

    int GetDeviceCaps(int nIndex) const override;
    bool IsPrinting() const override { return m_bPrinting; }

    // A pen of PS_DOT is three pixels on, three off, starting on at each line's first pixel.
    static constexpr int DOT_LENGTH = 3;

protected:
    void DeviceLine(CPoint ptFrom, CPoint ptTo, const CPen& pen,
                    const CDeviceState& state) override;
    void DeviceFill(int nLeft, int nTop, int nRight, int nBottom, COLORREF cr,
                    const CDeviceState& state) override;
    void DeviceText(CPoint pt, const std::string& strText, const CFont& font, int nPixelHeight,
                    const CDeviceState& state) override;

private:
    void Changed() const;

    QImage* m_pImage;
    bool m_bPrinting;
    std::function<void()> m_fnChanged;
};

// The image pixel of a colour.
QRgb RgbOf(COLORREF cr);
