#pragma once

// Air density used by Cd: lb/ft^3 in English mode, kg/m^3 in metric mode.
extern double g_dAirDensity;
// The slot recorded last; 0 after a clear or the end of a motion.
extern int g_nLastSlot;

// English air density at the reference conditions, lb/ft^3, and the factor kg/m^3 -> lb/ft^3.
constexpr double STANDARD_AIR_DENSITY = 0.074887;
constexpr double KGM3_TO_LBFT3 = 0.06242796;
constexpr double KPH_TO_MPH = 0.6213727366498067;
constexpr double KG_TO_LBS = 2.2046244201837775;

// The slots a sample touches: the stretch of the curves from m_nLow to m_nHigh.
struct CSlotSpan
{
    int m_nLow = 0;
    int m_nHigh = 0;
};

// The slot of a wind speed (display units), or -1 when it has none (-0.1 or less, 140.1 or
// more, not a number).
int SlotOfWind(double dWind);
