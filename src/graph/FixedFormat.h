#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// printf's "%<width>.<precision>f" (with "%+" when bPlus), always with a decimal point,
// whatever the process locale.
std::string FormatFixed(double dValue, int nWidth, int nPrecision, bool bPlus = false);

// A text built by appending, kept within a fixed buffer: what does not fit is cut off.
template <size_t N>
class CBoundedText
{
public:
    void Append(std::string_view sv)
    {
        size_t nRoom = N - 1 - m_nLength;
        size_t nCopy = sv.size() < nRoom ? sv.size() : nRoom;
        sv.copy(m_ach + m_nLength, nCopy);
        m_nLength += nCopy;
        m_ach[m_nLength] = '\0';
    }
    const char* c_str() const { return m_ach; }
    size_t size() const { return m_nLength; }

private:
    char m_ach[N] = {};
    size_t m_nLength = 0;
};
