#include "qt/QtDC.h"

#include "qt/QtText.h"

#include <QPainter>

#include <algorithm>

namespace
{

using Int128 = __int128;

// t x nNum / nDen rounded half away from zero, for nDen > 0, without overflow.
long long RoundedRatio(long long t, long long nNum, long long nDen)
{
    Int128 nProduct = Int128(t) * nNum;
    Int128 nHalf = nDen / 2;
    return (long long)(nProduct >= 0 ? (nProduct + nHalf) / nDen : (nProduct - nHalf) / nDen);
}

inline void PutPixel(QRgb* pPixel, QRgb rgb, int nRop)
{
    if (nRop == R2_XORPEN)
        *pPixel ^= rgb & 0x00FFFFFFu;
    else
        *pPixel = rgb;
}

} // namespace

QRgb RgbOf(COLORREF cr)
{
    return qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

CQtDC::CQtDC(QImage* pImage, bool bPrinting, std::function<void()> fnChanged)
    : m_pImage(pImage), m_bPrinting(bPrinting), m_fnChanged(std::move(fnChanged))
{
}

int CQtDC::GetDeviceCaps(int nIndex) const
{
    if (nIndex == HORZRES)
        return m_pImage->width();
    if (nIndex == VERTRES)
        return m_pImage->height();
    return 0;
}

void CQtDC::Changed() const
{
    if (m_fnChanged)
        m_fnChanged();
}

void CQtDC::DeviceLine(CPoint ptFrom, CPoint ptTo, const CPen& pen, const CDeviceState& state)
{
    // Pixel t of n (the last point is not drawn) lies t steps along the major axis and at
    // the rounded proportional distance along the minor one. Only the steps whose major
    // coordinate falls inside the image are visited, so far-off coordinates cost nothing.
    long long dx = (long long)ptTo.x - ptFrom.x;
    long long dy = (long long)ptTo.y - ptFrom.y;
    long long n = std::max(std::llabs(dx), std::llabs(dy));
    int nWidth = m_pImage->width();
    int nHeight = m_pImage->height();
    if (n == 0 || nWidth == 0 || nHeight == 0)
        return;
    bool bXMajor = std::llabs(dx) >= std::llabs(dy);
    long long nMajor0 = bXMajor ? ptFrom.x : ptFrom.y;
    long long nMinor0 = bXMajor ? ptFrom.y : ptFrom.x;
    long long nMinorDelta = bXMajor ? dy : dx;
    long long nSign = (bXMajor ? dx : dy) > 0 ? 1 : -1;
    long long nMajorLimit = bXMajor ? nWidth : nHeight;
    long long nMinorLimit = bXMajor ? nHeight : nWidth;
    // Steps t with 0 <= nMajor0 + nSign * t < nMajorLimit.
    long long tFirst = nSign > 0 ? -nMajor0 : nMajor0 - nMajorLimit + 1;
    long long tLast = nSign > 0 ? nMajorLimit - 1 - nMajor0 : nMajor0;
    tFirst = std::max(tFirst, 0LL);
    tLast = std::min(tLast, n - 1);

    QRgb rgbPen = RgbOf(pen.m_cr);
    QRgb rgbGap = RgbOf(state.m_crBk);
    bool bDotted = pen.m_nStyle == PS_DOT;
    bool bFillGaps = state.m_nBkMode == OPAQUE;
    uchar* pBits = m_pImage->bits();
    qsizetype nBytesPerLine = m_pImage->bytesPerLine();
    for (long long t = tFirst; t <= tLast; ++t)
    {
        long long nMinor = nMinor0 + RoundedRatio(t, nMinorDelta, n);
        if (nMinor < 0 || nMinor >= nMinorLimit)
            continue;
        bool bOn = !bDotted || (t / DOT_LENGTH) % 2 == 0;
        if (!bOn && !bFillGaps)
            continue;
        long long nMajor = nMajor0 + nSign * t;
        int x = int(bXMajor ? nMajor : nMinor);
        int y = int(bXMajor ? nMinor : nMajor);
        PutPixel(reinterpret_cast<QRgb*>(pBits + y * nBytesPerLine) + x, bOn ? rgbPen : rgbGap,
                 state.m_nRop2);
    }
    Changed();
}

void CQtDC::DeviceFill(int nLeft, int nTop, int nRight, int nBottom, COLORREF cr,
                       const CDeviceState& state)
{
    int l = std::max(nLeft, 0);
    int t = std::max(nTop, 0);
    int r = std::min(nRight, m_pImage->width());
    int b = std::min(nBottom, m_pImage->height());
    QRgb rgb = RgbOf(cr);
    for (int y = t; y < b; ++y)
    {
        QRgb* pLine = reinterpret_cast<QRgb*>(m_pImage->scanLine(y));
        for (int x = l; x < r; ++x)
            PutPixel(pLine + x, rgb, state.m_nRop2);
    }
    Changed();
}

void CQtDC::DeviceText(CPoint pt, const std::string& strText, const CFont& font, int nPixelHeight,
                       const CDeviceState& state)
{
    if (m_pImage->isNull())
        return;
    QPainter painter(m_pImage);
    PaintTextCell(painter, pt, strText, font, nPixelHeight, state);
    painter.end();
    Changed();
}
