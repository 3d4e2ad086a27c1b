#include "FakeSerial.h"

namespace
{
class CFakePort : public ISerialPort
{
public:
    explicit CFakePort(std::shared_ptr<CFakeDevice> pDevice) : m_pDevice(std::move(pDevice)) {}

    bool GetCommState(CLineSettings& settings) override
    {
        if (m_pDevice->m_bFailGetState)
            return false;
        settings = m_pDevice->m_settings;
        return true;
    }
    bool SetCommState(const CLineSettings& settings) override
    {
        m_pDevice->m_settings = settings;
        return true;
    }
    bool SetCommTimeouts(const CCommTimeouts& timeouts) override
    {
        m_pDevice->m_timeouts = timeouts;
        return true;
    }
    bool PurgeInput() override
    {
        m_pDevice->m_strInput.clear();
        return true;
    }
    bool Write(const char* pData, size_t nLength) override
    {
        std::string strRequest(pData, nLength);
        m_pDevice->m_strWritten += strRequest;
        if (m_pDevice->m_fnRespond)
            m_pDevice->m_strInput += m_pDevice->m_fnRespond(strRequest);
        return true;
    }
    bool ReadByte(char& ch, unsigned& nRead) override
    {
        nRead = 0;
        if (m_pDevice->m_bReadError)
            return false;
        if (m_pDevice->m_strInput.empty())
            return true;
        ch = m_pDevice->m_strInput.front();
        m_pDevice->m_strInput.erase(0, 1);
        ++m_pDevice->m_nBytesRead;
        nRead = 1;
        return true;
    }

private:
    std::shared_ptr<CFakeDevice> m_pDevice;
};
} // namespace

std::unique_ptr<ISerialPort> CFakeSerialLayer::Open(const std::string& strName)
{
    m_astrTried.push_back(strName);
    m_lastFault = {};
    auto it = m_mapDevices.find(strName);
    if (it == m_mapDevices.end())
    {
        if (auto itFault = m_mapFaults.find(strName); itFault != m_mapFaults.end())
            m_lastFault = itFault->second;
        return nullptr;
    }
    ++it->second->m_nOpens;
    return std::make_unique<CFakePort>(it->second);
}

CFakeDevice& CFakeSerialLayer::Add(int nPort)
{
    auto& pDevice = m_mapDevices[Name(nPort)];
    pDevice = std::make_shared<CFakeDevice>();
    return *pDevice;
}

std::string CFakeInstrument::operator()(const std::string& strRequest) const
{
    if (strRequest == "V")
        return m_strIdent + "\r";
    if (strRequest == "S")
        return std::to_string(m_nStatus) + "\r";
    if (strRequest.starts_with("W"))
        return "\r";
    if (strRequest == "H" || strRequest == "R")
        return m_strReading + "\r";
    if (strRequest == "O")
        return "\r";
    return "";
}
