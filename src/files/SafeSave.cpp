#include "files/SafeSave.h"

#include <filesystem>
#include <fstream>
#include <optional>

namespace fs = std::filesystem;

namespace
{
// More links in a row than this are taken for a loop, as the system's own lookup does.
constexpr int MAX_LINK_HOPS = 40;

// The file a write to strPath lands in: strPath itself or, when it is a symbolic link, the end
// of its chain of links (which may not exist yet: the save creates it, as a write through the
// link would). A link's relative target counts from the folder the link is in. Nothing when
// the chain loops or a link cannot be read.
std::optional<fs::path> WrittenFile(const std::string& strPath)
{
    fs::path path = strPath;
    for (int nHops = 0; nHops <= MAX_LINK_HOPS; ++nHops)
    {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            return path;
        fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return std::nullopt;
        path = path.parent_path() / target; // an absolute target replaces the folder
    }
    return std::nullopt;
}
} // namespace

std::string SaveTempPath(const std::string& strPath)
{
    return strPath + ".saving";
}

ESaveResult SaveReplacing(const std::string& strPath, std::string_view strBytes)
{
    // A link is kept: the file it leads to is the one replaced.
    const std::optional<fs::path> written = WrittenFile(strPath);
    if (!written)
        return ESaveResult::Failed;
    const std::string strFile = written->string();
    std::error_code ec;
    fs::file_status oldStatus = fs::status(strFile, ec);
    bool bReplaces = fs::exists(oldStatus);
    // Renaming would replace a read-only file whatever its mode says; such a file is kept
    // the way a direct write would have had to keep it.
    if (bReplaces && (oldStatus.permissions() & fs::perms::owner_write) == fs::perms::none)
        return ESaveResult::ReadOnly;

    std::string strTemp = SaveTempPath(strFile);
    std::ofstream file(strTemp, std::ios::binary | std::ios::trunc);
    if (!file)
        return ESaveResult::Failed;
    file.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
    file.close();
    if (file.fail())
    {
        fs::remove(strTemp, ec);
        return ESaveResult::Failed;
    }
    if (bReplaces)
        fs::permissions(strTemp, oldStatus.permissions(), ec);
    fs::rename(strTemp, strFile, ec);
    if (ec)
    {
        std::error_code ecRemove;
        fs::remove(strTemp, ecRemove);
        return ESaveResult::Failed;
    }
    return ESaveResult::Saved;
}
