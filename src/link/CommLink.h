#pragma once

#include "platform/SerialPort.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The one path to the instrument: owns the port, finds and identifies the instrument, and
// carries every command as a blocking request and reply with the user-facing recovery loops.
class CCommLink
{
public:
    // Closes the old port, opens "COM<m_nPort>:" and applies 4800 8N1 with 100 ms time-outs.
    int OpenPort();
    // Tries COM1..COM99 in order; returns the first port that identifies (left open and in
    // m_nPort), or 0.
    int ScanPorts();
    // Sends "V" without retry; sets m_nModel and returns 1 when the reply names the instrument.
    int Identify();
    // One raw exchange without retry. The reply is read byte by byte up to and including the
    // CR, and never past nReplySize bytes. Returns m_bAlive after the exchange.
    int Exchange(const char* pszCommand, char* pReply, size_t nReplySize, int bAwaitReply);
    // Exchange with the "Communications Error!" recovery loop when bRetry is 1.
    int SendCommand(const char* pszCommand, char* pReply, size_t nReplySize, int bAwaitReply,
                    int bRetry);
    template <size_t N>
    int SendCommand(const char* pszCommand, char (&achReply)[N], int bAwaitReply, int bRetry)
    {
        return SendCommand(pszCommand, achReply, N, bAwaitReply, bRetry);
    }
    // One "S" exchange (with the recovery loop when bRetry is 1): m_nStatus and m_bRunning
    // follow a reply that holds a status word. Returns m_bAlive after it.
    int ReadStatus(int bRetry);
    // Polls "S"; returns 0 only when the user gave up on "Cable is disconnected!".
    int CheckStatus();

    int m_nPort = 0;                      // n of the port COMn in use
    std::unique_ptr<ISerialPort> m_hComm; // the open port, null when closed
    uint32_t m_nStatus = 0;               // last status word read from "S"
    int m_bAlive = 0;                     // communications enabled
    int m_bRunning = 0;                   // the instrument reports its wind running
    int m_bReturnToZero = 0;              // Stop Wind until the instrument reports stopped
    int m_nTimerId = 0;                   // the sampling timer's id
    int m_nModel = 0;                     // 0 none, 1 first model, 2 the "V6" model
    // Ports that failed to open for a known reason in the last OpenPort or ScanPorts: the
    // messages about a missing instrument say why.
    std::vector<CPortFault> m_aPortFaults;

private:
    bool OpenAndConfigure(bool bCheckWrites);
};

extern CCommLink theCommLink;
