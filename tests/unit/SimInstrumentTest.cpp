// The virtual instrument's protocol and physics, driven byte by byte with a hand-moved clock.
#include "Instrument.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <string>
#include <vector>

namespace
{

CInstrumentConfig Quiet(int nModel = 1)
{
    CInstrumentConfig config;
    config.m_nModel = nModel;
    config.m_dNoise = 0.0;
    return config;
}

// The same acceptance rule the program applies to the reply to "V": 2, 1, or 0 for no instrument.
int ModelOf(const std::string& strReply)
{
    if (strReply.rfind("Zorvantellique V6", 0) == 0)
        return 2;
    if (strReply.rfind("Zorvantellique", 0) == 0)
        return 1;
    return 0;
}

// Wind, drag, lift of a reading reply "a,b,c\r".
std::array<double, 3> ParseReading(const std::string& strReply)
{
    std::array<double, 3> adValue{};
    if (strReply.empty() || strReply.back() != '\r')
    {
        ADD_FAILURE() << "not a line: " << strReply;
        return adValue;
    }
    const char* p = strReply.data();
    const char* pEnd = strReply.data() + strReply.size();
    for (double& dValue : adValue)
    {
        auto result = std::from_chars(p, pEnd, dValue);
        if (result.ec != std::errc() || result.ptr == pEnd)
        {
            ADD_FAILURE() << "not three numbers: " << strReply;
            return adValue;
        }
        p = result.ptr + 1; // past ',' or the final '\r'
    }
    return adValue;
}

class CSimInstrumentTest : public ::testing::Test
{
protected:
    CInstrument Make(const CInstrumentConfig& config)
    {
        return CInstrument(config, [this] { return m_dNow; });
    }

    double m_dNow = 1000.0; // seconds; moved by hand, never read from a real clock
};

struct CIdentCase
{
    int m_nModel;
    const char* m_pszIdent; // empty: the model's own text
    int m_nAcceptedAs;
};

TEST_F(CSimInstrumentTest, IdentificationIsAcceptedAsItsModel)
{
    const CIdentCase aCase[] = {
        {1, "", 1},
        {2, "", 2},
        {1, "Zorvantellique", 1},
        {1, "ZORVANTELLIQUE", 0},
        {2, "Zorvantellique V6", 2},
        {1, "Zorvantellique v6", 1},
    };
    for (const CIdentCase& c : aCase)
    {
        CInstrumentConfig config = Quiet(c.m_nModel);
        config.m_strIdent = c.m_pszIdent;
        CInstrument instrument = Make(config);
        const std::string strReply = instrument.Receive("V");
        SCOPED_TRACE(strReply);
        EXPECT_EQ(ModelOf(strReply), c.m_nAcceptedAs);
        ASSERT_FALSE(strReply.empty());
        EXPECT_EQ(strReply.find('\r'), strReply.size() - 1);
        if (*c.m_pszIdent)
        {
            EXPECT_EQ(strReply, std::string(c.m_pszIdent) + '\r');
        }
    }
}

struct CSpeedCase
{
    std::string m_strRequest;
    const char* m_pszReply;
    const char* m_pszStatusAfter;
};

TEST_F(CSimInstrumentTest, SpeedRequestsAreAcknowledgedOrRefused)
{
    const CSpeedCase aCase[] = {
        {"W105\r", "\r", "0\r"},
        {"W0\r", "\r", "2\r"},
        {"W-50\r", "\r", "2\r"}, // the fan does not run backwards
        {"W\r", "?\r", "2\r"},
        {"W1.5\r", "?\r", "2\r"},
        {"W--1\r", "?\r", "2\r"},
        {"W" + std::string(100000, '0') + "105\r", "?\r", "2\r"}, // longer than any request
        {"W12S", "2\r", "2\r"}, // a letter abandons the unfinished request
        {"W100CS", "2\r", "2\r"},
    };
    for (const CSpeedCase& c : aCase)
    {
        SCOPED_TRACE(c.m_strRequest.substr(0, 20));
        CInstrument instrument = Make(Quiet());
        EXPECT_EQ(instrument.Receive(c.m_strRequest), c.m_pszReply);
        m_dNow += 0.1;
        EXPECT_EQ(instrument.Receive("S"), c.m_pszStatusAfter);
    }
}

TEST_F(CSimInstrumentTest, RequestSplitOverSeveralReadsIsAcknowledgedOnce)
{
    CInstrument instrument = Make(Quiet());
    EXPECT_EQ(instrument.Receive("W1"), "");
    EXPECT_EQ(instrument.Receive("05"), "");
    EXPECT_EQ(instrument.Receive("\r"), "\r");
    EXPECT_EQ(instrument.Receive("S"), "0\r");
}

TEST_F(CSimInstrumentTest, UnknownBytesAreIgnored)
{
    CInstrument instrument = Make(Quiet(2));
    EXPECT_EQ(instrument.Receive(std::string("xyz\n\r\0\xff ?", 9)), "");
    EXPECT_EQ(instrument.Receive("C"), "");
    EXPECT_EQ(instrument.Receive("S"), "2\r");
}

TEST_F(CSimInstrumentTest, EveryKthSpeedRequestIsRefusedAndNotApplied)
{
    CInstrumentConfig config = Quiet(2);
    config.m_dLag = 0.0;
    config.m_nNakEvery = 3;
    CInstrument instrument = Make(config);
    std::vector<std::string> aReply;
    for (int nTenths : {100, 200, 300, 400, 500, 600})
        aReply.push_back(instrument.Receive("W" + std::to_string(nTenths) + "\r"));
    EXPECT_EQ(aReply, (std::vector<std::string>{"\r", "\r", "?\r", "\r", "\r", "?\r"}));
    m_dNow += 10.0;
    EXPECT_EQ(ParseReading(instrument.Receive("H"))[0], 50.0);
}

struct CReadingCase
{
    int m_nModel;
    const char* m_pszSpeed;
    const char* m_pszReading;
};

TEST_F(CSimInstrumentTest, ReadingsGrowWithTheSquareOfTheSpeedInEachModelsUnits)
{
    // A 1 sq. ft. model with Cd 1 and Cl -0.5 in sea-level air (0.0023769 slug/ft^3): 60 mph is
    // 88 ft/s, so drag = 0.5 * 0.0023769 * 88^2 = 9.2034 lb and lift = -4.6017 lb; at 30 mph
    // both are a quarter of that.
    const CReadingCase aCase[] = {
        {2, "W600\r", "60.00,9.203,-4.602\r"},
        {2, "W300\r", "30.00,2.301,-1.150\r"},
        {1, "W600\r", "600,9203,-4602\r"},
        {1, "W300\r", "300,2301,-1150\r"},
    };
    for (const CReadingCase& c : aCase)
    {
        SCOPED_TRACE(c.m_pszReading);
        CInstrumentConfig config = Quiet(c.m_nModel);
        config.m_dCd = 1.0;
        config.m_dCl = -0.5;
        config.m_dArea = 144.0;
        CInstrument instrument = Make(config);
        EXPECT_EQ(instrument.Receive(c.m_pszSpeed), "\r");
        m_dNow += 60.0;
        EXPECT_EQ(instrument.Receive(c.m_nModel == 2 ? "H" : "R"), c.m_pszReading);
    }
}

TEST_F(CSimInstrumentTest, BalanceOffsetsAddToEveryReadingWindOrNot)
{
    CInstrumentConfig config = Quiet(2);
    config.m_dCd = 1.0;
    config.m_dCl = -0.5;
    config.m_dArea = 144.0;
    config.m_dOffsetLift = 0.25;
    config.m_dOffsetDrag = -0.125;
    CInstrument instrument = Make(config);
    EXPECT_EQ(instrument.Receive("H"), "0.00,-0.125,0.250\r");
    EXPECT_EQ(instrument.Receive("W600\r"), "\r");
    m_dNow += 60.0;
    EXPECT_EQ(instrument.Receive("H"), "60.00,9.078,-4.352\r");
}

TEST_F(CSimInstrumentTest, DefaultModelFillsTheProgramsDefaultForceAxisAt80Mph)
{
    // The program's default axes: wind 0 to 80 mph, force 0 to 1 lb.
    CInstrument instrument = Make(Quiet(2));
    EXPECT_EQ(instrument.Receive("W800\r"), "\r");
    m_dNow += 60.0;
    const auto [dWind, dDrag, dLift] = ParseReading(instrument.Receive("H"));
    EXPECT_EQ(dWind, 80.0);
    EXPECT_GT(dLift, 0.5) << "lift uses at least half of the axis";
    EXPECT_LT(dLift, 1.0) << "and stays on it";
    EXPECT_GT(dDrag, 0.05) << "drag shows above the axis line";
    EXPECT_LT(dDrag, dLift / 4) << "a wing: lift well above drag";
}

struct CUnsupportedCase
{
    int m_nModel;
    const char* m_pszRequest;
};

TEST_F(CSimInstrumentTest, CommandsOfTheOtherModelGetNoReply)
{
    const CUnsupportedCase aCase[] = {
        {1, "H"}, {1, "I"}, {1, "U0\r"}, {1, "U1\r"}, {1, "A1,1000,70.0,29.92,50\r"}, {2, "R"},
    };
    for (const CUnsupportedCase& c : aCase)
    {
        SCOPED_TRACE(c.m_pszRequest);
        CInstrument instrument = Make(Quiet(c.m_nModel));
        EXPECT_EQ(instrument.Receive(c.m_pszRequest), "");
        EXPECT_EQ(instrument.Receive("S"), "2\r");
    }
}

TEST_F(CSimInstrumentTest, WindFollowsTheRequestWithTheLag)
{
    CInstrumentConfig config = Quiet(2);
    config.m_dLag = 2.0;
    CInstrument instrument = Make(config);
    instrument.Receive("W200\r");
    m_dNow += 2.0; // one time constant: 1 - 1/e of the way
    EXPECT_NEAR(ParseReading(instrument.Receive("H"))[0], 20.0 * (1.0 - 0.36788), 0.01);
    m_dNow += 30.0;
    EXPECT_EQ(ParseReading(instrument.Receive("H"))[0], 20.0);
}

TEST_F(CSimInstrumentTest, WindOffReportsStoppedOnlyOnceTheWindHasRunDown)
{
    CInstrument instrument = Make(Quiet(2));
    instrument.Receive("W800\r");
    m_dNow += 10.0;
    EXPECT_EQ(instrument.Receive("S"), "0\r");
    EXPECT_EQ(instrument.Receive("CO"), "\r");
    EXPECT_EQ(instrument.Receive("S"), "0\r");
    m_dNow += 1.0;
    EXPECT_EQ(instrument.Receive("S"), "0\r");
    EXPECT_GT(ParseReading(instrument.Receive("H"))[0], 20.0);
    m_dNow += 20.0;
    EXPECT_EQ(instrument.Receive("S"), "2\r");
    EXPECT_EQ(instrument.Receive("H"), "0.00,0.000,0.000\r");
}

TEST_F(CSimInstrumentTest, StoredAirInputsAreReadBack)
{
    CInstrument instrument = Make(Quiet(2));
    EXPECT_EQ(instrument.Receive("I"), "1,1000,70.0,29.92,50\r");
    EXPECT_EQ(instrument.Receive("A0,305,21.1,1013.21,40\r"), "");
    EXPECT_EQ(instrument.Receive("I"), "0,305,21.1,1013.21,40\r");
    EXPECT_EQ(instrument.Receive("A1,2,3\r"), ""); // malformed: ignored
    EXPECT_EQ(instrument.Receive("I"), "0,305,21.1,1013.21,40\r");
}

TEST_F(CSimInstrumentTest, UnitsCommandConvertsTheStoredAirInputs)
{
    CInstrument instrument = Make(Quiet(2));
    EXPECT_EQ(instrument.Receive("U0\r"), "\r");
    EXPECT_EQ(instrument.Receive("I"), "0,305,21.1,1013.21,50\r");
    EXPECT_EQ(instrument.Receive("U0\r"), "\r");
    EXPECT_EQ(instrument.Receive("I"), "0,305,21.1,1013.21,50\r");
    EXPECT_EQ(instrument.Receive("U1\r"), "\r");
    EXPECT_EQ(instrument.Receive("I"), "1,1000,70.0,29.92,50\r");
    EXPECT_EQ(instrument.Receive("U2\r"), "?\r");
    EXPECT_EQ(instrument.Receive("I"), "1,1000,70.0,29.92,50\r");
}

TEST_F(CSimInstrumentTest, SilentAfterNCommandsUntilToggledBack)
{
    CInstrumentConfig config = Quiet();
    config.m_nSilentAfter = 3;
    CInstrument instrument = Make(config);
    EXPECT_EQ(instrument.Receive("C"), "");
    EXPECT_EQ(instrument.Receive("S"), "2\r");
    EXPECT_EQ(instrument.Receive("S"), "2\r");
    EXPECT_EQ(instrument.Receive("S"), "");
    EXPECT_EQ(instrument.Receive("W100\r"), "");
    instrument.ToggleSilent();
    m_dNow += 10.0;
    EXPECT_EQ(instrument.Receive("S"), "2\r"); // the request sent while silent was lost
    EXPECT_EQ(instrument.Receive("S"), "2\r"); // and it does not fall silent again
}

TEST_F(CSimInstrumentTest, SilentInstrumentRecoversAfterTheGivenTime)
{
    CInstrumentConfig config = Quiet();
    config.m_nSilentAfter = 1;
    config.m_nRecoverAfterMs = 500;
    CInstrument instrument = Make(config);
    EXPECT_EQ(instrument.Receive("S"), "2\r");
    m_dNow += 0.25;
    EXPECT_EQ(instrument.Receive("S"), "");
    m_dNow += 0.25;
    EXPECT_EQ(instrument.Receive("S"), "2\r");
}

TEST_F(CSimInstrumentTest, SilentFromTheStartAnswersNothing)
{
    CInstrumentConfig config = Quiet();
    config.m_bSilent = true;
    CInstrument instrument = Make(config);
    EXPECT_EQ(instrument.Receive("VSW100\rO"), "");
    instrument.ToggleSilent();
    EXPECT_EQ(instrument.Receive("S"), "2\r");
}

TEST_F(CSimInstrumentTest, CableAlarmFromTheNthCommandUntilToggled)
{
    CInstrumentConfig config = Quiet();
    config.m_nCableAlarmFrom = 3;
    CInstrument instrument = Make(config);
    EXPECT_EQ(instrument.Receive("S"), "2\r");
    EXPECT_EQ(instrument.Receive("S"), "2\r");
    EXPECT_EQ(instrument.Receive("S"), "3\r");
    EXPECT_EQ(instrument.Receive("W100\r"), "\r");
    EXPECT_EQ(instrument.Receive("S"), "1\r");
    instrument.ToggleCableAlarm();
    EXPECT_EQ(instrument.Receive("S"), "0\r");
}

struct CShapeCase
{
    const char* m_pszName;
    bool CInstrumentConfig::*m_pbFault;
    const char* m_pszRequest;
    std::string m_strReply;
};

TEST_F(CSimInstrumentTest, FaultyReplyShapes)
{
    const CShapeCase aCase[] = {
        {"no CR", &CInstrumentConfig::m_bNoCr, "V", CInstrument::DefaultIdent(1)},
        {"no CR", &CInstrumentConfig::m_bNoCr, "W100\r", ""},
        {"long", &CInstrumentConfig::m_bLongReply, "S", "2" + std::string(199, ' ') + "\r"},
        {"long", &CInstrumentConfig::m_bLongReply, "W100\r", std::string(200, ' ') + "\r"},
        {"garbage", &CInstrumentConfig::m_bGarbage, "S", "2\r"},
    };
    for (const CShapeCase& c : aCase)
    {
        SCOPED_TRACE(std::string(c.m_pszName) + " " + c.m_pszRequest);
        CInstrumentConfig config = Quiet();
        config.*c.m_pbFault = true;
        CInstrument instrument = Make(config);
        EXPECT_EQ(instrument.Receive(c.m_pszRequest), c.m_strReply);
    }
}

TEST_F(CSimInstrumentTest, GarbageReadingsNeverEndALine)
{
    CInstrumentConfig config = Quiet();
    config.m_bGarbage = true;
    CInstrument instrument = Make(config);
    for (int i = 0; i < 50; ++i)
    {
        const std::string strReply = instrument.Receive("R");
        EXPECT_FALSE(strReply.empty());
        EXPECT_EQ(strReply.find('\r'), std::string::npos);
    }
}

TEST_F(CSimInstrumentTest, NoiseStaysWithinItsFractionAndRepeatsWithTheSeed)
{
    CInstrumentConfig config = Quiet(2);
    config.m_dNoise = 0.05;
    config.m_nSeed = 7;
    config.m_dLag = 0.0;
    config.m_dCd = 1.0;
    config.m_dArea = 144.0;
    CInstrument first = Make(config);
    CInstrument second = Make(config);
    first.Receive("W600\r");
    second.Receive("W600\r");
    double dLowest = 1e9;
    double dHighest = 0.0;
    for (int i = 0; i < 200; ++i)
    {
        const std::string strReply = first.Receive("H");
        EXPECT_EQ(second.Receive("H"), strReply);
        const double dDrag = ParseReading(strReply)[1];
        dLowest = std::min(dLowest, dDrag);
        dHighest = std::max(dHighest, dDrag);
    }
    EXPECT_GE(dLowest, 9.2034 * 0.95 - 0.001);
    EXPECT_LE(dHighest, 9.2034 * 1.05 + 0.001);
    EXPECT_GT(dHighest - dLowest, 9.2034 * 0.05);
}

} // namespace
