#include "Instrument.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <span>

namespace
{

constexpr double kAirDensity = 0.0023769; // slug/ft^3, standard sea-level air
constexpr double kFeetPerSecondPerMph = 5280.0 / 3600.0;
constexpr double kSquareInchesPerSquareFoot = 144.0;
constexpr double kStoppedBelowMph = 0.05; // the fan counts as stopped below this
constexpr double kMetresPerFoot = 0.3048;
constexpr double kMbarPerInHg = 33.8638816;

// Fixed-point text that never depends on the C locale and never prints "-0.00".
std::string FormatFixed(double dValue, int nDecimals)
{
    if (std::abs(dValue) < 0.5 * std::pow(10.0, -nDecimals))
        dValue = 0.0;
    std::array<char, 512> buffer{}; // room for any finite double
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), dValue,
                                std::chars_format::fixed, nDecimals);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatRounded(double dValue)
{
    return FormatFixed(std::round(dValue), 0);
}

// Parses exactly out.size() comma-separated decimal numbers filling the whole text.
bool ParseNumbers(std::string_view text, std::span<double> out)
{
    const char* p = text.data();
    const char* pEnd = text.data() + text.size();
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        if (i > 0)
        {
            if (p == pEnd || *p != ',')
                return false;
            ++p;
        }
        auto result = std::from_chars(p, pEnd, out[i], std::chars_format::fixed);
        if (result.ec != std::errc())
            return false;
        p = result.ptr;
    }
    return p == pEnd;
}

bool IsArgumentByte(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == ',';
}

} // namespace

CInstrument::CInstrument(const CInstrumentConfig& config, Clock fnClock)
    : m_config(config), m_fnClock(std::move(fnClock)), m_rng(config.m_nSeed)
{
    if (m_config.m_strIdent.empty())
        m_config.m_strIdent = DefaultIdent(m_config.m_nModel);
    m_dTime = m_fnClock();
    SetSilent(m_config.m_bSilent);
}

std::string CInstrument::DefaultIdent(int nModel)
{
    return nModel == 2 ? "Zorvantellique V6 Wind Tunnel 6.2" : "Zorvantellique Wind Tunnel 4.0";
}

std::string CInstrument::Receive(std::string_view bytes)
{
    std::string strReply;
    for (char c : bytes)
    {
        if (ListenNow())
            strReply += Consume(c);
    }
    return strReply;
}

void CInstrument::ToggleSilent()
{
    SetSilent(!m_bSilent);
}

void CInstrument::ToggleCableAlarm()
{
    m_bCableAlarm = !m_bCableAlarm;
}

void CInstrument::SetSilent(bool bSilent)
{
    m_bSilent = bSilent;
    m_dSilentSince = m_fnClock();
    // A silent instrument hears nothing, so it cannot finish a command it had begun.
    m_cPending = 0;
}

bool CInstrument::ListenNow()
{
    if (m_bSilent && m_config.m_nRecoverAfterMs > 0 &&
        m_fnClock() - m_dSilentSince >= m_config.m_nRecoverAfterMs / 1000.0)
        SetSilent(false);
    return !m_bSilent;
}

std::string CInstrument::Consume(char c)
{
    if (m_cPending != 0)
    {
        if (c == '\r')
        {
            char cCommand = m_cPending;
            m_cPending = 0;
            return Complete(cCommand);
        }
        if (IsArgumentByte(c))
        {
            if (m_strArgs.size() < kMaxArgumentBytes)
                m_strArgs += c;
            else
                m_bArgsOverflow = true;
            return {};
        }
        // Any other byte abandons the partial command ("C" is sent for exactly that) and is
        // then taken on its own.
        m_cPending = 0;
    }

    switch (c)
    {
    case 'W':
    case 'U':
    case 'A':
        m_cPending = c;
        m_strArgs.clear();
        m_bArgsOverflow = false;
        return {};
    case 'V':
    case 'S':
    case 'C':
    case 'H':
    case 'R':
    case 'O':
    case 'I':
        return Complete(c);
    default:
        return {}; // line noise, stray CR or LF
    }
}

std::string CInstrument::Complete(char cCommand)
{
    ++m_nCommands;
    if (m_nCommands == m_config.m_nCableAlarmFrom)
        m_bCableAlarm = true;
    Advance();

    std::string strReply;
    if (std::optional<std::string> body = Execute(cCommand))
    {
        if (m_config.m_bGarbage && cCommand == ReadingCommand())
            strReply = Garbage();
        else
        {
            strReply = std::move(*body);
            if (m_config.m_bLongReply && strReply.size() < kLongReplyBytes)
                strReply.resize(kLongReplyBytes, ' ');
            if (!m_config.m_bNoCr)
                strReply += '\r';
        }
    }

    if (m_nCommands == m_config.m_nSilentAfter)
        SetSilent(true);
    return strReply;
}

// Returns the reply text without its CR, or nothing when the command has no reply (or is not
// understood by this model, which a real instrument would simply not answer).
std::optional<std::string> CInstrument::Execute(char cCommand)
{
    const bool bV6 = m_config.m_nModel == 2;
    switch (cCommand)
    {
    case 'V':
        return m_config.m_strIdent;
    case 'S':
        return Status();
    case 'O':
        m_dTarget = 0.0;
        return std::string();
    case 'W':
        return SetSpeed();
    case 'H':
    case 'R':
        if (cCommand != ReadingCommand())
            return std::nullopt;
        return Reading(cCommand);
    case 'I':
        if (!bV6)
            return std::nullopt;
        return AirInputs();
    case 'U':
        if (!bV6)
            return std::nullopt;
        return SetUnits();
    case 'A':
        if (bV6)
            StoreAirInputs();
        return std::nullopt;
    default: // 'C': its work, dropping a partial command, is done by the parser
        return std::nullopt;
    }
}

// "W<tenths of mph>": acknowledged by an empty reply, refused by "?".
std::optional<std::string> CInstrument::SetSpeed()
{
    ++m_nSpeedCommands;
    int nTenths = 0;
    const char* pEnd = m_strArgs.data() + m_strArgs.size();
    auto result = std::from_chars(m_strArgs.data(), pEnd, nTenths);
    const bool bValid = !m_bArgsOverflow && result.ec == std::errc() && result.ptr == pEnd;
    const bool bNak = m_config.m_nNakEvery > 0 && m_nSpeedCommands % m_config.m_nNakEvery == 0;
    if (!bValid || bNak)
        return std::string("?");
    m_dTarget = std::clamp(nTenths / 10.0, 0.0, kMaxSpeedMph);
    return std::string();
}

// "U0" metric, "U1" English: the stored air inputs are converted to the new units.
std::optional<std::string> CInstrument::SetUnits()
{
    if (m_bArgsOverflow || (m_strArgs != "0" && m_strArgs != "1"))
        return std::string("?");
    const int nUnits = m_strArgs[0] - '0';
    if (nUnits != m_nAirUnits)
    {
        if (nUnits == 0)
        {
            m_dAltitude *= kMetresPerFoot;
            m_dTemperature = (m_dTemperature - 32.0) * 5.0 / 9.0;
            m_dPressure *= kMbarPerInHg;
        }
        else
        {
            m_dAltitude /= kMetresPerFoot;
            m_dTemperature = m_dTemperature * 9.0 / 5.0 + 32.0;
            m_dPressure /= kMbarPerInHg;
        }
        m_nAirUnits = nUnits;
    }
    return std::string();
}

// "A<units>,<altitude>,<temperature>,<pressure>,<humidity>": malformed requests are ignored.
void CInstrument::StoreAirInputs()
{
    std::array<double, 5> adField{};
    if (m_bArgsOverflow || !ParseNumbers(m_strArgs, adField))
        return;
    m_nAirUnits = adField[0] == 1.0 ? 1 : 0;
    m_dAltitude = adField[1];
    m_dTemperature = adField[2];
    m_dPressure = adField[3];
    m_dHumidity = adField[4];
}

std::string CInstrument::Status() const
{
    const bool bStopped = m_dTarget == 0.0 && m_dWind == 0.0;
    const unsigned nStatus = (m_bCableAlarm ? 1u : 0u) | (bStopped ? 2u : 0u);
    return std::to_string(nStatus);
}

// "H": mph and pounds with decimals; "R": tenths of mph and thousandths of a pound as integers.
std::string CInstrument::Reading(char cCommand)
{
    const double dWind = Noisy(m_dWind);
    const double dDrag = Noisy(Force(m_config.m_dCd)) + m_config.m_dOffsetDrag;
    const double dLift = Noisy(Force(m_config.m_dCl)) + m_config.m_dOffsetLift;
    if (cCommand == 'H')
        return FormatFixed(dWind, 2) + ',' + FormatFixed(dDrag, 3) + ',' + FormatFixed(dLift, 3);
    return FormatRounded(dWind * 10.0) + ',' + FormatRounded(dDrag * 1000.0) + ',' +
           FormatRounded(dLift * 1000.0);
}

std::string CInstrument::AirInputs() const
{
    return std::to_string(m_nAirUnits) + ',' + FormatFixed(m_dAltitude, 0) + ',' +
           FormatFixed(m_dTemperature, 1) + ',' + FormatFixed(m_dPressure, 2) + ',' +
           FormatFixed(m_dHumidity, 0);
}

std::string CInstrument::Garbage()
{
    std::uniform_int_distribution<int> length(8, 40);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string strGarbage(static_cast<std::size_t>(length(m_rng)), '\0');
    for (char& c : strGarbage)
    {
        do
            c = static_cast<char>(byte(m_rng));
        while (c == '\r');
    }
    return strGarbage;
}

double CInstrument::Noisy(double dValue)
{
    if (m_config.m_dNoise == 0.0)
        return dValue;
    std::uniform_real_distribution<double> noise(-m_config.m_dNoise, m_config.m_dNoise);
    return dValue * (1.0 + noise(m_rng));
}

// Aerodynamic force in pounds: 0.5 * rho * v^2 * C * A.
double CInstrument::Force(double dCoefficient) const
{
    const double dSpeed = m_dWind * kFeetPerSecondPerMph;
    const double dArea = m_config.m_dArea / kSquareInchesPerSquareFoot;
    return 0.5 * kAirDensity * dSpeed * dSpeed * dCoefficient * dArea;
}

// The fan approaches the requested speed with a first-order lag.
void CInstrument::Advance()
{
    const double dNow = m_fnClock();
    const double dElapsed = dNow - m_dTime;
    if (dElapsed > 0.0)
        m_dTime = dNow;
    if (m_config.m_dLag <= 0.0)
        m_dWind = m_dTarget;
    else if (dElapsed > 0.0)
        m_dWind = m_dTarget + (m_dWind - m_dTarget) * std::exp(-dElapsed / m_config.m_dLag);
    if (m_dTarget == 0.0 && m_dWind < kStoppedBelowMph)
        m_dWind = 0.0;
}
