#include "qt/Windows1252.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace
{
constexpr unsigned char FIRST_HIGH = 0x80;
constexpr unsigned char LAST_HIGH = 0x9F;

// The characters of bytes 0x80..0x9F; the undefined ones keep their own number.
constexpr char16_t HIGH_CHARS[] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};
static_assert(std::size(HIGH_CHARS) == LAST_HIGH - FIRST_HIGH + 1);

// The byte of a character; nothing when it has none.
std::optional<char> ByteOf(QChar ch)
{
    const char16_t nCode = ch.unicode();
    if (nCode < FIRST_HIGH || (nCode > LAST_HIGH && nCode <= 0xFF))
        return static_cast<char>(nCode);
    const auto* pFound = std::find(std::begin(HIGH_CHARS), std::end(HIGH_CHARS), nCode);
    if (pFound == std::end(HIGH_CHARS))
        return std::nullopt;
    return static_cast<char>(FIRST_HIGH + (pFound - std::begin(HIGH_CHARS)));
}
} // namespace

QString FromWindows1252(std::string_view strBytes)
{
    QString strText;
    strText.reserve(static_cast<qsizetype>(strBytes.size()));
    for (char chByte : strBytes)
    {
        const auto nByte = static_cast<unsigned char>(chByte);
        strText += QChar(nByte >= FIRST_HIGH && nByte <= LAST_HIGH ? HIGH_CHARS[nByte - FIRST_HIGH]
                                                                   : char16_t{nByte});
    }
    return strText;
}

std::string ToWindows1252(const QString& strText)
{
    std::string strBytes;
    strBytes.reserve(static_cast<size_t>(strText.size()));
    for (qsizetype i = 0; i < strText.size(); ++i)
    {
        const QChar ch = strText[i];
        strBytes += ByteOf(ch).value_or('?');
        // A character beyond the 16-bit range is one '?', not two.
        if (ch.isHighSurrogate() && i + 1 < strText.size() && strText[i + 1].isLowSurrogate())
            ++i;
    }
    return strBytes;
}

bool FitsWindows1252(const QString& strText)
{
    return std::all_of(strText.begin(), strText.end(),
                       [](QChar ch) { return ByteOf(ch).has_value(); });
}
