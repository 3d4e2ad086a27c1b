#include "run/SweepTable.h"

#include "graph/FixedFormat.h"

#include <cmath>
#include <cstddef>

namespace
{
struct CUnitNames
{
    std::string m_strSpeed;
    std::string m_strForce;
    std::string m_strPressure;   // as the window names it
    std::string m_strPressureId; // as the CSV header names it
};

CUnitNames UnitNames(int nUnits)
{
    return nUnits != 0 ? CUnitNames{"mph", "lbs", "lb/ft\u00b2", "psf"}
                       : CUnitNames{"kph", "kg", "Pa", "pa"};
}

std::string Number(double dValue, int nPrecision)
{
    return std::isfinite(dValue) ? FormatFixed(dValue, 0, nPrecision) : std::string();
}

// Decimals shown: speeds to a hundredth, forces to a ten-thousandth of the unit.
constexpr int SPEED_DECIMALS = 2;
constexpr int FORCE_DECIMALS = 4;
constexpr int COEFFICIENT_DECIMALS = 4;
constexpr int RATIO_DECIMALS = 3;
constexpr int PRESSURE_DECIMALS = 4;
// Columns of the spreads, which the window shows beside their means.
constexpr size_t COLUMN_WIND_SD = 3;
constexpr size_t COLUMN_LIFT_SD = 5;
constexpr size_t COLUMN_DRAG_SD = 7;

std::string Quoted(const std::string& strField)
{
    if (strField.find_first_of(",\"\r\n") == std::string::npos)
        return strField;
    std::string strQuoted = "\"";
    for (char ch : strField)
    {
        if (ch == '"')
            strQuoted += '"';
        strQuoted += ch;
    }
    return strQuoted + '"';
}

std::string Joined(const std::vector<std::string>& astrFields, char chSeparator,
                   const char* pszLineEnd, bool bQuote)
{
    std::string strLine;
    for (size_t i = 0; i < astrFields.size(); ++i)
    {
        if (i > 0)
            strLine += chSeparator;
        strLine += bQuote ? Quoted(astrFields[i]) : astrFields[i];
    }
    return strLine + pszLineEnd;
}

std::string Table(const CSweepTable& table, char chSeparator, const char* pszLineEnd, bool bQuote)
{
    std::string strText =
        Joined(SweepColumnHeadings(table.m_nUnits), chSeparator, pszLineEnd, bQuote);
    for (const CSweepRow& row : table.m_aRows)
        strText += Joined(SweepColumnTexts(row), chSeparator, pszLineEnd, bQuote);
    return strText;
}

// The window's columns of a row: lift and drag as "mean ± sd" in one column, and no spread of
// the wind.
std::vector<std::string> WithoutSpreadColumns(std::vector<std::string> astrColumns)
{
    for (size_t nColumn : {COLUMN_DRAG_SD, COLUMN_LIFT_SD, COLUMN_WIND_SD})
        astrColumns.erase(astrColumns.begin() + static_cast<std::ptrdiff_t>(nColumn));
    return astrColumns;
}
} // namespace

std::vector<std::string> SweepColumnHeadings(int nUnits)
{
    // Names a script can use as they are, with the unit after the last '_', as the test
    // export's CSV has them.
    const CUnitNames units = UnitNames(nUnits);
    const std::string strSpeed = "_" + units.m_strSpeed;
    const std::string strForce = "_" + units.m_strForce;
    return {"point",
            "target" + strSpeed,
            "wind" + strSpeed,
            "wind_sd" + strSpeed,
            "lift" + strForce,
            "lift_sd" + strForce,
            "drag" + strForce,
            "drag_sd" + strForce,
            "cl",
            "cd",
            "l_d",
            "q_" + units.m_strPressureId,
            "re",
            "readings"};
}

std::vector<std::string> SweepColumnTexts(const CSweepRow& row)
{
    return {std::to_string(row.m_nPoint),
            Number(row.m_dTarget, SPEED_DECIMALS),
            Number(row.m_dWindMean, SPEED_DECIMALS),
            Number(row.m_dWindSd, SPEED_DECIMALS),
            Number(row.m_dLiftMean, FORCE_DECIMALS),
            Number(row.m_dLiftSd, FORCE_DECIMALS),
            Number(row.m_dDragMean, FORCE_DECIMALS),
            Number(row.m_dDragSd, FORCE_DECIMALS),
            Number(row.m_dCl, COEFFICIENT_DECIMALS),
            Number(row.m_dCd, COEFFICIENT_DECIMALS),
            Number(row.m_dLD, RATIO_DECIMALS),
            Number(row.m_dQ, PRESSURE_DECIMALS),
            Number(row.m_dRe, 0),
            std::to_string(row.m_nReadings)};
}

std::string SweepCsv(const CSweepTable& table)
{
    return Table(table, ',', "\r\n", true);
}

std::string SweepTabText(const CSweepTable& table)
{
    return Table(table, '\t', "\n", false);
}

std::vector<std::string> SweepWindowHeadings(int nUnits)
{
    const CUnitNames units = UnitNames(nUnits);
    const std::string strSpeed = " (" + units.m_strSpeed + ")";
    const std::string strForce = " (" + units.m_strForce + ")";
    return {"Point",
            "Target" + strSpeed,
            "Wind" + strSpeed,
            "Lift" + strForce,
            "Drag" + strForce,
            "CL",
            "CD",
            "L/D",
            "q (" + units.m_strPressure + ")",
            "Re",
            "Readings"};
}

std::vector<std::string> SweepWindowTexts(const CSweepRow& row)
{
    std::vector<std::string> astrTexts = SweepColumnTexts(row);
    for (size_t nSpread : {COLUMN_LIFT_SD, COLUMN_DRAG_SD})
        if (!astrTexts[nSpread - 1].empty())
            astrTexts[nSpread - 1] += " \u00b1 " + astrTexts[nSpread];
    return WithoutSpreadColumns(std::move(astrTexts));
}
