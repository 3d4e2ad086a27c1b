#include "app/Settings.h"
#include "dialogs/ConfigDlg.h"
#include "graph/CZRVView.h"
#include "graph/FixedFormat.h"
#include "link/CommLink.h"
#include "link/Commands.h"
#include "platform/Platform.h"
#include "run/WindSpeed.h"

#include <algorithm>
#include <limits>

namespace
{
constexpr double SQIN_TO_SQCM = 6.4516;
constexpr double SQCM_TO_SQIN = 0.15500031000061998;
// No maximum speed beyond this is accepted, in mph, whatever the units shown.
constexpr double MAX_SPEED_LIMIT_MPH = 80.0;
// The units command's reply is not examined; it fits in this many bytes.
constexpr size_t UNITS_REPLY_SIZE = 52;

// A speed for the dialog's unsigned field, truncated; a stored maximum beyond what the field
// holds shows as the largest value it does.
unsigned SpeedField(double dSpeed)
{
    constexpr double MAX_FIELD = std::numeric_limits<unsigned>::max();
    return static_cast<unsigned>(std::clamp(dSpeed, 0.0, MAX_FIELD));
}
} // namespace

void CZRVView::OnConfigure()
{
    CConfigDlg dlg;
    const int nInitialRadio = m_nUnits != 0 ? UNITS_RADIO_ENGLISH : UNITS_RADIO_METRIC;
    dlg.m_nUnitsRadio = nInitialRadio;
    if (m_nUnits != 0)
    {
        dlg.m_nMaxSpeed = SpeedField(m_dMaxSpeed);
        dlg.m_strCdArea = FormatFixed(m_dCdArea, 2, 3);
    }
    else
    {
        dlg.m_nMaxSpeed = SpeedField(m_dMaxSpeed * MPH_TO_KPH + 0.5);
        dlg.m_strCdArea = FormatFixed(m_dCdArea * SQIN_TO_SQCM, 2, 3);
    }
    if (dlg.DoModal() != IDOK)
        return;

    // The drawing context is taken only now: while the dialog is up the window paints itself.
    std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
    m_nUnits = dlg.m_nUnitsRadio == UNITS_RADIO_ENGLISH ? 1 : 0;
    if (theCommLink.m_nModel == 2)
    {
        char achReply[UNITS_REPLY_SIZE] = {};
        theCommLink.SendCommand(FormatUnitsCommand(m_nUnits).c_str(), achReply, 1, 1);
    }
    if (dlg.m_nUnitsRadio != nInitialRadio)
    {
        // New units: the scales start over and the run, in the old units, is dropped.
        SetForceScale(2);
        SetCdScale(1);
        SetLDScale(1);
        SetWindScale(1);
        RecordSample(pDC.get(), 0, 0, 0, SAMPLE_CLEAR);
        Repaint(pDC.get());
    }
    ApplyUnitRanges();

    const double dArea = LeadingNumber(dlg.m_strCdArea);
    if (m_nUnits != 0)
    {
        m_dMaxSpeed = dlg.m_nMaxSpeed;
        m_dCdArea = dArea;
    }
    else
    {
        m_dMaxSpeed = dlg.m_nMaxSpeed * KPH_TO_MPH;
        m_dCdArea = dArea * SQCM_TO_SQIN;
    }
    if (m_dMaxSpeed > MAX_SPEED_LIMIT_MPH)
        m_dMaxSpeed = MAX_SPEED_LIMIT_MPH;
    WriteProfileInt(SETTINGS_SECTION, SETTING_UNITS, m_nUnits);
    WriteProfileInt(SETTINGS_SECTION, SETTING_MAX_SPEED, static_cast<int>(m_dMaxSpeed + 0.5));

    // Cd depends on the area: recompute it for every recorded drag of the run.
    for (int nSlot = 1; nSlot < RUN_SLOTS; ++nSlot)
    {
        const double dDrag = m_curDrag.m_adRun[nSlot];
        m_curCd.m_adRun[nSlot] = dDrag == EMPTY_SLOT ? EMPTY_SLOT : ComputeCd(nSlot / 10.0, dDrag);
    }
    Repaint(pDC.get());
}
