#include "qt/QtSerialLayer.h"

#include "qt/ComPortNames.h"
#include "qt/PortProbe.h"
#include "qt/QtSerialPort.h"

std::unique_ptr<ISerialPort> CQtSerialLayer::Open(const std::string& strName)
{
    m_lastFault = {};
    const CPortEnvironment env = CPortEnvironment::FromProcess();
    const int nPort = ParseComNumber(strName);
    const std::string strCom = "COM" + std::to_string(nPort);
    std::optional<std::filesystem::path> device = ResolveComName(strName, env);
    if (!device)
    {
        // A ports-directory link whose device is gone is worth a word; a name that leads
        // nowhere at all is just a port that is not there.
        std::error_code ec;
        const std::filesystem::path entry = PortsEntry(env, nPort);
        if (nPort != 0 && std::filesystem::is_symlink(entry, ec))
            m_lastFault = {strCom, std::filesystem::read_symlink(entry, ec).string(),
                           EPortFault::Missing, ""};
        return nullptr;
    }
    auto pPort =
        std::make_unique<CQtSerialPort>(QString::fromStdString(device->string()), m_fnDeviceLost);
    if (!pPort->IsOpen())
    {
        m_lastFault = ClassifyOpenFailure(*device, pPort->Error(), pPort->ErrorString());
        m_lastFault.m_strName = strCom;
        return nullptr;
    }
    return pPort;
}
