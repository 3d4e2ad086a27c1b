#pragma once

#include <cctype>
#include <charconv>
#include <cmath>
#include <string_view>
#include <type_traits>

// A number of type T that is the whole text but for blanks around it and a leading '+', with
// '.' as the decimal point whatever the locale; a double only when finite.
template <class T>
bool ParseWhole(std::string_view strText, T& value)
{
    const char* pBegin = strText.data();
    const char* pEnd = pBegin + strText.size();
    while (pBegin < pEnd && std::isspace(static_cast<unsigned char>(*pBegin)))
        ++pBegin;
    while (pEnd > pBegin && std::isspace(static_cast<unsigned char>(pEnd[-1])))
        --pEnd;
    if (pBegin < pEnd && *pBegin == '+')
        ++pBegin;
    T parsed{};
    auto result = std::from_chars(pBegin, pEnd, parsed);
    if (pBegin == pEnd || result.ec != std::errc() || result.ptr != pEnd)
        return false;
    if constexpr (std::is_floating_point_v<T>)
        if (!std::isfinite(parsed))
            return false;
    value = parsed;
    return true;
}
