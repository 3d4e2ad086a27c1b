#pragma once

#include <QFont>
#include <QRect>
#include <string>

// Dialog units of a font: a horizontal unit is a quarter of the font's average character
// width, a vertical unit an eighth of its height, so a template keeps its proportions in any
// face and size.
class CDialogUnits
{
public:
    CDialogUnits(int nBaseX, int nBaseY) : m_nBaseX(nBaseX), m_nBaseY(nBaseY) {}
    static CDialogUnits ForFont(const QFont& font);

    // The template's dialog face: its own family when installed, else a close sans-serif.
    static QFont DialogFont(const std::string& strFamily, int nPointSize);

    // Pixels of a rectangle given in dialog units; adjoining rectangles stay adjoining.
    QRect ToPixels(int nX, int nY, int nCx, int nCy) const;
    int ToPixelsX(int nX) const;
    int ToPixelsY(int nY) const;

    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }

private:
    int m_nBaseX;
    int m_nBaseY;
};
