// zorvantellique --sweep: the program without a window against zrv-sim, as a lab script runs
// it, with no display and a locale that writes decimal commas.
#include "ProgramProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// The simulated model: 1 sq ft, CL 0.5, CD 1, in the simulator's sea-level air, with a balance
// that reads 0.2 lb of lift and 0.05 lb of drag with no wind.
constexpr double MODEL_CL = 0.5;
constexpr double MODEL_CD = 1.0;
constexpr double OFFSET_LIFT = 0.2;
constexpr double OFFSET_DRAG = 0.05;
constexpr double SLUG_PER_FT3 = 0.0023769;

// The simulator's force at a speed, pounds: 1/2 rho v^2 C A with A = 1 sq ft.
double ModelForce(double dMph, double dCoefficient)
{
    const double dFeetPerSecond = dMph * 5280.0 / 3600.0;
    return 0.5 * SLUG_PER_FT3 * dFeetPerSecond * dFeetPerSecond * dCoefficient;
}

std::vector<std::string> Split(const std::string& strText, char chSeparator)
{
    std::vector<std::string> astrParts;
    size_t nStart = 0;
    for (size_t nEnd; (nEnd = strText.find(chSeparator, nStart)) != std::string::npos;
         nStart = nEnd + 1)
        astrParts.push_back(strText.substr(nStart, nEnd - nStart));
    astrParts.push_back(strText.substr(nStart));
    return astrParts;
}

class HeadlessSweepTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    void TearDown() override
    {
        EndProcess(m_program);
        m_sim.Stop();
    }

    void StartSim()
    {
        ASSERT_TRUE(m_sim.Start({"--ports-dir",   m_dir.filePath("ports"),
                                 "--port",        "3",
                                 "--model",       "2",
                                 "--lag",         "0",
                                 "--area",        "144",
                                 "--cl",          "0.5",
                                 "--cd",          "1",
                                 "--offset-lift", "0.2",
                                 "--offset-drag", "0.05",
                                 "--log",         m_dir.filePath("received.log")}));
    }

    // Starts the program with the arguments, without any display.
    void StartProgram(const QStringList& astrArguments)
    {
        QProcessEnvironment env = WindowlessEnvironment();
        env.insert("ZRV_PORTS", m_dir.filePath("ports"));
        env.insert("ZRV_PROFILE", m_dir.filePath("Zorvantellique.ini"));
        env.insert("LC_ALL", "de_DE.UTF-8");
        m_program.setProcessEnvironment(env);
        m_program.start(QStringLiteral(ZRV_APP_PATH), astrArguments);
        ASSERT_TRUE(m_program.waitForStarted(5000));
    }

    std::string ReadFile(const QString& strName) const
    {
        QFile file(m_dir.filePath(strName));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QTemporaryDir m_dir;
    CSimProcess m_sim;
    QProcess m_program;
};

TEST_F(HeadlessSweepTest, ZeroedSweepWritesThreeSteadyPointsAndStopsTheWind)
{
    StartSim();
    StartProgram({"--zero", "--sweep", "10:30:10", "--settle", "1", "--average", "1", "--csv",
                  m_dir.filePath("sweep.csv")});
    ASSERT_TRUE(m_program.waitForFinished(60000));
    const std::string strErrors = m_program.readAllStandardError().toStdString();
    ASSERT_EQ(m_program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_program.exitCode(), 0) << strErrors;

    // Progress: the zero, then a line a point.
    const std::vector<std::string> astrLines = Split(strErrors, '\n');
    ASSERT_EQ(astrLines.size(), 5u) << strErrors;
    EXPECT_EQ(astrLines[0], "zorvantellique: zero: lift 0.2000 lb, drag 0.0500 lb");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(astrLines[size_t(i) + 1].rfind("zorvantellique: Point " + std::to_string(i + 1) +
                                                     " of 3: " + std::to_string(10 * (i + 1)) +
                                                     ".0 MPH: wind ",
                                                 0),
                  0u)
            << astrLines[size_t(i) + 1];

    // The table: a header with units and three rows with '.' decimals.
    const std::vector<std::string> astrRows = Split(ReadFile("sweep.csv"), '\n');
    ASSERT_EQ(astrRows.size(), 5u);
    EXPECT_EQ(astrRows[0], "point,target_mph,wind_mph,wind_sd_mph,lift_lbs,lift_sd_lbs,drag_lbs,"
                           "drag_sd_lbs,cl,cd,l_d,q_psf,re,readings\r");
    EXPECT_EQ(astrRows[4], "");
    for (int i = 0; i < 3; ++i)
    {
        const std::vector<std::string> astrFields = Split(astrRows[size_t(i) + 1], ',');
        ASSERT_EQ(astrFields.size(), 14u) << astrRows[size_t(i) + 1];
        const double dSpeed = 10.0 * (i + 1);
        EXPECT_EQ(astrFields[0], std::to_string(i + 1));
        EXPECT_EQ(std::stod(astrFields[1]), dSpeed);
        // The simulator's noise is +/-1 % of each reading, and "H" has three decimals; the
        // zero took the balance's offsets off.
        EXPECT_NEAR(std::stod(astrFields[2]), dSpeed, 0.01 * dSpeed);
        const double dLift = ModelForce(dSpeed, MODEL_CL);
        const double dDrag = ModelForce(dSpeed, MODEL_CD);
        EXPECT_NEAR(std::stod(astrFields[4]), dLift, 0.01 * dLift + 0.001) << "point " << i + 1;
        EXPECT_NEAR(std::stod(astrFields[6]), dDrag, 0.01 * dDrag + 0.001) << "point " << i + 1;
        // A second of 150 ms ticks.
        EXPECT_EQ(astrFields[13], "7\r");
    }

    // On the line: the zero's readings with no speed asked, then each target held with no
    // speed command while it settles and is averaged, and at the end Stop Wind.
    const std::string strReceived = ReadFile("received.log");
    const size_t nFirstSpeed = strReceived.find('W');
    ASSERT_NE(nFirstSpeed, std::string::npos);
    EXPECT_GE(std::count(strReceived.begin(), strReceived.begin() + long(nFirstSpeed), 'H'), 13);
    for (const char* pszTarget : {"W100\r", "W200\r", "W300\r"})
    {
        const size_t nHeld = strReceived.find(pszTarget);
        ASSERT_NE(nHeld, std::string::npos) << pszTarget;
        const size_t nNext = strReceived.find_first_of("WC", nHeld + 1);
        ASSERT_NE(nNext, std::string::npos);
        const std::string strHold = strReceived.substr(nHeld + 5, nNext - nHeld - 5);
        // Two seconds of "S" and "H" at 150 ms: settle 1 s, average 1 s.
        EXPECT_GE(std::count(strHold.begin(), strHold.end(), 'H'), 13) << pszTarget;
        EXPECT_EQ(strHold.find_first_not_of("SH"), std::string::npos) << pszTarget;
    }
    EXPECT_EQ(strReceived.find("W305"), std::string::npos);
    ASSERT_GE(strReceived.size(), 2u);
    EXPECT_EQ(strReceived.substr(strReceived.size() - 2), "CO");
}

class HeadlessSweepSignalTest : public HeadlessSweepTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(HeadlessSweepSignalTest, StopsTheWindAndWritesThePointsSoFar)
{
    StartSim();
    StartProgram({"--sweep", "10:30:10", "--settle", "1", "--average", "1", "--csv",
                  m_dir.filePath("sweep.csv")});
    // The first point is done; the second is on its way up.
    std::string strErrors;
    QDeadlineTimer deadline(30000);
    while (strErrors.find("Point 1 of 3") == std::string::npos && !deadline.hasExpired() &&
           m_program.state() == QProcess::Running)
    {
        m_program.waitForReadyRead(200);
        strErrors += m_program.readAllStandardError().toStdString();
    }
    ASSERT_NE(strErrors.find("Point 1 of 3"), std::string::npos) << strErrors;
    ::kill(static_cast<pid_t>(m_program.processId()), GetParam());
    ASSERT_TRUE(m_program.waitForFinished(10000));
    EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_program.exitCode(), 128 + GetParam());

    const std::vector<std::string> astrRows = Split(ReadFile("sweep.csv"), '\n');
    ASSERT_EQ(astrRows.size(), 3u);
    EXPECT_EQ(astrRows[1].rfind("1,10.00,", 0), 0u) << astrRows[1];
    // Clear and wind off, then status polls until the wind is reported at rest.
    const std::string strReceived = ReadFile("received.log");
    const size_t nStop = strReceived.rfind("CO");
    ASSERT_NE(nStop, std::string::npos);
    const std::string strAfter = strReceived.substr(nStop + 2);
    EXPECT_FALSE(strAfter.empty());
    EXPECT_EQ(strAfter.find_first_not_of('S'), std::string::npos) << strAfter;
}

INSTANTIATE_TEST_SUITE_P(Signals, HeadlessSweepSignalTest, ::testing::Values(SIGINT, SIGTERM));

TEST_F(HeadlessSweepTest, WithoutAnInstrumentItEndsWithTwo)
{
    ASSERT_TRUE(QDir().mkpath(m_dir.filePath("ports")));
    StartProgram({"--sweep", "10:30:10", "--csv", m_dir.filePath("sweep.csv")});
    ASSERT_TRUE(m_program.waitForFinished(30000));
    EXPECT_EQ(m_program.exitCode(), 2);
    const std::string strErrors = m_program.readAllStandardError().toStdString();
    EXPECT_NE(strErrors.find("zorvantellique: Zorvantellique not found!"), std::string::npos)
        << strErrors;
    EXPECT_NE(strErrors.find("zorvantellique: no instrument: nothing was measured"),
              std::string::npos)
        << strErrors;
    EXPECT_FALSE(QFile::exists(m_dir.filePath("sweep.csv")));
}

struct CBadArgumentsCase
{
    const char* m_pszName;
    QStringList m_astrArguments;
    const char* m_pszMessage;
};

class HeadlessSweepArgumentsTest : public HeadlessSweepTest,
                                   public ::testing::WithParamInterface<CBadArgumentsCase>
{
};

// Bad arguments are refused before the instrument is looked for.
TEST_P(HeadlessSweepArgumentsTest, SaysWhatIsWrongAndEndsWithOne)
{
    StartProgram(GetParam().m_astrArguments);
    ASSERT_TRUE(m_program.waitForFinished(10000));
    EXPECT_EQ(m_program.exitCode(), 1);
    EXPECT_EQ(m_program.readAllStandardError().toStdString(),
              std::string("zorvantellique: ") + GetParam().m_pszMessage + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, HeadlessSweepArgumentsTest,
    ::testing::Values(
        CBadArgumentsCase{"TwoNumbers",
                          {"--sweep", "10:30", "--csv", "x.csv"},
                          "--sweep 10:30: FROM:TO:STEP, three numbers"},
        CBadArgumentsCase{"DecimalComma",
                          {"--sweep", "10:30:2,5", "--csv", "x.csv"},
                          "--sweep 10:30:2,5: FROM:TO:STEP, three numbers"},
        CBadArgumentsCase{
            "NoCsv", {"--sweep", "10:30:10"}, "--sweep: needs --csv OUT.csv for the results"},
        CBadArgumentsCase{"BadSettle",
                          {"--sweep", "10:30:10", "--settle", "soon", "--csv", "x.csv"},
                          "--settle soon: not a number"},
        CBadArgumentsCase{"BadUnits",
                          {"--sweep", "10:30:10", "--units", "imperial", "--csv", "x.csv"},
                          "--units imperial: english or metric"},
        CBadArgumentsCase{"UnknownOption",
                          {"--sweep", "10:30:10", "--fast", "--csv", "x.csv"},
                          "command line: Unknown option 'fast'."}),
    [](const auto& info) { return std::string(info.param.m_pszName); });

} // namespace
