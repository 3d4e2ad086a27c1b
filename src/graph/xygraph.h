#pragma once

#include "graph/xyaxis.h"
#include "platform/DC.h"
#include "run/RunTable.h"
#include "run/xycurve.h"

#include <cstdint>
#include <string>

constexpr int COMMENT_LINES = 10;
constexpr int SERIES_COUNT = 4;
constexpr COLORREF SCREEN_BACKGROUND = 0xC0C0C0;
constexpr COLORREF PRINT_BACKGROUND = 0xFFFFFF;

// Speed marker state, one for the whole program: whether a marker is meant to be shown and
// the wind value it was drawn at (EMPTY_SLOT when none is on the picture).
extern int g_bMarkerShown;
extern double g_dMarkerWind;

// The graph: page layout, the four axes, the four curves with the run table, and the state
// of a test. Its inherited axis part is unused.
class xygraph : public xyaxis
{
public:
    // Scales: store the index and the tick steps of that index for the units mode; an index
    // outside the table keeps the steps as they were.
    void SetWindScale(int nIndex);
    void SetForceScale(int nIndex);
    void SetCdScale(int nIndex);
    void SetLDScale(int nIndex);
    // Base ranges of the wind and force axes for m_nUnits.
    void ApplyUnitRanges();

    // Mappings: the logical rectangle (x at left, y at top, x at right, y at bottom) fills
    // the per-mille area of m_rcClient.
    void MapArea(CDC* pDC, const CRect& rcArea, const CRect& rcLogical) const;
    // Wind in tenths on x and the axis's value x units-per-value on y; with bUnitSquare the
    // plot as 0..1000 in both directions, y upward.
    void MapPlot(CDC* pDC, const xyaxis& axis, int bUnitSquare) const;
    void MapWindStrip(CDC* pDC) const;
    void MapForceStrip(CDC* pDC) const;
    void MapCdStrip(CDC* pDC) const;
    void MapLDStrip(CDC* pDC) const;
    // The client area as 0..1000 both ways, y downward.
    void MapPage(CDC* pDC) const;

    // Fixed elements.
    void DrawFrame(CDC* pDC) const;
    void DrawPage(CDC* pDC) const;
    void DrawPlotArea(CDC* pDC) const;
    void DrawGrid(CDC* pDC) const;
    void DrawForceLine(CDC* pDC, double dValue, int nRop, COLORREF cr, int nPenStyle) const;
    void DrawWindLine(CDC* pDC, double dValue, int nRop, COLORREF cr, int nPenStyle) const;
    // A straight line in the plot mapping of the force axis (wind in tenths on x, force in
    // ten-thousandths on y) with the pen and raster operation given.
    void DrawPlotLine(CDC* pDC, CPoint ptFrom, CPoint ptTo, int nRop, COLORREF cr,
                      int nPenStyle) const;
    void DrawLegend(CDC* pDC) const;
    void DrawComments(CDC* pDC) const;
    void ShowSpeedMarker(CDC* pDC, double dWind, int bShow) const;
    // Overlays, then runs, of Lift, Drag, Cd and L/D over the wind range shown; then the
    // comment lines.
    void DrawCurves(CDC* pDC, int nRop) const;

    // Run table, data side.
    double ComputeCd(double dWind, double dDrag) const;
    double ComputeLD(double dLift, double dDrag) const;
    // Every run slot empty, slot 0 of each series 0.0, g_nLastSlot 0.
    void ClearRun();
    // The nearest filled Lift slots around slot nSlot, widened over the slots passed since
    // g_nLastSlot: the stretch to erase before the sample is stored.
    CSlotSpan FindSampleSpan(int nSlot) const;
    // Empties the slots passed over between g_nLastSlot and nSlot.
    void EmptyPassedSlots(int nSlot);
    // Stores a sample with its Cd and L/D (0 below 5.0 display units) in slot nSlot.
    void StoreSample(int nSlot, double dLift, double dDrag, double dWind);
    // A span end whose slot became empty falls back to nSlot.
    void NarrowToFilled(CSlotSpan& span, int nSlot) const;

    CRect m_rcPlot{0, 0, 1, 1};
    CRect m_rcClient{0, 0, 0, 0};
    COLORREF m_crBackground = SCREEN_BACKGROUND;
    xyaxis m_axWind;
    xyaxis m_axForce;
    xyaxis m_axCd;
    xyaxis m_axLD;
    xycurve m_curLift;
    xycurve m_curDrag;
    xycurve m_curCd;
    xycurve m_curLD;
    int m_nUnits = 0;
    double m_dMaxSpeed = 0.0;
    double m_dCdArea = 1.0;
    double m_dRampSpeed = 0.0;
    double m_dTargetSpeed = 0.0;
    std::string m_astrComment[COMMENT_LINES];
    uint32_t m_tLastReadout = 0;

    // The four series in drawing order (Lift, Drag, Cd, L/D) and the y axis of each.
    xycurve& Series(int nIndex);
    const xycurve& Series(int nIndex) const;
    const xyaxis& SeriesAxis(int nIndex) const;
};
