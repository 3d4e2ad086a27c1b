#pragma once

#include "platform/Dialog.h"

#include <QButtonGroup>
#include <QDialog>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Shows any CDialog modally as a QDialog built from its template: the controls are made from
// the template's data, the dialog's own code runs through OnInitDialog and OnCommand, and the
// dialog closes when it ends itself. While it runs, the host is the dialog's IDialogControls.
class CQtDialogHost : public IDialogControls
{
public:
    CQtDialogHost(CDialog& dlg, QWidget* pParent);
    ~CQtDialogHost() override;

    // Returns the dialog's result (IDOK, IDCANCEL or what it passed to EndDialog).
    int Run();
    // The object name of the control with id nId ("id1015"), to find it from outside.
    static QString ControlName(int nId);

    std::string GetText(int nId) override;
    void SetText(int nId, const std::string& strText) override;
    int GetCheck(int nId) override;
    void SetCheck(int nId, int nCheck) override;
    void SetCurSel(int nId, int nIndex) override;
    void SetLimitText(int nId, int nMax) override;
    void SetFocus(int nId) override;

private:
    void Build();
    QWidget* Create(const CDlgControl& ctl);
    void JoinRadioGroup(QAbstractButton* pButton);
    void SetMnemonics();
    void OnCommand(int nId);
    QWidget* Find(int nId) const;

    CDialog& m_dlg;
    std::unique_ptr<QDialog> m_pDialog;
    std::map<int, QWidget*> m_mapControls; // by id; statics without an id are not here
    std::vector<QWidget*> m_apInOrder;     // every control, in template order
    // Radio buttons are exclusive within a group, which runs from one control marked
    // CTL_GROUP to the next; this is the group being filled while the controls are made.
    QButtonGroup* m_pRadioGroup = nullptr;
};
