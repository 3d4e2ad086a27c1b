#include "qt/PortProbe.h"

#include "qt/QtSerialPort.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

CPortFault ClassifyOpenFailure(const std::filesystem::path& device,
                               QSerialPort::SerialPortError eError, const QString& strError)
{
    CPortFault fault{"", device.string(), EPortFault::Other, ""};
    const int hFile = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (hFile >= 0)
    {
        ::close(hFile);
        if (eError == QSerialPort::PermissionError)
            fault.m_eFault = EPortFault::Busy;
        else
            fault.m_strDetail = strError.toStdString();
        return fault;
    }
    const int nErrno = errno;
    switch (nErrno)
    {
    case EACCES:
    case EPERM:
        fault.m_eFault = EPortFault::PermissionDenied;
        break;
    case EBUSY:
        fault.m_eFault = EPortFault::Busy;
        break;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        fault.m_eFault = EPortFault::Missing;
        break;
    default:
        fault.m_strDetail = std::strerror(nErrno);
        break;
    }
    return fault;
}

CPortFault ProbePort(const std::filesystem::path& device)
{
    CQtSerialPort port(QString::fromStdString(device.string()));
    if (port.IsOpen())
        return {"", device.string(), EPortFault::None, ""};
    return ClassifyOpenFailure(device, port.Error(), port.ErrorString());
}
