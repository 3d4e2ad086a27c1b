#pragma once

#include <cstdint>
#include <string_view>

// Reads numbers from instrument replies and test-file lines the way "%u", "%d" and "%lf"
// scan them (leading blanks skipped, an optional sign), but always with '.' as the decimal
// point, and only finite values that fit their type.
class CReplyScanner
{
public:
    explicit CReplyScanner(std::string_view strText) : m_strText(strText) {}

    bool Unsigned(uint32_t& nValue);
    bool Int(int& nValue);
    bool Double(double& dValue);
    // The exact character, with no blanks skipped before it.
    bool Literal(char ch);

private:
    void SkipBlanks();
    // Skips blanks and a '+' sign; true when a '-' sign was read.
    bool Sign();

    std::string_view m_strText;
    size_t m_nPos = 0;
};
