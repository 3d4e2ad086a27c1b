// The virtual wind-tunnel instrument: its command parser, its replies and a simple model of the
// fan and the balance. Bytes go in, reply bytes come out; time comes from an injected clock, so
// the whole behaviour can be driven without a serial line and without waiting.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>

// How the instrument behaves. Zero for a count means "never".
struct CInstrumentConfig
{
    int m_nModel = 1; // 1 the first model ("R" readings), 2 the "V6" model ("H", "I", "A", "U")
    std::string m_strIdent; // reply to "V" without its CR; empty means the model's own text
    double m_dLag = 1.0;    // time constant of the fan, seconds; 0 follows "W" at once
    // By default a small wing section (4 by 2 inches at a moderate angle of attack): at 80 mph,
    // the end of the program's default wind axis, about 0.82 lbs of lift over 0.09 lbs of
    // drag, inside its default force axis of 1 lb.
    double m_dCd = 0.1;     // drag coefficient of the model in the test section
    double m_dCl = 0.9;     // lift coefficient; negative gives negative lift
    double m_dArea = 8.0;   // reference area, square inches
    unsigned m_nSeed = 1;   // seed of the reading noise and of garbage replies
    double m_dNoise = 0.01; // reading noise, fraction of the value (uniform, +/-)
    // What the balance reads with no wind, pounds: added to every lift and drag reading.
    double m_dOffsetLift = 0.0;
    double m_dOffsetDrag = 0.0;

    // Fault injection.
    bool m_bSilent = false;    // answers nothing from the start
    int m_nSilentAfter = 0;    // goes silent after this many commands
    int m_nRecoverAfterMs = 0; // a silent instrument answers again after this long
    bool m_bGarbage = false;   // readings are random bytes without a CR
    bool m_bNoCr = false;      // replies lack their terminating CR
    bool m_bLongReply = false; // replies are padded with spaces to kLongReplyBytes before the CR
    int m_nNakEvery = 0;       // every k-th "W" is answered "?\r" and not applied
    int m_nCableAlarmFrom = 0; // from this command on, the status word reports the cable alarm
};

class CInstrument
{
public:
    // Seconds on a monotonic clock; only differences matter.
    using Clock = std::function<double()>;

    static constexpr std::size_t kMaxArgumentBytes = 64;
    static constexpr std::size_t kLongReplyBytes = 200;
    static constexpr double kMaxSpeedMph = 200.0; // the fan's limit; faster requests are clamped

    CInstrument(const CInstrumentConfig& config, Clock fnClock);

    // Feeds bytes received from the program and returns the bytes to send back (possibly none).
    std::string Receive(std::string_view bytes);

    // Manual fault switches (the executable binds them to SIGUSR1 and SIGUSR2).
    void ToggleSilent();
    void ToggleCableAlarm();
    bool IsSilent() const { return m_bSilent; }
    bool HasCableAlarm() const { return m_bCableAlarm; }

    static std::string DefaultIdent(int nModel);

private:
    std::string Consume(char c);
    std::string Complete(char cCommand);
    std::optional<std::string> Execute(char cCommand);
    std::optional<std::string> SetSpeed();
    std::optional<std::string> SetUnits();
    void StoreAirInputs();
    std::string Status() const;
    std::string Reading(char cCommand);
    std::string AirInputs() const;
    std::string Garbage();
    double Noisy(double dValue);
    double Force(double dCoefficient) const;
    void Advance();
    void SetSilent(bool bSilent);
    bool ListenNow();
    char ReadingCommand() const { return m_config.m_nModel == 2 ? 'H' : 'R'; }

    CInstrumentConfig m_config;
    Clock m_fnClock;
    std::mt19937 m_rng;

    // Parser: a command with arguments is collected up to its CR.
    char m_cPending = 0;
    std::string m_strArgs;
    bool m_bArgsOverflow = false;

    int m_nCommands = 0;      // complete commands received while listening
    int m_nSpeedCommands = 0; // "W" commands among them
    bool m_bSilent = false;
    double m_dSilentSince = 0.0;
    bool m_bCableAlarm = false;

    // Fan, mph.
    double m_dTime = 0.0;
    double m_dWind = 0.0;
    double m_dTarget = 0.0;

    // Air inputs kept for the program ("A" stores, "I" reads), in the units of m_nAirUnits:
    // 1 English (ft, deg F, inHg, %), 0 metric (m, deg C, mbar, %).
    int m_nAirUnits = 1;
    double m_dAltitude = 1000.0;
    double m_dTemperature = 70.0;
    double m_dPressure = 29.92;
    double m_dHumidity = 50.0;
};
