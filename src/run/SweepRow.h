#pragma once

#include "run/SteadyStats.h"

#include <cstddef>

// The air and the model a steady point is reduced with, in the view's units.
struct CAirConditions
{
    int m_nUnits = 1;          // 1 English, 0 metric
    double m_dDensity = 0.0;   // lb/ft^3 (English) or kg/m^3 (metric)
    double m_dAreaSqIn = 1.0;  // the Cd area, square inches in both modes
    double m_dLength = 1.0;    // the reference length: inches (English) or centimetres
    double m_dKelvin = 288.15; // air temperature
};

// One steady point of a sweep as the results table shows it: speeds in mph or kph, forces
// in pounds or kilograms, q in lb/ft^2 or Pa. Means are NaN for a point without readings.
struct CSweepRow
{
    int m_nPoint = 0; // 1-based
    double m_dTarget = 0.0;
    double m_dWindMean = 0.0;
    double m_dWindSd = 0.0;
    double m_dLiftMean = 0.0;
    double m_dLiftSd = 0.0;
    double m_dDragMean = 0.0;
    double m_dDragSd = 0.0;
    double m_dCl = 0.0;
    double m_dCd = 0.0;
    double m_dLD = 0.0; // lift / drag; NaN when the drag is 0
    double m_dQ = 0.0;
    double m_dRe = 0.0;
    size_t m_nReadings = 0;
};

// Reduces the readings of one point (mph and pounds) to a row: converted to the view's
// units, with q, CL, CD and Re computed in SI.
CSweepRow MakeSweepRow(int nPoint, double dTarget, const CSteadyStats& stats,
                       const CAirConditions& air);
