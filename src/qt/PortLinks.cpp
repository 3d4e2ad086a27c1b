#include "qt/PortLinks.h"

#include <system_error>

namespace fs = std::filesystem;

namespace
{
// "COMn" for a name the program can open, or a report of why not.
bool CheckComName(const std::string& strCom, int& nPort, std::string& strReport)
{
    nPort = ParseComNumber(strCom);
    if (nPort >= 1 && nPort <= 99 && strCom.back() != ':')
        return true;
    strReport = strCom + ": not a port name (COM1 to COM99)";
    return false;
}

bool IsPlainTty(const fs::path& devDir, const fs::path& device)
{
    return device.parent_path() == devDir && device.filename().string().rfind("tty", 0) == 0;
}
} // namespace

std::optional<fs::path> ByIdPath(const fs::path& devDir, const fs::path& device)
{
    std::error_code ec;
    const fs::path target = fs::canonical(device, ec);
    if (ec)
        return std::nullopt;
    for (fs::directory_iterator it(devDir / "serial" / "by-id", ec), end; !ec && it != end;
         it.increment(ec))
    {
        std::error_code ecEntry;
        if (fs::canonical(it->path(), ecEntry) == target && !ecEntry)
            return it->path();
    }
    return std::nullopt;
}

bool LinkPort(const CPortEnvironment& env, const std::string& strCom, const fs::path& device,
              std::string& strReport)
{
    int nPort = 0;
    if (!CheckComName(strCom, nPort, strReport))
        return false;
    std::error_code ec;
    fs::path target = fs::absolute(device, ec).lexically_normal();
    if (ec || !fs::exists(target, ec))
    {
        strReport = device.string() + ": no such device";
        return false;
    }
    if (IsPlainTty(env.m_devDir, target))
        target = ByIdPath(env.m_devDir, target).value_or(target);

    // The new link is made beside the old entry and renamed over it, so COMn never goes
    // missing in between.
    const fs::path entry = PortsEntry(env, nPort);
    const fs::path temporary = entry.string() + ".new";
    fs::create_directories(entry.parent_path(), ec);
    fs::remove(temporary, ec);
    fs::create_symlink(target, temporary, ec);
    if (!ec)
        fs::rename(temporary, entry, ec);
    if (ec)
    {
        fs::remove(temporary, ec);
        strReport = entry.string() + ": cannot write";
        return false;
    }
    strReport = "COM" + std::to_string(nPort) + " -> " + target.string();
    return true;
}

bool UnlinkPort(const CPortEnvironment& env, const std::string& strCom, std::string& strReport)
{
    int nPort = 0;
    if (!CheckComName(strCom, nPort, strReport))
        return false;
    const fs::path entry = PortsEntry(env, nPort);
    std::error_code ec;
    if (!fs::is_symlink(entry, ec) && !fs::exists(entry, ec))
    {
        strReport = entry.string() + ": no such port link";
        return false;
    }
    if (!fs::remove(entry, ec) || ec)
    {
        strReport = entry.string() + ": cannot remove";
        return false;
    }
    strReport = "COM" + std::to_string(nPort) + " removed";
    return true;
}
