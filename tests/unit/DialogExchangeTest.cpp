#include "FakePlatform.h"

#include "dialogs/ComCfg.h"

namespace
{
// A dialog with one control of each exchanged kind.
const CDlgTemplate& TestTemplate()
{
    static const CDlgTemplate dlgTemplate{
        999,
        "Test",
        "MS Sans Serif",
        8,
        0,
        0,
        100,
        100,
        {{10, EControlKind::RadioButton, "English", 0, 0, 10, 10, CTL_GROUP, {}},
         {11, EControlKind::RadioButton, "Metric", 0, 0, 10, 10, 0, {}},
         {12, EControlKind::RadioButton, "Other group", 0, 0, 10, 10, CTL_GROUP, {}},
         {20, EControlKind::Edit, "", 0, 0, 10, 10, 0, {}},
         {21, EControlKind::Edit, "", 0, 0, 10, 10, 0, {}},
         {22, EControlKind::CheckBox, "Show", 0, 0, 10, 10, 0, {}},
         {IDOK, EControlKind::DefPushButton, "OK", 0, 0, 10, 10, 0, {}},
         {IDCANCEL, EControlKind::PushButton, "Cancel", 0, 0, 10, 10, 0, {}}}};
    return dlgTemplate;
}

class CTestDlg : public CDialog
{
public:
    CTestDlg() : CDialog(TestTemplate()) {}

    int m_nRadio = 1;
    unsigned m_nSpeed = 80;
    std::string m_strLine = "comment";
    int m_bShow = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Radio(pDX, 10, m_nRadio);
        DDX_Text(pDX, 20, m_nSpeed);
        DDX_Text(pDX, 21, m_strLine);
        DDV_MaxChars(pDX, m_strLine, 10);
        DDX_Check(pDX, 22, m_bShow);
    }
};

using DialogExchangeTest = CFakePlatformTest;

TEST_F(DialogExchangeTest, LoadsMembersIntoControls)
{
    CTestDlg dlg;
    m_ui.m_afnDialogs = {[](CDialog& d, CFakeDialogControls& c) {
        EXPECT_EQ(c.GetCheck(10), 0);
        EXPECT_EQ(c.GetCheck(11), 1);
        EXPECT_EQ(c.m_mapCheck.count(12), 0u) << "the next group is not touched";
        EXPECT_EQ(c.GetText(20), "80");
        EXPECT_EQ(c.GetText(21), "comment");
        EXPECT_EQ(c.m_mapLimit[21], 10);
        EXPECT_EQ(c.GetCheck(22), 1);
        d.OnCommand(IDCANCEL);
    }};
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(DialogExchangeTest, OkSavesMembersCancelDoesNot)
{
    CTestDlg dlg;
    auto fnEdit = [](int nButton) {
        return [nButton](CDialog& d, CFakeDialogControls& c) {
            c.SetCheck(10, 1);
            c.SetCheck(11, 0);
            c.SetText(20, " 120 ");
            c.SetText(21, "new");
            c.SetCheck(22, 0);
            d.OnCommand(nButton);
        };
    };
    m_ui.m_afnDialogs = {fnEdit(IDCANCEL), fnEdit(IDOK)};
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nSpeed, 80u);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nRadio, 0);
    EXPECT_EQ(dlg.m_nSpeed, 120u);
    EXPECT_EQ(dlg.m_strLine, "new");
    EXPECT_EQ(dlg.m_bShow, 0);
}

TEST_F(DialogExchangeTest, NotAPositiveIntegerKeepsTheDialogOpen)
{
    for (const char* pszBad : {"abc", "", "-5", "12.5", "99999999999", "12 3"})
    {
        CTestDlg dlg;
        bool bStillOpen = false;
        int nFocus = 0;
        m_ui.m_anAnswers = {IDOK};
        m_ui.m_afnDialogs = {[&](CDialog& d, CFakeDialogControls& c) {
            c.SetText(20, pszBad);
            d.OnCommand(IDOK);
            bStillOpen = !d.IsEnded();
            nFocus = c.m_nFocus;
            c.SetText(20, "50");
            d.OnCommand(IDOK);
        }};
        EXPECT_EQ(dlg.DoModal(), IDOK) << pszBad;
        EXPECT_TRUE(bStillOpen) << pszBad;
        EXPECT_EQ(nFocus, 20) << pszBad;
        ASSERT_EQ(m_ui.m_aBoxes.size(), 1u) << pszBad;
        EXPECT_EQ(m_ui.m_aBoxes[0].m_strText, "Enter a positive integer.");
        EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, MB_ICONEXCLAMATION);
        EXPECT_EQ(dlg.m_nSpeed, 50u);
        m_ui.m_aBoxes.clear();
    }
}

TEST_F(DialogExchangeTest, TooLongTextIsRefusedWithTheLimitInTheMessage)
{
    CTestDlg dlg;
    dlg.m_strLine = "a line read from a file, longer than ten";
    m_ui.m_anAnswers = {IDOK};
    m_ui.m_afnDialogs = {[](CDialog& d, CFakeDialogControls& c) {
        d.OnCommand(IDOK);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(c.m_nFocus, 21);
        c.SetText(21, "0123456789");
        d.OnCommand(IDOK);
    }};
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Enter no more than 10 characters."});
    EXPECT_EQ(dlg.m_strLine, "0123456789");
}

TEST_F(DialogExchangeTest, ComPortComboSelectsAMatchingEntryOrShowsTheText)
{
    const struct
    {
        const char* pszPort;
        int nSelected; // -1: no entry selected, the text goes to the edit field
        const char* pszShown;
    } aCases[] = {{"COM1", 0, "COM1"},    {"COM4", 3, "COM4"},       {"com9", 8, "COM9"},
                  {"COM", 0, "COM1"}, // the first entry that begins with the text
                  {"COM12", -1, "COM12"}, {"ttyUSB0", -1, "ttyUSB0"}};
    for (const auto& c : aCases)
    {
        CComCfg dlg;
        dlg.m_strPort = c.pszPort;
        m_ui.m_afnDialogs = {[&](CDialog& d, CFakeDialogControls& controls) {
            auto it = controls.m_mapCurSel.find(IDC_COMPORT);
            EXPECT_EQ(it == controls.m_mapCurSel.end() ? -1 : it->second, c.nSelected) << c.pszPort;
            EXPECT_EQ(controls.GetText(IDC_COMPORT), c.pszShown) << c.pszPort;
            d.OnCommand(IDOK);
        }};
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_strPort, c.pszShown);
    }
}

TEST(ComCfgTemplate, HoldsTheLayoutAndTheNinePorts)
{
    const CDlgTemplate& t = ComCfgTemplate();
    EXPECT_EQ(t.m_nId, 134);
    EXPECT_EQ(t.m_strCaption, "COM Port");
    EXPECT_EQ(t.m_nCx, 191);
    EXPECT_EQ(t.m_nCy, 51);
    ASSERT_EQ(t.m_aControls.size(), 4u);
    const CDlgControl& combo = t.m_aControls[1];
    EXPECT_EQ(combo.m_nId, 1015);
    EXPECT_EQ(combo.m_eKind, EControlKind::ComboDropDown);
    EXPECT_EQ(combo.m_astrItems, (std::vector<std::string>{"COM1", "COM2", "COM3", "COM4", "COM5",
                                                           "COM6", "COM7", "COM8", "COM9"}));
    EXPECT_EQ(t.m_aControls[2].m_eKind, EControlKind::DefPushButton);
}
} // namespace
