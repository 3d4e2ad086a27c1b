#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where COM names are looked up. Kept apart from the process environment so that tests can
// point every directory somewhere private.
struct CPortEnvironment
{
    std::string m_strPortsVar;   // $ZRV_PORTS, empty when unset
    std::string m_strConfigHome; // $XDG_CONFIG_HOME, empty when unset
    std::string m_strHome;       // $HOME
    std::filesystem::path m_devDir = "/dev";

    static CPortEnvironment FromProcess();
};

// The number n of "COMn" or "COMn:" (n >= 1, decimal digits only), or 0 for any other text.
int ParseComNumber(std::string_view strName);

// The directory whose entries "COMn" name ports: $ZRV_PORTS, else
// $XDG_CONFIG_HOME/zorvantellique/ports, else ~/.config/zorvantellique/ports.
std::filesystem::path PortsDirectory(const CPortEnvironment& env);

// The entry "COMn" of the ports directory, whether it exists or not.
std::filesystem::path PortsEntry(const CPortEnvironment& env, int nPort);

// The serial devices of the system in COM order: /dev/ttyUSB* then /dev/ttyACM* (USB adapters
// first, the likely home of the instrument), then /dev/ttyS*, each in numeric order.
std::vector<std::filesystem::path> SerialDevices(const std::filesystem::path& devDir);

// The device behind a COM name. The ports directory's entry "COMn" wins (it is followed to
// the device it links to). Only when $ZRV_PORTS is unset and there is no such entry, COMn is
// the n-th of SerialDevices. Nothing when the name does not resolve: such a port is absent.
std::optional<std::filesystem::path> ResolveComName(std::string_view strName,
                                                    const CPortEnvironment& env);
