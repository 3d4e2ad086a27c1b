#include "dialogs/AxisDlg.h"
#include "graph/CZRVView.h"
#include "graph/FixedFormat.h"
#include "run/WindSpeed.h"

namespace
{
// One axis as the Axis dialogs show it. The preset is the axis's top at index 1 as the dialog
// shows it; the base is the full range at index 1 the chosen top is measured against. Both
// are per units mode: [0] metric, [1] English.
struct CAxisChoice
{
    std::string CAxisDlg::*m_pstrTop;
    double m_adPreset[2];
    int m_anPrecision[2];
    double m_adBase[2];
    // The highest index the axis's step table has.
    int m_nMaxIndex;
};

constexpr CAxisChoice s_choiceForce{&CAxisDlg::m_strForce, {1.0, 2.0}, {3, 3}, {1.0, 2.0}, 6};
constexpr CAxisChoice s_choiceWind{&CAxisDlg::m_strWind, {130.0, 80.0}, {0, 1}, {140.0, 85.0}, 5};
constexpr CAxisChoice s_choiceCd{&CAxisDlg::m_strCd, {2.0, 2.0}, {2, 2}, {2.0, 2.0}, 6};
constexpr CAxisChoice s_choiceLD{&CAxisDlg::m_strLD, {20.0, 20.0}, {1, 1}, {20.0, 20.0}, 6};

// The text the dialog opens with: the top the axis shows at its index.
std::string PresetText(const CAxisChoice& choice, int bEnglish, const xyaxis& axis)
{
    return FormatFixed(choice.m_adPreset[bEnglish] / axis.Divisor(), 2,
                       choice.m_anPrecision[bEnglish]);
}

// The index whose full scale is the smallest power-of-two fraction of the base that still
// reaches the chosen top: the bit length of base / top, truncated. 0 when there is none in
// the axis's table: the top is no positive number, lies above the base, or below the
// smallest full scale.
int ChosenIndex(const CAxisChoice& choice, int bEnglish, const std::string& strTop)
{
    const double dTop = LeadingNumber(strTop);
    if (!(dTop > 0))
        return 0;
    const double dRatio = choice.m_adBase[bEnglish] / dTop;
    if (!(dRatio >= 1) || dRatio >= double(1 << choice.m_nMaxIndex))
        return 0;
    int nIndex = 0;
    for (int n = static_cast<int>(dRatio); n != 0; n >>= 1)
        ++nIndex;
    return nIndex;
}
} // namespace

void CZRVView::OnAxis()
{
    CSconfdlg dlgEnglish;
    CMSconfdlg dlgMetric;
    const int bEnglish = m_nUnits != 0 ? 1 : 0;
    CAxisDlg& dlg = bEnglish ? static_cast<CAxisDlg&>(dlgEnglish) : dlgMetric;

    struct CAxisOf
    {
        const CAxisChoice& m_choice;
        xyaxis& m_axis;
        void (xygraph::*m_pfnSetScale)(int);
    };
    // In the order the chosen indices are applied.
    const CAxisOf aAxes[] = {
        {s_choiceForce, m_axForce, &xygraph::SetForceScale},
        {s_choiceWind, m_axWind, &xygraph::SetWindScale},
        {s_choiceCd, m_axCd, &xygraph::SetCdScale},
        {s_choiceLD, m_axLD, &xygraph::SetLDScale},
    };

    dlg.m_bLift = m_curLift.m_bShow;
    dlg.m_bDrag = m_curDrag.m_bShow;
    dlg.m_bCd = m_curCd.m_bShow;
    dlg.m_bLD = m_curLD.m_bShow;
    for (const CAxisOf& axis : aAxes)
        dlg.*axis.m_choice.m_pstrTop = PresetText(axis.m_choice, bEnglish, axis.m_axis);

    if (dlg.DoModal() == IDOK)
    {
        m_curLift.m_bShow = dlg.m_bLift;
        m_curDrag.m_bShow = dlg.m_bDrag;
        m_curCd.m_bShow = dlg.m_bCd;
        m_curLD.m_bShow = dlg.m_bLD;
        // A top that gives no index in the axis's table leaves that axis as it was.
        for (const CAxisOf& axis : aAxes)
        {
            int nIndex = ChosenIndex(axis.m_choice, bEnglish, dlg.*axis.m_choice.m_pstrTop);
            if (nIndex != 0)
                (this->*axis.m_pfnSetScale)(nIndex);
        }
    }
    std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
    Repaint(pDC.get());
}
