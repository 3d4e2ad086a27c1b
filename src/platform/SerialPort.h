#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// Line settings of a serial port. Parity and stop bits use the classic encoding:
// parity 0 none, 1 odd, 2 even; stop bits 0 one, 1 one and a half, 2 two.
struct CLineSettings
{
    uint32_t m_nBaudRate = 0;
    uint8_t m_nByteSize = 8;
    uint8_t m_nParity = 0;
    uint8_t m_nStopBits = 0;
};

// Read and write time-outs in milliseconds. A read of n bytes waits at most
// n * m_nReadTotalMultiplier + m_nReadTotalConstant.
struct CCommTimeouts
{
    uint32_t m_nReadInterval = 0;
    uint32_t m_nReadTotalMultiplier = 0;
    uint32_t m_nReadTotalConstant = 0;
    uint32_t m_nWriteTotalMultiplier = 0;
    uint32_t m_nWriteTotalConstant = 0;
};

// One open serial port. Every call blocks the calling thread.
class ISerialPort
{
public:
    virtual ~ISerialPort() = default;
    virtual bool GetCommState(CLineSettings& settings) = 0;
    virtual bool SetCommState(const CLineSettings& settings) = 0;
    virtual bool SetCommTimeouts(const CCommTimeouts& timeouts) = 0;
    // Discards input received but not yet read.
    virtual bool PurgeInput() = 0;
    virtual bool Write(const char* pData, size_t nLength) = 0;
    // Reads at most one byte, waiting at most the read time-out for it. Returns false on a
    // read error; otherwise true with nRead 1 (byte stored in ch) or 0 (time-out).
    virtual bool ReadByte(char& ch, unsigned& nRead) = 0;
};

// Why a port did not open. The first four are the reasons a user can act on; Other carries the
// system's own words in m_strDetail.
enum class EPortFault
{
    None,
    PermissionDenied,
    Busy,
    Missing, // the device is gone, or a ports-directory link points nowhere
    Other,
};

struct CPortFault
{
    std::string m_strName;   // "COM3"
    std::string m_strDevice; // the device the name led to, or the target of a dangling link
    EPortFault m_eFault = EPortFault::None;
    std::string m_strDetail;
};

// Opens ports by their name, "COM3:" for the third port.
class ISerialLayer
{
public:
    virtual ~ISerialLayer() = default;
    // Null when the port does not exist, is busy or cannot be opened.
    virtual std::unique_ptr<ISerialPort> Open(const std::string& strName) = 0;
    // Why the last Open returned null; EPortFault::None when the name led to no device or the
    // reason is not known.
    virtual CPortFault LastOpenFault() const { return {}; }

    // Called between messages, never inside a port's call, when the device of a port opened
    // after it was set went away while nobody was talking to it (adapter unplugged, terminal
    // closed). The port is closed by then: its calls fail until it is opened again.
    std::function<void()> m_fnDeviceLost;
};
