// The sweep without a window: its steps against the scripted tunnel and the controlled clock.
#include "TunnelPeer.h"

#include "app/HeadlessSweep.h"
#include "run/SweepTable.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace
{

class HeadlessSweepUnitTest : public CTunnelViewTest
{
protected:
    void SetUp() override
    {
        CTunnelViewTest::SetUp();
        m_dir =
            std::filesystem::temp_directory_path() /
            ("zrv-headless-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
        m_job.m_settings = {10, 20, 5, 1, 0.6, 1};
        m_job.m_strCsvPath = (m_dir / "sweep.csv").string();
    }
    void TearDown() override
    {
        std::filesystem::remove_all(m_dir);
        CTunnelViewTest::TearDown();
    }

    CHeadlessSweep& Make()
    {
        m_pSweep = std::make_unique<CHeadlessSweep>(*m_pView, m_job);
        m_pSweep->m_fnReport = [this](const std::string& strLine) {
            m_astrReports.push_back(strLine);
        };
        return *m_pSweep;
    }
    // Ticks the view every 150 ms while its timer runs, as the program does, until the sweep
    // is over or the condition holds.
    template <class TCondition>
    void RunUntil(TCondition fnStop)
    {
        for (int i = 0; i < 500 && !m_pSweep->IsDone() && !fnStop(); ++i)
        {
            m_clock.Advance(SAMPLE_PERIOD_MS);
            if (TimerRunning())
                Tick();
            m_pSweep->AfterTick(TimerRunning());
        }
    }
    void Run()
    {
        RunUntil([] { return false; });
    }
    std::string Csv() const
    {
        std::ifstream file(m_job.m_strCsvPath, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    size_t CsvLines() const
    {
        const std::string strCsv = Csv();
        return static_cast<size_t>(std::count(strCsv.begin(), strCsv.end(), '\n'));
    }

    std::filesystem::path m_dir;
    CSweepJob m_job;
    std::unique_ptr<CHeadlessSweep> m_pSweep;
    std::vector<std::string> m_astrReports;
};

TEST_F(HeadlessSweepUnitTest, WindLeftRunningIsStoppedThenTheBalanceZeroedThenTheSweepRun)
{
    m_peer.m_dWind = 25.0;
    m_peer.m_dLiftOffset = 0.3;
    m_peer.m_dDragOffset = 0.1;
    m_job.m_bZero = true;
    CHeadlessSweep& sweep = Make();
    sweep.Begin();
    EXPECT_EQ(Sent(), "SSCO");
    Run();
    ASSERT_TRUE(sweep.IsDone());
    EXPECT_EQ(sweep.ExitCode(), SWEEP_EXIT_OK);
    ASSERT_EQ(m_astrReports.size(), 5u);
    EXPECT_EQ(m_astrReports[0], "the wind is running: stopping it first");
    EXPECT_EQ(m_astrReports[1], "zero: lift 0.3000 lb, drag 0.1000 lb");
    EXPECT_EQ(m_astrReports[2], "Point 1 of 3: 10.0 MPH: wind 10.00, lift 0.1000 +/- 0.0000 lb, "
                                "drag 0.0500 +/- 0.0000 lb, CL 57.5213, CD 28.7607, Re 7612 "
                                "(4 readings)");
    EXPECT_EQ(Csv(), SweepCsv(m_pView->SweepResults()));
    EXPECT_EQ(CsvLines(), 4u);
    // The last thing on the line is Stop Wind.
    EXPECT_TRUE(Sent().ends_with("SCO"));
}

TEST_F(HeadlessSweepUnitTest, SignalStopsTheWindAndWritesThePointsSoFar)
{
    CHeadlessSweep& sweep = Make();
    sweep.Begin();
    RunUntil([&] { return m_pView->SweepResults().m_aRows.size() == 1; });
    Sent();
    // Clear and wind off at once, with no question asked; then the status is watched until
    // the wind is at rest, and a second signal meanwhile changes nothing.
    sweep.Interrupt(15);
    EXPECT_EQ(Sent(), "CO");
    EXPECT_FALSE(sweep.IsDone());
    EXPECT_FALSE(m_pView->IsSweeping());
    sweep.Interrupt(2);
    Run();
    EXPECT_TRUE(sweep.IsDone());
    EXPECT_EQ(sweep.ExitCode(), 143);
    EXPECT_EQ(Sent(), "S");
    EXPECT_EQ(CsvLines(), 2u);
    // Once over, a signal changes nothing.
    sweep.Interrupt(2);
    EXPECT_EQ(sweep.ExitCode(), 143);
    EXPECT_EQ(Sent(), "");
}

TEST_F(HeadlessSweepUnitTest, LostLinkEndsWithOneAndKeepsThePointsSoFar)
{
    CHeadlessSweep& sweep = Make();
    sweep.Begin();
    RunUntil([&] { return m_pView->SweepResults().m_aRows.size() == 1; });
    m_pDevice->m_bReadError = true;
    m_ui.m_anAnswers = {IDCANCEL};
    Run();
    ASSERT_TRUE(sweep.IsDone());
    EXPECT_EQ(sweep.ExitCode(), SWEEP_EXIT_FAILED);
    EXPECT_EQ(m_astrReports.back(), "communications with the instrument were lost");
    EXPECT_EQ(CsvLines(), 2u);
}

class HeadlessSweepRefusedTest;

struct CRefusedCase
{
    const char* m_pszName;
    std::function<void(HeadlessSweepRefusedTest& test)> m_fnArrange;
    int m_nExitCode;
    const char* m_pszReport; // the last line reported
    bool m_bCsvWritten;
};

class HeadlessSweepRefusedTest : public HeadlessSweepUnitTest,
                                 public ::testing::WithParamInterface<CRefusedCase>
{
public:
    CSweepJob& Job() { return m_job; }
    CFakeInstrument& Instrument() { return m_instrument; }
    CFakeDevice& Device() { return *m_pDevice; }
};

TEST_P(HeadlessSweepRefusedTest, EndsWithItsCodeAndSaysWhy)
{
    GetParam().m_fnArrange(*this);
    CHeadlessSweep& sweep = Make();
    sweep.Begin();
    Run();
    ASSERT_TRUE(sweep.IsDone());
    EXPECT_EQ(sweep.ExitCode(), GetParam().m_nExitCode);
    ASSERT_FALSE(m_astrReports.empty());
    EXPECT_EQ(m_astrReports.back(), GetParam().m_pszReport);
    EXPECT_EQ(std::filesystem::exists(m_job.m_strCsvPath), GetParam().m_bCsvWritten);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeadlessSweepRefusedTest,
    ::testing::Values(
        CRefusedCase{"NoInstrument", [](auto&) { theCommLink.m_bAlive = 0; },
                     SWEEP_EXIT_NO_INSTRUMENT, "no instrument: nothing was measured", false},
        CRefusedCase{"BeyondTheMaximum",
                     [](HeadlessSweepRefusedTest& test) { test.Job().m_settings.m_dTo = 90; },
                     SWEEP_EXIT_FAILED, "From and To must be between 0 and 80.0 MPH.", false},
        CRefusedCase{"ZeroWithoutReadings",
                     [](HeadlessSweepRefusedTest& test) {
                         test.Job().m_bZero = true;
                         test.Instrument().m_strReading = "garbage";
                         test.Device().m_fnRespond = std::ref(test.Instrument());
                     },
                     SWEEP_EXIT_FAILED, "no readings arrived: the forces were not zeroed", false},
        CRefusedCase{"CsvInAFolderThatIsNotThere",
                     [](HeadlessSweepRefusedTest& test) {
                         test.Job().m_strCsvPath = "/nonexistent-folder/sweep.csv";
                     },
                     SWEEP_EXIT_FAILED,
                     "The sweep results were not saved: /nonexistent-folder/sweep.csv could not "
                     "be written. A file already there is unchanged.",
                     false}),
    [](const auto& info) { return std::string(info.param.m_pszName); });

TEST_F(HeadlessSweepUnitTest, ReferenceLengthComesFromTheSettingsUnlessGiven)
{
    // 2 in kept; Re grows with the length.
    m_profile.WriteProfileInt("System", "Reference Length", 50800);
    CHeadlessSweep& sweep = Make();
    sweep.Begin();
    Run();
    const double dReStored = m_pView->SweepResults().m_aRows[0].m_dRe;
    // The wind comes to rest before the next run.
    while (TimerRunning())
        Tick();
    m_job.m_settings.m_dLength = 1.0;
    m_job.m_bLengthGiven = true;
    m_ui.m_anAnswers = {IDNO}; // the first run is still on the graph
    Make().Begin();
    Run();
    EXPECT_NEAR(m_pView->SweepResults().m_aRows[0].m_dRe * 2, dReStored, 1e-6 * dReStored);
}

} // namespace
