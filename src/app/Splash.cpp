// The splash window's life: shown when start-up is over, removed by the idle handler once its
// time is up, or earlier by the user's input.
#include "app/ZRVApp.h"

#include "link/CommLink.h"
#include "link/Commands.h"
#include "platform/Platform.h"

void CZRVApp::ShowSplash()
{
    m_pSplash = g_platform.m_pUi->CreateSplash();
    m_pSplash->ShowWindow();
    m_pSplash->UpdateWindow();
    m_dwSplashStart = GetTickCount();
}

void CZRVApp::RemoveSplash()
{
    m_pSplash->DestroyWindow();
    m_pSplash.reset();
}

// Nothing but the splash needs idle time here, so only a waiting splash asks for more.
bool CZRVApp::OnIdle(int /*nCount*/)
{
    if (!m_pSplash)
    {
        OfferRecovery();
        return false;
    }
    // Unsigned difference: the tick counter's wrap does no harm.
    if (GetTickCount() - m_dwSplashStart < SPLASH_MS)
        return true;
    RemoveSplash();
    if (theCommLink.m_bAlive == 1)
    {
        char achReply[1] = {};
        theCommLink.SendCommand(CMD_CLEAR, achReply, 0, 1);
    }
    OfferRecovery();
    return false;
}

bool CZRVApp::PreTranslateMessage(unsigned nMessage, bool bToSplash)
{
    if (!m_pSplash)
        return false;
    switch (nMessage)
    {
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (bToSplash)
            m_dwSplashStart -= SPLASH_MS; // the next idle moment removes it and sends "C"
        else
            RemoveSplash();
        break;
    default:
        break;
    }
    return false;
}
