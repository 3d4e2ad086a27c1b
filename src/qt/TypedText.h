#pragma once

#include <QPointer>
#include <QValidator>

class QLineEdit;

// What the user may put into a dialog's text field, by typing, pasting or dropping: only
// characters test text can hold (Windows-1252), and no more characters than the field's limit,
// as the edit control's own limit does. Text the program sets is never cut: a field may show
// more than its limit (a long comment from a file, a long calculated figure), the user may
// shorten it but not lengthen it, and the dialog's validation refuses it on OK.
class CTypedTextValidator : public QValidator
{
    Q_OBJECT

public:
    explicit CTypedTextValidator(QLineEdit* pEdit);

    // nMax characters; 0 or less restores the default limit.
    void SetLimit(int nMax);

    State validate(QString& strInput, int& nPos) const override;

    // The validator a field was given, if any.
    static CTypedTextValidator* Of(QLineEdit* pEdit);

private:
    static constexpr int DEFAULT_LIMIT = 32767;
    int m_nLimit = DEFAULT_LIMIT;
    qsizetype m_nShownLength = 0; // length of the text before the change being validated
};

// While it lives, text the program sets in the field goes in whole, whatever its validator
// says. pEdit may be null (a control without a text field): then it does nothing.
class CProgramText
{
public:
    explicit CProgramText(QLineEdit* pEdit);
    ~CProgramText();
    CProgramText(const CProgramText&) = delete;
    CProgramText& operator=(const CProgramText&) = delete;

private:
    QPointer<QLineEdit> m_pEdit;
    QPointer<const QValidator> m_pValidator;
};
