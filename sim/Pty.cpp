#include "Pty.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace
{

// 10 bits a byte (start, 8 data, stop) at 4800 baud.
constexpr std::chrono::nanoseconds kByteTime(1'000'000'000LL * 10 / 4800);

std::string ErrnoText(const char* pszWhat)
{
    return std::string(pszWhat) + ": " + std::strerror(errno);
}

} // namespace

CPty::~CPty()
{
    if (m_nSlave >= 0)
        close(m_nSlave);
    if (m_nMaster >= 0)
        close(m_nMaster);
}

bool CPty::Open(std::string& strError)
{
    m_nMaster = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_nMaster < 0)
    {
        strError = ErrnoText("posix_openpt");
        return false;
    }
    std::array<char, 128> name{};
    if (grantpt(m_nMaster) != 0 || unlockpt(m_nMaster) != 0 ||
        ptsname_r(m_nMaster, name.data(), name.size()) != 0)
    {
        strError = ErrnoText("pseudo-terminal set-up");
        return false;
    }
    m_strSlavePath = name.data();

    m_nSlave = open(m_strSlavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_nSlave < 0)
    {
        strError = ErrnoText(m_strSlavePath.c_str());
        return false;
    }
    // Raw, so that the CR ending every reply reaches the program unchanged and nothing echoes
    // the replies back to us as commands.
    termios settings{};
    if (tcgetattr(m_nSlave, &settings) != 0)
    {
        strError = ErrnoText("tcgetattr");
        return false;
    }
    cfmakeraw(&settings);
    cfsetispeed(&settings, B4800);
    cfsetospeed(&settings, B4800);
    if (tcsetattr(m_nSlave, TCSANOW, &settings) != 0)
    {
        strError = ErrnoText("tcsetattr");
        return false;
    }
    const int nFlags = fcntl(m_nMaster, F_GETFL);
    if (nFlags < 0 || fcntl(m_nMaster, F_SETFL, nFlags | O_NONBLOCK) != 0)
    {
        strError = ErrnoText("fcntl");
        return false;
    }
    return true;
}

long CPty::Read(char* pBuffer, std::size_t nSize)
{
    const ssize_t nRead = read(m_nMaster, pBuffer, nSize);
    if (nRead > 0)
        return static_cast<long>(nRead);
    // EIO comes while no one holds the slave open; the caller waits a little and tries again.
    if (nRead == 0 || errno == EAGAIN || errno == EINTR || errno == EIO)
        return 0;
    return -1;
}

bool CPty::Write(std::string_view bytes, bool bPace)
{
    if (!bPace)
        return WriteAll(bytes);
    auto next = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < bytes.size(); ++i)
    {
        if (!WriteAll(bytes.substr(i, 1)))
            return false;
        next += kByteTime;
        std::this_thread::sleep_until(next);
    }
    return true;
}

bool CPty::WriteAll(std::string_view bytes)
{
    bool bFlushed = false;
    while (!bytes.empty())
    {
        const ssize_t nWritten = write(m_nMaster, bytes.data(), bytes.size());
        if (nWritten > 0)
        {
            bytes.remove_prefix(static_cast<std::size_t>(nWritten));
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN)
            return false;
        if (bFlushed)
            return true; // still full: this reply is lost, as on a line no one listens to
        // The port's input is full because no one reads it (a program that sent commands and
        // closed the port): drop those stale replies rather than block.
        tcflush(m_nSlave, TCIFLUSH);
        bFlushed = true;
    }
    return true;
}

CPortLink::~CPortLink()
{
    if (m_path.empty())
        return;
    // Leave the link alone if another instrument has taken the name over since.
    std::error_code ec;
    if (std::filesystem::read_symlink(m_path, ec) == m_strTarget && !ec)
        std::filesystem::remove(m_path, ec);
}

bool CPortLink::Create(const std::filesystem::path& dir, int nPort, const std::string& strTarget,
                       std::string& strError)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec)
    {
        strError = dir.string() + ": " + ec.message();
        return false;
    }
    const std::string strName = "COM" + std::to_string(nPort);
    const fs::path path = dir / strName;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (fs::exists(status) && !fs::is_symlink(status))
    {
        strError = path.string() + " exists and is not a symbolic link";
        return false;
    }
    // Made under a temporary name and renamed over the old one, so the name never dangles.
    const fs::path temporary = dir / ("." + strName + "." + std::to_string(getpid()));
    fs::remove(temporary, ec);
    fs::create_symlink(strTarget, temporary, ec);
    if (!ec)
        fs::rename(temporary, path, ec);
    if (ec)
    {
        strError = path.string() + ": " + ec.message();
        fs::remove(temporary, ec);
        return false;
    }
    m_path = path;
    m_strTarget = strTarget;
    return true;
}
