#include "platform/DC.h"

#include <algorithm>
#include <utility>

CPen CDC::s_penBlack;
CBrush CDC::s_brushWhite;
CFont CDC::s_fontSystem;

bool CPen::CreatePen(int nStyle, int nWidth, COLORREF cr)
{
    m_nStyle = nStyle;
    m_nWidth = nWidth;
    m_cr = cr;
    return true;
}

bool CBrush::CreateSolidBrush(COLORREF cr)
{
    m_cr = cr;
    return true;
}

bool CFont::CreateFont(int nHeight, int /*nWidth*/, int nEscapement, int /*nOrientation*/,
                       int nWeight, int /*bItalic*/, int /*bUnderline*/, int /*bStrikeOut*/,
                       int /*nCharSet*/, int /*nOutPrecision*/, int /*nClipPrecision*/,
                       int /*nQuality*/, int /*nPitchAndFamily*/, const char* pszFaceName)
{
    m_nHeight = nHeight;
    m_nEscapement = nEscapement;
    m_nWeight = nWeight;
    m_strFace = pszFaceName;
    return true;
}

int CDC::SetMapMode(int nMapMode)
{
    int nOld = m_nMapMode;
    m_nMapMode = nMapMode;
    if (nMapMode == MM_TEXT)
        m_mapping = CMapping{};
    return nOld;
}

void CDC::SetWindowExt(int cx, int cy)
{
    if (m_nMapMode != MM_ANISOTROPIC || cx == 0 || cy == 0)
        return;
    m_mapping.m_nWindowExtX = cx;
    m_mapping.m_nWindowExtY = cy;
}

void CDC::SetViewportExt(int cx, int cy)
{
    if (m_nMapMode != MM_ANISOTROPIC || cx == 0 || cy == 0)
        return;
    m_mapping.m_nViewportExtX = cx;
    m_mapping.m_nViewportExtY = cy;
}

void CDC::SetViewportOrg(int x, int y)
{
    m_mapping.m_nViewportOrgX = x;
    m_mapping.m_nViewportOrgY = y;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return std::exchange(m_pPen, pPen);
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return std::exchange(m_pBrush, pBrush);
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return std::exchange(m_pFont, pFont);
}

CPen* CDC::SelectStockObject(int /*nObject*/)
{
    return std::exchange(m_pPen, &s_penBlack);
}

int CDC::SetROP2(int nRop2)
{
    return std::exchange(m_state.m_nRop2, nRop2);
}

int CDC::SetBkMode(int nBkMode)
{
    return std::exchange(m_state.m_nBkMode, nBkMode);
}

COLORREF CDC::SetBkColor(COLORREF cr)
{
    return std::exchange(m_state.m_crBk, cr);
}

CPoint CDC::MoveTo(int x, int y)
{
    return std::exchange(m_ptCurrent, CPoint{x, y});
}

void CDC::LineTo(int x, int y)
{
    CPoint ptTo{x, y};
    DeviceLine(LPtoDP(m_ptCurrent), LPtoDP(ptTo), *m_pPen, m_state);
    m_ptCurrent = ptTo;
}

void CDC::Rectangle(int nLeft, int nTop, int nRight, int nBottom)
{
    CPoint pt0 = LPtoDP({nLeft, nTop});
    CPoint pt1 = LPtoDP({nRight, nBottom});
    int l = std::min(pt0.x, pt1.x);
    int r = std::max(pt0.x, pt1.x);
    int t = std::min(pt0.y, pt1.y);
    int b = std::max(pt0.y, pt1.y);
    if (r - l < 1 || b - t < 1)
        return;
    // The brush fills inside the outline, which runs on the outermost pixels of
    // [l, r) x [t, b); each edge stops short of the next corner, so no pixel is drawn twice
    // (which matters under exclusive-or).
    if (r - l > 2 && b - t > 2)
        DeviceFill(l + 1, t + 1, r - 1, b - 1, m_pBrush->m_cr, m_state);
    const CPoint aCorner[5] = {{l, t}, {r - 1, t}, {r - 1, b - 1}, {l, b - 1}, {l, t}};
    for (int i = 0; i < 4; ++i)
        DeviceLine(aCorner[i], aCorner[i + 1], *m_pPen, m_state);
}

void CDC::TextOut(int x, int y, const std::string& strText)
{
    if (strText.empty())
        return;
    int nPixelHeight = m_pFont->m_nHeight == 0 ? 12 : m_mapping.ScaleHeight(m_pFont->m_nHeight);
    DeviceText(LPtoDP({x, y}), strText, *m_pFont, std::max(nPixelHeight, 1), m_state);
}
