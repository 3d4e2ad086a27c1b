#include "graph/CZRVView.h"

#include "app/ZRVApp.h"

CZRVView::CZRVView()
{
    m_nUnits = theApp.m_nUnits;
    m_dMaxSpeed = theApp.m_dMaxSpeed;

    m_axWind = xyaxis(0.0, 80.0);
    m_axForce = xyaxis(0.0, 2.0);
    m_axCd = xyaxis(0.0, 2.0);
    m_axLD = xyaxis(0.0, 20.0);

    m_rcPlot = {80, 15, 985, 920};
    m_axWind.m_rcArea = {80, 920, 985, 990};
    SetWindScale(1);
    m_axForce.m_rcArea = {0, 15, 80, 920};
    SetForceScale(2);
    m_axCd.m_rcArea = {905, 15, 985, 920};
    SetCdScale(1);
    m_axLD.m_rcArea = {905, 15, 985, 920};
    SetLDScale(1);

    m_axForce.m_nUnitsPerValue = 10000;
    m_axCd.m_nUnitsPerValue = 1000;
    m_axLD.m_nUnitsPerValue = 100;

    m_curLift.m_crRun = 0x0000FF;
    m_curLift.m_crOverlay = 0x000080;
    m_curDrag.m_crRun = 0xFF0000;
    m_curDrag.m_crOverlay = 0x800000;
    m_curCd.m_crRun = 0x00FF00;
    m_curCd.m_crOverlay = 0x008000;
    m_curCd.m_bShow = 0;
    m_curLD.m_crRun = 0xFFFF00;
    m_curLD.m_crOverlay = 0x808000;
    m_curLD.m_bShow = 0;

    g_dAirDensity = m_nUnits != 0 ? STANDARD_AIR_DENSITY : STANDARD_AIR_DENSITY / KGM3_TO_LBFT3;
}
