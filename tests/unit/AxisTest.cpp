#include "RunViewFixture.h"

#include "app/CommandIds.h"
#include "dialogs/AxisDlg.h"

#include <vector>

namespace
{

using AxisTest = RunViewTest;

// The index of each axis as (force, wind, Cd, L/D).
struct CIndices
{
    int m_nForce;
    int m_nWind;
    int m_nCd;
    int m_nLD;
    bool operator==(const CIndices&) const = default;
};

std::ostream& operator<<(std::ostream& os, const CIndices& indices)
{
    return os << "force " << indices.m_nForce << ", wind " << indices.m_nWind << ", Cd "
              << indices.m_nCd << ", L/D " << indices.m_nLD;
}

class AxisCommandTest : public AxisTest
{
protected:
    void SetIndices(const CIndices& indices)
    {
        Graph().SetForceScale(indices.m_nForce);
        Graph().SetWindScale(indices.m_nWind);
        Graph().SetCdScale(indices.m_nCd);
        Graph().SetLDScale(indices.m_nLD);
    }
    CIndices Indices()
    {
        return {Graph().m_axForce.m_nScale, Graph().m_axWind.m_nScale, Graph().m_axCd.m_nScale,
                Graph().m_axLD.m_nScale};
    }
    // Runs the Axis command with one script.
    void Axis(DialogScript fnScript)
    {
        m_ui.m_afnDialogs = {std::move(fnScript)};
        EXPECT_TRUE(m_pView->OnCmdMsg(ID_AXIS));
    }
    // Types the four tops (force, wind, Cd, L/D) and presses OK.
    void ChooseTops(const std::string& strForce, const std::string& strWind,
                    const std::string& strCd, const std::string& strLD)
    {
        Axis([=](CDialog& dlg, CFakeDialogControls& controls) {
            controls.SetText(IDC_AXIS_FORCE, strForce);
            controls.SetText(IDC_AXIS_WIND, strWind);
            controls.SetText(IDC_AXIS_CD, strCd);
            controls.SetText(IDC_AXIS_LD, strLD);
            dlg.OnCommand(IDOK);
        });
    }
};

// Every list item of both dialogs gives the index of its own full scale.
TEST_F(AxisCommandTest, ListItemsGiveTheirIndices)
{
    struct CItemCase
    {
        int m_nUnits;
        const CDlgTemplate& m_template;
    };
    for (const CItemCase& c : {CItemCase{1, SconfdlgTemplate()}, CItemCase{0, MSconfdlgTemplate()}})
    {
        MakeView(c.m_nUnits);
        auto fnItems = [&](int nId) {
            for (const CDlgControl& ctl : c.m_template.m_aControls)
                if (ctl.m_nId == nId)
                    return ctl.m_astrItems;
            return std::vector<std::string>{};
        };
        const std::vector<std::string> astrForce = fnItems(IDC_AXIS_FORCE);
        const std::vector<std::string> astrWind = fnItems(IDC_AXIS_WIND);
        for (size_t i = 0; i < astrForce.size(); ++i)
        {
            // Wind and Cd and L/D have four items; their last one is held for the rest.
            size_t nOther = std::min<size_t>(i, 3);
            const std::string strCd = fnItems(IDC_AXIS_CD)[nOther];
            const std::string strLD = fnItems(IDC_AXIS_LD)[nOther];
            ChooseTops(astrForce[i], astrWind[nOther], strCd, strLD);
            const int nOtherIndex = static_cast<int>(nOther) + 1;
            EXPECT_EQ(Indices(),
                      (CIndices{static_cast<int>(i) + 1, nOtherIndex, nOtherIndex, nOtherIndex}))
                << "units " << c.m_nUnits << ", force " << astrForce[i];
        }
    }
}

struct CTypedCase
{
    int m_nUnits;
    const char* m_pszForce;
    const char* m_pszWind;
    CIndices m_expected; // from indices 2, 1, 1, 1
};

class AxisTypedTest : public AxisCommandTest, public ::testing::WithParamInterface<CTypedCase>
{
};

TEST_P(AxisTypedTest, TypedTopGivesIndexOrLeavesTheAxis)
{
    const CTypedCase& c = GetParam();
    MakeView(c.m_nUnits);
    ChooseTops(c.m_pszForce, c.m_pszWind, "2.0", "20");
    EXPECT_EQ(Indices(), c.m_expected);
}

INSTANTIATE_TEST_SUITE_P(Tops, AxisTypedTest,
                         ::testing::Values(
                             // Between two items: the nearest full scale at or above the top.
                             CTypedCase{1, "0.3", "30", {3, 2, 1, 1}},
                             // 140 / 15 = 9.3: index 4, a top of 17.5 kph.
                             CTypedCase{0, "0.2", "15", {3, 4, 1, 1}},
                             // The metric wind preset is not in the list and still gives index 1.
                             CTypedCase{0, "1.000", "130", {1, 1, 1, 1}},
                             // Above the base (130 mph over 85) or past the last index (wind has 5,
                             // force 6): no index in the table, the axis stays.
                             CTypedCase{1, "3", "130", {2, 1, 1, 1}},
                             CTypedCase{1, "0.01", "2", {2, 1, 1, 1}},
                             CTypedCase{0, "0.015", "4.375", {2, 1, 1, 1}},
                             // The last index of each table is still taken.
                             CTypedCase{0, "0.03125", "4.4", {6, 5, 1, 1}},
                             // Not a positive number.
                             CTypedCase{1, "", "abc", {2, 1, 1, 1}},
                             CTypedCase{1, "0", "-40", {2, 1, 1, 1}},
                             CTypedCase{1, "1e-300", "nan", {2, 1, 1, 1}}));

TEST_F(AxisCommandTest, OkWithoutChangesKeepsEveryIndexInBothUnits)
{
    for (int nUnits : {1, 0})
    {
        MakeView(nUnits);
        for (int nIndex = 1; nIndex <= 6; ++nIndex)
        {
            const CIndices indices{nIndex, std::min(nIndex, 5), nIndex, nIndex};
            SetIndices(indices);
            Axis(Press(IDOK));
            EXPECT_EQ(Indices(), indices) << "units " << nUnits;
        }
    }
    EXPECT_EQ(m_ui.m_anDialogIds.front(), IDD_AXIS);
    EXPECT_EQ(m_ui.m_anDialogIds.back(), IDD_METRIC_AXIS);
}

TEST_F(AxisCommandTest, PresetsShowTheTopOfEachAxis)
{
    Axis([](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_AXIS_FORCE), "1.000");
        EXPECT_EQ(controls.GetText(IDC_AXIS_WIND), "80.0");
        EXPECT_EQ(controls.m_mapCurSel[IDC_AXIS_WIND], 0) << "a preset found in the list";
        EXPECT_EQ(controls.GetText(IDC_AXIS_CD), "2.00");
        EXPECT_EQ(controls.GetText(IDC_AXIS_LD), "20.0");
        dlg.OnCommand(IDCANCEL);
    });
    MakeView(0);
    SetIndices({6, 3, 5, 2});
    Axis([](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_AXIS_FORCE), "0.031");
        EXPECT_EQ(controls.GetText(IDC_AXIS_WIND), "32");
        EXPECT_EQ(controls.m_mapCurSel.count(IDC_AXIS_WIND), 0u);
        EXPECT_EQ(controls.GetText(IDC_AXIS_CD), "0.12");
        EXPECT_EQ(controls.GetText(IDC_AXIS_LD), "10.0");
        dlg.OnCommand(IDCANCEL);
    });
}

// Switches Lift off and Cd and L/D on, then presses nButton.
DialogScript SwitchLiftForCdAndLD(int nButton)
{
    return [nButton](CDialog& dlg, CFakeDialogControls& controls) {
        controls.SetCheck(IDC_AXIS_LIFT_ON, 0);
        controls.SetCheck(IDC_AXIS_CD_ON, 1);
        controls.SetCheck(IDC_AXIS_LD_ON, 1);
        dlg.OnCommand(nButton);
    };
}

TEST_F(AxisCommandTest, SwitchesGoBothWaysOnlyOnOk)
{
    Axis([](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetCheck(IDC_AXIS_LIFT_ON), 1);
        EXPECT_EQ(controls.GetCheck(IDC_AXIS_DRAG_ON), 1);
        EXPECT_EQ(controls.GetCheck(IDC_AXIS_CD_ON), 0);
        EXPECT_EQ(controls.GetCheck(IDC_AXIS_LD_ON), 0);
        SwitchLiftForCdAndLD(IDCANCEL)(dlg, controls);
    });
    EXPECT_EQ(Graph().m_curLift.m_bShow, 1);
    EXPECT_EQ(Graph().m_curCd.m_bShow, 0);
    Axis(SwitchLiftForCdAndLD(IDOK));
    EXPECT_EQ(Graph().m_curLift.m_bShow, 0);
    EXPECT_EQ(Graph().m_curDrag.m_bShow, 1);
    EXPECT_EQ(Graph().m_curCd.m_bShow, 1);
    EXPECT_EQ(Graph().m_curLD.m_bShow, 1);
}

TEST_F(AxisCommandTest, CancelKeepsScalesButRepaints)
{
    Axis([](CDialog& dlg, CFakeDialogControls& controls) {
        controls.SetText(IDC_AXIS_FORCE, "0.25");
        dlg.OnCommand(IDCANCEL);
    });
    EXPECT_EQ(Indices(), (CIndices{2, 1, 1, 1}));
    EXPECT_FALSE(m_wnd.m_log.m_aFills.empty());
}

TEST_F(AxisCommandTest, TopsAreShownAndReadWithADecimalPointInAnyLocale)
{
    CGermanLocale german;
    ASSERT_TRUE(german.m_bSet);
    Axis([](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_AXIS_FORCE), "1.000");
        controls.SetText(IDC_AXIS_FORCE, "0.125");
        dlg.OnCommand(IDOK);
    });
    EXPECT_EQ(Graph().m_axForce.m_nScale, 5);
}

} // namespace
