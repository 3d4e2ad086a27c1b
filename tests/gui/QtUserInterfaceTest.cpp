#include "qt/QtUserInterface.h"

#include "ModalDriver.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

namespace
{
struct CBoxCase
{
    unsigned m_nType;
    std::vector<QMessageBox::StandardButton> m_aButtons; // in the box, default first
    std::vector<int> m_anResults;                        // what each button answers
    QMessageBox::Icon m_eIcon;
    int m_nEscape; // what Esc answers
};

const CBoxCase kaBoxCases[] = {
    {MB_OK, {QMessageBox::Ok}, {IDOK}, QMessageBox::NoIcon, IDOK},
    {MB_ICONEXCLAMATION, {QMessageBox::Ok}, {IDOK}, QMessageBox::Warning, IDOK},
    {MB_OKCANCEL,
     {QMessageBox::Ok, QMessageBox::Cancel},
     {IDOK, IDCANCEL},
     QMessageBox::NoIcon,
     IDCANCEL},
    {MB_RETRYCANCEL | MB_ICONEXCLAMATION,
     {QMessageBox::Retry, QMessageBox::Cancel},
     {IDRETRY, IDCANCEL},
     QMessageBox::Warning,
     IDCANCEL},
    {MB_YESNO | MB_ICONQUESTION,
     {QMessageBox::Yes, QMessageBox::No},
     {IDYES, IDNO},
     QMessageBox::Question,
     IDNO},
    {MB_YESNOCANCEL | MB_ICONQUESTION,
     {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel},
     {IDYES, IDNO, IDCANCEL},
     QMessageBox::Question,
     IDCANCEL},
    {MB_YESNO | MB_ICONEXCLAMATION,
     {QMessageBox::Yes, QMessageBox::No},
     {IDYES, IDNO},
     QMessageBox::Warning,
     IDNO},
};

// Checks the box that is up against the case, then closes it with fnClose.
void ExpectBox(QWidget* pModal, const CBoxCase& c, const std::function<void(QMessageBox*)>& fnClose)
{
    auto* pBox = qobject_cast<QMessageBox*>(pModal);
    ASSERT_NE(pBox, nullptr);
    EXPECT_EQ(pBox->windowTitle(), "Zorvantellique");
    EXPECT_EQ(pBox->text(), "Communications Error!\nBe sure");
    EXPECT_EQ(pBox->icon(), c.m_eIcon);
    EXPECT_EQ(pBox->buttons().size(), static_cast<qsizetype>(c.m_aButtons.size()));
    for (QMessageBox::StandardButton eButton : c.m_aButtons)
        EXPECT_NE(pBox->button(eButton), nullptr) << eButton;
    EXPECT_EQ(static_cast<QAbstractButton*>(pBox->defaultButton()),
              pBox->button(c.m_aButtons.front()));
    fnClose(pBox);
}
} // namespace

TEST(QtUserInterfaceTest, MessageBoxButtonsIconsAndAnswers)
{
    CQtUserInterface ui;
    for (const CBoxCase& c : kaBoxCases)
    {
        for (size_t i = 0; i < c.m_aButtons.size(); ++i)
        {
            WhenModal([&](QWidget* pModal) {
                ExpectBox(pModal, c,
                          [&](QMessageBox* pBox) { pBox->button(c.m_aButtons[i])->click(); });
            });
            EXPECT_EQ(ui.MessageBox("Communications Error!\rBe sure", c.m_nType), c.m_anResults[i])
                << "type " << c.m_nType << " button " << i;
        }
        WhenModal([&](QWidget* pModal) {
            ExpectBox(pModal, c, [](QMessageBox* pBox) { PressKey(pBox, Qt::Key_Escape); });
        });
        EXPECT_EQ(ui.MessageBox("Communications Error!\r\nBe sure", c.m_nType), c.m_nEscape)
            << "type " << c.m_nType << " Esc";
    }
}

TEST(QtUserInterfaceTest, MessageTextIsShownAsPlainText)
{
    CQtUserInterface ui;
    WhenModal([](QWidget* pModal) {
        auto* pBox = qobject_cast<QMessageBox*>(pModal);
        ASSERT_NE(pBox, nullptr);
        EXPECT_EQ(pBox->textFormat(), Qt::PlainText);
        EXPECT_EQ(pBox->text(), "<b>1\n2</b>");
        pBox->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(ui.MessageBox("<b>1\n2</b>", MB_OK), IDOK);
}
