#include "graph/xygraph.h"

#include <algorithm>

double g_dAirDensity = STANDARD_AIR_DENSITY;

double xygraph::ComputeCd(double dWind, double dDrag) const
{
    // The formula works in mph, lbs and lb/ft^3.
    double dSpeed = dWind;
    double dForce = dDrag;
    double dRho = g_dAirDensity;
    if (m_nUnits == 0)
    {
        dSpeed = dWind * KPH_TO_MPH;
        dForce = dDrag * KG_TO_LBS;
        dRho = g_dAirDensity * KGM3_TO_LBFT3;
    }
    double dFeetPerSecond = dSpeed * 5280 / 3600;
    double dDen = (dRho * 0.5) * (dFeetPerSecond * dFeetPerSecond) * (m_dCdArea / 144);
    if (dDen < 1e-100)
        return 0.0;
    return std::min(dForce * 32 / dDen, 2.0);
}

double xygraph::ComputeLD(double dLift, double dDrag) const
{
    if (dDrag <= 0.001)
        return 0.0;
    return std::clamp(dLift / dDrag, -20.0, 20.0);
}
