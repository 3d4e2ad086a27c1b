#include "platform/Mapping.h"

#include <cstdlib>

int MulDivRound(long long n, long long nNum, long long nDen)
{
    long long nProduct = n * nNum;
    if (nDen < 0)
    {
        nProduct = -nProduct;
        nDen = -nDen;
    }
    long long nHalf = nDen / 2;
    long long nQuotient = nProduct >= 0 ? (nProduct + nHalf) / nDen : (nProduct - nHalf) / nDen;
    if (nQuotient > 2147483647LL)
        return 2147483647;
    if (nQuotient < -2147483647LL)
        return -2147483647;
    return int(nQuotient);
}

CPoint CMapping::LPtoDP(CPoint pt) const
{
    return {m_nViewportOrgX + MulDivRound(pt.x, m_nViewportExtX, m_nWindowExtX),
            m_nViewportOrgY + MulDivRound(pt.y, m_nViewportExtY, m_nWindowExtY)};
}

CPoint CMapping::DPtoLP(CPoint pt) const
{
    // A zero viewport extent (an empty client area) has no inverse; it maps to 0.
    int x = m_nViewportExtX == 0
                ? 0
                : MulDivRound(pt.x - m_nViewportOrgX, m_nWindowExtX, m_nViewportExtX);
    int y = m_nViewportExtY == 0
                ? 0
                : MulDivRound(pt.y - m_nViewportOrgY, m_nWindowExtY, m_nViewportExtY);
    return {x, y};
}

int CMapping::ScaleHeight(int nLogical) const
{
    return std::abs(MulDivRound(nLogical, m_nViewportExtY, m_nWindowExtY));
}

int TruncateToInt(double dValue)
{
    if (!(dValue == dValue))
        return 0;
    if (dValue >= 2147483647.0)
        return 2147483647;
    if (dValue <= -2147483647.0)
        return -2147483647;
    return int(dValue);
}
