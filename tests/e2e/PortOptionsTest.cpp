// The port options of the zorvantellique program: they run without a display, as a user whose
// rights are those of an ordinary account.
#include "ProgramProcess.h"
#include "SimProcess.h"

#include "qt/QtSerialPort.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{
// A ports directory of its own; the program run on it with no display at all.
class PortOptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_ports = QDir(m_dir.path()).filePath("ports");
        ASSERT_TRUE(QDir().mkpath(m_ports));
        // Readable by everyone, so that an ordinary account can look into it.
        const auto nOpen = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                           QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(m_dir.path(), nOpen);
        QFile::setPermissions(m_ports, nOpen);
    }

    // The program with the arguments. As root it runs as the account "nobody", for whom file
    // permissions really apply.
    CProgramRun Run(const QStringList& astrArgs) const
    {
        QProcessEnvironment env = WindowlessEnvironment();
        env.insert("ZRV_PORTS", m_ports);
        const QStringList astrNobody{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        return RunProgram(astrArgs, env, 20000, ::geteuid() == 0 ? astrNobody : QStringList());
    }

    // Starts an instrument on COMn whose terminal everyone may open.
    QString StartSim(CSimProcess& sim, int nPort)
    {
        const QString strPort = QString::number(nPort);
        EXPECT_TRUE(sim.Start({"--ports-dir", m_ports, "--port", strPort, "--lag", "0"}));
        const QString strDevice = QFile::symLinkTarget(Entry(nPort));
        // Terminal numbers come round again: a program killed by an earlier test may have left
        // its lock on this one, which only its owner may clear.
        QLockFile lock("/var/lock/LCK.." + strDevice.mid(5).replace('/', '_'));
        if (lock.tryLock(0))
            lock.unlock();
        QFile::setPermissions(strDevice, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                             QFile::WriteOther);
        return strDevice;
    }
    QString Entry(int nPort) const
    {
        return QDir(m_ports).filePath("COM" + QString::number(nPort));
    }

    QTemporaryDir m_dir;
    QString m_ports;
};

TEST_F(PortOptionsTest, ListSaysForEachPortWhetherItOpensAndWhyNot)
{
    CSimProcess sim;
    CSimProcess busySim;
    const QString strSim = StartSim(sim, 3);
    const QString strBusy = StartSim(busySim, 6);
    // Held open, exclusively, by another program.
    CQtSerialPort holder(strBusy);
    ASSERT_TRUE(holder.IsOpen());
    ASSERT_TRUE(QFile::link("/dev/ttyUSB-unplugged", Entry(4)));
    const QString strNoAccess = QDir(m_dir.path()).filePath("ttyNoAccess");
    {
        QFile file(strNoAccess);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(strNoAccess, QFile::Permissions());
    ASSERT_TRUE(QFile::link(strNoAccess, Entry(5)));

    const CProgramRun result = Run({"--list-ports"});
    EXPECT_EQ(result.m_nExit, 0) << result.m_strErr.toStdString();
    const QList<QByteArray> astrLines = result.m_strOut.split('\n');
    ASSERT_GE(astrLines.size(), 4) << result.m_strOut.toStdString();
    const QString astrExpected[] = {
        "COM3  " + strSim + "  -  -  -  -  ok",
        "COM4  /dev/ttyUSB-unplugged  -  -  -  -  missing",
        "COM5  " + strNoAccess + "  -  -  -  -  permission denied",
        "COM6  " + strBusy + "  -  -  -  -  busy",
    };
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(astrLines[i].toStdString(), astrExpected[i].toStdString());
    // The system's own ports follow, without a COM name: $ZRV_PORTS is set.
    for (qsizetype i = 4; i + 1 < astrLines.size(); ++i)
        EXPECT_TRUE(astrLines[i].startsWith("-  /dev/tty")) << astrLines[i].toStdString();
    EXPECT_TRUE(result.m_strErr.isEmpty()) << result.m_strErr.toStdString();
}

TEST_F(PortOptionsTest, LinkReplacesAndUnlinkRemovesThePortName)
{
    const QString strFirst = QDir(m_dir.path()).filePath("ttyFirst");
    const QString strSecond = QDir(m_dir.path()).filePath("ttySecond");
    for (const QString& strDevice : {strFirst, strSecond})
    {
        QFile file(strDevice);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(m_ports, QFile::Permissions(0x7777)); // nobody writes here

    CProgramRun result = Run({"--link-port", "COM7", strFirst});
    EXPECT_EQ(result.m_nExit, 0) << result.m_strErr.toStdString();
    EXPECT_EQ(result.m_strOut.toStdString(), ("COM7 -> " + strFirst + "\n").toStdString());
    EXPECT_EQ(QFile::symLinkTarget(Entry(7)), strFirst);

    result = Run({"--link-port", "COM7", strSecond});
    EXPECT_EQ(result.m_nExit, 0);
    EXPECT_EQ(QFile::symLinkTarget(Entry(7)), strSecond) << "an old link is replaced";
    EXPECT_EQ(QDir(m_ports).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"COM7"});

    result = Run({"--unlink-port", "COM7"});
    EXPECT_EQ(result.m_nExit, 0);
    EXPECT_EQ(result.m_strOut.toStdString(), "COM7 removed\n");
    EXPECT_FALSE(QFileInfo(Entry(7)).isSymLink());
}

TEST_F(PortOptionsTest, MistakesSayWhatIsWrongAndChangeNothing)
{
    QFile::setPermissions(m_ports, QFile::Permissions(0x7777));
    const std::string strPorts = m_ports.toStdString();
    const struct
    {
        QStringList astrArgs;
        std::string strError;
    } aCases[] = {
        {{"--link-port", "COM0", "/dev/null"},
         "zorvantellique: COM0: not a port name (COM1 to COM99)\n"},
        {{"--link-port", "LPT1", "/dev/null"},
         "zorvantellique: LPT1: not a port name (COM1 to COM99)\n"},
        {{"--link-port", "COM100", "/dev/null"},
         "zorvantellique: COM100: not a port name (COM1 to COM99)\n"},
        {{"--link-port", "COM2", "/dev/ttyUSB-unplugged"},
         "zorvantellique: /dev/ttyUSB-unplugged: no such device\n"},
        {{"--link-port", "COM2"}, "zorvantellique: --link-port COMn DEVICE: give one device\n"},
        {{"--unlink-port", "COM2"}, "zorvantellique: " + strPorts + "/COM2: no such port link\n"},
    };
    for (const auto& c : aCases)
    {
        const CProgramRun result = Run(c.astrArgs);
        EXPECT_EQ(result.m_nExit, 1) << c.strError;
        EXPECT_EQ(result.m_strErr.toStdString(), c.strError);
        EXPECT_TRUE(result.m_strOut.isEmpty());
    }
    EXPECT_TRUE(QDir(m_ports).isEmpty(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot));
}
} // namespace
