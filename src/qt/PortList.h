#pragma once

#include "platform/SerialPort.h"
#include "qt/ComPortNames.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// What the system says about a serial device, beyond its path.
struct CPortDetails
{
    std::string m_strDescription;
    std::string m_strManufacturer;
    std::string m_strSerialNumber;
};

// A serial device the system reports (udev), with its details.
struct CSystemPort
{
    std::filesystem::path m_device;
    CPortDetails m_details;
};

// One line of the port list.
struct CPortListEntry
{
    std::string m_strCom;    // "COM3", empty when no COM name leads to the device
    std::string m_strDevice; // the device, or the target of a dangling link
    std::string m_strStable; // its /dev/serial/by-id name, empty when none
    CPortDetails m_details;
    CPortFault m_state; // whether it opens
};

using PortProbeFn = std::function<CPortFault(const std::filesystem::path& device)>;

// Every entry of the ports directory ("COMn", in number order), then every serial device of the
// system no entry leads to, with the COM name that reaches it (COMn for the n-th device when the
// ports directory does not take that name and $ZRV_PORTS is unset), then the devices the system
// reports that no COM name reaches (they can be linked). Details come from aSystem.
std::vector<CPortListEntry> ListPorts(const CPortEnvironment& env,
                                      const std::vector<CSystemPort>& aSystem,
                                      const PortProbeFn& fnProbe);

// COM3  /dev/ttyUSB0  by-id=/dev/serial/by-id/usb-...  "FT232R USB UART"  "FTDI"  "A50285BI"  ok
// Empty fields are "-".
std::string FormatPortLine(const CPortListEntry& entry);
