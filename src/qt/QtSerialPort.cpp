#include "qt/QtSerialPort.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <climits>

namespace
{
// Milliseconds for a transfer of nBytes: nBytes * multiplier + constant, as an int for Qt.
// A total of 0 means one look at the line without waiting.
int TransferTime(uint32_t nMultiplier, uint32_t nConstant, size_t nBytes)
{
    const unsigned long long nTotal =
        static_cast<unsigned long long>(nMultiplier) * nBytes + nConstant;
    return static_cast<int>(std::min<unsigned long long>(nTotal, INT_MAX));
}

// Parity and stop bits in the classic encoding of CLineSettings.
constexpr QSerialPort::Parity kaParity[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                            QSerialPort::EvenParity, QSerialPort::MarkParity,
                                            QSerialPort::SpaceParity};
constexpr QSerialPort::StopBits kaStopBits[] = {QSerialPort::OneStop, QSerialPort::OneAndHalfStop,
                                                QSerialPort::TwoStop};

template <typename T, size_t N>
int IndexOf(const T (&aValues)[N], T value)
{
    auto it = std::find(std::begin(aValues), std::end(aValues), value);
    return it != std::end(aValues) ? static_cast<int>(it - std::begin(aValues)) : -1;
}
} // namespace

CQtSerialPort::CQtSerialPort(const QString& strDevice, std::function<void()> fnLost)
    : m_fnLost(std::move(fnLost))
{
    m_port.setPortName(strDevice);
    m_port.open(QIODevice::ReadWrite);
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError eError) { OnError(eError); });
}

void CQtSerialPort::OnError(QSerialPort::SerialPortError eError)
{
    // A call's own errors are its result. Between calls, a device that went away keeps the
    // port's notifier firing (a hung-up terminal is always readable): the port is closed,
    // which stops the watching, once QSerialPort has finished with the notification.
    if (m_bInCall || eError == QSerialPort::NoError || eError == QSerialPort::TimeoutError)
        return;
    QMetaObject::invokeMethod(
        &m_port,
        [this] {
            if (!m_port.isOpen())
                return;
            m_port.close();
            if (m_fnLost)
                m_fnLost();
        },
        Qt::QueuedConnection);
}

bool CQtSerialPort::GetCommState(CLineSettings& settings)
{
    const int nParity = IndexOf(kaParity, m_port.parity());
    const int nStopBits = IndexOf(kaStopBits, m_port.stopBits());
    if (!m_port.isOpen() || nParity < 0 || nStopBits < 0)
        return false;
    settings.m_nBaudRate = static_cast<uint32_t>(m_port.baudRate());
    settings.m_nByteSize = static_cast<uint8_t>(m_port.dataBits());
    settings.m_nParity = static_cast<uint8_t>(nParity);
    settings.m_nStopBits = static_cast<uint8_t>(nStopBits);
    return true;
}

bool CQtSerialPort::SetCommState(const CLineSettings& settings)
{
    CCallScope scope(m_bInCall);
    if (!m_port.isOpen() || settings.m_nBaudRate == 0 || settings.m_nBaudRate > INT_MAX ||
        settings.m_nByteSize < 5 || settings.m_nByteSize > 8 ||
        settings.m_nParity >= std::size(kaParity) || settings.m_nStopBits >= std::size(kaStopBits))
        return false;
    return m_port.setBaudRate(static_cast<qint32>(settings.m_nBaudRate)) &&
           m_port.setDataBits(static_cast<QSerialPort::DataBits>(settings.m_nByteSize)) &&
           m_port.setParity(kaParity[settings.m_nParity]) &&
           m_port.setStopBits(kaStopBits[settings.m_nStopBits]);
}

bool CQtSerialPort::SetCommTimeouts(const CCommTimeouts& timeouts)
{
    m_timeouts = timeouts;
    return m_port.isOpen();
}

bool CQtSerialPort::PurgeInput()
{
    CCallScope scope(m_bInCall);
    // Drops both what QSerialPort has buffered and what the driver holds.
    return m_port.isOpen() && m_port.clear(QSerialPort::Input);
}

bool CQtSerialPort::Write(const char* pData, size_t nLength)
{
    CCallScope scope(m_bInCall);
    if (!m_port.isOpen() ||
        m_port.write(pData, static_cast<qint64>(nLength)) != static_cast<qint64>(nLength))
        return false;
    QDeadlineTimer deadline(TransferTime(m_timeouts.m_nWriteTotalMultiplier,
                                         m_timeouts.m_nWriteTotalConstant, nLength));
    while (m_port.bytesToWrite() > 0)
    {
        if (!m_port.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            return false;
    }
    return true;
}

bool CQtSerialPort::ReadByte(char& ch, unsigned& nRead)
{
    CCallScope scope(m_bInCall);
    nRead = 0;
    if (!m_port.isOpen())
        return false;
    QDeadlineTimer deadline(
        TransferTime(m_timeouts.m_nReadTotalMultiplier, m_timeouts.m_nReadTotalConstant, 1));
    // Bytes QSerialPort has already taken from the driver are not announced again, so they
    // are served before any wait.
    while (m_port.bytesAvailable() == 0)
    {
        if (!m_port.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
        {
            if (m_port.error() != QSerialPort::TimeoutError)
                return false; // the device is gone: adapter unplugged, terminal closed
            m_port.clearError();
            return true;
        }
    }
    if (m_port.read(&ch, 1) != 1)
        return false;
    nRead = 1;
    return true;
}
