#include "dialogs/AxisDlg.h"

#include <iterator>
#include <utility>
#include <vector>

namespace
{
// What the two Axis dialogs do not share.
struct CAxisLayout
{
    int m_nId;
    const char* m_pszCaption;
    int m_nCx;
    int m_nCy;
    const char* m_pszWindLabel;
    const char* m_pszForceLabel;
    std::vector<std::string> m_astrWindItems;
    std::vector<std::string> m_astrForceItems;
    // Top-left corners, in the order of the controls of AxisTemplate.
    std::pair<int, int> m_aptCombo[4];  // wind, force, Cd, L/D
    std::pair<int, int> m_aptCheck[4];  // Lift, Drag, Cd on, L/D on
    std::pair<int, int> m_aptButton[2]; // OK, Cancel
    std::pair<int, int> m_aptLabel[4];  // force, L/D, wind, Cd
    CDlgControl m_ctlGroup;             // the frame around the ranges
    bool m_bButtonsFirst;               // OK and Cancel lead the tab order
};

CDlgControl At(CDlgControl ctl, std::pair<int, int> pt)
{
    ctl.m_nX = pt.first;
    ctl.m_nY = pt.second;
    return ctl;
}

CDlgTemplate AxisTemplate(const CAxisLayout& layout)
{
    constexpr unsigned COMBO = CTL_VSCROLL | CTL_TABSTOP;
    constexpr unsigned CHECK = CTL_TABSTOP;
    const std::vector<std::string> astrCdItems{"2.0", "1.0", "0.5", "0.25"};
    const std::vector<std::string> astrLDItems{"20", "10", "5", "2.5"};
    auto fnCombo = [&](int nId, int nIndex, std::vector<std::string> astrItems) {
        return At({nId, EControlKind::ComboDropDown, "", 0, 0, 48, 60, COMBO, std::move(astrItems)},
                  layout.m_aptCombo[nIndex]);
    };
    auto fnCheck = [&](int nId, int nIndex, const char* pszText) {
        return At({nId, EControlKind::CheckBox, pszText, 0, 0, 30, 10, CHECK, {}},
                  layout.m_aptCheck[nIndex]);
    };
    auto fnLabel = [&](int nIndex, const char* pszText, int nCx) {
        return At({IDC_STATIC, EControlKind::Static, pszText, 0, 0, nCx, 8, 0, {}},
                  layout.m_aptLabel[nIndex]);
    };
    const CDlgControl aButtons[] = {
        At({IDOK, EControlKind::DefPushButton, "OK", 0, 0, 50, 14, CTL_TABSTOP | CTL_GROUP, {}},
           layout.m_aptButton[0]),
        At({IDCANCEL, EControlKind::PushButton, "Cancel", 0, 0, 50, 14, CTL_TABSTOP, {}},
           layout.m_aptButton[1]),
    };
    const CDlgControl aFields[] = {
        fnCombo(IDC_AXIS_WIND, 0, layout.m_astrWindItems),
        fnCheck(IDC_AXIS_LIFT_ON, 0, "Lift"),
        fnCheck(IDC_AXIS_DRAG_ON, 1, "Drag"),
        fnCombo(IDC_AXIS_FORCE, 1, layout.m_astrForceItems),
        fnCheck(IDC_AXIS_CD_ON, 2, "On"),
        fnCombo(IDC_AXIS_CD, 2, astrCdItems),
        fnCheck(IDC_AXIS_LD_ON, 3, "On"),
        fnCombo(IDC_AXIS_LD, 3, astrLDItems),
    };
    const CDlgControl aLabels[] = {
        fnLabel(0, layout.m_pszForceLabel, 45),
        fnLabel(1, "L/D", 20),
        fnLabel(2, layout.m_pszWindLabel, 45),
        layout.m_ctlGroup,
        fnLabel(3, "Cd", 20),
    };

    CDlgTemplate dlgTemplate{layout.m_nId,
                             layout.m_pszCaption,
                             "MS Sans Serif",
                             8,
                             0,
                             0,
                             layout.m_nCx,
                             layout.m_nCy,
                             {}};
    auto& aControls = dlgTemplate.m_aControls;
    if (layout.m_bButtonsFirst)
        aControls.insert(aControls.end(), std::begin(aButtons), std::end(aButtons));
    aControls.insert(aControls.end(), std::begin(aFields), std::end(aFields));
    if (!layout.m_bButtonsFirst)
        aControls.insert(aControls.end(), std::begin(aButtons), std::end(aButtons));
    aControls.insert(aControls.end(), std::begin(aLabels), std::end(aLabels));
    return dlgTemplate;
}

// The members in the order each dialog exchanges them.
constexpr int s_anEnglishOrder[] = {IDC_AXIS_FORCE,   IDC_AXIS_LD_ON,  IDC_AXIS_CD_ON,
                                    IDC_AXIS_CD,      IDC_AXIS_LD,     IDC_AXIS_WIND,
                                    IDC_AXIS_DRAG_ON, IDC_AXIS_LIFT_ON};
constexpr int s_anMetricOrder[] = {IDC_AXIS_CD_ON,   IDC_AXIS_LD_ON, IDC_AXIS_LIFT_ON,
                                   IDC_AXIS_DRAG_ON, IDC_AXIS_CD,    IDC_AXIS_FORCE,
                                   IDC_AXIS_LD,      IDC_AXIS_WIND};
} // namespace

const CDlgTemplate& SconfdlgTemplate()
{
    static const CDlgTemplate dlgTemplate = AxisTemplate({
        IDD_AXIS,
        "Axis",
        214,
        130,
        "Wind (mph)",
        "Force (lbs)",
        {"80.0", "40.0", "20.0", "10.0"},
        {"2.0", "1.0", "0.5", "0.25", "0.125", "0.0625"},
        {{48, 25}, {48, 50}, {48, 77}, {48, 96}},
        {{11, 46}, {11, 56}, {11, 79}, {11, 98}},
        {{154, 4}, {154, 21}},
        {{102, 52}, {102, 99}, {102, 28}, {102, 80}},
        {IDC_STATIC, EControlKind::GroupBox, "Scale Ranges", 7, 13, 143, 105, 0, {}},
        false,
    });
    return dlgTemplate;
}

const CDlgTemplate& MSconfdlgTemplate()
{
    static const CDlgTemplate dlgTemplate = AxisTemplate({
        IDD_METRIC_AXIS,
        "Metric Axis",
        216,
        132,
        "Wind (KPH)",
        "Force (kg)",
        {"140", "70", "35", "15"},
        {"1.0", "0.5", "0.25", "0.125", "0.0625"},
        {{43, 26}, {43, 51}, {43, 78}, {43, 97}},
        {{7, 47}, {7, 57}, {7, 80}, {7, 99}},
        {{157, 5}, {157, 22}},
        {{96, 54}, {96, 100}, {96, 30}, {96, 81}},
        {IDC_STATIC, EControlKind::GroupBox, "Scale Ranges", 3, 12, 147, 106, 0, {}},
        true,
    });
    return dlgTemplate;
}

CAxisDlg::CAxisDlg(const CDlgTemplate& dlgTemplate, std::span<const int> anExchangeOrder)
    : CDialog(dlgTemplate), m_anExchangeOrder(anExchangeOrder)
{
}

void CAxisDlg::DoDataExchange(CDataExchange* pDX)
{
    for (int nId : m_anExchangeOrder)
    {
        switch (nId)
        {
        case IDC_AXIS_WIND:
            DDX_CBString(pDX, nId, m_strWind);
            break;
        case IDC_AXIS_FORCE:
            DDX_CBString(pDX, nId, m_strForce);
            break;
        case IDC_AXIS_CD:
            DDX_CBString(pDX, nId, m_strCd);
            break;
        case IDC_AXIS_LD:
            DDX_CBString(pDX, nId, m_strLD);
            break;
        case IDC_AXIS_LIFT_ON:
            DDX_Check(pDX, nId, m_bLift);
            break;
        case IDC_AXIS_DRAG_ON:
            DDX_Check(pDX, nId, m_bDrag);
            break;
        case IDC_AXIS_CD_ON:
            DDX_Check(pDX, nId, m_bCd);
            break;
        case IDC_AXIS_LD_ON:
            DDX_Check(pDX, nId, m_bLD);
            break;
        }
    }
}

CSconfdlg::CSconfdlg() : CAxisDlg(SconfdlgTemplate(), s_anEnglishOrder) {}

CMSconfdlg::CMSconfdlg() : CAxisDlg(MSconfdlgTemplate(), s_anMetricOrder) {}
