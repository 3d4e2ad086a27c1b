// zrv-sim: a virtual Zorvantellique instrument on a pseudo-terminal, for trying the program by
// hand and for end-to-end tests.
#include "Instrument.h"
#include "Pty.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <string_view>
#include <sys/signalfd.h>
#include <type_traits>
#include <unistd.h>
#include <variant>

namespace
{

const char* const g_pszUsage = R"USAGE(Usage: zrv-sim [OPTION]...
A virtual Zorvantellique wind-tunnel instrument on a pseudo-terminal. It links COMn in the
ports directory to the terminal, prints "zrv-sim: COMn -> DEVICE (link PATH)" and answers
the instrument's commands until SIGINT or SIGTERM, then removes the link.

Port:
  --port N               link name COMn (default 3)
  --ports-dir DIR        ports directory (default $ZRV_PORTS, else
                         $XDG_CONFIG_HOME/zorvantellique/ports, else
                         ~/.config/zorvantellique/ports); created when missing
Instrument:
  --model 1|2            1 the first model ("R" readings, default), 2 the "V6" model
                         ("H" readings, air inputs "A"/"I", units "U0"/"U1")
  --ident TEXT           reply to "V" (a CR is added) instead of the model's own
  --lag SECONDS          time constant of the fan (default 1; 0 = instant)
  --cd X                 drag coefficient (default 0.1)
  --cl X                 lift coefficient, negative for negative lift (default 0.9)
  --area SQIN            reference area in square inches (default 8: a small wing
                         section; the program's Cd curve shows about --cd when its Cd
                         area is the same)
  --noise FRACTION       reading noise, +/- fraction of the value (default 0.01)
  --offset-lift LBS      the balance's lift reading with no wind (default 0)
  --offset-drag LBS      the balance's drag reading with no wind (default 0)
  --seed N               seed of the noise and of garbage replies (default 1)
  --pace                 send replies at the 4800-baud byte rate (about 2.08 ms a byte)
Faults (a "command" is every complete command received, answered or not):
  --silent               answer nothing
  --silent-after N       answer the first N commands, then nothing
  --recover-after-ms MS  answer again MS milliseconds after going silent
  --garbage              readings ("H"/"R") are random bytes without a CR
  --no-cr                replies lack their terminating CR
  --long-reply           replies are padded with spaces to 200 bytes before the CR
  --nak-every K          every K-th "W" is answered "?" and CR, and not applied
  --cable-alarm-from N   from the N-th command on, the status word has bit 0 set
Signals: SIGUSR1 toggles silence; SIGUSR2 toggles the cable alarm.
Logs (appended, raw bytes, flushed at once):
  --log FILE             every byte received from the program
  --log-replies FILE     every byte sent to the program
  --help                 show this text
Unknown bytes are ignored; a command the model does not have gets no reply.
)USAGE";

struct CSimOptions
{
    CInstrumentConfig m_config;
    int m_nPort = 3;
    std::string m_strPortsDir;
    std::string m_strLog;
    std::string m_strLogReplies;
    bool m_bPace = false;
    bool m_bHelp = false;
};

using OptionTarget = std::variant<bool*, int*, unsigned*, double*, std::string*>;

template <typename T>
bool ParseNumber(std::string_view text, T& value)
{
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool Assign(OptionTarget target, std::string_view text)
{
    return std::visit(
        [text](auto* pValue) {
            using T = std::remove_pointer_t<decltype(pValue)>;
            if constexpr (std::is_same_v<T, bool>)
            {
                *pValue = true; // a flag: its presence is its value
                return true;
            }
            else if constexpr (std::is_same_v<T, std::string>)
            {
                *pValue = std::string(text);
                return true;
            }
            else
                return ParseNumber(text, *pValue);
        },
        target);
}

bool IsValid(const CSimOptions& options)
{
    const CInstrumentConfig& config = options.m_config;
    const bool bFinite = std::isfinite(config.m_dLag) && std::isfinite(config.m_dCd) &&
                         std::isfinite(config.m_dCl) && std::isfinite(config.m_dArea) &&
                         std::isfinite(config.m_dNoise);
    return bFinite && options.m_nPort >= 1 && (config.m_nModel == 1 || config.m_nModel == 2) &&
           config.m_dLag >= 0.0 && config.m_dArea > 0.0 && config.m_dNoise >= 0.0 &&
           config.m_nSilentAfter >= 0 && config.m_nRecoverAfterMs >= 0 && config.m_nNakEvery >= 0 &&
           config.m_nCableAlarmFrom >= 0;
}

// Accepts "--name value" and "--name=value". Returns false with a message on bad usage.
bool ParseOptions(int argc, char** argv, CSimOptions& options, std::string& strError)
{
    CInstrumentConfig& config = options.m_config;
    const std::array<std::pair<std::string_view, OptionTarget>, 24> aOptions{{
        {"--help", &options.m_bHelp},
        {"--port", &options.m_nPort},
        {"--ports-dir", &options.m_strPortsDir},
        {"--model", &config.m_nModel},
        {"--ident", &config.m_strIdent},
        {"--lag", &config.m_dLag},
        {"--cd", &config.m_dCd},
        {"--cl", &config.m_dCl},
        {"--area", &config.m_dArea},
        {"--noise", &config.m_dNoise},
        {"--offset-lift", &config.m_dOffsetLift},
        {"--offset-drag", &config.m_dOffsetDrag},
        {"--seed", &config.m_nSeed},
        {"--pace", &options.m_bPace},
        {"--silent", &config.m_bSilent},
        {"--silent-after", &config.m_nSilentAfter},
        {"--recover-after-ms", &config.m_nRecoverAfterMs},
        {"--garbage", &config.m_bGarbage},
        {"--no-cr", &config.m_bNoCr},
        {"--long-reply", &config.m_bLongReply},
        {"--nak-every", &config.m_nNakEvery},
        {"--cable-alarm-from", &config.m_nCableAlarmFrom},
        {"--log", &options.m_strLog},
        {"--log-replies", &options.m_strLogReplies},
    }};

    for (int i = 1; i < argc; ++i)
    {
        std::string_view arg = argv[i];
        std::string_view name = arg.substr(0, arg.find('='));
        auto it = std::find_if(aOptions.begin(), aOptions.end(),
                               [name](const auto& option) { return option.first == name; });
        if (it == aOptions.end())
        {
            strError = "unknown option " + std::string(arg);
            return false;
        }
        const bool bFlag = std::holds_alternative<bool*>(it->second);
        const bool bInline = name.size() != arg.size();
        std::string_view value;
        if (bFlag && bInline)
        {
            strError = std::string(name) + " takes no value";
            return false;
        }
        if (bInline)
            value = arg.substr(name.size() + 1);
        else if (!bFlag && i + 1 < argc)
            value = argv[++i];
        else if (!bFlag)
        {
            strError = std::string(name) + " needs a value";
            return false;
        }
        if (!Assign(it->second, value))
        {
            strError = "bad value for " + std::string(name) + ": " + std::string(value);
            return false;
        }
    }
    if (!IsValid(options))
    {
        strError = "option value out of range";
        return false;
    }
    return true;
}

std::filesystem::path PortsDir(const std::string& strOption)
{
    if (!strOption.empty())
        return strOption;
    if (const char* pszPorts = std::getenv("ZRV_PORTS"); pszPorts && *pszPorts)
        return pszPorts;
    std::filesystem::path config;
    if (const char* pszConfig = std::getenv("XDG_CONFIG_HOME"); pszConfig && *pszConfig)
        config = pszConfig;
    else
    {
        const char* pszHome = std::getenv("HOME");
        config = std::filesystem::path(pszHome ? pszHome : ".") / ".config";
    }
    return config / "zorvantellique" / "ports";
}

// A byte log: raw bytes appended and on disk as soon as they are written.
class CByteLog
{
public:
    CByteLog() = default;
    CByteLog(const CByteLog&) = delete;
    CByteLog& operator=(const CByteLog&) = delete;
    ~CByteLog()
    {
        if (m_nFd >= 0)
            close(m_nFd);
    }

    bool Open(const std::string& strPath)
    {
        if (strPath.empty())
            return true;
        m_nFd = open(strPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        return m_nFd >= 0;
    }

    void Append(std::string_view bytes)
    {
        while (m_nFd >= 0 && !bytes.empty())
        {
            const ssize_t nWritten = write(m_nFd, bytes.data(), bytes.size());
            if (nWritten < 0 && errno != EINTR)
                return;
            if (nWritten > 0)
                bytes.remove_prefix(static_cast<std::size_t>(nWritten));
        }
    }

private:
    int m_nFd = -1;
};

double MonotonicSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

int Fail(const std::string& strMessage)
{
    std::fprintf(stderr, "zrv-sim: %s\n", strMessage.c_str());
    return 1;
}

// Answers the program until a terminating signal. Returns the exit status.
int Serve(CPty& pty, CInstrument& instrument, int nSignalFd, bool bPace, CByteLog& log,
          CByteLog& replyLog)
{
    // After a read that found no one at the other end, wait a little instead of spinning.
    constexpr int kIdleWaitMs = 50;
    bool bIdle = false;
    std::array<char, 256> buffer{};
    for (;;)
    {
        std::array<pollfd, 2> aPoll{
            {{nSignalFd, POLLIN, 0}, {bIdle ? -1 : pty.MasterFd(), POLLIN, 0}}};
        if (poll(aPoll.data(), aPoll.size(), bIdle ? kIdleWaitMs : -1) < 0)
        {
            if (errno == EINTR)
                continue;
            return Fail(std::string("poll: ") + std::strerror(errno));
        }
        bIdle = false;

        if (aPoll[0].revents & POLLIN)
        {
            signalfd_siginfo info{};
            if (read(nSignalFd, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
            {
                if (info.ssi_signo == SIGUSR1)
                {
                    instrument.ToggleSilent();
                    std::fprintf(stderr, "zrv-sim: %s\n",
                                 instrument.IsSilent() ? "silent" : "answering");
                }
                else if (info.ssi_signo == SIGUSR2)
                {
                    instrument.ToggleCableAlarm();
                    std::fprintf(stderr, "zrv-sim: cable alarm %s\n",
                                 instrument.HasCableAlarm() ? "on" : "off");
                }
                else
                    return 0;
            }
        }

        if (aPoll[1].revents == 0)
            continue;
        const long nRead = pty.Read(buffer.data(), buffer.size());
        if (nRead < 0)
            return Fail(std::string("read: ") + std::strerror(errno));
        if (nRead == 0)
        {
            bIdle = true;
            continue;
        }
        const std::string_view received(buffer.data(), static_cast<std::size_t>(nRead));
        log.Append(received);
        const std::string strReply = instrument.Receive(received);
        if (strReply.empty())
            continue;
        if (!pty.Write(strReply, bPace))
            return Fail(std::string("write: ") + std::strerror(errno));
        replyLog.Append(strReply);
    }
}

} // namespace

int main(int argc, char** argv)
{
    CSimOptions options;
    std::string strError;
    if (!ParseOptions(argc, argv, options, strError))
    {
        std::fprintf(stderr, "zrv-sim: %s (see --help)\n", strError.c_str());
        return 2;
    }
    if (options.m_bHelp)
    {
        std::fputs(g_pszUsage, stdout);
        return 0;
    }

    // Signals arrive through a descriptor, so the loop handles them between two exchanges.
    sigset_t signals;
    sigemptyset(&signals);
    for (int nSignal : {SIGINT, SIGTERM, SIGHUP, SIGUSR1, SIGUSR2})
        sigaddset(&signals, nSignal);
    if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0)
        return Fail(std::string("sigprocmask: ") + std::strerror(errno));
    const int nSignalFd = signalfd(-1, &signals, SFD_CLOEXEC);
    if (nSignalFd < 0)
        return Fail(std::string("signalfd: ") + std::strerror(errno));

    CByteLog log;
    CByteLog replyLog;
    if (!log.Open(options.m_strLog))
        return Fail(options.m_strLog + ": " + std::strerror(errno));
    if (!replyLog.Open(options.m_strLogReplies))
        return Fail(options.m_strLogReplies + ": " + std::strerror(errno));

    CPty pty;
    if (!pty.Open(strError))
        return Fail(strError);
    CPortLink link;
    if (!link.Create(PortsDir(options.m_strPortsDir), options.m_nPort, pty.SlavePath(), strError))
        return Fail(strError);

    CInstrument instrument(options.m_config, MonotonicSeconds);
    std::printf("zrv-sim: COM%d -> %s (link %s)\n", options.m_nPort, pty.SlavePath().c_str(),
                link.Path().c_str());
    std::fflush(stdout);

    const int nStatus = Serve(pty, instrument, nSignalFd, options.m_bPace, log, replyLog);
    close(nSignalFd);
    return nStatus;
}
