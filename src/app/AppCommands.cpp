// The commands the application object takes when the test view has no handler for them.
#include "app/AboutDlg.h"
#include "app/CommandIds.h"
#include "app/ZRVApp.h"
#include "graph/CZRVView.h"
#include "platform/Platform.h"

bool CZRVApp::OnCmdMsg(int nId)
{
    if (m_pView != nullptr && m_pView->OnCmdMsg(nId))
        return true;
    switch (nId)
    {
    // The menu's Help and About items do the same as the keys and buttons.
    case ID_APP_ABOUT:
    case ID_MENU_ABOUT:
        OnAppAbout();
        return true;
    case ID_HELP_CONTENTS:
    case ID_MENU_HELP:
        OnHelpContents();
        return true;
    case ID_FILE_NEW:
        OnFileNew();
        return true;
    default:
        return false;
    }
}

void CZRVApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}

void CZRVApp::OnHelpContents()
{
    g_platform.m_pUi->ShowHelp();
}

void CZRVApp::OnFileNew()
{
    if (m_pView == nullptr || !m_pView->SaveBeforeDiscard())
        return;
    m_pView->OnInitialUpdate();
    m_pView->MarkKept();
    // The view only cleared its tables; the empty test shows with the next paint.
    m_pView->m_pWnd->Invalidate();
}
