#pragma once

#include <string>
#include <string_view>

// A comment line as the test keeps it: every control character (line breaks, tabs, bytes below
// 32 and 127) becomes a space. A test file holds one comment per line, so a line break in a
// comment would shift every later line of the file.
std::string CommentLine(std::string_view strText);
