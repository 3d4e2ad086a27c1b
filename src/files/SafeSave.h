#pragma once

#include <string>
#include <string_view>

enum class ESaveResult
{
    Saved,
    ReadOnly, // the file there is marked read-only; it is left as it is
    Failed,   // the new file could not be written in full; a file already there is unchanged
};

// Writes the bytes to a file beside strPath and renames it over strPath only once it is
// complete, so a failed save never destroys the file it was to replace. The new file takes
// over the permissions of the one it replaces. When strPath is a symbolic link, the file the
// link leads to is written and replaced this way, and the link stays.
ESaveResult SaveReplacing(const std::string& strPath, std::string_view strBytes);

// The file the bytes go to before the rename.
std::string SaveTempPath(const std::string& strPath);
