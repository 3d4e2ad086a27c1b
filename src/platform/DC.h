#pragma once

#include "platform/Mapping.h"

#include <cstdint>
#include <string>

// Colours are 0x00BBGGRR.
using COLORREF = uint32_t;

constexpr uint8_t GetRValue(COLORREF cr)
{
    return uint8_t(cr & 0xFF);
}
constexpr uint8_t GetGValue(COLORREF cr)
{
    return uint8_t((cr >> 8) & 0xFF);
}
constexpr uint8_t GetBValue(COLORREF cr)
{
    return uint8_t((cr >> 16) & 0xFF);
}

constexpr int MM_TEXT = 1;
constexpr int MM_ANISOTROPIC = 8;

constexpr int PS_SOLID = 0;
constexpr int PS_DOT = 2;

constexpr int R2_XORPEN = 7;
constexpr int R2_COPYPEN = 13;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int HORZRES = 8;
constexpr int VERTRES = 10;

constexpr int BLACK_PEN = 7;

constexpr int FW_NORMAL = 400;
constexpr int CLIP_DEFAULT_PRECIS = 0;
constexpr int CLIP_LH_ANGLES = 16;
constexpr int FF_SWISS = 32;

// A pen: style, width in device pixels (0 = one pixel) and colour. Creating one cannot fail
// here, so CreatePen always succeeds.
class CPen
{
public:
    CPen() = default;
    CPen(int nStyle, int nWidth, COLORREF cr) { CreatePen(nStyle, nWidth, cr); }
    bool CreatePen(int nStyle, int nWidth, COLORREF cr);
    int m_nStyle = PS_SOLID;
    int m_nWidth = 0;
    COLORREF m_cr = 0;
};

class CBrush
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF cr) { CreateSolidBrush(cr); }
    bool CreateSolidBrush(COLORREF cr);
    COLORREF m_cr = 0xFFFFFF;
};

// A font request. A negative height is the character (em) height in logical units;
// escapement is in tenths of a degree, counter-clockwise.
class CFont
{
public:
    bool CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    int bItalic, int bUnderline, int bStrikeOut, int nCharSet, int nOutPrecision,
                    int nClipPrecision, int nQuality, int nPitchAndFamily, const char* pszFaceName);
    int m_nHeight = -12;
    int m_nEscapement = 0;
    int m_nWeight = FW_NORMAL;
    std::string m_strFace = "Arial";
};

// What a device draws: one call per primitive, in device pixels, with the state in force.
struct CDeviceState
{
    int m_nRop2 = R2_COPYPEN;
    int m_nBkMode = OPAQUE;
    COLORREF m_crBk = 0xFFFFFF;
};

// A drawing context with the semantics the graph relies on: MM_ANISOTROPIC mapping,
// one-pixel solid and dotted pens, solid brushes, copy and exclusive-or raster operations,
// opaque background for dot gaps and text cells, Arial text upright or turned by -90
// degrees. The mapping and the selected objects live here; a device only draws pixels.
class CDC
{
public:
    virtual ~CDC() = default;

    int SetMapMode(int nMapMode);
    // Zero extents are refused, as by the platform this stands for; the old value stays.
    void SetWindowExt(int cx, int cy);
    void SetViewportExt(int cx, int cy);
    void SetViewportOrg(int x, int y);
    const CMapping& GetMapping() const { return m_mapping; }
    CPoint LPtoDP(CPoint pt) const { return m_mapping.LPtoDP(pt); }
    void DPtoLP(CPoint* pPoint) const { *pPoint = m_mapping.DPtoLP(*pPoint); }

    // Each returns the object selected before; the caller keeps ownership of every object.
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    // BLACK_PEN only; returns the pen selected before.
    CPen* SelectStockObject(int nObject);

    int SetROP2(int nRop2);
    int SetBkMode(int nBkMode);
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const { return m_state.m_crBk; }

    CPoint MoveTo(int x, int y);
    // Draws from the current position up to, but not including, (x, y).
    void LineTo(int x, int y);
    // Outlines with the pen and fills the inside with the brush; the right and bottom edges
    // are exclusive, as on the platform this stands for.
    void Rectangle(int nLeft, int nTop, int nRight, int nBottom);
    // The top-left corner of the text cell at (x, y); black text, not affected by the
    // raster operation; the cell is filled with the background colour in OPAQUE mode.
    void TextOut(int x, int y, const std::string& strText);

    // HORZRES and VERTRES: the drawable size in device pixels.
    virtual int GetDeviceCaps(int nIndex) const = 0;
    // True for printer and print-preview contexts.
    virtual bool IsPrinting() const = 0;

protected:
    virtual void DeviceLine(CPoint ptFrom, CPoint ptTo, const CPen& pen,
                            const CDeviceState& state) = 0;
    // Fills the device rectangle [left, right) x [top, bottom) with a colour.
    virtual void DeviceFill(int nLeft, int nTop, int nRight, int nBottom, COLORREF cr,
                            const CDeviceState& state) = 0;
    // nPixelHeight is the em height in device pixels.
    virtual void DeviceText(CPoint pt, const std::string& strText, const CFont& font,
                            int nPixelHeight, const CDeviceState& state) = 0;

private:
    static CPen s_penBlack;
    static CBrush s_brushWhite;
    static CFont s_fontSystem;

    int m_nMapMode = MM_TEXT;
    CMapping m_mapping;
    CPen* m_pPen = &s_penBlack;
    CBrush* m_pBrush = &s_brushWhite;
    CFont* m_pFont = &s_fontSystem;
    CDeviceState m_state;
    CPoint m_ptCurrent;
};
