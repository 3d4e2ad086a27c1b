#include "platform/Dialog.h"

#include "platform/NumberText.h"
#include "platform/UserInterface.h"

#include <algorithm>
#include <cctype>
#include <charconv>

void CDataExchange::Fail()
{
    m_bFailed = true;
    if (m_pDlgWnd->m_pControls != nullptr)
        m_pDlgWnd->m_pControls->SetFocus(m_nIdLastControl);
}

CDialog::CDialog(const CDlgTemplate& dlgTemplate) : m_template(dlgTemplate) {}

int CDialog::DoModal()
{
    m_bEnded = false;
    m_nResult = IDCANCEL;
    return g_platform.m_pUi->RunModal(*this);
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnCommand(int nId)
{
    if (nId == IDOK)
        OnOK();
    else if (nId == IDCANCEL)
        OnCancel();
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::UpdateData(bool bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDialog::EndDialog(int nResult)
{
    m_bEnded = true;
    m_nResult = nResult;
}

void CDialog::SetDlgItemText(int nId, const std::string& strText)
{
    if (m_pControls != nullptr)
        m_pControls->SetText(nId, strText);
}

std::string CDialog::GetDlgItemText(int nId)
{
    return m_pControls != nullptr ? m_pControls->GetText(nId) : std::string();
}

void CDialog::DoDataExchange(CDataExchange*) {}

namespace
{
// True when the exchange should go on with control nId; remembers it for the focus on failure.
IDialogControls* Begin(CDataExchange* pDX, int nId)
{
    if (pDX->m_bFailed || pDX->m_pDlgWnd->m_pControls == nullptr)
        return nullptr;
    pDX->m_nIdLastControl = nId;
    return pDX->m_pDlgWnd->m_pControls;
}

// The group of radio buttons that starts at nId: nId and the radio buttons that follow it in
// the template up to the next control that starts a group.
std::vector<int> RadioGroup(const CDlgTemplate& dlgTemplate, int nId)
{
    std::vector<int> anIds;
    const auto& aControls = dlgTemplate.m_aControls;
    auto it = std::find_if(aControls.begin(), aControls.end(),
                           [nId](const CDlgControl& ctl) { return ctl.m_nId == nId; });
    for (; it != aControls.end(); ++it)
    {
        if (it->m_eKind != EControlKind::RadioButton ||
            (!anIds.empty() && (it->m_nStyle & CTL_GROUP) != 0))
            break;
        anIds.push_back(it->m_nId);
    }
    return anIds;
}

const CDlgControl* FindControl(const CDlgTemplate& dlgTemplate, int nId)
{
    for (const CDlgControl& ctl : dlgTemplate.m_aControls)
        if (ctl.m_nId == nId)
            return &ctl;
    return nullptr;
}

bool StartsWithNoCase(const std::string& strItem, const std::string& strPrefix)
{
    if (strPrefix.size() > strItem.size())
        return false;
    return std::equal(strPrefix.begin(), strPrefix.end(), strItem.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}
} // namespace

void DDX_Text(CDataExchange* pDX, int nId, std::string& strValue)
{
    IDialogControls* pControls = Begin(pDX, nId);
    if (pControls == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        strValue = pControls->GetText(nId);
    else
        pControls->SetText(nId, strValue);
}

void DDX_Text(CDataExchange* pDX, int nId, unsigned& nValue)
{
    IDialogControls* pControls = Begin(pDX, nId);
    if (pControls == nullptr)
        return;
    if (!pDX->m_bSaveAndValidate)
    {
        pControls->SetText(nId, std::to_string(nValue));
        return;
    }
    if (!ParseWhole(pControls->GetText(nId), nValue))
    {
        AfxMessageBox("Enter a positive integer.", MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}

void DDX_Text(CDataExchange* pDX, int nId, double& dValue)
{
    IDialogControls* pControls = Begin(pDX, nId);
    if (pControls == nullptr)
        return;
    if (!pDX->m_bSaveAndValidate)
    {
        // The shortest text that reads back as the same number.
        char achText[32];
        auto result = std::to_chars(achText, achText + sizeof achText, dValue);
        pControls->SetText(nId, std::string(achText, result.ptr));
        return;
    }
    if (!ParseWhole(pControls->GetText(nId), dValue))
    {
        AfxMessageBox("Enter a number.", MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}

void DDX_CBString(CDataExchange* pDX, int nId, std::string& strValue)
{
    IDialogControls* pControls = Begin(pDX, nId);
    if (pControls == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
    {
        strValue = pControls->GetText(nId);
        return;
    }
    // Showing: select the first entry that begins with the text, or else put the text in the
    // edit field.
    if (const CDlgControl* pControl = FindControl(pDX->m_pDlgWnd->GetTemplate(), nId))
    {
        const auto& astrItems = pControl->m_astrItems;
        for (size_t i = 0; i < astrItems.size(); ++i)
        {
            if (StartsWithNoCase(astrItems[i], strValue))
            {
                pControls->SetCurSel(nId, static_cast<int>(i));
                return;
            }
        }
    }
    pControls->SetText(nId, strValue);
}

void DDX_Radio(CDataExchange* pDX, int nId, int& nValue)
{
    IDialogControls* pControls = Begin(pDX, nId);
    if (pControls == nullptr)
        return;
    std::vector<int> anGroup = RadioGroup(pDX->m_pDlgWnd->GetTemplate(), nId);
    if (pDX->m_bSaveAndValidate)
    {
        nValue = -1;
        for (size_t i = 0; i < anGroup.size(); ++i)
            if (pControls->GetCheck(anGroup[i]) != 0)
                nValue = static_cast<int>(i);
        return;
    }
    for (size_t i = 0; i < anGroup.size(); ++i)
        pControls->SetCheck(anGroup[i], static_cast<int>(i) == nValue ? 1 : 0);
}

void DDX_Check(CDataExchange* pDX, int nId, int& nValue)
{
    IDialogControls* pControls = Begin(pDX, nId);
    if (pControls == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        nValue = pControls->GetCheck(nId);
    else
        pControls->SetCheck(nId, nValue);
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& strValue, int nChars)
{
    if (pDX->m_bFailed || pDX->m_pDlgWnd->m_pControls == nullptr)
        return;
    if (!pDX->m_bSaveAndValidate)
    {
        pDX->m_pDlgWnd->m_pControls->SetLimitText(pDX->m_nIdLastControl, nChars);
        return;
    }
    if (strValue.size() > static_cast<size_t>(nChars))
    {
        AfxMessageBox("Enter no more than " + std::to_string(nChars) + " characters.",
                      MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
