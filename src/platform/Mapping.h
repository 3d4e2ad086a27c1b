#pragma once

struct CPoint
{
    int x = 0;
    int y = 0;
    bool operator==(const CPoint&) const = default;
};

struct CRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const CRect&) const = default;
};

// The logical-to-device transformation of an anisotropic mapping: the window origin is
// always (0, 0), so device = viewport origin + logical x viewport extent / window extent.
// Products are formed in 64 bits and quotients rounded to the nearest pixel, halves away
// from zero.
struct CMapping
{
    int m_nWindowExtX = 1;
    int m_nWindowExtY = 1;
    int m_nViewportExtX = 1;
    int m_nViewportExtY = 1;
    int m_nViewportOrgX = 0;
    int m_nViewportOrgY = 0;

    CPoint LPtoDP(CPoint pt) const;
    CPoint DPtoLP(CPoint pt) const;
    // Device length of a logical height (font sizes); always positive.
    int ScaleHeight(int nLogical) const;
};

// n x nNum / nDen rounded half away from zero and held to the int range (symmetric);
// nDen must not be 0.
int MulDivRound(long long n, long long nNum, long long nDen);

// A real value truncated toward zero into an int, saturating at +-2147483647; not a
// number gives 0. Logical coordinates come from values that files and readings can make
// arbitrarily large.
int TruncateToInt(double dValue);
