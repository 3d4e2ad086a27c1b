#pragma once

#include "qt/ComPortNames.h"

#include <filesystem>
#include <optional>
#include <string>

// The stable name of a device: the entry of <dev>/serial/by-id that leads to the same device
// (udev names it after the adapter's maker, model and serial number, so it survives a replug
// that renumbers /dev/ttyUSB*). Nothing when there is none.
std::optional<std::filesystem::path> ByIdPath(const std::filesystem::path& devDir,
                                              const std::filesystem::path& device);

// Creates or replaces the ports-directory link COMn -> device, preferring the device's by-id
// name when the device is given as a plain <dev>/tty... that has one. Returns true with the line
// to print ("COM3 -> /dev/serial/by-id/..."), or false with the reason in strReport.
bool LinkPort(const CPortEnvironment& env, const std::string& strCom,
              const std::filesystem::path& device, std::string& strReport);

// Removes the ports-directory entry COMn. Same results as LinkPort.
bool UnlinkPort(const CPortEnvironment& env, const std::string& strCom, std::string& strReport);
