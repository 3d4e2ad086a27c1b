#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The instrument's command set: request bytes and reply parsers. Numbers are always written
// and read with '.' as the decimal point, whatever the process locale says.

// Commands without arguments: one letter, no terminator.
constexpr const char* CMD_IDENTIFY = "V";
constexpr const char* CMD_STATUS = "S";
constexpr const char* CMD_CLEAR = "C";
constexpr const char* CMD_WIND_OFF = "O";
constexpr const char* CMD_READ_AIR = "I";

// Status word bits.
constexpr uint32_t STATUS_CABLE_ALARM = 1;  // the instrument reports its cable disconnected
constexpr uint32_t STATUS_WIND_STOPPED = 2; // clear while the wind runs

// One reading, in mph and pounds whatever the model sends.
struct CReading
{
    double m_dWind = 0.0;
    double m_dDrag = 0.0;
    double m_dLift = 0.0;
};

// Air-density inputs as the "V6" model stores them: feet, F, inHg and % for units code 1;
// metres, C, mbar and % for units code 0.
struct CAirInputs
{
    int m_nUnits = 1;
    double m_dAltitude = 0.0;
    double m_dTemperature = 0.0;
    double m_dPressure = 0.0;
    double m_dHumidity = 0.0;
};

// The reply as text: its bytes up to the first CR, never past nSize.
std::string_view ReplyText(const char* pReply, size_t nSize);

// 2 for the "V6" model, 1 for the first model, 0 when the reply names no instrument.
int IdentifyModel(const char* pReply, size_t nSize);

// The leading unsigned decimal number of a status reply; false when there is none.
bool ParseStatusWord(const char* pReply, size_t nSize, uint32_t& nStatus);

// "H" on the "V6" model, "R" otherwise.
const char* ReadingCommand(int nModel);

// Three comma-separated numbers: wind, drag, lift. The first model sends tenths of mph and
// thousandths of a pound; they are scaled here. False unless all three are finite numbers.
bool ParseReading(const char* pReply, size_t nSize, int nModel, CReading& reading);

// "W<tenths of mph, truncated>\r".
std::string FormatSpeedCommand(double dRampSpeedMph);

// "U1\r" for English units, "U0\r" for metric.
std::string FormatUnitsCommand(int nUnits);

// "<units>,<altitude>,<temperature>,<pressure>,<humidity>": false unless all five are numbers.
bool ParseAirInputs(const char* pReply, size_t nSize, CAirInputs& inputs);

// "A<units>,<altitude %.0f>,<temperature %.1f>,<pressure %.2f>,<humidity truncated>\r".
std::string FormatStoreAirInputs(const CAirInputs& inputs);
