#include "qt/DialogUnits.h"

#include <QFontMetrics>
#include <QStringList>

namespace
{
// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const long long n = static_cast<long long>(a) * b;
    return static_cast<int>((n >= 0 ? n + c / 2 : n - c / 2) / c);
}
} // namespace

CDialogUnits CDialogUnits::ForFont(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int nWidth52 = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // Average width of the 52 letters, rounded.
    return CDialogUnits((nWidth52 / 26 + 1) / 2, metrics.height());
}

QFont CDialogUnits::DialogFont(const std::string& strFamily, int nPointSize)
{
    QFont font;
    font.setFamilies({QString::fromStdString(strFamily), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(nPointSize > 0 ? nPointSize : 8);
    return font;
}

int CDialogUnits::ToPixelsX(int nX) const
{
    return MulDiv(nX, m_nBaseX, 4);
}

int CDialogUnits::ToPixelsY(int nY) const
{
    return MulDiv(nY, m_nBaseY, 8);
}

QRect CDialogUnits::ToPixels(int nX, int nY, int nCx, int nCy) const
{
    const int nLeft = ToPixelsX(nX);
    const int nTop = ToPixelsY(nY);
    return QRect(nLeft, nTop, ToPixelsX(nX + nCx) - nLeft, ToPixelsY(nY + nCy) - nTop);
}
