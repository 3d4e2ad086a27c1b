#pragma once

#include "platform/DC.h"

class xyaxis;
class xygraph;

// Slot k of a run holds the quantity at wind speed k / 10 in the display unit.
constexpr int RUN_SLOTS = 1401;
constexpr int LAST_SLOT = RUN_SLOTS - 1;
// Marks a slot that holds no value; tested by exact comparison.
constexpr double EMPTY_SLOT = -999999.9;

// One series of the run table (Lift, Drag, Cd or L/D) with its kept overlay and the way
// both are drawn.
class xycurve
{
public:
    xycurve();

    // Every overlay slot becomes empty. No drawing.
    void ClearOverlay();
    // Draws the run (overlay) between two wind values against the y axis, joining filled
    // slots; nothing when the curve is hidden.
    void DrawRunSpan(CDC* pDC, const xygraph& graph, const xyaxis& axis, double dFrom, double dTo,
                     int nRop) const;
    void DrawOverlaySpan(CDC* pDC, const xygraph& graph, const xyaxis& axis, double dFrom,
                         double dTo, int nRop) const;

    double m_adRun[RUN_SLOTS];
    double m_adOverlay[RUN_SLOTS];
    COLORREF m_crRun = 0x000080;
    COLORREF m_crOverlay = 0x000080;
    int m_nPenStyle = PS_SOLID;
    int m_bShow = 1;

private:
    void DrawSpan(CDC* pDC, const double* adSlots, COLORREF cr, const xygraph& graph,
                  const xyaxis& axis, double dFrom, double dTo, int nRop) const;
};
