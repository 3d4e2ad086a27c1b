#include "dialogs/ComCfg.h"

#include "link/ReplyScanner.h"

#include <string_view>

const CDlgTemplate& ComCfgTemplate()
{
    static const CDlgTemplate dlgTemplate{
        IDD_COMCFG,
        "COM Port",
        "MS Sans Serif",
        8,
        0,
        0,
        191,
        51,
        {
            {IDC_STATIC, EControlKind::Static, "Port", 3, 28, 29, 7, CTL_RIGHT, {}},
            {IDC_COMPORT,
             EControlKind::ComboDropDown,
             "",
             43,
             25,
             48,
             52,
             CTL_SORT | CTL_VSCROLL | CTL_TABSTOP | CTL_GROUP,
             {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9"}},
            {IDOK, EControlKind::DefPushButton, "OK", 130, 6, 50, 14, CTL_TABSTOP | CTL_GROUP, {}},
            {IDCANCEL, EControlKind::PushButton, "Cancel", 130, 23, 50, 14, CTL_TABSTOP, {}},
        }};
    return dlgTemplate;
}

CComCfg::CComCfg() : CDialog(ComCfgTemplate()) {}

void CComCfg::DoDataExchange(CDataExchange* pDX)
{
    DDX_CBString(pDX, IDC_COMPORT, m_strPort);
}

bool PortNumberOfText(const std::string& strText, int& nPort)
{
    std::string_view strView(strText);
    if (!strView.starts_with("COM"))
        return false;
    CReplyScanner scanner(strView.substr(3));
    return scanner.Int(nPort);
}
