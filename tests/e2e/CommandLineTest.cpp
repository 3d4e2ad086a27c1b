// zorvantellique --export, --help and --version run as processes the way a script runs them:
// no display, no platform chosen.
#include "ProgramProcess.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

class CommandLineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_strTest = Write(QStringLiteral("run.ZRV"), "ZRV\r\nUnits= English\r\nCd Area = "
                                                     "1.000000 sq.in.\r\nComment Text=\r\n[\r\n"
                                                     "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n]"
                                                     "\r\nWind, Lift, Drag=\r\n[\r\n"
                                                     "+0, +0.000000, +0.000000\r\n"
                                                     "+10, +0.100000, +0.050000\r\n"
                                                     "+20.5, +0.300000, +0.120000\r\n]\r\n");
    }
    QString Write(const QString& strName, const QByteArray& strBytes)
    {
        QFile file(m_dir.filePath(strName));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(strBytes);
        return file.fileName();
    }
    QString PathOf(const QString& strName) const { return m_dir.filePath(strName); }
    // Runs the program without any display, in a locale with a decimal comma.
    static CProgramRun Run(const QStringList& astrArgs)
    {
        QProcessEnvironment env = WindowlessEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8")); // "12,5" locally
        return RunProgram(astrArgs, env, 30000);
    }

    QTemporaryDir m_dir;
    QString m_strTest;
};

} // namespace

TEST_F(CommandLineTest, ExportsEachFormatWithoutADisplay)
{
    const struct
    {
        const char* m_pszOut;
        QByteArray m_strStart;
    } aCases[] = {
        {"run.csv", "wind_mph,lift_lbs,drag_lbs,cd,l_d\r\n0.0,0.000000,0.000000,0.0000,0.0000\r\n"
                    "10.0,0.100000,0.050000,"},
        {"run.png", "\x89PNG\r\n"},
        {"run.svg", "<?xml"},
        {"run.pdf", "%PDF-"},
    };
    for (const auto& test : aCases)
    {
        const QString strOut = PathOf(QString::fromLatin1(test.m_pszOut));
        CProgramRun run = Run({QStringLiteral("--export"), strOut, m_strTest});
        EXPECT_EQ(run.m_nExit, 0) << test.m_pszOut << " " << run.m_strErr.toStdString();
        EXPECT_EQ(run.m_strErr, "");
        QFile out(strOut);
        ASSERT_TRUE(out.open(QIODevice::ReadOnly)) << test.m_pszOut;
        EXPECT_TRUE(out.readAll().startsWith(test.m_strStart)) << test.m_pszOut;
    }
    CProgramRun run =
        Run({QStringLiteral("--export"), PathOf(QStringLiteral("small.png")),
             QStringLiteral("--size"), QStringLiteral("320x200"), QStringLiteral("--overlay"),
             m_strTest, QStringLiteral("--curves"), QStringLiteral("lift,cd"),
             QStringLiteral("--scale"), QStringLiteral("wind=3,cd=2"), m_strTest});
    EXPECT_EQ(run.m_nExit, 0) << run.m_strErr.toStdString();
    EXPECT_EQ(QImage(PathOf(QStringLiteral("small.png"))).size(), QSize(320, 200));
}

TEST_F(CommandLineTest, FailuresSayWhatAndLeaveNoOutput)
{
    Write(QStringLiteral("notes.ZRV"), "Wind tunnel notes\r\n");
    const QString strKept = Write(QStringLiteral("kept.csv"), "kept");
    const struct
    {
        QString m_strOut;
        QString m_strTest;
        QString m_strLine;
    } aCases[] = {
        {PathOf("a.csv"), PathOf("none.ZRV"), PathOf("none.ZRV") + ": not found"},
        {PathOf("a.png"), PathOf("notes.ZRV"), PathOf("notes.ZRV") + ": not a test file"},
        {PathOf("a.jpg"), m_strTest, PathOf("a.jpg") + ": unknown format"},
        {PathOf("no/a.svg"), m_strTest, PathOf("no/a.svg") + ": cannot write"},
        {strKept, PathOf("none.ZRV"), PathOf("none.ZRV") + ": not found"},
    };
    for (const auto& test : aCases)
    {
        CProgramRun run = Run({QStringLiteral("--export"), test.m_strOut, test.m_strTest});
        EXPECT_EQ(run.m_nExit, 1) << test.m_strLine.toStdString();
        EXPECT_EQ(QString::fromLocal8Bit(run.m_strErr), "zorvantellique: " + test.m_strLine + "\n");
        EXPECT_EQ(run.m_strOut, "");
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files),
              (QStringList{"kept.csv", "notes.ZRV", "run.ZRV"}));
    QFile kept(strKept);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "kept");
}

TEST_F(CommandLineTest, HelpVersionAndUsageErrors)
{
    CProgramRun run = Run({QStringLiteral("--version")});
    EXPECT_EQ(run.m_nExit, 0);
    EXPECT_EQ(run.m_strOut, "Zorvantellique 4.01\n");
    run = Run({QStringLiteral("--help")});
    EXPECT_EQ(run.m_nExit, 0);
    for (const char* pszOption :
         {"--export <OUT>", "--size", "--overlay", "--curves", "--scale", "--version", "FILE.ZRV"})
        EXPECT_TRUE(run.m_strOut.contains(pszOption)) << pszOption;
    run = Run({QStringLiteral("--export"), PathOf("a.png"), QStringLiteral("--size"),
               QStringLiteral("big"), m_strTest});
    EXPECT_EQ(run.m_nExit, 1);
    EXPECT_EQ(run.m_strErr,
              "zorvantellique: --size big: not WIDTHxHEIGHT with each side 16 to 8000 pixels\n");
    run = Run({QStringLiteral("--frobnicate")});
    EXPECT_EQ(run.m_nExit, 1);
    EXPECT_EQ(run.m_strErr.count('\n'), 1);
    EXPECT_FALSE(QFile::exists(PathOf("a.png")));
}
