#include "files/Comentdlg.h"

namespace
{

constexpr int LINE_X = 24;
constexpr int LINE_CX = 270;
constexpr int LINE_CY = 12;
constexpr unsigned LINE_STYLE = CTL_TABSTOP | CTL_AUTOHSCROLL;

CDlgControl Label(const char* pszText, int nY)
{
    return {IDC_STATIC, EControlKind::Static, pszText, 12, nY, 5, 8, CTL_RIGHT, {}};
}

CDlgControl Line(int nId, int nY)
{
    return {nId, EControlKind::Edit, "", LINE_X, nY, LINE_CX, LINE_CY, LINE_STYLE, {}};
}

} // namespace

const CDlgTemplate& ComentdlgTemplate()
{
    static const CDlgTemplate dlgTemplate{
        IDD_COMENTDLG,
        "Comments",
        "MS Sans Serif",
        8,
        0,
        0,
        372,
        133,
        {
            {IDC_STATIC, EControlKind::GroupBox, "Comments", 4, 13, 302, 103, 0, {}},
            Label("1", 33),
            Label("2", 48),
            Label("3", 63),
            Label("4", 78),
            Label("5", 93),
            Line(IDC_LINE1, 31),
            Line(IDC_LINE2, 46),
            Line(IDC_LINE3, 61),
            Line(IDC_LINE4, 76),
            Line(IDC_LINE5, 91),
            {IDOK, EControlKind::DefPushButton, "OK", 315, 6, 50, 14, CTL_TABSTOP, {}},
            {IDCANCEL, EControlKind::PushButton, "Cancel", 315, 22, 50, 14, CTL_TABSTOP, {}},
        }};
    return dlgTemplate;
}

CComentdlg::CComentdlg() : CDialog(ComentdlgTemplate()) {}

void CComentdlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LINE1, m_strLine1);
    DDV_MaxChars(pDX, m_strLine1, COMMENT_MAX_CHARS);
    DDX_Text(pDX, IDC_LINE2, m_strLine2);
    DDV_MaxChars(pDX, m_strLine2, COMMENT_MAX_CHARS);
    DDX_Text(pDX, IDC_LINE3, m_strLine3);
    DDV_MaxChars(pDX, m_strLine3, COMMENT_MAX_CHARS);
    DDX_Text(pDX, IDC_LINE4, m_strLine4);
    DDV_MaxChars(pDX, m_strLine4, COMMENT_MAX_CHARS);
    DDX_Text(pDX, IDC_LINE5, m_strLine5);
    DDV_MaxChars(pDX, m_strLine5, COMMENT_MAX_CHARS);
}
