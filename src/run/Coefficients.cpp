#include "run/Coefficients.h"

#include <cmath>
#include <limits>

double DynamicPressure(double dDensity, double dSpeed)
{
    return 0.5 * dDensity * dSpeed * dSpeed;
}

double SutherlandViscosity(double dKelvin)
{
    return SUTHERLAND_MU0 * std::pow(dKelvin / SUTHERLAND_T0, 1.5) *
           (SUTHERLAND_T0 + SUTHERLAND_S) / (dKelvin + SUTHERLAND_S);
}

double ReynoldsNumber(double dDensity, double dSpeed, double dLength, double dViscosity)
{
    // A temperature below absolute zero gives no viscosity, and the point no Reynolds number.
    if (!(dViscosity > 0))
        return std::numeric_limits<double>::quiet_NaN();
    return dDensity * dSpeed * dLength / dViscosity;
}

double ForceCoefficient(double dForce, double dDynamicPressure, double dArea)
{
    const double dDenominator = dDynamicPressure * dArea;
    if (dDenominator <= 0)
        return 0.0;
    return dForce / dDenominator;
}
