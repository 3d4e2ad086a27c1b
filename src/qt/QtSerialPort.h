#pragma once

#include "platform/SerialPort.h"

#include <QSerialPort>

// A serial device opened through QSerialPort: the instrument's USB adapter or, under test and
// with zrv-sim, a pseudo-terminal.
class CQtSerialPort : public ISerialPort
{
public:
    // Opens the device read/write and exclusively; IsOpen tells whether that worked.
    explicit CQtSerialPort(const QString& strDevice);
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
    QSerialPort m_port;
    CCommTimeouts m_timeouts;
};
