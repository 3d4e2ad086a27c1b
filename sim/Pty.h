// The instrument's end of the serial line: a pseudo-terminal whose slave device the program opens
// as its COM port, and the "COMn" link in the ports directory that names it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

class CPty
{
public:
    CPty() = default;
    CPty(const CPty&) = delete;
    CPty& operator=(const CPty&) = delete;
    ~CPty();

    // Creates the pair in raw mode. On failure returns false with the reason in strError.
    bool Open(std::string& strError);

    int MasterFd() const { return m_nMaster; }
    const std::string& SlavePath() const { return m_strSlavePath; }

    // Bytes the program wrote: > 0 read, 0 nothing available right now, -1 fatal error.
    long Read(char* pBuffer, std::size_t nSize);

    // Sends bytes to the program; with bPace each byte takes its time on a 4800-baud line.
    bool Write(std::string_view bytes, bool bPace);

private:
    bool WriteAll(std::string_view bytes);

    int m_nMaster = -1;
    // Held open for the whole run so that the master never sees a hang-up when the program
    // closes its port, and so that the line settings survive between the program's opens.
    int m_nSlave = -1;
    std::string m_strSlavePath;
};

// The symbolic link "COMn" -> slave device, removed again by the destructor.
class CPortLink
{
public:
    CPortLink() = default;
    CPortLink(const CPortLink&) = delete;
    CPortLink& operator=(const CPortLink&) = delete;
    ~CPortLink();

    // Creates the directory if needed and the link, replacing an earlier link of that name.
    bool Create(const std::filesystem::path& dir, int nPort, const std::string& strTarget,
                std::string& strError);
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
    std::string m_strTarget;
};
