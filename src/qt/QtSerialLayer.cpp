#include "qt/QtSerialLayer.h"

#include "qt/ComPortNames.h"
#include "qt/QtSerialPort.h"

std::unique_ptr<ISerialPort> CQtSerialLayer::Open(const std::string& strName)
{
    std::optional<std::filesystem::path> device =
        ResolveComName(strName, CPortEnvironment::FromProcess());
    if (!device)
        return nullptr;
    auto pPort =
        std::make_unique<CQtSerialPort>(QString::fromStdString(device->string()), m_fnDeviceLost);
    if (!pPort->IsOpen())
        return nullptr;
    return pPort;
}
