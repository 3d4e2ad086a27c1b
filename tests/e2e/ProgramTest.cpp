// The zorvantellique program itself, started as a user starts it.
#include "ProgramProcess.h"

#include "qt/QtProfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

TEST(ProgramTest, WithoutADisplayItSaysSoAndEnds)
{
    CProgram program(WindowlessEnvironment());
    ASSERT_TRUE(program.m_process.waitForFinished(10000));
    EXPECT_EQ(program.m_process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.m_process.exitCode(), 1);
    EXPECT_EQ(program.m_process.readAllStandardError().toStdString(),
              "zorvantellique: no display (set DISPLAY or QT_QPA_PLATFORM=offscreen)\n");
}

TEST(ProgramTest, FirstRunFindsTheInstrumentAndStoresItsPort)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--ports-dir", dir.path(), "--port", "3", "--model", "2", "--log",
                           dir.filePath("received.log")}));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ZRV_PORTS", dir.path());
    env.insert("ZRV_PROFILE", dir.filePath("Zorvantellique.ini"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LC_ALL", "de_DE.UTF-8"); // a decimal comma must not reach the line or the file
    CProgram program(env);

    // Discovery scans (no port stored yet), identifies COM3 and stores it.
    CQtProfile profile(dir.filePath("Zorvantellique.ini"));
    EXPECT_TRUE(
        program.WaitFor([&] { return profile.GetProfileInt("System", "COM Port", 0) == 3; }));

    // The scan's "V", the identification of the port found, and once the splash has had its
    // time, "C".
    auto fnReceived = [&] {
        QFile log(dir.filePath("received.log"));
        return log.open(QIODevice::ReadOnly) ? log.readAll().toStdString() : std::string();
    };
    EXPECT_TRUE(program.WaitFor([&] { return fnReceived() == "VVC"; })) << fnReceived();
    EXPECT_FALSE(program.m_process.waitForFinished(200)) << "the program goes on running";
}
