#include "dialogs/ConfigDlg.h"

const CDlgTemplate& ConfigDlgTemplate()
{
    constexpr unsigned EDIT = CTL_AUTOHSCROLL | CTL_TABSTOP;
    static const CDlgTemplate dlgTemplate{
        IDD_CONFIG,
        "Test Configuration",
        "MS Sans Serif",
        8,
        0,
        0,
        203,
        88,
        {
            {IDC_CFG_MAX_SPEED, EControlKind::Edit, "", 53, 51, 40, 13, EDIT, {}},
            {IDC_CFG_CD_AREA, EControlKind::Edit, "", 53, 68, 40, 12, EDIT, {}},
            {IDC_CFG_ENGLISH,
             EControlKind::RadioButton,
             "English",
             35,
             18,
             55,
             10,
             CTL_GROUP | CTL_TABSTOP,
             {}},
            {IDC_CFG_METRIC, EControlKind::RadioButton, "Metric", 35, 31, 52, 10, 0, {}},
            {IDOK, EControlKind::DefPushButton, "OK", 143, 13, 50, 14, CTL_GROUP | CTL_TABSTOP, {}},
            {IDCANCEL, EControlKind::PushButton, "Cancel", 143, 32, 50, 14, CTL_TABSTOP, {}},
            {IDC_STATIC, EControlKind::Static, "Max Speed", 5, 54, 45, 8, CTL_RIGHT, {}},
            {IDC_STATIC, EControlKind::GroupBox, "Units", 29, 7, 67, 38, 0, {}},
            {IDC_CFG_SPEED_UNIT, EControlKind::Static, "MPH", 95, 54, 33, 8, 0, {}},
            {IDC_STATIC, EControlKind::Static, "Cd Area", 9, 70, 41, 8, CTL_RIGHT, {}},
            {IDC_CFG_AREA_UNIT, EControlKind::Static, "Sq. in.", 95, 70, 35, 8, 0, {}},
        }};
    return dlgTemplate;
}

CConfigDlg::CConfigDlg() : CDialog(ConfigDlgTemplate()) {}

bool CConfigDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetUnitLabels(m_nUnitsRadio != UNITS_RADIO_ENGLISH);
    return true;
}

void CConfigDlg::OnCommand(int nId)
{
    if (nId == IDC_CFG_ENGLISH)
        OnEnglish();
    else if (nId == IDC_CFG_METRIC)
        OnMetric();
    else
        CDialog::OnCommand(nId);
}

void CConfigDlg::OnEnglish()
{
    SetUnitLabels(false);
    SetDlgItemText(IDC_CFG_MAX_SPEED, std::to_string(ENGLISH_DEFAULT_MAX_SPEED));
}

void CConfigDlg::OnMetric()
{
    SetUnitLabels(true);
    SetDlgItemText(IDC_CFG_MAX_SPEED, std::to_string(METRIC_DEFAULT_MAX_SPEED));
}

void CConfigDlg::SetUnitLabels(bool bMetric)
{
    SetDlgItemText(IDC_CFG_AREA_UNIT, bMetric ? "Sq. cm." : "Sq. in.");
    SetDlgItemText(IDC_CFG_SPEED_UNIT, bMetric ? "KPH" : "MPH");
}

void CConfigDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Radio(pDX, IDC_CFG_ENGLISH, m_nUnitsRadio);
    DDX_Text(pDX, IDC_CFG_MAX_SPEED, m_nMaxSpeed);
    DDX_Text(pDX, IDC_CFG_CD_AREA, m_strCdArea);
}
