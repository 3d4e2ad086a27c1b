#include "qt/PortList.h"

#include "link/PortAdvice.h"
#include "qt/PortLinks.h"

#include <algorithm>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
std::string Quoted(const std::string& strText)
{
    return strText.empty() ? "-" : '"' + strText + '"';
}

CPortListEntry DeviceEntry(const std::string& strCom, const fs::path& device,
                           const CPortEnvironment& env, const PortDetailsFn& fnDetails,
                           const PortProbeFn& fnProbe)
{
    CPortListEntry entry;
    entry.m_strCom = strCom;
    entry.m_strDevice = device.string();
    entry.m_strStable = ByIdPath(env.m_devDir, device).value_or(fs::path()).string();
    entry.m_details = fnDetails(device);
    entry.m_state = fnProbe(device);
    return entry;
}
} // namespace

std::vector<CPortListEntry> ListPorts(const CPortEnvironment& env, const PortDetailsFn& fnDetails,
                                      const PortProbeFn& fnProbe)
{
    std::vector<CPortListEntry> aEntries;
    std::vector<fs::path> aLinked; // devices some entry leads to, as canonical paths

    std::map<int, fs::path> mapEntries;
    std::error_code ec;
    for (fs::directory_iterator it(PortsDirectory(env), ec), end; !ec && it != end;
         it.increment(ec))
        if (const int nPort = ParseComNumber(it->path().filename().string()))
            if (it->path().filename() == "COM" + std::to_string(nPort))
                mapEntries.emplace(nPort, it->path());
    for (const auto& [nPort, path] : mapEntries)
    {
        const std::string strCom = "COM" + std::to_string(nPort);
        std::error_code ecLink;
        const fs::path device = fs::canonical(path, ecLink);
        if (ecLink)
        {
            CPortListEntry entry;
            entry.m_strCom = strCom;
            entry.m_strDevice = fs::read_symlink(path, ecLink).string();
            entry.m_state = {strCom, entry.m_strDevice, EPortFault::Missing, ""};
            aEntries.push_back(std::move(entry));
            continue;
        }
        aLinked.push_back(device);
        aEntries.push_back(DeviceEntry(strCom, device, env, fnDetails, fnProbe));
    }

    const std::vector<fs::path> aDevices = SerialDevices(env.m_devDir);
    for (size_t i = 0; i < aDevices.size(); ++i)
    {
        std::error_code ecDevice;
        const fs::path device = fs::canonical(aDevices[i], ecDevice);
        if (std::find(aLinked.begin(), aLinked.end(), device) != aLinked.end())
            continue;
        const int nPort = static_cast<int>(i) + 1;
        const bool bNamed = env.m_strPortsVar.empty() && mapEntries.count(nPort) == 0;
        aEntries.push_back(DeviceEntry(bNamed ? "COM" + std::to_string(nPort) : "", aDevices[i],
                                       env, fnDetails, fnProbe));
    }
    return aEntries;
}

std::string FormatPortLine(const CPortListEntry& entry)
{
    const auto Field = [](const std::string& strText) { return strText.empty() ? "-" : strText; };
    return Field(entry.m_strCom) + "  " + Field(entry.m_strDevice) + "  " +
           (entry.m_strStable.empty() ? "-" : "by-id=" + entry.m_strStable) + "  " +
           Quoted(entry.m_details.m_strDescription) + "  " +
           Quoted(entry.m_details.m_strManufacturer) + "  " +
           Quoted(entry.m_details.m_strSerialNumber) + "  " + PortStateWord(entry.m_state);
}
