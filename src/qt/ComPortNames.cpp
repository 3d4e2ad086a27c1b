#include "qt/ComPortNames.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <system_error>
#include <utility>

namespace
{
std::string Env(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr ? pszValue : "";
}

// The number in a text of decimal digits only, or nothing.
std::optional<int> ParseDigits(std::string_view strDigits)
{
    if (strDigits.empty() || !std::all_of(strDigits.begin(), strDigits.end(),
                                          [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int nValue = 0;
    auto result = std::from_chars(strDigits.data(), strDigits.data() + strDigits.size(), nValue);
    if (result.ec != std::errc())
        return std::nullopt;
    return nValue;
}

// Devices "<prefix><number>" in devDir, in numeric order.
std::vector<std::filesystem::path> NumberedDevices(const std::filesystem::path& devDir,
                                                   std::string_view strPrefix)
{
    std::vector<std::pair<int, std::filesystem::path>> aFound;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(devDir, ec), end; !ec && it != end;
         it.increment(ec))
    {
        const std::string strName = it->path().filename().string();
        if (strName.compare(0, strPrefix.size(), strPrefix) != 0)
            continue;
        if (auto nNumber = ParseDigits(std::string_view(strName).substr(strPrefix.size())))
            aFound.emplace_back(*nNumber, it->path());
    }
    std::sort(aFound.begin(), aFound.end());
    std::vector<std::filesystem::path> aPaths;
    for (auto& found : aFound)
        aPaths.push_back(std::move(found.second));
    return aPaths;
}
} // namespace

CPortEnvironment CPortEnvironment::FromProcess()
{
    CPortEnvironment env;
    env.m_strPortsVar = Env("ZRV_PORTS");
    env.m_strConfigHome = Env("XDG_CONFIG_HOME");
    env.m_strHome = Env("HOME");
    return env;
}

int ParseComNumber(std::string_view strName)
{
    constexpr std::string_view kPrefix = "COM";
    if (strName.substr(0, kPrefix.size()) != kPrefix)
        return 0;
    strName.remove_prefix(kPrefix.size());
    if (!strName.empty() && strName.back() == ':')
        strName.remove_suffix(1);
    std::optional<int> nNumber = ParseDigits(strName);
    return nNumber && *nNumber >= 1 ? *nNumber : 0;
}

std::filesystem::path PortsDirectory(const CPortEnvironment& env)
{
    if (!env.m_strPortsVar.empty())
        return env.m_strPortsVar;
    std::filesystem::path configDir = !env.m_strConfigHome.empty()
                                          ? std::filesystem::path(env.m_strConfigHome)
                                          : std::filesystem::path(env.m_strHome) / ".config";
    return configDir / "zorvantellique" / "ports";
}

std::filesystem::path PortsEntry(const CPortEnvironment& env, int nPort)
{
    return PortsDirectory(env) / ("COM" + std::to_string(nPort));
}

std::vector<std::filesystem::path> SerialDevices(const std::filesystem::path& devDir)
{
    std::vector<std::filesystem::path> aDevices;
    for (std::string_view strPrefix : std::array<std::string_view, 3>{"ttyUSB", "ttyACM", "ttyS"})
    {
        std::vector<std::filesystem::path> aKind = NumberedDevices(devDir, strPrefix);
        aDevices.insert(aDevices.end(), aKind.begin(), aKind.end());
    }
    return aDevices;
}

std::optional<std::filesystem::path> ResolveComName(std::string_view strName,
                                                    const CPortEnvironment& env)
{
    const int nPort = ParseComNumber(strName);
    if (nPort == 0)
        return std::nullopt;

    std::error_code ec;
    const std::filesystem::path entry = PortsEntry(env, nPort);
    if (std::filesystem::exists(std::filesystem::symlink_status(entry, ec)))
    {
        // A link whose device is gone (an unplugged adapter, an ended simulator) is an absent
        // port, not a reason to fall back to another device.
        std::filesystem::path device = std::filesystem::canonical(entry, ec);
        if (ec)
            return std::nullopt;
        return device;
    }
    if (!env.m_strPortsVar.empty())
        return std::nullopt;

    std::vector<std::filesystem::path> aDevices = SerialDevices(env.m_devDir);
    if (static_cast<size_t>(nPort) > aDevices.size())
        return std::nullopt;
    return aDevices[nPort - 1];
}
