#include "run/Gowind.h"

const CDlgTemplate& GowindTemplate()
{
    static const CDlgTemplate dlgTemplate{
        IDD_GOWIND,
        "Wind Speed",
        "MS Sans Serif",
        8,
        0,
        0,
        187,
        47,
        {
            {IDC_STATIC, EControlKind::Static, "Enter Speed", 8, 26, 50, 7, CTL_RIGHT, {}},
            {IDC_SPEED, EControlKind::Edit, "", 66, 24, 41, 12, CTL_AUTOHSCROLL | CTL_TABSTOP, {}},
            {IDC_SPEED_UNITS, EControlKind::Static, "MPH", 108, 27, 23, 7, 0, {}},
            {IDOK, EControlKind::DefPushButton, "OK", 130, 6, 50, 14, CTL_TABSTOP, {}},
            {IDCANCEL, EControlKind::PushButton, "Cancel", 130, 23, 50, 14, CTL_TABSTOP, {}},
        }};
    return dlgTemplate;
}

CGowind::CGowind() : CDialog(GowindTemplate()) {}

bool CGowind::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_SPEED_UNITS, m_nUnits != 0 ? "MPH" : "KPH");
    return true;
}

void CGowind::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SPEED, m_strSpeed);
}
