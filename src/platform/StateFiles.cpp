#include "platform/StateFiles.h"

#include <cstdlib>
#include <ctime>
#include <sys/stat.h>

namespace
{
std::string AbsoluteEnv(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr && pszValue[0] == '/' ? std::string(pszValue) : std::string();
}

// Formats with digits only, whatever the locale.
std::string FileTime(const std::string& strPath, const char* pszFormat)
{
    struct stat st = {};
    if (stat(strPath.c_str(), &st) != 0)
        return std::string();
    struct tm tmLocal = {};
    if (localtime_r(&st.st_mtime, &tmLocal) == nullptr)
        return std::string();
    char szText[32] = {};
    return std::string(szText, std::strftime(szText, sizeof szText, pszFormat, &tmLocal));
}
} // namespace

std::string StateDirectory()
{
    std::string strBase = AbsoluteEnv("XDG_STATE_HOME");
    if (strBase.empty())
        strBase = AbsoluteEnv("HOME") + "/.local/state";
    return strBase + "/zorvantellique";
}

std::string FileTimeText(const std::string& strPath)
{
    return FileTime(strPath, "%Y-%m-%d %H:%M:%S");
}

std::string FileTimeStamp(const std::string& strPath)
{
    return FileTime(strPath, "%Y-%m-%d-%H%M%S");
}
