#pragma once

#include "platform/SerialPort.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The device behind one fake port: a scripted peer. Every write is appended to m_strWritten
// and handed to m_fnRespond, whose answer becomes input to read.
class CFakeDevice
{
public:
    void Feed(const std::string& strBytes) { m_strInput += strBytes; }
    // Everything written since the last call.
    std::string TakeWritten()
    {
        std::string strWritten;
        strWritten.swap(m_strWritten);
        return strWritten;
    }

    std::function<std::string(const std::string& strRequest)> m_fnRespond;
    std::string m_strInput;   // bytes waiting to be read
    std::string m_strWritten; // bytes the program sent
    size_t m_nBytesRead = 0;  // how many bytes the program read in all
    bool m_bFailGetState = false;
    bool m_bReadError = false; // every read fails, as after unplugging
    CLineSettings m_settings{9600, 7, 2, 1};
    CCommTimeouts m_timeouts;
    int m_nOpens = 0;
};

// Ports by name ("COM3:"); a port without a device does not open.
class CFakeSerialLayer : public ISerialLayer
{
public:
    std::unique_ptr<ISerialPort> Open(const std::string& strName) override;

    CFakeDevice& Add(int nPort);
    void Remove(int nPort) { m_mapDevices.erase(Name(nPort)); }
    CFakeDevice& Device(int nPort) { return *m_mapDevices.at(Name(nPort)); }
    static std::string Name(int nPort) { return "COM" + std::to_string(nPort) + ":"; }

    CPortFault LastOpenFault() const override { return m_lastFault; }

    std::map<std::string, std::shared_ptr<CFakeDevice>> m_mapDevices;
    // Why a name without a device fails to open, as the system would say; none when absent.
    std::map<std::string, CPortFault> m_mapFaults;
    CPortFault m_lastFault;
    std::vector<std::string> m_astrTried; // every name an open was attempted on
};

// A responder that answers like the instrument: identification text, status word, lone CR
// for "W", readings for "H"/"R".
struct CFakeInstrument
{
    std::string m_strIdent = "Zorvantellique V6 4.01";
    unsigned m_nStatus = 2;
    std::string m_strReading = "12.5,0.25,-0.1";
    std::string operator()(const std::string& strRequest) const;
};
