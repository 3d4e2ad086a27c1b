#include "link/Commands.h"

#include "link/ReplyScanner.h"

#include <charconv>
#include <climits>
#include <cstring>

namespace
{
// Truncation toward zero, held to the range of int (and 0 for NaN) so that no input can make
// the conversion undefined.
int TruncateToInt(double dValue)
{
    if (!(dValue > INT_MIN))
        return dValue < 0 ? INT_MIN : 0;
    if (dValue >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(dValue);
}
} // namespace

std::string_view ReplyText(const char* pReply, size_t nSize)
{
    const void* pCr = std::memchr(pReply, '\r', nSize);
    size_t nLength = pCr != nullptr ? static_cast<const char*>(pCr) - pReply : nSize;
    return std::string_view(pReply, nLength);
}

int IdentifyModel(const char* pReply, size_t nSize)
{
    std::string_view strReply(pReply, nSize);
    if (strReply.starts_with("Zorvantellique V6"))
        return 2;
    if (strReply.starts_with("Zorvantellique"))
        return 1;
    return 0;
}

bool ParseStatusWord(const char* pReply, size_t nSize, uint32_t& nStatus)
{
    CReplyScanner scanner(ReplyText(pReply, nSize));
    return scanner.Unsigned(nStatus);
}

const char* ReadingCommand(int nModel)
{
    return nModel == 2 ? "H" : "R";
}

bool ParseReading(const char* pReply, size_t nSize, int nModel, CReading& reading)
{
    CReplyScanner scanner(ReplyText(pReply, nSize));
    CReading parsed;
    if (!scanner.Double(parsed.m_dWind) || !scanner.Literal(',') ||
        !scanner.Double(parsed.m_dDrag) || !scanner.Literal(',') || !scanner.Double(parsed.m_dLift))
        return false;
    if (nModel != 2)
    {
        parsed.m_dWind /= 10;
        parsed.m_dDrag /= 1000;
        parsed.m_dLift /= 1000;
    }
    reading = parsed;
    return true;
}

// The requests are built by appending to one string: besides saving copies, this keeps
// g++ 12's optimiser from a false -Wrestrict warning on literal + std::string.
std::string FormatSpeedCommand(double dRampSpeedMph)
{
    std::string strRequest = "W";
    strRequest += std::to_string(TruncateToInt(dRampSpeedMph * 10));
    strRequest += '\r';
    return strRequest;
}

std::string FormatUnitsCommand(int nUnits)
{
    return nUnits != 0 ? "U1\r" : "U0\r";
}

bool ParseAirInputs(const char* pReply, size_t nSize, CAirInputs& inputs)
{
    CReplyScanner scanner(ReplyText(pReply, nSize));
    CAirInputs parsed;
    if (!scanner.Int(parsed.m_nUnits) || !scanner.Literal(',') ||
        !scanner.Double(parsed.m_dAltitude) || !scanner.Literal(',') ||
        !scanner.Double(parsed.m_dTemperature) || !scanner.Literal(',') ||
        !scanner.Double(parsed.m_dPressure) || !scanner.Literal(',') ||
        !scanner.Double(parsed.m_dHumidity))
        return false;
    inputs = parsed;
    return true;
}

namespace
{
std::string Fixed(double dValue, int nDecimals)
{
    // Room for the largest double written out in full (309 digits) with its decimals.
    char achText[352];
    auto result = std::to_chars(achText, achText + sizeof achText, dValue, std::chars_format::fixed,
                                nDecimals);
    return std::string(achText, result.ptr);
}

} // namespace

std::string FormatStoreAirInputs(const CAirInputs& inputs)
{
    std::string strRequest = "A";
    strRequest += std::to_string(inputs.m_nUnits);
    for (const std::string& strField :
         {Fixed(inputs.m_dAltitude, 0), Fixed(inputs.m_dTemperature, 1),
          Fixed(inputs.m_dPressure, 2), std::to_string(TruncateToInt(inputs.m_dHumidity))})
    {
        strRequest += ',';
        strRequest += strField;
    }
    strRequest += '\r';
    return strRequest;
}
