#pragma once

#include "platform/SerialPort.h"

#include <QSerialPort>
#include <filesystem>

// Why QSerialPort could not open a device, in the terms a user can act on. The system is asked
// again with a plain open(2): its errno tells permission from absence; a device that opens that
// way but not through QSerialPort is held by another program (its lock file or exclusive mode).
CPortFault ClassifyOpenFailure(const std::filesystem::path& device,
                               QSerialPort::SerialPortError eError, const QString& strError);

// Opens the device as the program would, closes it again, and says whether that worked.
CPortFault ProbePort(const std::filesystem::path& device);
