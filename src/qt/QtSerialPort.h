#pragma once

#include "platform/SerialPort.h"

#include <QSerialPort>
#include <functional>

// A serial device opened through QSerialPort: the instrument's USB adapter or, under test and
// with zrv-sim, a pseudo-terminal.
class CQtSerialPort : public ISerialPort
{
public:
    // Opens the device read/write and exclusively; IsOpen tells whether that worked. When the
    // device goes away between calls, the port closes and fnLost runs (see ISerialLayer).
    explicit CQtSerialPort(const QString& strDevice, std::function<void()> fnLost = {});
    bool IsOpen() const { return m_port.isOpen(); }
    // Why the open failed (QSerialPort::NoError when it did not).
    QSerialPort::SerialPortError Error() const { return m_port.error(); }
    QString ErrorString() const { return m_port.errorString(); }

    bool GetCommState(CLineSettings& settings) override;
    bool SetCommState(const CLineSettings& settings) override;
    bool SetCommTimeouts(const CCommTimeouts& timeouts) override;
    bool PurgeInput() override;
    bool Write(const char* pData, size_t nLength) override;
    bool ReadByte(char& ch, unsigned& nRead) override;

private:
    // Marks the time inside one of the calls above: errors found then are the call's own.
    class CCallScope
    {
    public:
        explicit CCallScope(bool& bInCall) : m_bInCall(bInCall) { m_bInCall = true; }
        ~CCallScope() { m_bInCall = false; }
        CCallScope(const CCallScope&) = delete;
        CCallScope& operator=(const CCallScope&) = delete;

    private:
        bool& m_bInCall;
    };
    void OnError(QSerialPort::SerialPortError eError);

    QSerialPort m_port;
    CCommTimeouts m_timeouts;
    std::function<void()> m_fnLost;
    bool m_bInCall = false;
};
