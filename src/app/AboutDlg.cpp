#include "app/AboutDlg.h"

const CDlgTemplate& AboutTemplate()
{
    static const CDlgTemplate dlgTemplate{
        IDD_ABOUTBOX,
        "About Zorvantellique",
        "MS Sans Serif",
        8,
        34,
        22,
        220,
        56,
        {
            {IDC_STATIC, EControlKind::Icon, "", 11, 17, 20, 20, 0, {}},
            {IDC_VERSION_LINE, EControlKind::Static, "", 40, 10, 119, 8, 0, {}},
            {IDOK, EControlKind::DefPushButton, "OK", 170, 6, 32, 14, CTL_TABSTOP | CTL_GROUP, {}},
        }};
    return dlgTemplate;
}

CAboutDlg::CAboutDlg() : CDialog(AboutTemplate()) {}

bool CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_VERSION_LINE, VERSION_LINE);
    return true;
}
