// Ending the program: the wind is brought to rest first, by the same exchanges as Stop Wind,
// without a box nobody may be there to answer; the exit status says how the program ended.
#include "RunViewFixture.h"

#include "app/ProgramExit.h"

#include <csignal>

namespace
{

class ProgramExitTest : public RunViewTest
{
protected:
    // The wind at 20 mph, as the last status poll reported it.
    void BlowAt20()
    {
        SetWindRunning(true);
        Graph().m_dTargetSpeed = 20.0;
        Graph().m_dRampSpeed = 20.0;
        StartSamplingTimer(&m_wnd);
    }
    // Ticks the wait until it is over; the number of ticks it took (0: not over in 200).
    int TickUntilOver()
    {
        for (int nTicks = 1; nTicks <= 200; ++nTicks)
        {
            m_clock.Advance(SAMPLE_PERIOD_MS);
            if (m_exit.Tick(m_clock.GetTickCount()))
                return nTicks;
        }
        return 0;
    }

    CProgramExit m_exit;
};

struct CMovingCase
{
    const char* m_pszName;
    bool m_bRunning;
    double m_dTarget;
    double m_dRamp;
    int m_bReturnToZero;
    bool m_bMoving;
};

class WindMovingTest : public ProgramExitTest, public ::testing::WithParamInterface<CMovingCase>
{
};

TEST_P(WindMovingTest, TheWindIsStoppedWhenItRunsOrRamps)
{
    const CMovingCase& testCase = GetParam();
    SetWindRunning(testCase.m_bRunning);
    Graph().m_dTargetSpeed = testCase.m_dTarget;
    Graph().m_dRampSpeed = testCase.m_dRamp;
    theCommLink.m_bReturnToZero = testCase.m_bReturnToZero;
    EXPECT_EQ(CWindShutdown::WindIsMoving(*m_pView), testCase.m_bMoving);
    const EExitStep eStep = m_exit.OnClose(m_pView.get(), m_clock.GetTickCount());
    EXPECT_EQ(eStep, testCase.m_bMoving ? EExitStep::Wait : EExitStep::Exit);
    EXPECT_EQ(Sent(), testCase.m_bMoving ? "CO" : "");
}

INSTANTIATE_TEST_SUITE_P(States, WindMovingTest,
                         ::testing::Values(CMovingCase{"StatusSaysRunning", true, 0, 0, 0, true},
                                           CMovingCase{"TargetAboveZero", false, 0.5, 0, 0, true},
                                           CMovingCase{"RampAboveZero", false, 0, 0.5, 0, true},
                                           CMovingCase{"StillReturningToZero", false, 0, 0, 1,
                                                       true},
                                           CMovingCase{"AtRest", false, 0, 0, 0, false}),
                         [](const auto& info) { return std::string(info.param.m_pszName); });

TEST_F(ProgramExitTest, CloseStopsTheWindAndPollsUntilTheInstrumentSaysStopped)
{
    BlowAt20();
    ASSERT_EQ(m_exit.OnClose(m_pView.get(), m_clock.GetTickCount()), EExitStep::Wait);
    EXPECT_EQ(Sent(), "CO");
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "Returning Wind speed to Zero");
    EXPECT_FALSE(TimerRunning()) << "the sampling tick must not ramp the wind up again";
    EXPECT_EQ(Graph().m_dTargetSpeed, 0.0);

    // Three polls still report the wind running, the fourth reports it stopped.
    int nPolls = 0;
    m_pDevice->m_fnRespond = [&](const std::string& strRequest) {
        EXPECT_EQ(strRequest, "S");
        return std::string(++nPolls < 4 ? "0\r" : "2\r");
    };
    EXPECT_EQ(TickUntilOver(), 4);
    EXPECT_EQ(Sent(), "SSSS");
    EXPECT_EQ(m_exit.ExitCode(), 0);
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_F(ProgramExitTest, AWindAskedForDuringTheWaitIsStoppedAgain)
{
    BlowAt20();
    ASSERT_EQ(m_exit.OnClose(m_pView.get(), m_clock.GetTickCount()), EExitStep::Wait);
    Sent();
    // Between two ticks of the wait the wind has stopped, and the window still takes
    // commands: Stop Wind ends the watch, Page Up asks for wind again.
    SetWindRunning(false);
    m_pView->OnStopWind();
    m_pView->OnWindUp5();
    ASSERT_GT(Graph().m_dTargetSpeed, 0.0);
    Sent();
    m_clock.Advance(SAMPLE_PERIOD_MS);
    EXPECT_TRUE(m_exit.Tick(m_clock.GetTickCount()));
    EXPECT_EQ(Sent(), "COS") << "stopped again before the program lets go";
    EXPECT_EQ(Graph().m_dTargetSpeed, 0.0);
    EXPECT_FALSE(TimerRunning());
    EXPECT_EQ(theCommLink.m_bReturnToZero, 1);
}

TEST_F(ProgramExitTest, OnceDecidedALaterCloseDoesNotAskAgain)
{
    Record(10.0);
    m_ui.m_anAnswers = {IDNO};
    EXPECT_EQ(m_exit.OnClose(m_pView.get(), m_clock.GetTickCount()), EExitStep::Exit);
    // Qt closes the windows once more as the loop ends.
    EXPECT_EQ(m_exit.OnClose(m_pView.get(), m_clock.GetTickCount()), EExitStep::Exit);
    EXPECT_EQ(m_ui.m_aBoxes.size(), 1u);
}

TEST_F(ProgramExitTest, TheWaitEndsAfterFifteenSecondsWhateverTheInstrumentSays)
{
    BlowAt20();
    ASSERT_EQ(m_exit.OnClose(m_pView.get(), m_clock.GetTickCount()), EExitStep::Wait);
    m_instrument.m_nStatus = 0; // never stops
    const int nTicks = TickUntilOver();
    EXPECT_EQ(nTicks, static_cast<int>(SHUTDOWN_WAIT_MS / SAMPLE_PERIOD_MS));
}

TEST_F(ProgramExitTest, ASilentInstrumentEndsTheWaitWithoutAskingAnything)
{
    BlowAt20();
    m_pDevice->m_fnRespond = nullptr;
    // "C" needs no reply; "O" times out: nothing to wait for.
    EXPECT_EQ(m_exit.OnSignal(SIGTERM, m_pView.get(), m_clock.GetTickCount()), EExitStep::Exit);
    EXPECT_EQ(Sent(), "CO");
    EXPECT_EQ(m_exit.ExitCode(), 128 + SIGTERM);
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_F(ProgramExitTest, AnInstrumentFallingSilentDuringTheWaitEndsIt)
{
    BlowAt20();
    ASSERT_EQ(m_exit.OnClose(m_pView.get(), m_clock.GetTickCount()), EExitStep::Wait);
    m_pDevice->m_fnRespond = nullptr;
    EXPECT_EQ(TickUntilOver(), 1);
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_F(ProgramExitTest, DisabledCommunicationsExitAtOnce)
{
    BlowAt20();
    theCommLink.m_bAlive = 0;
    EXPECT_EQ(m_exit.OnClose(m_pView.get(), m_clock.GetTickCount()), EExitStep::Exit);
    EXPECT_EQ(Sent(), "");
}

TEST_F(ProgramExitTest, SignalsGiveTheirStatusAndASecondInterruptEndsTheWait)
{
    struct CCase
    {
        int m_nFirst;
        int m_nSecond;
        EExitStep m_eSecondStep;
        int m_nStatus;
    };
    for (const CCase& testCase : {CCase{SIGTERM, SIGTERM, EExitStep::Exit, 128 + SIGTERM},
                                  CCase{SIGTERM, SIGINT, EExitStep::Exit, 128 + SIGINT},
                                  CCase{SIGINT, SIGHUP, EExitStep::Stay, 128 + SIGINT},
                                  CCase{SIGHUP, SIGINT, EExitStep::Exit, 128 + SIGINT}})
    {
        SCOPED_TRACE(testCase.m_nFirst * 100 + testCase.m_nSecond);
        CProgramExit exit;
        BlowAt20();
        ASSERT_EQ(exit.OnSignal(testCase.m_nFirst, m_pView.get(), m_clock.GetTickCount()),
                  EExitStep::Wait);
        EXPECT_EQ(exit.ExitCode(), 128 + testCase.m_nFirst);
        EXPECT_EQ(exit.OnSignal(testCase.m_nSecond, m_pView.get(), m_clock.GetTickCount()),
                  testCase.m_eSecondStep);
        EXPECT_EQ(exit.ExitCode(), testCase.m_nStatus);
        // A close during the wait changes nothing.
        EXPECT_EQ(exit.OnClose(m_pView.get(), m_clock.GetTickCount()), EExitStep::Stay);
        EXPECT_EQ(Sent(), "CO");
    }
}

TEST_F(ProgramExitTest, TheSessionsEndStopsTheWindWithStatusZeroAndNoQuestion)
{
    BlowAt20();
    Record(10.0);
    m_exit.OnSessionEnding(m_pView.get());
    EXPECT_EQ(m_exit.OnClose(m_pView.get(), m_clock.GetTickCount()), EExitStep::Wait);
    EXPECT_EQ(m_exit.OnSessionEnd(m_pView.get(), m_clock.GetTickCount()), EExitStep::Stay);
    EXPECT_EQ(m_exit.ExitCode(), 0);
    EXPECT_TRUE(m_ui.m_aBoxes.empty()) << "an unsaved run does not hold up the session's end";
}

} // namespace
