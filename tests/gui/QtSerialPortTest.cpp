#include "qt/QtSerialPort.h"
#include "qt/QtSerialLayer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <filesystem>
#include <gtest/gtest.h>
#include <pty.h>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace
{
// The port's time-outs as the serial link sets them: 200 ms for one byte.
constexpr CCommTimeouts kLinkTimeouts{100, 100, 100, 100, 100};

// A raw pseudo-terminal: the test plays the instrument on the master, the port under test
// opens the slave. The test keeps its own slave descriptor open to watch the input queue.
class QtSerialPortTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char achName[64] = {};
        ASSERT_EQ(openpty(&m_nMaster, &m_nSlave, achName, nullptr, nullptr), 0);
        termios tio{};
        tcgetattr(m_nSlave, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_nSlave, TCSANOW, &tio);
        m_strSlave = achName;
        m_pPort = std::make_unique<CQtSerialPort>(QString::fromStdString(m_strSlave));
        ASSERT_TRUE(m_pPort->IsOpen());
        ASSERT_TRUE(m_pPort->SetCommTimeouts(kLinkTimeouts));
    }
    void TearDown() override
    {
        m_pPort.reset();
        if (m_nMaster >= 0)
            close(m_nMaster);
        close(m_nSlave);
    }

    // The instrument sends, and the bytes are waited for until they sit in the slave's queue
    // (a pseudo-terminal hands them over asynchronously).
    void Send(const std::string& strBytes)
    {
        ASSERT_EQ(write(m_nMaster, strBytes.data(), strBytes.size()),
                  static_cast<ssize_t>(strBytes.size()));
        QElapsedTimer timer;
        timer.start();
        int nQueued = 0;
        while (ioctl(m_nSlave, FIONREAD, &nQueued) == 0 &&
               nQueued < static_cast<int>(strBytes.size()) && timer.elapsed() < 5000)
            QThread::msleep(1);
        ASSERT_GE(nQueued, static_cast<int>(strBytes.size()));
    }
    // What the program wrote, as far as it is there.
    std::string Received()
    {
        char achBuffer[256];
        ssize_t nRead = read(m_nMaster, achBuffer, sizeof achBuffer);
        return nRead > 0 ? std::string(achBuffer, nRead) : std::string();
    }
    // Reads one byte; '\0' stands for "no byte".
    char Read()
    {
        char ch = '\0';
        unsigned nRead = 99;
        EXPECT_TRUE(m_pPort->ReadByte(ch, nRead));
        EXPECT_LE(nRead, 1u);
        return nRead == 1 ? ch : '\0';
    }

    int m_nMaster = -1;
    int m_nSlave = -1;
    std::string m_strSlave;
    std::unique_ptr<CQtSerialPort> m_pPort;
};
} // namespace

TEST_F(QtSerialPortTest, BusyPortDoesNotOpenTwice)
{
    EXPECT_FALSE(CQtSerialPort(QString::fromStdString(m_strSlave)).IsOpen());
    m_pPort.reset();
    EXPECT_TRUE(CQtSerialPort(QString::fromStdString(m_strSlave)).IsOpen()) << "free again";
}

TEST_F(QtSerialPortTest, LineSettingsReachTheDevice)
{
    CLineSettings settings;
    ASSERT_TRUE(m_pPort->GetCommState(settings));
    settings.m_nBaudRate = 4800;
    settings.m_nByteSize = 8;
    settings.m_nParity = 0;
    settings.m_nStopBits = 0;
    ASSERT_TRUE(m_pPort->SetCommState(settings));

    CLineSettings readBack;
    ASSERT_TRUE(m_pPort->GetCommState(readBack));
    EXPECT_EQ(readBack.m_nBaudRate, 4800u);
    EXPECT_EQ(readBack.m_nByteSize, 8);
    EXPECT_EQ(readBack.m_nParity, 0);
    EXPECT_EQ(readBack.m_nStopBits, 0);
    termios tio{};
    ASSERT_EQ(tcgetattr(m_nSlave, &tio), 0);
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B4800));
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB), 0u);
}

TEST_F(QtSerialPortTest, ImpossibleLineSettingsAreRefused)
{
    const CLineSettings aBad[] = {
        {4800, 9, 0, 0}, {4800, 4, 0, 0}, {4800, 8, 5, 0}, {4800, 8, 0, 3}, {0, 8, 0, 0}};
    for (const CLineSettings& settings : aBad)
        EXPECT_FALSE(m_pPort->SetCommState(settings))
            << settings.m_nBaudRate << ' ' << int(settings.m_nByteSize) << ' '
            << int(settings.m_nParity) << ' ' << int(settings.m_nStopBits);
}

TEST_F(QtSerialPortTest, WritesAndReadsBytes)
{
    ASSERT_TRUE(m_pPort->Write("W105\r", 5));
    EXPECT_EQ(Received(), "W105\r");
    Send("Zo\r");
    EXPECT_EQ(Read(), 'Z');
    EXPECT_EQ(Read(), 'o');
    EXPECT_EQ(Read(), '\r');
}

TEST_F(QtSerialPortTest, BufferedByteIsReturnedWithoutNewData)
{
    // The first read takes both bytes from the driver; the second must come from the buffer,
    // not from a wait for data that will never come.
    Send("AB");
    EXPECT_EQ(Read(), 'A');
    EXPECT_EQ(Read(), 'B');
    EXPECT_EQ(Read(), '\0');
}

TEST_F(QtSerialPortTest, ReadWithNothingToReadTimesOutWithNoByte)
{
    EXPECT_EQ(Read(), '\0');
    Send("x"); // the port still works afterwards
    EXPECT_EQ(Read(), 'x');
}

TEST_F(QtSerialPortTest, PurgeDropsPendingInputWhereverItWaits)
{
    Send("stale");
    EXPECT_EQ(Read(), 's'); // the rest now waits in the port's own buffer
    Send("more");           // and this in the driver's
    ASSERT_TRUE(m_pPort->PurgeInput());
    EXPECT_EQ(Read(), '\0');
    Send("\r");
    EXPECT_EQ(Read(), '\r');
}

TEST_F(QtSerialPortTest, ClosedOtherEndIsAReadError)
{
    close(m_nMaster);
    m_nMaster = -1;
    char ch = 0;
    unsigned nRead = 0;
    EXPECT_FALSE(m_pPort->ReadByte(ch, nRead));
    EXPECT_EQ(nRead, 0u);
}

namespace
{
// A private ports directory ($ZRV_PORTS) whose COM3 links to a pseudo-terminal.
class QtSerialLayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_ports = m_dir.path().toStdString();
        char achName[64] = {};
        ASSERT_EQ(openpty(&m_nMaster, &m_nSlave, achName, nullptr, nullptr), 0);
        m_strTerminal = achName;
        std::filesystem::create_symlink(m_strTerminal, m_ports / "COM3");
        m_strOldPorts = qgetenv("ZRV_PORTS");
        qputenv("ZRV_PORTS", m_dir.path().toLocal8Bit());
    }
    void TearDown() override
    {
        qputenv("ZRV_PORTS", m_strOldPorts);
        close(m_nMaster);
        close(m_nSlave);
    }

    QTemporaryDir m_dir;
    std::filesystem::path m_ports;
    std::string m_strTerminal;
    QByteArray m_strOldPorts;
    int m_nMaster = -1;
    int m_nSlave = -1;
};
} // namespace

TEST_F(QtSerialLayerTest, OpensComNamesThroughThePortsDirectory)
{
    CQtSerialLayer layer;
    std::unique_ptr<ISerialPort> pPort = layer.Open("COM3:");
    EXPECT_NE(pPort, nullptr);
    EXPECT_EQ(layer.Open("COM4:"), nullptr);
    EXPECT_EQ(layer.Open("COMx"), nullptr);
    EXPECT_EQ(CQtSerialPort(m_dir.filePath("nothing")).IsOpen(), false);
}

TEST_F(QtSerialLayerTest, SaysWhyANameDidNotOpen)
{
    std::filesystem::create_symlink(m_ports / "unplugged", m_ports / "COM4");
    std::filesystem::create_directory(m_ports / "notaport");
    std::filesystem::create_symlink(m_ports / "notaport", m_ports / "COM7");

    CQtSerialLayer layer;
    std::unique_ptr<ISerialPort> pHolder = layer.Open("COM3:");
    ASSERT_NE(pHolder, nullptr);
    EXPECT_EQ(layer.LastOpenFault().m_eFault, EPortFault::None);
    const struct
    {
        const char* pszName;
        EPortFault eFault;
        std::string strDevice;
    } aCases[] = {
        {"COM3:", EPortFault::Busy, m_strTerminal}, // held by the port opened above
        {"COM4:", EPortFault::Missing, (m_ports / "unplugged").string()},
        {"COM5:", EPortFault::None, ""}, // no such name: nothing to explain
        {"COM7:", EPortFault::Other, (m_ports / "notaport").string()},
    };
    for (const auto& c : aCases)
    {
        EXPECT_EQ(layer.Open(c.pszName), nullptr) << c.pszName;
        const CPortFault fault = layer.LastOpenFault();
        EXPECT_EQ(fault.m_eFault, c.eFault) << c.pszName;
        EXPECT_EQ(fault.m_strDevice, c.strDevice) << c.pszName;
        if (c.eFault != EPortFault::None)
        {
            EXPECT_EQ(fault.m_strName + ":", c.pszName);
        }
    }
    EXPECT_FALSE(layer.LastOpenFault().m_strDetail.empty()) << "the system's words for Other";
    pHolder.reset();
    EXPECT_NE(layer.Open("COM3:"), nullptr) << "free again";
    EXPECT_EQ(layer.LastOpenFault().m_eFault, EPortFault::None);
}
