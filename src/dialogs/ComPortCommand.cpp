#include "app/Settings.h"
#include "dialogs/ComCfg.h"
#include "graph/CZRVView.h"
#include "link/CommLink.h"
#include "link/PortAdvice.h"
#include "platform/Platform.h"

void CZRVView::OnComPort()
{
    CComCfg dlg;
    dlg.m_strPort = "COM" + std::to_string(theCommLink.m_nPort);
    // Communications stay disabled while the dialog is up, so that sampling ticks do nothing,
    // and after a Cancel.
    for (;;)
    {
        theCommLink.m_bAlive = 0;
        if (dlg.DoModal() != IDOK)
            return;
        int nPort = 0;
        std::vector<CPortFault> aFaults; // why the chosen port did not open, when known
        if (PortNumberOfText(dlg.m_strPort, nPort))
        {
            theCommLink.m_nPort = nPort;
            if (theCommLink.OpenPort() != 0)
            {
                theCommLink.m_bAlive = 1;
                WriteProfileInt(SETTINGS_SECTION, SETTING_COM_PORT, nPort);
                return;
            }
            aFaults = theCommLink.m_aPortFaults;
        }
        // The dialog comes back with the text the user entered.
        AfxMessageBox(WithPortAdvice("USB Port not detected!", aFaults), MB_ICONEXCLAMATION);
    }
}
