#pragma once

#include "platform/SerialPort.h"

// Opens "COMn:" names: the name is resolved to a device (ResolveComName) at each open, so a
// link made or changed while the program runs is seen at the next open or scan.
class CQtSerialLayer : public ISerialLayer
{
public:
    std::unique_ptr<ISerialPort> Open(const std::string& strName) override;
    CPortFault LastOpenFault() const override { return m_lastFault; }

private:
    CPortFault m_lastFault;
};
