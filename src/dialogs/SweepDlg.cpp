#include "dialogs/SweepDlg.h"

#include "platform/Platform.h"

namespace
{
constexpr unsigned EDIT = CTL_AUTOHSCROLL | CTL_TABSTOP;

// One labelled field with its unit: the label right-aligned on the left, the unit after.
void AddField(std::vector<CDlgControl>& aControls, int nY, const char* pszLabel, int nEdit,
              int nUnit, const char* pszUnit)
{
    aControls.push_back(
        {IDC_STATIC, EControlKind::Static, pszLabel, 5, nY + 2, 62, 8, CTL_RIGHT, {}});
    aControls.push_back({nEdit, EControlKind::Edit, "", 71, nY, 40, 12, EDIT, {}});
    aControls.push_back({nUnit, EControlKind::Static, pszUnit, 115, nY + 2, 22, 8, 0, {}});
}

CDlgTemplate MakeTemplate()
{
    CDlgTemplate dlgTemplate{IDD_SWEEP, "Sweep", "MS Sans Serif", 8, 0, 0, 204, 110, {}};
    auto& aControls = dlgTemplate.m_aControls;
    AddField(aControls, 7, "From", IDC_SWEEP_FROM, IDC_SWEEP_FROM_UNIT, "MPH");
    AddField(aControls, 23, "To", IDC_SWEEP_TO, IDC_SWEEP_TO_UNIT, "MPH");
    AddField(aControls, 39, "Step", IDC_SWEEP_STEP, IDC_SWEEP_STEP_UNIT, "MPH");
    AddField(aControls, 55, "Settle", IDC_SWEEP_SETTLE, IDC_STATIC, "s");
    AddField(aControls, 71, "Average", IDC_SWEEP_AVERAGE, IDC_STATIC, "s");
    AddField(aControls, 87, "Reference length", IDC_SWEEP_LENGTH, IDC_SWEEP_LENGTH_UNIT, "in");
    aControls.push_back(
        {IDOK, EControlKind::DefPushButton, "OK", 147, 7, 50, 14, CTL_GROUP | CTL_TABSTOP, {}});
    aControls.push_back(
        {IDCANCEL, EControlKind::PushButton, "Cancel", 147, 25, 50, 14, CTL_TABSTOP, {}});
    return dlgTemplate;
}
} // namespace

const CDlgTemplate& SweepDlgTemplate()
{
    static const CDlgTemplate dlgTemplate = MakeTemplate();
    return dlgTemplate;
}

CSweepDlg::CSweepDlg() : CDialog(SweepDlgTemplate()) {}

bool CSweepDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const char* pszSpeed = m_nUnits != 0 ? "MPH" : "KPH";
    for (int nId : {IDC_SWEEP_FROM_UNIT, IDC_SWEEP_TO_UNIT, IDC_SWEEP_STEP_UNIT})
        SetDlgItemText(nId, pszSpeed);
    SetDlgItemText(IDC_SWEEP_LENGTH_UNIT, m_nUnits != 0 ? "in" : "cm");
    return true;
}

void CSweepDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SWEEP_FROM, m_settings.m_dFrom);
    DDX_Text(pDX, IDC_SWEEP_TO, m_settings.m_dTo);
    DDX_Text(pDX, IDC_SWEEP_STEP, m_settings.m_dStep);
    DDX_Text(pDX, IDC_SWEEP_SETTLE, m_settings.m_dSettle);
    DDX_Text(pDX, IDC_SWEEP_AVERAGE, m_settings.m_dAverage);
    DDX_Text(pDX, IDC_SWEEP_LENGTH, m_settings.m_dLength);
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return;
    const std::string strProblem =
        CheckSweepSettings(m_settings, m_dMaxSpeed, m_nUnits != 0 ? "MPH" : "KPH");
    if (!strProblem.empty())
    {
        AfxMessageBox(strProblem, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
