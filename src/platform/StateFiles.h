#pragma once

#include <string>

// Where the program keeps state that outlives it: $XDG_STATE_HOME/zorvantellique, or
// ~/.local/state/zorvantellique when that is unset or not an absolute path.
std::string StateDirectory();

// The local time a file was last written: "2026-12-11 15:40:12" for people, or
// "2026-12-11-154012" for a file name; empty when the file has no time to read.
std::string FileTimeText(const std::string& strPath);
std::string FileTimeStamp(const std::string& strPath);
