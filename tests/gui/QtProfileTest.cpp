#include "qt/QtProfile.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace
{
class QtProfileTest : public ::testing::Test
{
protected:
    QString Path(const QString& strName = QStringLiteral("Zorvantellique.ini")) const
    {
        return m_dir.filePath(strName);
    }
    void WriteFile(const QByteArray& data) const
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    QByteArray ReadFile() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

struct CSystemKey
{
    const char* m_pszEntry;
    int m_nDefault;
    int m_nStored;
};
constexpr CSystemKey kaSystemKeys[] = {
    {"Units", 1, 0},
    {"Max Speed", 80, 62},
    {"Absolute Max Speed", 80, 120},
    {"COM Port", 0, 12},
};
} // namespace

TEST_F(QtProfileTest, MissingFileGivesDefaults)
{
    CQtProfile profile(Path());
    for (const CSystemKey& key : kaSystemKeys)
        EXPECT_EQ(profile.GetProfileInt("System", key.m_pszEntry, key.m_nDefault), key.m_nDefault)
            << key.m_pszEntry;
    EXPECT_FALSE(QFile::exists(Path())) << "reading must not create the file";
}

TEST_F(QtProfileTest, SystemKeysSurviveAFreshProfile)
{
    {
        CQtProfile profile(Path());
        for (const CSystemKey& key : kaSystemKeys)
            EXPECT_TRUE(profile.WriteProfileInt("System", key.m_pszEntry, key.m_nStored));
    }
    CQtProfile profile(Path());
    for (const CSystemKey& key : kaSystemKeys)
        EXPECT_EQ(profile.GetProfileInt("System", key.m_pszEntry, key.m_nDefault), key.m_nStored)
            << key.m_pszEntry;
}

TEST_F(QtProfileTest, IntegersAreStoredAsDecimalTextAtOnce)
{
    CQtProfile profile(Path());
    ASSERT_TRUE(profile.WriteProfileInt("System", "COM Port", -7));
    // On disk before the profile object goes away.
    EXPECT_EQ(ReadFile(), QByteArray("[System]\nCOM%20Port=-7\n"));
}

TEST_F(QtProfileTest, GermanLocaleChangesNothing)
{
    const std::string strOldLocale = setlocale(LC_ALL, nullptr);
    ASSERT_NE(setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    const QLocale oldDefault;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CQtProfile profile(Path());
    ASSERT_TRUE(profile.WriteProfileInt("System", "Max Speed", 1234567));
    EXPECT_EQ(profile.GetProfileInt("System", "Max Speed", 80), 1234567);
    EXPECT_EQ(ReadFile(), QByteArray("[System]\nMax%20Speed=1234567\n"));
    QLocale::setDefault(oldDefault);
    setlocale(LC_ALL, strOldLocale.c_str());
}

TEST_F(QtProfileTest, HandWrittenKeysReadInEitherSpelling)
{
    WriteFile("[System]\nMax Speed=60\nAbsolute%20Max%20Speed = 120\nUnits=0\n");
    CQtProfile profile(Path());
    EXPECT_EQ(profile.GetProfileInt("System", "Max Speed", 80), 60);
    EXPECT_EQ(profile.GetProfileInt("System", "Absolute Max Speed", 80), 120);
    EXPECT_EQ(profile.GetProfileInt("System", "Units", 1), 0);
    // Writing another key keeps what was there.
    ASSERT_TRUE(profile.WriteProfileInt("System", "COM Port", 4));
    EXPECT_EQ(CQtProfile(Path()).GetProfileInt("System", "Max Speed", 80), 60);
}

TEST_F(QtProfileTest, EnvironmentNamesTheFile)
{
    const QByteArray strOld = qgetenv("ZRV_PROFILE");
    qputenv("ZRV_PROFILE", Path(QStringLiteral("other.ini")).toLocal8Bit());
    EXPECT_EQ(CQtProfile::DefaultPath(), Path(QStringLiteral("other.ini")));
    EXPECT_TRUE(CQtProfile().WriteProfileInt("System", "Units", 0));
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("other.ini"))));

    qunsetenv("ZRV_PROFILE");
    const QByteArray strOldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
    EXPECT_EQ(CQtProfile::DefaultPath(), Path(QStringLiteral("zorvantellique/Zorvantellique.ini")));
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_TRUE(CQtProfile::DefaultPath().endsWith("/.config/zorvantellique/Zorvantellique.ini"));

    qputenv("XDG_CONFIG_HOME", strOldConfig);
    qputenv("ZRV_PROFILE", strOld);
}

TEST_F(QtProfileTest, WritingCreatesTheFolder)
{
    CQtProfile profile(Path(QStringLiteral("new/folder/Zorvantellique.ini")));
    EXPECT_TRUE(profile.WriteProfileInt("System", "Units", 0));
    EXPECT_EQ(profile.GetProfileInt("System", "Units", 1), 0);
}

TEST_F(QtProfileTest, GarbledContentGivesDefaults)
{
    struct CCase
    {
        const char* m_pszName;
        QByteArray m_content;
    };
    const CCase aCases[] = {
        {"binary junk", QByteArray("\x00\x01\xff\xfe[\x80\x00=\x00\n\xff", 12)},
        {"not a number", "[System]\nUnits=abc\nMax Speed=12.5\nCOM Port=3x\n"},
        {"list", "[System]\nUnits=1,2\n"},
        {"out of range", "[System]\nUnits=99999999999\n"},
        {"empty value", "[System]\nUnits=\nMax Speed\n"},
        {"truncated", "[Sys"},
        {"truncated line", "[System]\nCOM Po"},
        {"serialised variant", "[System]\nUnits=@Variant(\\0\\0\\0\\x7f)\n"},
    };
    for (const CCase& c : aCases)
    {
        WriteFile(c.m_content);
        CQtProfile profile(Path());
        for (const CSystemKey& key : kaSystemKeys)
            EXPECT_EQ(profile.GetProfileInt("System", key.m_pszEntry, key.m_nDefault),
                      key.m_nDefault)
                << c.m_pszName << ": " << key.m_pszEntry;
    }
}

TEST_F(QtProfileTest, SignsAndBlanksAroundANumberAreAccepted)
{
    WriteFile("[System]\nUnits= +0 \nCOM Port=\"5\"\nMax Speed=-3\n");
    CQtProfile profile(Path());
    EXPECT_EQ(profile.GetProfileInt("System", "Units", 1), 0);
    EXPECT_EQ(profile.GetProfileInt("System", "COM Port", 0), 5);
    EXPECT_EQ(profile.GetProfileInt("System", "Max Speed", 80), -3);
}

TEST_F(QtProfileTest, GarbledFileIsReplacedByAReadableOneOnWrite)
{
    WriteFile(QByteArray("\x00\x01\xff junk\n[System\nUnits=0\n", 20));
    CQtProfile profile(Path());
    EXPECT_TRUE(profile.WriteProfileInt("System", "COM Port", 3));
    EXPECT_EQ(CQtProfile(Path()).GetProfileInt("System", "COM Port", 0), 3);
}

TEST_F(QtProfileTest, UnwritableLocationReportsFailure)
{
    // A regular file where the folder should be: no one, not even root, can create it.
    WriteFile("[System]\nUnits=0\n");
    CQtProfile profile(Path() + QStringLiteral("/sub/Zorvantellique.ini"));
    EXPECT_FALSE(profile.WriteProfileInt("System", "Units", 0));
    EXPECT_EQ(profile.GetProfileInt("System", "Units", 1), 1);
}

TEST_F(QtProfileTest, GarbledAndUnwritableReportsFailure)
{
    // Readable text that is no INI file, in a folder where nothing can be created.
    if (!QFile::exists(QStringLiteral("/proc/version")))
        GTEST_SKIP() << "no /proc";
    CQtProfile profile(QStringLiteral("/proc/version"));
    EXPECT_FALSE(profile.WriteProfileInt("System", "Units", 0));
    EXPECT_EQ(profile.GetProfileInt("System", "Units", 1), 1);
}
