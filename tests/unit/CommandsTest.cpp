#include "link/Commands.h"

#include <clocale>
#include <cstring>
#include <gtest/gtest.h>

namespace
{
struct CModelCase
{
    const char* pszReply;
    int nModel;
};

class IdentifyModelTest : public ::testing::TestWithParam<CModelCase>
{
};

TEST_P(IdentifyModelTest, ComparesPrefixesExactly)
{
    const CModelCase& c = GetParam();
    char achReply[52] = {};
    std::memcpy(achReply, c.pszReply, std::strlen(c.pszReply));
    EXPECT_EQ(IdentifyModel(achReply, sizeof achReply), c.nModel) << c.pszReply;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, IdentifyModelTest,
    ::testing::Values(CModelCase{"Zorvantellique V6\r", 2},
                      CModelCase{"Zorvantellique V6 firmware 2.3\r", 2},
                      CModelCase{"Zorvantellique\r", 1}, CModelCase{"Zorvantellique V5\r", 1},
                      CModelCase{"Zorvantellique v6\r", 1}, CModelCase{"ZORVANTELLIQUE V6\r", 0},
                      CModelCase{"zorvantellique\r", 0}, CModelCase{"Zorvantelliqu\r", 0},
                      CModelCase{" Zorvantellique\r", 0}, CModelCase{"\r", 0}, CModelCase{"", 0}));

TEST(IdentifyModel, NeverLooksPastTheBuffer)
{
    // Only 16 bytes were received: "Zorvantellique V" cannot be the "V6" model.
    const char achReply[16] = {'Z', 'o', 'r', 'v', 'a', 'n', 't', 'e',
                               'l', 'l', 'i', 'q', 'u', 'e', ' ', 'V'};
    EXPECT_EQ(IdentifyModel(achReply, sizeof achReply), 1);
    EXPECT_EQ(IdentifyModel(achReply, 13), 0);
}

struct CStatusCase
{
    const char* pszReply;
    bool bParsed;
    uint32_t nStatus;
};

class StatusWordTest : public ::testing::TestWithParam<CStatusCase>
{
};

TEST_P(StatusWordTest, ReadsTheLeadingUnsignedNumber)
{
    const CStatusCase& c = GetParam();
    uint32_t nStatus = 77;
    EXPECT_EQ(ParseStatusWord(c.pszReply, std::strlen(c.pszReply), nStatus), c.bParsed)
        << c.pszReply;
    EXPECT_EQ(nStatus, c.bParsed ? c.nStatus : 77u) << c.pszReply;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, StatusWordTest,
    ::testing::Values(CStatusCase{"2\r", true, 2}, CStatusCase{"0\r", true, 0},
                      CStatusCase{"3\r", true, 3}, CStatusCase{"  18 junk\r", true, 18},
                      CStatusCase{"+4\r", true, 4}, CStatusCase{"4294967295\r", true, 4294967295u},
                      CStatusCase{"4294967296\r", false, 0}, CStatusCase{"\r2", false, 0},
                      CStatusCase{"x2\r", false, 0}, CStatusCase{"", false, 0}));

struct CReadingCase
{
    const char* pszReply;
    int nModel;
    bool bParsed;
    CReading reading;
};

class ReadingTest : public ::testing::TestWithParam<CReadingCase>
{
};

TEST_P(ReadingTest, ParsesBothModelsInPoundsAndMph)
{
    const CReadingCase& c = GetParam();
    CReading reading{-1, -1, -1};
    EXPECT_EQ(ParseReading(c.pszReply, std::strlen(c.pszReply), c.nModel, reading), c.bParsed)
        << c.pszReply;
    if (c.bParsed)
    {
        EXPECT_DOUBLE_EQ(reading.m_dWind, c.reading.m_dWind) << c.pszReply;
        EXPECT_DOUBLE_EQ(reading.m_dDrag, c.reading.m_dDrag) << c.pszReply;
        EXPECT_DOUBLE_EQ(reading.m_dLift, c.reading.m_dLift) << c.pszReply;
    }
    else
    {
        EXPECT_EQ(reading.m_dWind, -1) << "a failed parse leaves the reading alone";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReadingTest,
    ::testing::Values(
        CReadingCase{"12.5,0.25,-0.1\r", 2, true, {12.5, 0.25, -0.1}},
        CReadingCase{"125,250,-100\r", 1, true, {12.5, 0.25, -0.1}},
        CReadingCase{" 1e1, .5,+2.\r", 2, true, {10, 0.5, 2}},
        CReadingCase{"0,0,0\rtrailing", 2, true, {0, 0, 0}},
        CReadingCase{"12.5, 0.25 ,1\r", 2, false, {}}, CReadingCase{"12,5;0,25;1\r", 2, false, {}},
        CReadingCase{"12.5,0.25\r", 2, false, {}}, CReadingCase{"12.5,0.25\r,1", 2, false, {}},
        CReadingCase{"nan,1,1\r", 2, false, {}}, CReadingCase{"inf,1,1\r", 1, false, {}},
        CReadingCase{"1e999,1,1\r", 2, false, {}}, CReadingCase{"--1,1,1\r", 2, false, {}},
        CReadingCase{"\x01\xff\x80garbage", 2, false, {}}, CReadingCase{"", 1, false, {}}));

TEST(ReadingCommand, DependsOnTheModel)
{
    EXPECT_STREQ(ReadingCommand(2), "H");
    EXPECT_STREQ(ReadingCommand(1), "R");
    EXPECT_STREQ(ReadingCommand(0), "R");
}

TEST(SpeedCommand, SendsTenthsOfMphTruncated)
{
    const struct
    {
        double dMph;
        const char* pszBytes;
    } aCases[] = {{0.0, "W0\r"},     {80.0, "W800\r"}, {10.5, "W105\r"},
                  {10.29, "W102\r"}, {0.05, "W0\r"},   {140.0, "W1400\r"}};
    for (const auto& c : aCases)
        EXPECT_EQ(FormatSpeedCommand(c.dMph), c.pszBytes) << c.dMph;
}

TEST(UnitsCommand, EnglishIsOneMetricIsZero)
{
    EXPECT_EQ(FormatUnitsCommand(1), "U1\r");
    EXPECT_EQ(FormatUnitsCommand(0), "U0\r");
}

TEST(AirInputs, ParseTheReplyOfI)
{
    const char* pszReply = "1,1000,70.0,29.92,50\r";
    CAirInputs inputs;
    ASSERT_TRUE(ParseAirInputs(pszReply, std::strlen(pszReply), inputs));
    EXPECT_EQ(inputs.m_nUnits, 1);
    EXPECT_DOUBLE_EQ(inputs.m_dAltitude, 1000);
    EXPECT_DOUBLE_EQ(inputs.m_dTemperature, 70.0);
    EXPECT_DOUBLE_EQ(inputs.m_dPressure, 29.92);
    EXPECT_DOUBLE_EQ(inputs.m_dHumidity, 50);

    for (const char* pszBad : {"1,1000,70.0,29.92\r", "1.5,1000,70,29.92,50\r", "x\r", ""})
        EXPECT_FALSE(ParseAirInputs(pszBad, std::strlen(pszBad), inputs)) << pszBad;
}

TEST(AirInputs, StoreRequestBytes)
{
    EXPECT_EQ(FormatStoreAirInputs({1, 1000, 70, 29.92, 50}), "A1,1000,70.0,29.92,50\r");
    EXPECT_EQ(FormatStoreAirInputs({0, 304.8, 21.11, 1013.25, 49.9}), "A0,305,21.1,1013.25,49\r");
    EXPECT_EQ(FormatStoreAirInputs({1, -20.4, -3.05, 30.005, 0}), "A1,-20,-3.0,30.00,0\r");
}

TEST(AirInputs, AbsurdValuesStillGiveAWholeRequest)
{
    // Typed into the calculator's ten-character fields: "1e300" and "9999999999".
    std::string strRequest = FormatStoreAirInputs({1, 1e300, 70, 29.92, 9999999999.0});
    EXPECT_TRUE(
        strRequest.starts_with("A1,1000000000000000052504760255204420248704468581108159154"))
        << strRequest;
    EXPECT_TRUE(strRequest.ends_with(",70.0,29.92,2147483647\r")) << strRequest;
    EXPECT_EQ(FormatSpeedCommand(-1e12), "W-2147483648\r");
}

// Qt sets the process locale from the environment; a comma-decimal locale must not leak into
// the bytes on the line.
TEST(CommandsLocale, IndependentOfACommaDecimalLocale)
{
    const char* pszOld = std::setlocale(LC_ALL, nullptr);
    std::string strOld = pszOld != nullptr ? pszOld : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    CReading reading;
    const char* pszReply = "12.5,0.25,-0.1\r";
    EXPECT_TRUE(ParseReading(pszReply, std::strlen(pszReply), 2, reading));
    EXPECT_DOUBLE_EQ(reading.m_dWind, 12.5);
    EXPECT_EQ(FormatStoreAirInputs({1, 1000, 70, 29.92, 50}), "A1,1000,70.0,29.92,50\r");
    std::setlocale(LC_ALL, strOld.c_str());
}
} // namespace
