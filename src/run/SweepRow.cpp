#include "run/SweepRow.h"

#include "run/Coefficients.h"
#include "run/RunTable.h"
#include "run/WindSpeed.h"

#include <limits>

CSweepRow MakeSweepRow(int nPoint, double dTarget, const CSteadyStats& stats,
                       const CAirConditions& air)
{
    const bool bEnglish = air.m_nUnits != 0;
    const double dSpeedFactor = bEnglish ? 1.0 : MPH_TO_KPH;
    const double dForceFactor = bEnglish ? 1.0 : LBS_TO_KG;

    CSweepRow row;
    row.m_nPoint = nPoint;
    row.m_dTarget = dTarget;
    row.m_nReadings = stats.m_wind.Count();
    row.m_dWindMean = stats.m_wind.Mean() * dSpeedFactor;
    row.m_dWindSd = stats.m_wind.Sd() * dSpeedFactor;
    row.m_dLiftMean = stats.m_lift.Mean() * dForceFactor;
    row.m_dLiftSd = stats.m_lift.Sd() * dForceFactor;
    row.m_dDragMean = stats.m_drag.Mean() * dForceFactor;
    row.m_dDragSd = stats.m_drag.Sd() * dForceFactor;

    // SI from here on; the statistics are in mph and pounds whatever the view shows.
    const double dDensity = bEnglish ? air.m_dDensity / KGM3_TO_LBFT3 : air.m_dDensity;
    const double dSpeed = stats.m_wind.Mean() * MPH_TO_MS;
    const double dLift = stats.m_lift.Mean() * LBF_TO_N;
    const double dDrag = stats.m_drag.Mean() * LBF_TO_N;
    const double dArea = air.m_dAreaSqIn * SQIN_TO_M2;
    const double dLength = air.m_dLength * (bEnglish ? INCH_TO_M : CM_TO_M);

    const double dQ = DynamicPressure(dDensity, dSpeed);
    row.m_dQ = bEnglish ? dQ / PSF_TO_PA : dQ;
    row.m_dCl = ForceCoefficient(dLift, dQ, dArea);
    row.m_dCd = ForceCoefficient(dDrag, dQ, dArea);
    row.m_dLD = dDrag != 0 ? dLift / dDrag : std::numeric_limits<double>::quiet_NaN();
    row.m_dRe = ReynoldsNumber(dDensity, dSpeed, dLength, SutherlandViscosity(air.m_dKelvin));
    return row;
}
