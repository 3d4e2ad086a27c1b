#pragma once

#include "platform/DC.h"

class xygraph;

// Scale indices beyond the longest step table (6) or below 1 give no sensible power of two;
// the divisor is taken from the index held to 1 .. 6, while the index itself is stored as
// given and the steps keep their previous values.
constexpr int MIN_SCALE_INDEX = 1;
constexpr int MAX_SCALE_INDEX = 6;

// One axis: where its strip lies on the page (per-mille), its base range, the tick steps of
// the range shown, the scale index and the logical units per value on a y axis.
class xyaxis
{
public:
    xyaxis();
    xyaxis(double dMin, double dMax);

    // 2^(index - 1), the index held to MIN_SCALE_INDEX .. MAX_SCALE_INDEX.
    int Divisor() const;
    double ShownMin() const { return m_dMin / Divisor(); }
    double ShownMax() const { return m_dMax / Divisor(); }

    void DrawWindAxis(CDC* pDC, const xygraph& graph) const;
    void DrawForceAxis(CDC* pDC, const xygraph& graph) const;
    void DrawCdAxis(CDC* pDC, const xygraph& graph) const;
    void DrawLDAxis(CDC* pDC, const xygraph& graph) const;

    CRect m_rcArea{0, 0, 1, 1};
    double m_dMin = 0.0;
    double m_dMax = 1.0;
    double m_dStep = 0.05;
    double m_dMinorStep = 0.005;
    int m_nScale = 2;
    int m_nUnitsPerValue = 1;
};
