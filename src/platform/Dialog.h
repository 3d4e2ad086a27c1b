#pragma once

#include "platform/DialogTemplate.h"
#include "platform/Platform.h"

#include <string>

// What a dialog host offers the dialog while it is shown: the state of its controls. Texts are
// single-byte Windows-1252, as test files are: one byte, one character.
class IDialogControls
{
public:
    virtual ~IDialogControls() = default;
    // Text of a static, edit or button; for a combo box, the text of its edit field.
    virtual std::string GetText(int nId) = 0;
    virtual void SetText(int nId, const std::string& strText) = 0;
    // Check state of a radio button or check box: 0 or 1.
    virtual int GetCheck(int nId) = 0;
    virtual void SetCheck(int nId, int nCheck) = 0;
    // Selects list entry nIndex of a combo box and shows its text in the edit field.
    virtual void SetCurSel(int nId, int nIndex) = 0;
    // Limits how many characters the user may type or paste into an edit. Text the program
    // sets is never cut; DDV_MaxChars refuses it on OK when it is longer.
    virtual void SetLimitText(int nId, int nMax) = 0;
    virtual void SetFocus(int nId) = 0;
};

class CDialog;

// Shows a dialog modally: builds the controls from the template, calls OnInitDialog, routes
// button clicks to OnCommand and ends when the dialog calls EndDialog.
class IDialogHost
{
public:
    virtual ~IDialogHost() = default;
    virtual int RunModal(CDialog& dlg) = 0;
};

class CDataExchange
{
public:
    CDataExchange(CDialog* pDlg, bool bSaveAndValidate)
        : m_pDlgWnd(pDlg), m_bSaveAndValidate(bSaveAndValidate)
    {
    }
    // Marks the exchange failed and puts the focus on the control that failed; later
    // exchanges of the same pass do nothing.
    void Fail();

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
    int m_nIdLastControl = 0;
    bool m_bFailed = false;
};

// A modal dialog: a template plus the members exchanged with its controls.
class CDialog
{
public:
    explicit CDialog(const CDlgTemplate& dlgTemplate);
    virtual ~CDialog() = default;

    // Runs the dialog through the platform's host; returns IDOK or IDCANCEL.
    int DoModal();

    // Called by the host once the controls exist; loads the members into them.
    virtual bool OnInitDialog();
    // Called by the host for every button click; 1 is OK and 2 Cancel.
    virtual void OnCommand(int nId);
    virtual void OnOK();
    virtual void OnCancel();

    // Moves the members to the controls (false) or back, validating (true).
    bool UpdateData(bool bSaveAndValidate);
    void EndDialog(int nResult);

    void SetDlgItemText(int nId, const std::string& strText);
    std::string GetDlgItemText(int nId);

    const CDlgTemplate& GetTemplate() const { return m_template; }
    bool IsEnded() const { return m_bEnded; }
    int GetResult() const { return m_nResult; }

    // Set by the host while the dialog is shown, null otherwise.
    IDialogControls* m_pControls = nullptr;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    const CDlgTemplate& m_template;
    bool m_bEnded = false;
    int m_nResult = IDCANCEL;
};

// Data exchange between a control and a member. On a failed validation the framework's
// message is shown and the exchange fails, so the dialog stays open.
void DDX_Text(CDataExchange* pDX, int nId, std::string& strValue);
void DDX_Text(CDataExchange* pDX, int nId, unsigned& nValue);
// A finite decimal number, '.' as the decimal point whatever the locale.
void DDX_Text(CDataExchange* pDX, int nId, double& dValue);
void DDX_CBString(CDataExchange* pDX, int nId, std::string& strValue);
void DDX_Radio(CDataExchange* pDX, int nId, int& nValue);
void DDX_Check(CDataExchange* pDX, int nId, int& nValue);
void DDV_MaxChars(CDataExchange* pDX, const std::string& strValue, int nChars);
