// Every dialog of the program, shown by the Qt host from its template: the caption, each
// control of the right kind, the fixed texts and the list items. With ZRV_SCREENSHOT_DIR set,
// each dialog is also saved there as dialog-<id>.png.
#include "ModalDriver.h"

#include "app/AboutDlg.h"
#include "dialogs/AdConfig.h"
#include "dialogs/AxisDlg.h"
#include "dialogs/ComCfg.h"
#include "dialogs/ConfigDlg.h"
#include "dialogs/SweepDlg.h"
#include "files/Comentdlg.h"
#include "qt/QtDialogHost.h"
#include "run/Gowind.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <optional>

namespace
{
struct CTemplateCase
{
    const char* m_pszName;
    std::unique_ptr<CDialog> (*m_fnMake)();
};

template <class TDialog>
std::unique_ptr<CDialog> Make()
{
    return std::make_unique<TDialog>();
}

class DialogTemplatesTest : public ::testing::TestWithParam<CTemplateCase>
{
};

// The widget's text as the user sees it, or null when it is not of the template's kind.
std::optional<QString> TextOfKind(QWidget* pWidget, const CDlgControl& ctl)
{
    switch (ctl.m_eKind)
    {
    case EControlKind::Static:
    case EControlKind::Icon:
        if (auto* pLabel = qobject_cast<QLabel*>(pWidget))
            return pLabel->text();
        break;
    case EControlKind::GroupBox:
        if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget))
            return pGroup->title();
        break;
    case EControlKind::Edit:
        if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget))
            return pEdit->text();
        break;
    case EControlKind::ComboDropDown:
    case EControlKind::ComboDropList:
        if (auto* pCombo = qobject_cast<QComboBox*>(pWidget);
            pCombo != nullptr &&
            pCombo->isEditable() == (ctl.m_eKind == EControlKind::ComboDropDown))
            return pCombo->currentText();
        break;
    case EControlKind::PushButton:
    case EControlKind::DefPushButton:
        if (auto* pButton = qobject_cast<QPushButton*>(pWidget);
            pButton != nullptr &&
            pButton->isDefault() == (ctl.m_eKind == EControlKind::DefPushButton))
            return pButton->text();
        break;
    case EControlKind::RadioButton:
        if (auto* pRadio = qobject_cast<QRadioButton*>(pWidget))
            return pRadio->text();
        break;
    case EControlKind::CheckBox:
        if (auto* pCheck = qobject_cast<QCheckBox*>(pWidget))
            return pCheck->text();
        break;
    }
    return std::nullopt;
}

TEST_P(DialogTemplatesTest, ShowsEveryControlOfItsTemplate)
{
    std::unique_ptr<CDialog> pDlg = GetParam().m_fnMake();
    const CDlgTemplate& dlgTemplate = pDlg->GetTemplate();
    WhenModal([&](QWidget* pModal) {
        EXPECT_EQ(pModal->windowTitle().toStdString(), dlgTemplate.m_strCaption);
        for (const CDlgControl& ctl : dlgTemplate.m_aControls)
        {
            if (ctl.m_nId == IDC_STATIC)
                continue;
            auto* pWidget = pModal->findChild<QWidget*>(CQtDialogHost::ControlName(ctl.m_nId));
            ASSERT_NE(pWidget, nullptr) << "control " << ctl.m_nId;
            std::optional<QString> strText = TextOfKind(pWidget, ctl);
            ASSERT_TRUE(strText.has_value()) << "control " << ctl.m_nId << " of another kind";
            if (ctl.m_eKind != EControlKind::Icon && !ctl.m_astrItems.empty())
            {
                auto* pCombo = qobject_cast<QComboBox*>(pWidget);
                std::vector<std::string> astrItems;
                for (int i = 0; i < pCombo->count(); ++i)
                    astrItems.push_back(pCombo->itemText(i).toStdString());
                EXPECT_EQ(astrItems, ctl.m_astrItems) << "control " << ctl.m_nId;
            }
            // Fields, and labels with an id, show what the dialog puts there.
            else if (ctl.m_eKind != EControlKind::Icon && ctl.m_eKind != EControlKind::Static &&
                     ctl.m_eKind != EControlKind::Edit &&
                     ctl.m_eKind != EControlKind::ComboDropDown &&
                     ctl.m_eKind != EControlKind::ComboDropList)
            {
                EXPECT_EQ(strText->toStdString(), ctl.m_strText) << "control " << ctl.m_nId;
            }
        }
        // Statics without an id: their texts are all there.
        QStringList astrLabels;
        for (QLabel* pLabel : pModal->findChildren<QLabel*>())
            astrLabels << pLabel->text();
        for (const CDlgControl& ctl : dlgTemplate.m_aControls)
        {
            if (ctl.m_nId == IDC_STATIC && ctl.m_eKind == EControlKind::Static)
            {
                EXPECT_TRUE(astrLabels.contains(QString::fromStdString(ctl.m_strText)))
                    << ctl.m_strText;
            }
        }
        if (const QString strDir = qEnvironmentVariable("ZRV_SCREENSHOT_DIR"); !strDir.isEmpty())
            pModal->grab().save(strDir + QString("/dialog-%1.png").arg(dlgTemplate.m_nId));
        qobject_cast<QDialog*>(pModal)->reject();
    });
    CQtDialogHost host(*pDlg, nullptr);
    EXPECT_EQ(host.Run(), IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, DialogTemplatesTest,
                         ::testing::Values(CTemplateCase{"About", Make<CAboutDlg>},
                                           CTemplateCase{"ComCfg", Make<CComCfg>},
                                           CTemplateCase{"Gowind", Make<CGowind>},
                                           CTemplateCase{"Config", Make<CConfigDlg>},
                                           CTemplateCase{"Sconf", Make<CSconfdlg>},
                                           CTemplateCase{"MSconf", Make<CMSconfdlg>},
                                           CTemplateCase{"AdConfig", Make<CadConfig>},
                                           CTemplateCase{"Comentdlg", Make<CComentdlg>},
                                           CTemplateCase{"Sweep", Make<CSweepDlg>}),
                         [](const auto& info) { return std::string(info.param.m_pszName); });
} // namespace
