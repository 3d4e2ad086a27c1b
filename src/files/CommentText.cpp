#include "files/CommentText.h"

namespace
{
constexpr unsigned char FIRST_PRINTABLE = 0x20;
constexpr unsigned char DELETE_CHAR = 0x7F;
} // namespace

std::string CommentLine(std::string_view strText)
{
    std::string strLine(strText);
    for (char& ch : strLine)
    {
        const auto nByte = static_cast<unsigned char>(ch);
        if (nByte < FIRST_PRINTABLE || nByte == DELETE_CHAR)
            ch = ' ';
    }
    return strLine;
}
