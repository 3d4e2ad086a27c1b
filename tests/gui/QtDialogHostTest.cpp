#include "qt/QtDialogHost.h"
#include "qt/DialogUnits.h"
#include "qt/QtUserInterface.h"

#include "HostControls.h"
#include "MainFrameKeys.h"
#include "ModalDriver.h"
#include "dialogs/ComCfg.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <vector>

namespace
{

// Installs the Qt user interface for AfxMessageBox and DoModal, as the program does.
class QtDialogHostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_oldPlatform = g_platform;
        g_platform.m_pUi = &m_ui;
    }
    void TearDown() override { g_platform = m_oldPlatform; }

    CQtUserInterface m_ui;
    CPlatform m_oldPlatform;
};
} // namespace

TEST_F(QtDialogHostTest, ComPortDialogShowsItsTemplate)
{
    CComCfg dlg;
    dlg.m_strPort = "COM3";
    WhenModal([](QWidget* pModal) {
        EXPECT_EQ(pModal->windowTitle(), "COM Port");
        const CDialogUnits units = CDialogUnits::ForFont(pModal->font());
        EXPECT_GT(units.BaseX(), 0);
        EXPECT_EQ(pModal->size(), QSize(units.ToPixelsX(191), units.ToPixelsY(51)));

        auto* pCombo = Control<QComboBox>(pModal, IDC_COMPORT);
        ASSERT_NE(pCombo, nullptr);
        EXPECT_TRUE(pCombo->isEditable());
        ASSERT_EQ(pCombo->count(), 9);
        EXPECT_EQ(pCombo->itemText(0), "COM1");
        EXPECT_EQ(pCombo->itemText(8), "COM9");
        EXPECT_EQ(pCombo->currentIndex(), 2);
        EXPECT_EQ(pCombo->currentText(), "COM3");
        EXPECT_EQ(pCombo->geometry().topLeft(), units.ToPixels(43, 25, 48, 52).topLeft());
        EXPECT_LT(pCombo->height(), units.ToPixelsY(52)) << "the height is the field's alone";

        auto* pOk = Control<QPushButton>(pModal, IDOK);
        ASSERT_NE(pOk, nullptr);
        EXPECT_TRUE(pOk->isDefault());
        EXPECT_EQ(pOk->text(), "OK");
        EXPECT_EQ(pOk->geometry(), units.ToPixels(130, 6, 50, 14));

        QLabel* pLabel = pModal->findChild<QLabel*>();
        ASSERT_NE(pLabel, nullptr);
        EXPECT_EQ(pLabel->text(), "Port");
        EXPECT_TRUE(pLabel->alignment() & Qt::AlignRight);
        EXPECT_EQ(pLabel->geometry(), units.ToPixels(3, 28, 29, 7));

        Control<QPushButton>(pModal, IDCANCEL)->click();
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_strPort, "COM3");
    EXPECT_EQ(dlg.m_pControls, nullptr);
}

TEST_F(QtDialogHostTest, ComPortDialogEndsTheWaysAUserEndsIt)
{
    struct CCase
    {
        const char* m_pszName;
        std::function<void(QWidget*)> m_fnAct;
        int m_nResult;
        const char* m_pszPort;
    };
    auto fnType = [](QWidget* pModal) {
        QComboBox* pCombo = Control<QComboBox>(pModal, IDC_COMPORT);
        pCombo->lineEdit()->setText("COM12");
        return pCombo;
    };
    const CCase aCases[] = {
        {"OK", [&](QWidget* p) { fnType(p), Control<QPushButton>(p, IDOK)->click(); }, IDOK,
         "COM12"},
        {"Enter in the field", [&](QWidget* p) { PressKey(fnType(p)->lineEdit(), Qt::Key_Return); },
         IDOK, "COM12"},
        {"Cancel", [&](QWidget* p) { fnType(p), Control<QPushButton>(p, IDCANCEL)->click(); },
         IDCANCEL, "COM1"},
        {"Esc", [&](QWidget* p) { PressKey(fnType(p), Qt::Key_Escape); }, IDCANCEL, "COM1"},
        {"window closed", [&](QWidget* p) { fnType(p), p->close(); }, IDCANCEL, "COM1"},
    };
    for (const CCase& c : aCases)
    {
        CComCfg dlg;
        dlg.m_strPort = "COM1";
        WhenModal(c.m_fnAct);
        EXPECT_EQ(dlg.DoModal(), c.m_nResult) << c.m_pszName;
        EXPECT_EQ(dlg.m_strPort, c.m_pszPort) << c.m_pszName;
        // The user's text never joins the list.
        EXPECT_EQ(ComCfgTemplate().m_aControls[1].m_astrItems.size(), 9u);
    }
}

namespace
{
enum
{
    IDC_NUMBER = 100,
    IDC_NAME,
    IDC_A1,
    IDC_A2,
    IDC_B1,
    IDC_B2,
    IDC_CHECK,
    IDC_FRAME,
    IDC_READOUT,
    IDC_LIST,
    IDC_SPARE,
};

const CDlgTemplate& TestTemplate()
{
    static const CDlgTemplate dlgTemplate{
        500,
        "Test",
        "MS Sans Serif",
        8,
        0,
        0,
        200,
        120,
        {
            {IDC_FRAME, EControlKind::GroupBox, "&Frame", 2, 2, 100, 60, 0, {}},
            {IDC_STATIC, EControlKind::Static, "&Number", 5, 12, 40, 8, 0, {}},
            {IDC_NUMBER, EControlKind::Edit, "", 50, 10, 40, 12, CTL_TABSTOP, {}},
            {IDC_NAME, EControlKind::Edit, "", 50, 24, 40, 12, CTL_TABSTOP, {}},
            {IDC_A1, EControlKind::RadioButton, "A1", 5, 40, 30, 10, CTL_GROUP, {}},
            {IDC_A2, EControlKind::RadioButton, "A2", 40, 40, 30, 10, 0, {}},
            {IDC_B1, EControlKind::RadioButton, "B1", 5, 52, 30, 10, CTL_GROUP, {}},
            {IDC_B2, EControlKind::RadioButton, "B2", 40, 52, 30, 10, 0, {}},
            {IDC_CHECK, EControlKind::CheckBox, "Check", 5, 66, 40, 10, CTL_GROUP, {}},
            {IDC_READOUT, EControlKind::Edit, "fixed", 50, 66, 40, 12, CTL_READONLY, {}},
            {IDC_LIST, EControlKind::ComboDropList, "", 5, 80, 60, 40, 0, {"one", "two"}},
            {IDC_SPARE, EControlKind::PushButton, "Spare", 70, 80, 40, 14, CTL_DISABLED, {}},
            {IDOK, EControlKind::DefPushButton, "OK", 140, 6, 50, 14, CTL_TABSTOP, {}},
            {IDCANCEL, EControlKind::PushButton, "Cancel", 140, 23, 50, 14, CTL_TABSTOP, {}},
            {IDC_STATIC, EControlKind::Static, "A && B", 5, 100, 60, 8, CTL_CENTER, {}},
        }};
    return dlgTemplate;
}

class CTestDialog : public CDialog
{
public:
    CTestDialog() : CDialog(TestTemplate()) {}

    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_bEndAtOnce)
            EndDialog(IDOK);
        return true;
    }
    void OnCommand(int nId) override
    {
        m_anCommands.push_back(nId);
        CDialog::OnCommand(nId);
    }
    void OnCancel() override
    {
        if (m_bCancelAllowed)
            CDialog::OnCancel();
    }

    unsigned m_nNumber = 7;
    std::string m_strName = "abc";
    int m_nGroupA = 1;
    int m_nGroupB = -1;
    int m_nCheck = 1;
    bool m_bEndAtOnce = false;
    bool m_bCancelAllowed = true;
    std::vector<int> m_anCommands;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_NUMBER, m_nNumber);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 5);
        DDX_Radio(pDX, IDC_A1, m_nGroupA);
        DDX_Radio(pDX, IDC_B1, m_nGroupB);
        DDX_Check(pDX, IDC_CHECK, m_nCheck);
    }
};
} // namespace

TEST_F(QtDialogHostTest, ControlsCarryTheMembers)
{
    CTestDialog dlg;
    WhenModal([](QWidget* pModal) {
        EXPECT_EQ(Control<QLineEdit>(pModal, IDC_NUMBER)->text(), "7");
        EXPECT_EQ(Control<QLineEdit>(pModal, IDC_NAME)->text(), "abc");
        EXPECT_FALSE(Control<QRadioButton>(pModal, IDC_A1)->isChecked());
        EXPECT_TRUE(Control<QRadioButton>(pModal, IDC_A2)->isChecked());
        EXPECT_FALSE(Control<QRadioButton>(pModal, IDC_B1)->isChecked());
        EXPECT_FALSE(Control<QRadioButton>(pModal, IDC_B2)->isChecked());
        EXPECT_TRUE(Control<QCheckBox>(pModal, IDC_CHECK)->isChecked());
        EXPECT_TRUE(Control<QLineEdit>(pModal, IDC_READOUT)->isReadOnly());
        EXPECT_FALSE(Control<QPushButton>(pModal, IDC_SPARE)->isEnabled());
        EXPECT_FALSE(Control<QComboBox>(pModal, IDC_LIST)->isEditable());
        EXPECT_EQ(Control<QGroupBox>(pModal, IDC_FRAME)->title(), "&Frame");
        EXPECT_EQ(pModal->focusWidget(), Control<QLineEdit>(pModal, IDC_NUMBER))
            << "the first control that takes the focus has it";
        // The name takes five characters as typed.
        EXPECT_TRUE(Activate(pModal));
        auto* pName = Control<QLineEdit>(pModal, IDC_NAME);
        pName->setFocus(Qt::MouseFocusReason);
        for (int nKey : {Qt::Key_End, Qt::Key_D, Qt::Key_E, Qt::Key_F})
            TypeKey(pName, nKey);
        EXPECT_EQ(pName->text(), "abcde");

        const QList<QLabel*> apLabels = pModal->findChildren<QLabel*>();
        ASSERT_EQ(apLabels.size(), 2);
        EXPECT_EQ(apLabels[0]->buddy(), Control<QLineEdit>(pModal, IDC_NUMBER));
        EXPECT_EQ(apLabels[1]->text(), "A & B") << "no field follows: markers removed";
        EXPECT_TRUE(apLabels[1]->alignment() & Qt::AlignHCenter);

        // Choosing in one group leaves the other alone; a group is exclusive in itself.
        Control<QRadioButton>(pModal, IDC_B2)->click();
        Control<QRadioButton>(pModal, IDC_A1)->click();
        EXPECT_TRUE(Control<QRadioButton>(pModal, IDC_B2)->isChecked());
        EXPECT_FALSE(Control<QRadioButton>(pModal, IDC_A2)->isChecked());
        Control<QCheckBox>(pModal, IDC_CHECK)->click();
        Control<QLineEdit>(pModal, IDC_NUMBER)->setText("42");
        Control<QPushButton>(pModal, IDOK)->click();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nNumber, 42u);
    EXPECT_EQ(dlg.m_nGroupA, 0);
    EXPECT_EQ(dlg.m_nGroupB, 1);
    EXPECT_EQ(dlg.m_nCheck, 0);
    EXPECT_EQ(dlg.m_anCommands, (std::vector<int>{IDC_B2, IDC_A1, IDC_CHECK, IDOK}));
}

TEST_F(QtDialogHostTest, TabOrderIsTemplateOrder)
{
    CTestDialog dlg;
    WhenModal([](QWidget* pModal) {
        const std::vector<int> anOrder = {IDC_NUMBER, IDC_NAME,  IDC_A1,    IDC_A2,
                                          IDC_B1,     IDC_B2,    IDC_CHECK, IDC_READOUT,
                                          IDC_LIST,   IDC_SPARE, IDOK,      IDCANCEL};
        std::vector<int> anChain;
        QWidget* pStart = Control<QWidget>(pModal, anOrder.front());
        QWidget* pWidget = pStart;
        do
        {
            if (pWidget->focusPolicy() & Qt::TabFocus)
                anChain.push_back(pWidget->objectName().mid(2).toInt());
            pWidget = pWidget->nextInFocusChain();
        } while (pWidget != pStart && anChain.size() <= anOrder.size());
        EXPECT_EQ(anChain, anOrder);
        Control<QPushButton>(pModal, IDCANCEL)->click();
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(QtDialogHostTest, FailedValidationKeepsTheDialogOpen)
{
    CTestDialog dlg;
    WhenModal([pDialogBelow = static_cast<QWidget*>(nullptr)](QWidget* pModal) mutable {
        pDialogBelow = pModal;
        auto* pNumber = Control<QLineEdit>(pModal, IDC_NUMBER);
        pNumber->setText("abc");
        Control<QLineEdit>(pModal, IDC_NAME)->setText("xy");
        std::string strShown;
        WhenModal(
            [&](QWidget* pBox) {
                strShown = qobject_cast<QMessageBox*>(pBox)->text().toStdString();
                qobject_cast<QMessageBox*>(pBox)->button(QMessageBox::Ok)->click();
            },
            pModal);
        Control<QPushButton>(pModal, IDOK)->click();
        EXPECT_EQ(strShown, "Enter a positive integer.");
        EXPECT_TRUE(pModal->isVisible());
        EXPECT_EQ(pModal->focusWidget(), pNumber);
        EXPECT_EQ(pNumber->selectedText(), "abc");

        pNumber->setText("12");
        Control<QPushButton>(pModal, IDOK)->click();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nNumber, 12u);
    EXPECT_EQ(dlg.m_strName, "xy");
}

TEST_F(QtDialogHostTest, DialogDecidesWhetherCancelEndsIt)
{
    CTestDialog dlg;
    dlg.m_bCancelAllowed = false;
    WhenModal([](QWidget* pModal) {
        PressKey(pModal, Qt::Key_Escape);
        pModal->close();
        EXPECT_TRUE(pModal->isVisible());
        Control<QPushButton>(pModal, IDOK)->click();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_anCommands, (std::vector<int>{IDCANCEL, IDCANCEL, IDOK}));
}

TEST_F(QtDialogHostTest, DialogEndedWhileStartingIsNeverShown)
{
    CTestDialog dlg;
    dlg.m_bEndAtOnce = true;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(DialogUnitsTest, ConvertsByTheFontsBaseUnits)
{
    const CDialogUnits units(6, 13);
    EXPECT_EQ(units.ToPixels(0, 0, 4, 8), QRect(0, 0, 6, 13));
    EXPECT_EQ(units.ToPixels(130, 6, 50, 14), QRect(195, 10, 75, 23));
    // Adjoining rectangles stay adjoining whatever the rounding.
    EXPECT_EQ(units.ToPixels(1, 1, 1, 1).right() + 1, units.ToPixels(2, 1, 1, 1).left());

    const QFont font = CDialogUnits::DialogFont("MS Sans Serif", 8);
    EXPECT_EQ(font.pointSize(), 8);
    const CDialogUnits fontUnits = CDialogUnits::ForFont(font);
    EXPECT_GE(fontUnits.BaseX(), 4);
    EXPECT_GT(fontUnits.BaseY(), fontUnits.BaseX());
}
