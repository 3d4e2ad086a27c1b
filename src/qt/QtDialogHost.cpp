#include "qt/QtDialogHost.h"

#include "qt/DialogUnits.h"
#include "qt/TypedText.h"
#include "qt/Windows1252.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace
{
// A QDialog whose Esc key and close button go to the dialog's own Cancel handling instead of
// closing it: the dialog decides whether it ends.
class CHostDialog : public QDialog
{
public:
    CHostDialog(QWidget* pParent, std::function<void()> fnCancel)
        : QDialog(pParent), m_fnCancel(std::move(fnCancel))
    {
    }
    void reject() override { m_fnCancel(); }

private:
    std::function<void()> m_fnCancel;
};

// The core's texts are Windows-1252 bytes, whether they came from a template, a test file or
// the user.
QString ToQt(const std::string& strText)
{
    return FromWindows1252(strText);
}

// The text without its mnemonic markers: "&&" shows "&", a lone "&" underlines nothing here.
QString WithoutMnemonics(const QString& strText)
{
    QString strShown;
    for (qsizetype i = 0; i < strText.size(); ++i)
    {
        if (strText[i] == '&' && i + 1 < strText.size())
            ++i;
        strShown += strText[i];
    }
    return strShown;
}

Qt::Alignment StaticAlignment(unsigned nStyle)
{
    if (nStyle & CTL_RIGHT)
        return Qt::AlignRight | Qt::AlignTop;
    if (nStyle & CTL_CENTER)
        return Qt::AlignHCenter | Qt::AlignTop;
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* MakeStatic(const CDlgControl& ctl)
{
    auto* pLabel = new QLabel(ToQt(ctl.m_strText));
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setAlignment(StaticAlignment(ctl.m_nStyle));
    pLabel->setWordWrap(true);
    return pLabel;
}

QWidget* MakeIcon()
{
    auto* pLabel = new QLabel;
    pLabel->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    return pLabel;
}

QWidget* MakeEdit(const CDlgControl& ctl)
{
    auto* pEdit = new QLineEdit(ToQt(ctl.m_strText));
    pEdit->setReadOnly((ctl.m_nStyle & CTL_READONLY) != 0);
    new CTypedTextValidator(pEdit);
    return pEdit;
}

QWidget* MakeCombo(const CDlgControl& ctl)
{
    auto* pCombo = new QComboBox;
    if (ctl.m_eKind == EControlKind::ComboDropDown)
    {
        pCombo->setEditable(true);
        // What the user types stays as typed: "2" must not become the listed "20".
        pCombo->setCompleter(nullptr);
        new CTypedTextValidator(pCombo->lineEdit());
    }
    // The list is the template's, in the template's order (sorted lists come sorted); what
    // the user types never joins it.
    pCombo->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& strItem : ctl.m_astrItems)
        pCombo->addItem(ToQt(strItem));
    pCombo->setCurrentIndex(-1);
    return pCombo;
}

QLineEdit* EditOf(QWidget* pControl)
{
    if (auto* pCombo = qobject_cast<QComboBox*>(pControl))
        return pCombo->lineEdit();
    return qobject_cast<QLineEdit*>(pControl);
}

// Focuses a control; a text field gets its whole text selected, ready to be typed over.
void Focus(QWidget* pControl)
{
    pControl->setFocus(Qt::OtherFocusReason);
    if (QLineEdit* pEdit = EditOf(pControl))
        pEdit->selectAll();
}
} // namespace

QString CQtDialogHost::ControlName(int nId)
{
    return QStringLiteral("id%1").arg(nId);
}

CQtDialogHost::CQtDialogHost(CDialog& dlg, QWidget* pParent)
    : m_dlg(dlg), m_pDialog(std::make_unique<CHostDialog>(pParent, [this] { OnCommand(IDCANCEL); }))
{
}

CQtDialogHost::~CQtDialogHost() = default;

int CQtDialogHost::Run()
{
    Build();
    m_dlg.m_pControls = this;
    if (m_dlg.OnInitDialog())
    {
        // The dialog left the focus to us: the first control that takes it.
        for (QWidget* pControl : m_apInOrder)
        {
            if (pControl->isEnabled() && (pControl->focusPolicy() & Qt::TabFocus))
            {
                Focus(pControl);
                break;
            }
        }
    }
    if (!m_dlg.IsEnded())
        m_pDialog->exec();
    m_dlg.m_pControls = nullptr;
    return m_dlg.GetResult();
}

void CQtDialogHost::Build()
{
    const CDlgTemplate& dlgTemplate = m_dlg.GetTemplate();
    const QFont font = CDialogUnits::DialogFont(dlgTemplate.m_strFont, dlgTemplate.m_nPointSize);
    const CDialogUnits units = CDialogUnits::ForFont(font);
    m_pDialog->setFont(font);
    m_pDialog->setWindowTitle(ToQt(dlgTemplate.m_strCaption));
    m_pDialog->setFixedSize(units.ToPixelsX(dlgTemplate.m_nCx), units.ToPixelsY(dlgTemplate.m_nCy));

    QWidget* pPrevious = nullptr;
    for (const CDlgControl& ctl : dlgTemplate.m_aControls)
    {
        QWidget* pControl = Create(ctl);
        pControl->setParent(m_pDialog.get());
        QRect rect = units.ToPixels(ctl.m_nX, ctl.m_nY, ctl.m_nCx, ctl.m_nCy);
        if (ctl.m_eKind == EControlKind::ComboDropDown ||
            ctl.m_eKind == EControlKind::ComboDropList)
            rect.setHeight(pControl->sizeHint().height()); // the template's height has the list
        else if (ctl.m_eKind == EControlKind::Icon)
            rect.setSize(QSize(32, 32));
        pControl->setGeometry(rect);
        pControl->setEnabled((ctl.m_nStyle & CTL_DISABLED) == 0);

        if (ctl.m_nStyle & CTL_GROUP)
            m_pRadioGroup = nullptr;
        if (ctl.m_eKind == EControlKind::RadioButton)
            JoinRadioGroup(static_cast<QRadioButton*>(pControl));
        if (auto* pButton = qobject_cast<QAbstractButton*>(pControl))
        {
            const int nId = ctl.m_nId;
            QObject::connect(pButton, &QAbstractButton::clicked, m_pDialog.get(),
                             [this, nId] { OnCommand(nId); });
        }
        if (pControl->focusPolicy() != Qt::NoFocus)
        {
            if (pPrevious != nullptr)
                QWidget::setTabOrder(pPrevious, pControl);
            pPrevious = pControl;
        }
        if (ctl.m_nId != IDC_STATIC)
        {
            m_mapControls[ctl.m_nId] = pControl;
            pControl->setObjectName(ControlName(ctl.m_nId));
        }
        m_apInOrder.push_back(pControl);
    }
    // Frames are drawn behind the controls they surround and must not catch their clicks.
    for (QWidget* pControl : m_apInOrder)
        if (qobject_cast<QGroupBox*>(pControl))
            pControl->lower();
    SetMnemonics();
}

QWidget* CQtDialogHost::Create(const CDlgControl& ctl)
{
    const QString strText = ToQt(ctl.m_strText);
    switch (ctl.m_eKind)
    {
    case EControlKind::Static:
        return MakeStatic(ctl);
    case EControlKind::Icon:
        return MakeIcon();
    case EControlKind::GroupBox:
        return new QGroupBox(strText);
    case EControlKind::Edit:
        return MakeEdit(ctl);
    case EControlKind::ComboDropDown:
    case EControlKind::ComboDropList:
        return MakeCombo(ctl);
    case EControlKind::PushButton:
    case EControlKind::DefPushButton: {
        auto* pButton = new QPushButton(strText);
        pButton->setDefault(ctl.m_eKind == EControlKind::DefPushButton);
        return pButton;
    }
    case EControlKind::RadioButton:
        return new QRadioButton(strText);
    case EControlKind::CheckBox:
        return new QCheckBox(strText);
    }
    return MakeStatic(ctl);
}

void CQtDialogHost::JoinRadioGroup(QAbstractButton* pButton)
{
    if (m_pRadioGroup == nullptr)
        m_pRadioGroup = new QButtonGroup(m_pDialog.get());
    m_pRadioGroup->addButton(pButton);
}

// A label's "&x" moves the focus to the next control that takes it, as a label names the
// field after it; a label with no such field shows its text without the markers.
void CQtDialogHost::SetMnemonics()
{
    for (size_t i = 0; i < m_apInOrder.size(); ++i)
    {
        auto* pLabel = qobject_cast<QLabel*>(m_apInOrder[i]);
        if (pLabel == nullptr || pLabel->text().isEmpty())
            continue;
        QWidget* pBuddy = nullptr;
        for (size_t j = i + 1; j < m_apInOrder.size() && pBuddy == nullptr; ++j)
            if (m_apInOrder[j]->focusPolicy() & Qt::TabFocus)
                pBuddy = m_apInOrder[j];
        if (pBuddy != nullptr)
            pLabel->setBuddy(pBuddy);
        else
            pLabel->setText(WithoutMnemonics(pLabel->text()));
    }
}

void CQtDialogHost::OnCommand(int nId)
{
    m_dlg.OnCommand(nId);
    if (m_dlg.IsEnded())
        m_pDialog->done(m_dlg.GetResult());
}

QWidget* CQtDialogHost::Find(int nId) const
{
    auto it = m_mapControls.find(nId);
    return it != m_mapControls.end() ? it->second : nullptr;
}

std::string CQtDialogHost::GetText(int nId)
{
    QWidget* pControl = Find(nId);
    QString strText;
    if (auto* pLabel = qobject_cast<QLabel*>(pControl))
        strText = pLabel->text();
    else if (auto* pEdit = qobject_cast<QLineEdit*>(pControl))
        strText = pEdit->text();
    else if (auto* pCombo = qobject_cast<QComboBox*>(pControl))
        strText = pCombo->currentText();
    else if (auto* pButton = qobject_cast<QAbstractButton*>(pControl))
        strText = pButton->text();
    else if (auto* pGroup = qobject_cast<QGroupBox*>(pControl))
        strText = pGroup->title();
    return ToWindows1252(strText);
}

void CQtDialogHost::SetText(int nId, const std::string& strText)
{
    QWidget* pControl = Find(nId);
    const QString str = ToQt(strText);
    CProgramText programText(EditOf(pControl));
    if (auto* pLabel = qobject_cast<QLabel*>(pControl))
        pLabel->setText(pLabel->buddy() != nullptr ? str : WithoutMnemonics(str));
    else if (auto* pEdit = qobject_cast<QLineEdit*>(pControl))
        pEdit->setText(str);
    else if (auto* pCombo = qobject_cast<QComboBox*>(pControl))
    {
        if (pCombo->isEditable())
        {
            pCombo->setCurrentIndex(-1);
            pCombo->setEditText(str);
        }
        else
            pCombo->setCurrentIndex(pCombo->findText(str));
    }
    else if (auto* pButton = qobject_cast<QAbstractButton*>(pControl))
        pButton->setText(str);
    else if (auto* pGroup = qobject_cast<QGroupBox*>(pControl))
        pGroup->setTitle(str);
}

int CQtDialogHost::GetCheck(int nId)
{
    auto* pButton = qobject_cast<QAbstractButton*>(Find(nId));
    return pButton != nullptr && pButton->isChecked() ? 1 : 0;
}

void CQtDialogHost::SetCheck(int nId, int nCheck)
{
    auto* pButton = qobject_cast<QAbstractButton*>(Find(nId));
    if (pButton == nullptr)
        return;
    // An exclusive group refuses to uncheck its checked button, but a dialog may clear the
    // whole group.
    QButtonGroup* pGroup = pButton->group();
    if (pGroup != nullptr)
        pGroup->setExclusive(false);
    pButton->setChecked(nCheck != 0);
    if (pGroup != nullptr)
        pGroup->setExclusive(true);
}

void CQtDialogHost::SetCurSel(int nId, int nIndex)
{
    if (auto* pCombo = qobject_cast<QComboBox*>(Find(nId)))
    {
        CProgramText programText(EditOf(pCombo));
        pCombo->setCurrentIndex(nIndex >= 0 && nIndex < pCombo->count() ? nIndex : -1);
    }
}

void CQtDialogHost::SetLimitText(int nId, int nMax)
{
    // The limit bounds what the user types; it never cuts what the program sets.
    if (QLineEdit* pEdit = EditOf(Find(nId)))
        if (CTypedTextValidator* pValidator = CTypedTextValidator::Of(pEdit))
            pValidator->SetLimit(nMax);
}

void CQtDialogHost::SetFocus(int nId)
{
    if (QWidget* pControl = Find(nId))
        Focus(pControl);
}
