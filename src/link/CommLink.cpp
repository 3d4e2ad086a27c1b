#include "link/CommLink.h"

#include "link/Commands.h"
#include "link/PortAdvice.h"
#include "platform/Platform.h"

#include <string>
#include <utility>

CCommLink theCommLink;

namespace
{
constexpr const char* COMM_ERROR_TEXT =
    "Communications Error!\rBe sure Zorvantellique is properly connected to the computer's USB "
    "port";
constexpr const char* CABLE_TEXT = "Cable is disconnected!";
constexpr unsigned RETRY_BOX = MB_RETRYCANCEL | MB_ICONEXCLAMATION;
constexpr size_t IDENT_REPLY_SIZE = 52;
constexpr size_t STATUS_REPLY_SIZE = 80;

std::string PortName(int nPort)
{
    return "COM" + std::to_string(nPort) + ":";
}

// 4800 baud 8N1; every one-byte read waits at most 200 ms.
const CCommTimeouts LINK_TIMEOUTS{100, 100, 100, 100, 100};

void ApplyLineSettings(CLineSettings& settings)
{
    settings.m_nBaudRate = 4800;
    settings.m_nByteSize = 8;
    settings.m_nParity = 0;
    settings.m_nStopBits = 0;
}
} // namespace

bool CCommLink::OpenAndConfigure(bool bCheckWrites)
{
    m_hComm.reset();
    m_hComm = g_platform.m_pSerial->Open(PortName(m_nPort));
    if (!m_hComm)
    {
        CPortFault fault = g_platform.m_pSerial->LastOpenFault();
        if (fault.m_eFault != EPortFault::None)
            m_aPortFaults.push_back(std::move(fault));
    }
    CLineSettings settings;
    if (!m_hComm || !m_hComm->GetCommState(settings))
        return false;
    bool bTimeouts = m_hComm->SetCommTimeouts(LINK_TIMEOUTS);
    if (bCheckWrites && !bTimeouts)
        return false;
    ApplyLineSettings(settings);
    bool bState = m_hComm->SetCommState(settings);
    return !bCheckWrites || bState;
}

int CCommLink::OpenPort()
{
    m_aPortFaults.clear();
    return OpenAndConfigure(true) ? 1 : 0;
}

int CCommLink::ScanPorts()
{
    // The scan only needs the port to open and report its settings; the two writes are not
    // examined, a port that then cannot talk simply fails to identify.
    m_aPortFaults.clear();
    for (m_nPort = 1; m_nPort < 100; ++m_nPort)
    {
        if (OpenAndConfigure(false) && Identify() == 1)
            return m_nPort;
    }
    return 0;
}

int CCommLink::Identify()
{
    m_bAlive = 1;
    char achReply[IDENT_REPLY_SIZE] = {};
    // A failed exchange counts as not identified, whatever bytes arrived before it failed.
    if (SendCommand(CMD_IDENTIFY, achReply, 1, 0) == 0)
        return 0;
    int nModel = IdentifyModel(achReply, sizeof achReply);
    if (nModel == 0)
        return 0;
    m_nModel = nModel;
    return 1;
}

int CCommLink::Exchange(const char* pszCommand, char* pReply, size_t nReplySize, int bAwaitReply)
{
    if (m_bAlive == 0)
        return 0;
    if (!m_hComm)
    {
        // The port could not be reopened: the exchange fails like a read on a dead handle.
        m_bAlive = 0;
        return 0;
    }
    m_hComm->PurgeInput();
    m_hComm->Write(pszCommand, std::char_traits<char>::length(pszCommand));
    if (bAwaitReply == 0)
        return m_bAlive;
    // Bounded by the caller's buffer: a reply longer than it is cut, and the rest is purged
    // before the next request.
    for (size_t nPos = 0; nPos < nReplySize; ++nPos)
    {
        char ch = 0;
        unsigned nRead = 0;
        if (!m_hComm->ReadByte(ch, nRead) || nRead == 0)
        {
            m_bAlive = 0;
            break;
        }
        pReply[nPos] = ch;
        if (ch == '\r')
            break;
    }
    return m_bAlive;
}

int CCommLink::SendCommand(const char* pszCommand, char* pReply, size_t nReplySize, int bAwaitReply,
                           int bRetry)
{
    while (m_bAlive == 1)
    {
        if (Exchange(pszCommand, pReply, nReplySize, bAwaitReply) != 0 || bRetry == 0)
            break;
        m_hComm.reset();
        // After a Retry whose reopening failed, the message also says why the port is gone.
        if (AfxMessageBox(WithPortAdvice(COMM_ERROR_TEXT, m_aPortFaults), RETRY_BOX) != IDRETRY)
        {
            m_bAlive = 0;
            break;
        }
        m_bAlive = 1;
        // A port that does not reopen fails the next exchange and brings the message back.
        OpenPort();
    }
    return m_bAlive;
}

int CCommLink::ReadStatus(int bRetry)
{
    char achReply[STATUS_REPLY_SIZE] = {};
    if (SendCommand(CMD_STATUS, achReply, 1, bRetry) != 0)
        ParseStatusWord(achReply, sizeof achReply, m_nStatus);
    m_bRunning = (m_nStatus & STATUS_WIND_STOPPED) == 0 ? 1 : 0;
    return m_bAlive;
}

int CCommLink::CheckStatus()
{
    if (m_bAlive == 0)
        return 1;
    for (;;)
    {
        ReadStatus(1);
        if ((m_nStatus & STATUS_CABLE_ALARM) == 0)
            return 1;
        m_bAlive = 0;
        if (AfxMessageBox(CABLE_TEXT, RETRY_BOX) != IDRETRY)
            return 0;
        m_bAlive = 1;
    }
}
