#include "graph/FixedFormat.h"

#include <charconv>

std::string FormatFixed(double dValue, int nWidth, int nPrecision, bool bPlus)
{
    // Wide enough for the largest double in fixed notation with the precisions in use.
    char achDigits[400];
    auto result = std::to_chars(achDigits, achDigits + sizeof(achDigits), dValue,
                                std::chars_format::fixed, nPrecision);
    std::string str = result.ec == std::errc{} ? std::string(achDigits, result.ptr) : "******";
    if (bPlus && str[0] != '-')
        str.insert(str.begin(), '+');
    if (int(str.size()) < nWidth)
        str.insert(0, size_t(nWidth) - str.size(), ' ');
    return str;
}
