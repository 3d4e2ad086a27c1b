#pragma once

#include <QString>
#include <string>
#include <string_view>

// Test text (comments, and every text the core hands a dialog or a drawing) is single-byte
// Windows-1252, the way test files have always been written: Latin-1 plus the printable
// characters Windows puts at 0x80..0x9F. The five bytes Windows-1252 leaves undefined there
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same number, as
// Windows' own conversion does, so every byte has a character and comes back unchanged.

QString FromWindows1252(std::string_view strBytes);
// A character with no Windows-1252 byte becomes '?'.
std::string ToWindows1252(const QString& strText);
// True when every character of the text has a Windows-1252 byte.
bool FitsWindows1252(const QString& strText);
