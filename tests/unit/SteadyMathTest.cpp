// Averaging, coefficients and the results table of steady-point measurements.
#include "RunViewFixture.h"

#include "link/Commands.h"
#include "run/Coefficients.h"
#include "run/ForceZero.h"
#include "run/Sweep.h"
#include "run/SweepTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{

struct CStatsCase
{
    const char* m_pszName;
    std::vector<double> m_adValues;
    double m_dMean;
    double m_dSd;
};

class RunningStatsTest : public ::testing::TestWithParam<CStatsCase>
{
};

TEST_P(RunningStatsTest, MeanAndSampleSd)
{
    const CStatsCase& testCase = GetParam();
    CRunningStats stats;
    for (double dValue : testCase.m_adValues)
        stats.Add(dValue);
    EXPECT_EQ(stats.Count(), testCase.m_adValues.size());
    EXPECT_NEAR(stats.Mean(), testCase.m_dMean, 1e-9);
    EXPECT_NEAR(stats.Sd(), testCase.m_dSd, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, RunningStatsTest,
    ::testing::Values(CStatsCase{"Single", {0.25}, 0.25, 0.0},
                      CStatsCase{"Textbook", {2, 4, 4, 4, 5, 5, 7, 9}, 5.0, std::sqrt(32.0 / 7.0)},
                      CStatsCase{"Signed", {-0.1, 0.1, -0.1, 0.1}, 0.0, std::sqrt(0.04 / 3.0)},
                      // A small spread on a large value keeps its digits.
                      CStatsCase{"LargeOffset", {1e9 + 1, 1e9 + 2, 1e9 + 3}, 1e9 + 2, 1.0}),
    [](const auto& info) { return std::string(info.param.m_pszName); });

TEST(RunningStatsEmptyTest, HasNoMeanAndNoSpread)
{
    CRunningStats stats;
    EXPECT_TRUE(std::isnan(stats.Mean()));
    EXPECT_TRUE(std::isnan(stats.Sd()));
}

struct CAeroCase
{
    const char* m_pszName;
    double m_dDensity; // kg/m^3
    double m_dSpeed;   // m/s
    double m_dLength;  // m
    double m_dKelvin;
    double m_dForce; // N
    double m_dArea;  // m^2
    double m_dQ;
    double m_dCoefficient;
    double m_dRe;
};

class CoefficientsTest : public ::testing::TestWithParam<CAeroCase>
{
};

TEST_P(CoefficientsTest, PressureCoefficientAndReynoldsNumber)
{
    const CAeroCase& testCase = GetParam();
    const double dQ = DynamicPressure(testCase.m_dDensity, testCase.m_dSpeed);
    EXPECT_NEAR(dQ, testCase.m_dQ, 1e-9 * (1 + testCase.m_dQ));
    EXPECT_NEAR(ForceCoefficient(testCase.m_dForce, dQ, testCase.m_dArea), testCase.m_dCoefficient,
                1e-6);
    const double dRe = ReynoldsNumber(testCase.m_dDensity, testCase.m_dSpeed, testCase.m_dLength,
                                      SutherlandViscosity(testCase.m_dKelvin));
    EXPECT_NEAR(dRe, testCase.m_dRe, 1e-3 * (1 + testCase.m_dRe));
}

// Air at 20 C and sea level: 1.204 kg/m^3, mu = 1.8134e-5 Pa s by Sutherland's law.
INSTANTIATE_TEST_SUITE_P(
    Air, CoefficientsTest,
    ::testing::Values(
        CAeroCase{"TenMetresPerSecondAt20C", 1.204, 10.0, 0.1, 293.15, 3.01, 0.1, 60.2, 0.5,
                  66397.0},
        // At T0 the viscosity is mu0 itself: Re = 1.225 * 20 * 0.05 / 1.716e-5.
        CAeroCase{"AtTheReferenceTemperature", 1.225, 20.0, 0.05, 273.15, 245.0, 1.0, 245.0, 1.0,
                  71387.0},
        // No wind: no pressure, and the coefficients are 0 rather than a division by zero.
        CAeroCase{"NoWind", 1.204, 0.0, 0.1, 293.15, 0.2, 0.1, 0.0, 0.0, 0.0},
        CAeroCase{"NoArea", 1.204, 10.0, 0.1, 293.15, 0.2, 0.0, 60.2, 0.0, 66397.0}),
    [](const auto& info) { return std::string(info.param.m_pszName); });

TEST(SutherlandTest, ViscosityRisesWithTemperature)
{
    EXPECT_DOUBLE_EQ(SutherlandViscosity(SUTHERLAND_T0), SUTHERLAND_MU0);
    EXPECT_NEAR(SutherlandViscosity(293.15), 1.8134e-5, 1e-8);
    // An absurd temperature gives no Reynolds number rather than a negative one.
    EXPECT_TRUE(std::isnan(ReynoldsNumber(1.2, 10, 0.1, SutherlandViscosity(-200.0))));
}

CSteadyStats StatsOf(const std::vector<CReading>& aReadings)
{
    CSteadyStats stats;
    for (const CReading& reading : aReadings)
    {
        stats.m_wind.Add(reading.m_dWind);
        stats.m_lift.Add(reading.m_dLift);
        stats.m_drag.Add(reading.m_dDrag);
    }
    return stats;
}

// 30 mph, 0.1 +/- lb lift and 0.05 lb drag, 1 sq in, 2 in, standard air at 59 F.
const std::vector<CReading> STEADY_READINGS = {
    {29.9, 0.05, 0.09}, {30.0, 0.05, 0.10}, {30.1, 0.05, 0.11}};

TEST(SweepRowTest, EnglishRowIsComputedInSi)
{
    CAirConditions air{1, STANDARD_AIR_DENSITY, 1.0, 2.0, STANDARD_AIR_KELVIN};
    const CSweepRow row = MakeSweepRow(2, 30.0, StatsOf(STEADY_READINGS), air);
    EXPECT_EQ(row.m_nPoint, 2);
    EXPECT_EQ(row.m_nReadings, 3u);
    EXPECT_NEAR(row.m_dWindMean, 30.0, 1e-12);
    EXPECT_NEAR(row.m_dWindSd, 0.1, 1e-12);
    EXPECT_NEAR(row.m_dLiftMean, 0.10, 1e-12);
    EXPECT_NEAR(row.m_dLiftSd, 0.01, 1e-12);
    EXPECT_NEAR(row.m_dDragSd, 0.0, 1e-12);
    EXPECT_NEAR(row.m_dLD, 2.0, 1e-12);
    // 1.19959 kg/m^3 at 13.4112 m/s: q = 107.88 Pa = 2.2531 lb/ft^2.
    EXPECT_NEAR(row.m_dQ, 2.2531, 1e-4);
    // CD = 0.05 lbf / (q A) = 0.2224 N / (107.88 Pa * 6.4516e-4 m^2).
    EXPECT_NEAR(row.m_dCd, 3.1956, 1e-3);
    EXPECT_NEAR(row.m_dCl, 2 * row.m_dCd, 1e-9);
    // Re = 1.19959 * 13.4112 * 0.0508 / 1.7894e-5.
    EXPECT_NEAR(row.m_dRe, 45675, 50);
}

TEST(SweepRowTest, MetricRowOfTheSameAirAndModelHasTheSameCoefficients)
{
    const CSteadyStats stats = StatsOf(STEADY_READINGS);
    const CSweepRow english =
        MakeSweepRow(1, 30.0, stats, {1, STANDARD_AIR_DENSITY, 1.0, 2.0, STANDARD_AIR_KELVIN});
    const CSweepRow metric = MakeSweepRow(
        1, 48.3, stats,
        {0, STANDARD_AIR_DENSITY / KGM3_TO_LBFT3, 1.0, 2.0 * 2.54, STANDARD_AIR_KELVIN});
    EXPECT_NEAR(metric.m_dWindMean, 30.0 * MPH_TO_KPH, 1e-9);
    EXPECT_NEAR(metric.m_dLiftMean, 0.1 * LBS_TO_KG, 1e-12);
    EXPECT_NEAR(metric.m_dQ, english.m_dQ * PSF_TO_PA, 1e-9);
    EXPECT_NEAR(metric.m_dCl, english.m_dCl, 1e-9);
    EXPECT_NEAR(metric.m_dCd, english.m_dCd, 1e-9);
    EXPECT_NEAR(metric.m_dRe, english.m_dRe, 1e-6);
}

TEST(SweepRowTest, PointWithoutReadingsHasNoValues)
{
    const CSweepRow row =
        MakeSweepRow(1, 10.0, {}, {1, STANDARD_AIR_DENSITY, 1.0, 1.0, STANDARD_AIR_KELVIN});
    EXPECT_EQ(row.m_nReadings, 0u);
    const std::vector<std::string> astrTexts = SweepColumnTexts(row);
    EXPECT_EQ(astrTexts[0], "1");
    EXPECT_EQ(astrTexts[1], "10.00");
    for (size_t i = 2; i + 1 < astrTexts.size(); ++i)
        EXPECT_EQ(astrTexts[i], "") << "column " << i;
    EXPECT_EQ(astrTexts.back(), "0");
}

TEST(SweepTableTest, CsvHasUnitsInTheHeaderAndDotsWhateverTheLocale)
{
    CGermanLocale locale;
    CSweepTable table{
        0,
        {MakeSweepRow(1, 16.1, StatsOf(STEADY_READINGS), {0, 1.2, 1.0, 2.5, STANDARD_AIR_KELVIN})}};
    const std::string strCsv = SweepCsv(table);
    const std::string strHeader = "point,target_kph,wind_kph,wind_sd_kph,lift_kg,lift_sd_kg,"
                                  "drag_kg,drag_sd_kg,cl,cd,l_d,q_pa,re,readings\r\n";
    ASSERT_EQ(strCsv.substr(0, strHeader.size()), strHeader);
    EXPECT_EQ(strCsv.substr(strHeader.size(), 23), "1,16.10,48.28,0.16,0.04");
    EXPECT_EQ(strCsv.substr(strCsv.size() - 4), ",3\r\n");
    EXPECT_EQ(std::count(strCsv.begin(), strCsv.end(), '\n'), 2);
    // The tab text carries the same fields.
    std::string strTabs = SweepTabText(table);
    std::replace(strTabs.begin(), strTabs.end(), '\t', ',');
    strTabs.erase(std::remove(strTabs.begin(), strTabs.end(), '\n'), strTabs.end());
    std::string strPlain = strCsv;
    strPlain.erase(std::remove(strPlain.begin(), strPlain.end(), '\r'), strPlain.end());
    strPlain.erase(std::remove(strPlain.begin(), strPlain.end(), '\n'), strPlain.end());
    EXPECT_EQ(strTabs, strPlain);
}

TEST(SweepTableTest, WindowJoinsEachSpreadToItsMean)
{
    CSweepTable table{1,
                      {MakeSweepRow(1, 30.0, StatsOf(STEADY_READINGS),
                                    {1, STANDARD_AIR_DENSITY, 1.0, 1.0, STANDARD_AIR_KELVIN})}};
    const std::vector<std::string> astrHeadings = SweepWindowHeadings(1);
    const std::vector<std::string> astrExpected = {
        "Point", "Target (mph)", "Wind (mph)",      "Lift (lbs)", "Drag (lbs)", "CL",
        "CD",    "L/D",          "q (lb/ft\u00b2)", "Re",         "Readings"};
    EXPECT_EQ(astrHeadings, astrExpected);
    const std::vector<std::string> astrTexts = SweepWindowTexts(table.m_aRows[0]);
    ASSERT_EQ(astrTexts.size(), astrHeadings.size());
    EXPECT_EQ(astrTexts[3], "0.1000 \u00b1 0.0100");
    EXPECT_EQ(astrTexts[4], "0.0500 \u00b1 0.0000");
}

struct CSettingsCase
{
    const char* m_pszName;
    CSweepSettings m_settings;
    const char* m_pszProblem; // empty when the settings make a sweep
    std::vector<double> m_adTargets;
};

class SweepSettingsTest : public ::testing::TestWithParam<CSettingsCase>
{
};

TEST_P(SweepSettingsTest, CheckedThenStepped)
{
    const CSettingsCase& testCase = GetParam();
    EXPECT_EQ(CheckSweepSettings(testCase.m_settings, 80.0, "MPH"), testCase.m_pszProblem);
    if (*testCase.m_pszProblem == '\0')
    {
        EXPECT_EQ(SweepTargets(testCase.m_settings), testCase.m_adTargets);
    }
}

constexpr const char* RANGE = "From and To must be between 0 and 80.0 MPH.";
constexpr const char* STEP = "Step must be greater than 0.";

INSTANTIATE_TEST_SUITE_P(
    Settings, SweepSettingsTest,
    ::testing::Values(
        CSettingsCase{"Up", {10, 30, 10, 5, 3, 1}, "", {10, 20, 30}},
        CSettingsCase{"Down", {30, 10, 10, 5, 3, 1}, "", {30, 20, 10}},
        CSettingsCase{"ToOffTheSteps", {0, 25, 10, 5, 3, 1}, "", {0, 10, 20}},
        // Tenths that are not exact in binary still reach To.
        CSettingsCase{"Tenths", {0.1, 0.3, 0.1, 5, 3, 1}, "", {0.1, 0.2, 0.30000000000000004}},
        CSettingsCase{"OnePoint", {40, 40, 5, 0, 0.1, 1}, "", {40}},
        CSettingsCase{"OverTheMaximum", {10, 81, 10, 5, 3, 1}, RANGE, {}},
        CSettingsCase{"Negative", {-5, 10, 5, 5, 3, 1}, RANGE, {}},
        CSettingsCase{"NotANumber", {std::nan(""), 10, 5, 5, 3, 1}, RANGE, {}},
        CSettingsCase{"ZeroStep", {10, 30, 0, 5, 3, 1}, STEP, {}},
        CSettingsCase{"NegativeStep", {10, 30, -10, 5, 3, 1}, STEP, {}},
        CSettingsCase{"TooManyPoints",
                      {0, 80, 0.5, 5, 3, 1},
                      "A sweep has at most 100 points: make the step larger.",
                      {}},
        CSettingsCase{
            "NegativeSettle", {10, 30, 10, -1, 3, 1}, "Settle must be between 0 and 3600 s.", {}},
        CSettingsCase{"NoAverage",
                      {10, 30, 10, 5, 0, 1},
                      "Average must be more than 0 and at most 3600 s.",
                      {}},
        CSettingsCase{
            "NoLength", {10, 30, 10, 5, 3, 0}, "Reference length must be greater than 0.", {}}),
    [](const auto& info) { return std::string(info.param.m_pszName); });

TEST(SweepSettingsLimitTest, HundredPointsAreTheMost)
{
    CSweepSettings settings{0, 99, 1, 5, 3, 1};
    EXPECT_EQ(CheckSweepSettings(settings, 100.0, "KPH"), "");
    EXPECT_EQ(SweepTargets(settings).size(), MAX_SWEEP_POINTS);
    settings.m_dTo = 100;
    EXPECT_NE(CheckSweepSettings(settings, 100.0, "KPH"), "");
}

TEST(ForceZeroTest, AveragesTwoSecondsOfReadingsAndKeepsOldOffsetsWithoutAny)
{
    CForceZero zero;
    EXPECT_FALSE(zero.IsHeld());
    zero.Begin(1000);
    CReading reading{0.0, 0.03, 0.21};
    EXPECT_FALSE(zero.OnTick(1150, &reading));
    reading = {0.0, 0.05, 0.19};
    EXPECT_FALSE(zero.OnTick(2999, &reading));
    EXPECT_FALSE(zero.OnTick(2999, nullptr));
    EXPECT_TRUE(zero.OnTick(3000, nullptr));
    EXPECT_FALSE(zero.IsCollecting());
    EXPECT_TRUE(zero.IsHeld());
    EXPECT_NEAR(zero.Lift(), 0.20, 1e-12);
    EXPECT_NEAR(zero.Drag(), 0.04, 1e-12);
    CReading later{30.0, 1.04, 2.2};
    zero.Apply(later);
    EXPECT_EQ(later.m_dWind, 30.0);
    EXPECT_NEAR(later.m_dLift, 2.0, 1e-12);
    EXPECT_NEAR(later.m_dDrag, 1.0, 1e-12);

    // A zeroing across the wrap of the millisecond count that gets no reading at all leaves
    // the offsets as they were.
    zero.Begin(0xFFFFFF00u);
    EXPECT_FALSE(zero.OnTick(0x00000100u, nullptr));
    EXPECT_TRUE(zero.OnTick(0x00000700u, nullptr));
    EXPECT_EQ(zero.Readings(), 0u);
    EXPECT_NEAR(zero.Lift(), 0.20, 1e-12);
}

} // namespace
