// An instrument that goes away while the program idles: the serial layer closes its port and
// the status line says so. Nothing else changes: the next exchange fails on the closed port
// and the link's recovery ("Communications Error!", Retry reopening the port) takes over.
#include "app/ZRVApp.h"

#include "graph/CZRVView.h"
#include "platform/Platform.h"
#include "platform/SerialPort.h"

void CZRVApp::WatchForInstrumentLoss()
{
    g_platform.m_pSerial->m_fnDeviceLost = [this] { OnInstrumentLost(); };
}

void CZRVApp::OnInstrumentLost()
{
    if (m_pView != nullptr)
        m_pView->SetStatusText("Instrument disconnected");
}
