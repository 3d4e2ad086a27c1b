#include "FakeUserInterface.h"

#include <gtest/gtest.h>

void CFakeDialogControls::SetCurSel(int nId, int nIndex)
{
    m_mapCurSel[nId] = nIndex;
    for (const CDlgControl& ctl : m_template.m_aControls)
        if (ctl.m_nId == nId && nIndex >= 0 && static_cast<size_t>(nIndex) < ctl.m_astrItems.size())
            m_mapText[nId] = ctl.m_astrItems[nIndex];
}

int CFakeUserInterface::MessageBox(const std::string& strText, unsigned nType)
{
    m_aBoxes.push_back({strText, nType});
    if (m_fnOnBox)
        m_fnOnBox(strText);
    if (m_anAnswers.empty())
    {
        ADD_FAILURE() << "unscripted message box: " << strText;
        return (nType & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
    int nAnswer = m_anAnswers.front();
    m_anAnswers.pop_front();
    return nAnswer;
}

int CFakeUserInterface::RunModal(CDialog& dlg)
{
    m_anDialogIds.push_back(dlg.GetTemplate().m_nId);
    CFakeDialogControls controls(dlg.GetTemplate());
    dlg.m_pControls = &controls;
    dlg.OnInitDialog();
    if (m_afnDialogs.empty())
        ADD_FAILURE() << "unscripted dialog " << dlg.GetTemplate().m_nId;
    else
    {
        DialogScript fnScript = std::move(m_afnDialogs.front());
        m_afnDialogs.pop_front();
        fnScript(dlg, controls);
    }
    if (!dlg.IsEnded())
    {
        ADD_FAILURE() << "dialog " << dlg.GetTemplate().m_nId << " left open by its script";
        dlg.EndDialog(IDCANCEL);
    }
    dlg.m_pControls = nullptr;
    return dlg.GetResult();
}

int CFakeUserInterface::FileDialog(bool bOpen, const std::string& strDefExt,
                                   const std::string& strFileName, unsigned nFlags,
                                   const std::string& strFilter, std::string& strPath,
                                   int* pnFilterIndex)
{
    m_aFileRequests.push_back({bOpen, strDefExt, strFileName, nFlags, strFilter});
    if (pnFilterIndex != nullptr && !m_anFilterIndexes.empty())
    {
        *pnFilterIndex = m_anFilterIndexes.front();
        m_anFilterIndexes.pop_front();
    }
    if (m_astrPaths.empty())
    {
        ADD_FAILURE() << "unscripted file dialog";
        return IDCANCEL;
    }
    strPath = m_astrPaths.front();
    m_astrPaths.pop_front();
    return strPath.empty() ? IDCANCEL : IDOK;
}

std::vector<std::string> CFakeUserInterface::Texts() const
{
    std::vector<std::string> astrTexts;
    for (const CBox& box : m_aBoxes)
        astrTexts.push_back(box.m_strText);
    return astrTexts;
}

DialogScript Press(int nId)
{
    return [nId](CDialog& dlg, CFakeDialogControls&) { dlg.OnCommand(nId); };
}

DialogScript TypeAndPress(int nControl, const std::string& strText, int nButton)
{
    return [=](CDialog& dlg, CFakeDialogControls& controls) {
        controls.SetText(nControl, strText);
        dlg.OnCommand(nButton);
    };
}
