#include "graph/xygraph.h"

#include <iterator>

namespace
{

struct CSteps
{
    double m_dStep;
    double m_dMinor;
};

// Tick steps per scale index (row 0 is index 1), for the range each index shows.
constexpr CSteps s_aWindEnglish[] = {{10, 1}, {5, 1}, {2, 0.2}, {1, 0.1}, {0.5, 0.1}};
constexpr CSteps s_aWindMetric[] = {{20, 2}, {10, 2}, {5, 1}, {2, 0.1}, {1, 0.1}};
constexpr CSteps s_aForceEnglish[] = {{0.2, 0.02},   {0.1, 0.01},   {0.05, 0.005},
                                      {0.02, 0.005}, {0.01, 0.002}, {0.005, 0.001}};
constexpr CSteps s_aForceMetric[] = {{0.1, 0.01},   {0.05, 0.005},  {0.02, 0.002},
                                     {0.01, 0.001}, {0.005, 0.001}, {0.002, 0.0005}};
constexpr CSteps s_aCd[] = {{0.2, 0.02},   {0.1, 0.01},   {0.05, 0.005},
                            {0.02, 0.005}, {0.01, 0.002}, {0.005, 0.001}};
constexpr CSteps s_aLD[] = {{2, 0.2},    {1, 0.1},    {0.5, 0.05},
                            {0.2, 0.05}, {0.1, 0.02}, {0.05, 0.01}};

// Stores the index; an index outside the table keeps the steps the axis has.
template <size_t N>
void ApplyScale(xyaxis& axis, int nIndex, const CSteps (&aSteps)[N])
{
    axis.m_nScale = nIndex;
    if (nIndex < 1 || nIndex > int(N))
        return;
    axis.m_dStep = aSteps[nIndex - 1].m_dStep;
    axis.m_dMinorStep = aSteps[nIndex - 1].m_dMinor;
}

} // namespace

void xygraph::SetWindScale(int nIndex)
{
    if (m_nUnits != 0)
        ApplyScale(m_axWind, nIndex, s_aWindEnglish);
    else
        ApplyScale(m_axWind, nIndex, s_aWindMetric);
}

void xygraph::SetForceScale(int nIndex)
{
    if (m_nUnits != 0)
        ApplyScale(m_axForce, nIndex, s_aForceEnglish);
    else
        ApplyScale(m_axForce, nIndex, s_aForceMetric);
}

void xygraph::SetCdScale(int nIndex)
{
    ApplyScale(m_axCd, nIndex, s_aCd);
}

void xygraph::SetLDScale(int nIndex)
{
    ApplyScale(m_axLD, nIndex, s_aLD);
}

void xygraph::ApplyUnitRanges()
{
    int nForceScale = m_axForce.m_nScale;
    SetForceScale(1);
    if (m_nUnits != 0)
    {
        m_axForce.m_dMax = 2.0;
        m_axWind.m_dMax = 85.0;
    }
    else
    {
        m_axForce.m_dMax = 1.0;
        m_axWind.m_dMax = 140.0;
    }
    m_axForce.m_dMin = 0.0;
    SetForceScale(nForceScale);
}
