#include "qt/TypedText.h"

#include "qt/Windows1252.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>

CTypedTextValidator::CTypedTextValidator(QLineEdit* pEdit) : QValidator(pEdit)
{
    m_nShownLength = pEdit->text().size();
    // Changes the validator refused never get here; the program's own text does.
    connect(pEdit, &QLineEdit::textChanged, this,
            [this](const QString& strText) { m_nShownLength = strText.size(); });
    pEdit->setValidator(this);
}

void CTypedTextValidator::SetLimit(int nMax)
{
    m_nLimit = nMax > 0 ? nMax : DEFAULT_LIMIT;
}

CTypedTextValidator* CTypedTextValidator::Of(QLineEdit* pEdit)
{
    return pEdit->findChild<CTypedTextValidator*>(QString(), Qt::FindDirectChildrenOnly);
}

QValidator::State CTypedTextValidator::validate(QString& strInput, int&) const
{
    const bool bFits = FitsWindows1252(strInput);
    // A text already over the limit may shrink but not grow.
    const bool bShortEnough = strInput.size() <= std::max<qsizetype>(m_nLimit, m_nShownLength);
    if (bFits && bShortEnough)
        return Acceptable;
    QApplication::beep();
    return Invalid;
}

// Qt validates setText too and, unlike a user's change, keeps a refused text but remembers it
// as refused, after which the next refused change by the user would stay. So the validator
// steps aside while the program writes.
CProgramText::CProgramText(QLineEdit* pEdit) : m_pEdit(pEdit)
{
    if (pEdit == nullptr)
        return;
    m_pValidator = pEdit->validator();
    pEdit->setValidator(nullptr);
}

CProgramText::~CProgramText()
{
    if (m_pEdit != nullptr)
        m_pEdit->setValidator(m_pValidator);
}
