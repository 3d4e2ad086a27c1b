#include "app/ZRVApp.h"

#include "app/Settings.h"
#include "dialogs/ComCfg.h"
#include "link/CommLink.h"
#include "link/PortAdvice.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"

CZRVApp theApp;

namespace
{
constexpr const char* NOT_FOUND_TEXT =
    "Zorvantellique not found!\nBe sure it is plugged in and powered up.";
} // namespace

void CZRVApp::ReadSettings()
{
    m_nUnits = GetProfileInt(SETTINGS_SECTION, SETTING_UNITS, 1);
    // Both speeds are unsigned in the profile; "Absolute Max Speed", when present, overrides.
    unsigned nMaxSpeed =
        static_cast<unsigned>(GetProfileInt(SETTINGS_SECTION, SETTING_MAX_SPEED, 80));
    nMaxSpeed = static_cast<unsigned>(
        GetProfileInt(SETTINGS_SECTION, SETTING_ABSOLUTE_MAX_SPEED, static_cast<int>(nMaxSpeed)));
    m_dMaxSpeed = nMaxSpeed;
}

bool CZRVApp::InitInstance()
{
    ReadSettings();
    m_pView = g_platform.m_pUi->CreateMainWindow();
    WatchForInstrumentLoss();
    FindInstrument();
    ShowSplash();
    return true;
}

bool CZRVApp::InitHeadless(int nUnits)
{
    ReadSettings();
    if (nUnits >= 0)
        m_nUnits = nUnits;
    FindInstrument();
    return theCommLink.m_bAlive != 0;
}

void CZRVApp::FindInstrument()
{
    int nPort = GetProfileInt(SETTINGS_SECTION, SETTING_COM_PORT, 0);
    for (;;)
    {
        theCommLink.m_bAlive = 0;
        if (nPort == 0)
            nPort = theCommLink.ScanPorts();
        if (nPort != 0)
        {
            theCommLink.m_nPort = nPort;
            if (theCommLink.OpenPort() == 0)
                nPort = theCommLink.ScanPorts();
            if (theCommLink.Identify() == 1)
            {
                theCommLink.m_bAlive = 1;
                WriteProfileInt(SETTINGS_SECTION, SETTING_COM_PORT, nPort);
            }
            else
            {
                // The port found by this scan is used for the run but not remembered.
                nPort = theCommLink.ScanPorts();
            }
            if (nPort != 0)
                return;
        }
        theCommLink.m_nPort = 1;
        if (AfxMessageBox(WithPortAdvice(NOT_FOUND_TEXT, theCommLink.m_aPortFaults),
                          MB_RETRYCANCEL | MB_ICONEXCLAMATION) == IDRETRY)
            continue;
        CComCfg dlg;
        dlg.m_strPort = "COM1";
        if (dlg.DoModal() != IDOK)
        {
            theCommLink.m_bAlive = 0;
            AfxMessageBox("Communications Disabled!", MB_OK);
            return;
        }
        // A text that yields no number leaves the port as it was.
        PortNumberOfText(dlg.m_strPort, nPort);
        WriteProfileInt(SETTINGS_SECTION, SETTING_COM_PORT, nPort);
    }
}
