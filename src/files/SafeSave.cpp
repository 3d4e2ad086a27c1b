#include "files/SafeSave.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

std::string SaveTempPath(const std::string& strPath)
{
    return strPath + ".saving";
}

ESaveResult SaveReplacing(const std::string& strPath, std::string_view strBytes)
{
    std::error_code ec;
    fs::file_status oldStatus = fs::status(strPath, ec);
    bool bReplaces = fs::exists(oldStatus);
    // Renaming would replace a read-only file whatever its mode says; such a file is kept
    // the way a direct write would have had to keep it.
    if (bReplaces && (oldStatus.permissions() & fs::perms::owner_write) == fs::perms::none)
        return ESaveResult::ReadOnly;

    std::string strTemp = SaveTempPath(strPath);
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
    fs::rename(strTemp, strPath, ec);
    if (ec)
    {
        std::error_code ecRemove;
        fs::remove(strTemp, ecRemove);
        return ESaveResult::Failed;
    }
    return ESaveResult::Saved;
}
