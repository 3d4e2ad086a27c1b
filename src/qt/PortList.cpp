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

// Builds the list, each device once (by its canonical path).
class CPortLister
{
public:
    CPortLister(const CPortEnvironment& env, const std::vector<CSystemPort>& aSystem,
                const PortProbeFn& fnProbe)
        : m_env(env), m_aSystem(aSystem), m_fnProbe(fnProbe)
    {
    }

    bool Listed(const fs::path& device) const
    {
        return std::find(m_aListed.begin(), m_aListed.end(), Canonical(device)) != m_aListed.end();
    }

    void AddDevice(const std::string& strCom, const fs::path& device)
    {
        CPortListEntry entry;
        entry.m_strCom = strCom;
        entry.m_strDevice = device.string();
        entry.m_strStable = ByIdPath(m_env.m_devDir, device).value_or(fs::path()).string();
        for (const CSystemPort& port : m_aSystem)
            if (Canonical(port.m_device) == Canonical(device))
                entry.m_details = port.m_details;
        entry.m_state = m_fnProbe(device);
        m_aListed.push_back(Canonical(device));
        m_aEntries.push_back(std::move(entry));
    }

    void AddDangling(const std::string& strCom, const fs::path& link)
    {
        std::error_code ec;
        CPortListEntry entry;
        entry.m_strCom = strCom;
        entry.m_strDevice = fs::read_symlink(link, ec).string();
        entry.m_state = {strCom, entry.m_strDevice, EPortFault::Missing, ""};
        m_aEntries.push_back(std::move(entry));
    }

    std::vector<CPortListEntry> Take() { return std::move(m_aEntries); }

private:
    static fs::path Canonical(const fs::path& device)
    {
        std::error_code ec;
        fs::path canonical = fs::canonical(device, ec);
        return ec ? device : canonical;
    }

    const CPortEnvironment& m_env;
    const std::vector<CSystemPort>& m_aSystem;
    const PortProbeFn& m_fnProbe;
    std::vector<fs::path> m_aListed;
    std::vector<CPortListEntry> m_aEntries;
};
} // namespace

std::vector<CPortListEntry> ListPorts(const CPortEnvironment& env,
                                      const std::vector<CSystemPort>& aSystem,
                                      const PortProbeFn& fnProbe)
{
    CPortLister lister(env, aSystem, fnProbe);

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
            lister.AddDangling(strCom, path);
        else
            lister.AddDevice(strCom, device);
    }

    const std::vector<fs::path> aDevices = SerialDevices(env.m_devDir);
    for (size_t i = 0; i < aDevices.size(); ++i)
    {
        const int nPort = static_cast<int>(i) + 1;
        const bool bNamed = env.m_strPortsVar.empty() && mapEntries.count(nPort) == 0;
        if (!lister.Listed(aDevices[i]))
            lister.AddDevice(bNamed ? "COM" + std::to_string(nPort) : "", aDevices[i]);
    }
    for (const CSystemPort& port : aSystem)
        if (!lister.Listed(port.m_device))
            lister.AddDevice("", port.m_device);
    return lister.Take();
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
