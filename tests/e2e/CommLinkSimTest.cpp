// The serial link over the Qt serial layer against zrv-sim on a pseudo-terminal: real bytes,
// real time-outs. Only the message boxes are scripted.
#include "E2eFixture.h"
#include "FakeUserInterface.h"

#include <QFile>
#include <signal.h>
#include <string>
#include <vector>

namespace
{
const std::string kCommError = "Communications Error!\rBe sure Zorvantellique is properly "
                               "connected to the computer's USB port";

// The link against zrv-sim with the message boxes scripted.
class CommLinkSimTest : public CSimTest<CFakeUserInterface>
{
protected:
    // The link as start-up leaves it after finding the instrument on COM3.
    void OpenLink()
    {
        theCommLink.m_nPort = 3;
        ASSERT_NE(theCommLink.OpenPort(), 0);
        theCommLink.m_bAlive = 1;
    }
    // The first byte of the reply to a command that awaits one, with retry; '\0' when the
    // exchange failed.
    char Send(const char* pszCommand)
    {
        char achReply[52] = {};
        return theCommLink.SendCommand(pszCommand, achReply, 1, 1) ? achReply[0] : '\0';
    }
};
} // namespace

TEST_F(CommLinkSimTest, ScanFindsAndIdentifiesEachModel)
{
    for (int nModel : {1, 2})
    {
        theCommLink = CCommLink();
        StartSim({"--model", QString::number(nModel)});
        EXPECT_EQ(theCommLink.ScanPorts(), 3) << "model " << nModel;
        EXPECT_EQ(theCommLink.m_nPort, 3);
        EXPECT_EQ(theCommLink.m_nModel, nModel);
        EXPECT_EQ(theCommLink.m_bAlive, 1);
        // A second identification on the port left open by the scan.
        EXPECT_EQ(theCommLink.Identify(), 1);
        EXPECT_EQ(theCommLink.m_nModel, nModel);
        theCommLink = CCommLink();
        m_sim.Stop();
    }
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_F(CommLinkSimTest, SilentOrMissingInstrumentIsNotFound)
{
    EXPECT_EQ(theCommLink.ScanPorts(), 0) << "no instrument at all";
    StartSim({"--silent"});
    EXPECT_EQ(theCommLink.ScanPorts(), 0) << "a port that does not answer";
    EXPECT_EQ(theCommLink.m_nModel, 0);
    EXPECT_TRUE(m_ui.m_aBoxes.empty()) << "identification shows no message";
}

TEST_F(CommLinkSimTest, StatusFollowsTheWind)
{
    StartSim();
    OpenLink();
    EXPECT_EQ(theCommLink.CheckStatus(), 1);
    EXPECT_EQ(theCommLink.m_nStatus, 2u);
    EXPECT_EQ(theCommLink.m_bRunning, 0);
    EXPECT_EQ(Send("W50\r"), '\r') << "a speed is acknowledged by a lone CR";
    EXPECT_EQ(theCommLink.CheckStatus(), 1);
    EXPECT_EQ(theCommLink.m_nStatus, 0u);
    EXPECT_EQ(theCommLink.m_bRunning, 1);
    EXPECT_EQ(ReceivedBytes(), "SW50\rS");
}

TEST_F(CommLinkSimTest, UnacknowledgedSpeedIsClearedAndRepeated)
{
    struct CCase
    {
        int m_nNakEvery;
        std::vector<char> m_achFirstBytes; // first reply byte of every "W" sent
        std::string m_strReceived;
    };
    const CCase aCases[] = {
        {1, {'?', '?', '?', '?'}, "W50\rCW50\rW55\rCW55\r"},
        {2, {'\r', '?', '\r'}, "W50\rW55\rCW55\r"},
    };
    for (const CCase& c : aCases)
    {
        theCommLink = CCommLink();
        QFile::remove(m_dir.filePath("received.log"));
        StartSim({"--nak-every", QString::number(c.m_nNakEvery)});
        OpenLink();
        std::vector<char> achFirstBytes;
        for (const char* pszSpeed : {"W50\r", "W55\r"})
        {
            achFirstBytes.push_back(Send(pszSpeed));
            if (achFirstBytes.back() != '\r')
            {
                char achNone[52];
                EXPECT_EQ(theCommLink.SendCommand("C", achNone, 0, 1), 1);
                achFirstBytes.push_back(Send(pszSpeed));
            }
        }
        EXPECT_EQ(achFirstBytes, c.m_achFirstBytes) << "--nak-every " << c.m_nNakEvery;
        EXPECT_EQ(ReceivedBytes(), c.m_strReceived) << "--nak-every " << c.m_nNakEvery;
        theCommLink = CCommLink();
        m_sim.Stop();
    }
}

TEST_F(CommLinkSimTest, SilenceOffersRetryWhichWorksOnceTheInstrumentAnswers)
{
    StartSim({"--silent-after", "1"});
    OpenLink();
    ASSERT_EQ(Send("W50\r"), '\r');
    m_ui.m_fnOnBox = [this](const std::string&) {
        EXPECT_EQ(theCommLink.m_hComm, nullptr) << "the port is closed before the message";
        m_sim.Signal(SIGUSR1);
        EXPECT_TRUE(m_sim.WaitForOutput("answering"));
    };
    m_ui.m_anAnswers = {IDRETRY};
    EXPECT_EQ(Send("W55\r"), '\r');
    EXPECT_EQ(theCommLink.m_bAlive, 1);
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{kCommError});
    EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, MB_RETRYCANCEL | MB_ICONEXCLAMATION);
    EXPECT_EQ(ReceivedBytes(), "W50\rW55\rW55\r");
}

TEST_F(CommLinkSimTest, CancelOnSilenceDisablesCommunications)
{
    StartSim({"--silent-after", "1"});
    OpenLink();
    ASSERT_EQ(Send("W50\r"), '\r');
    m_ui.m_anAnswers = {IDCANCEL};
    EXPECT_EQ(Send("W55\r"), '\0');
    EXPECT_EQ(theCommLink.m_bAlive, 0);
    EXPECT_EQ(Send("W60\r"), '\0') << "no exchange while disabled";
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{kCommError});
}

TEST_F(CommLinkSimTest, UnpluggedInstrumentIsFoundAgainOnRetry)
{
    StartSim();
    OpenLink();
    ASSERT_EQ(Send("W50\r"), '\r');
    m_sim.Stop(); // the adapter is pulled: its device goes away
    m_ui.m_fnOnBox = [this](const std::string&) { StartSim(); };
    m_ui.m_anAnswers = {IDRETRY};
    EXPECT_EQ(Send("W55\r"), '\r');
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{kCommError});
    EXPECT_EQ(ReceivedBytes(), "W50\rW55\r");
}

TEST_F(CommLinkSimTest, CableAlarm)
{
    struct CCase
    {
        int m_nAnswer;
        int m_nResult;
        int m_bAlive;
        std::string m_strReceived;
    };
    const CCase aCases[] = {
        {IDCANCEL, 0, 0, "S"},
        {IDRETRY, 1, 1, "SS"},
    };
    for (const CCase& c : aCases)
    {
        theCommLink = CCommLink();
        m_ui = CFakeUserInterface();
        QFile::remove(m_dir.filePath("received.log"));
        StartSim({"--cable-alarm-from", "1"});
        OpenLink();
        m_ui.m_fnOnBox = [this](const std::string&) {
            EXPECT_EQ(theCommLink.m_bAlive, 0) << "no exchange while the message is up";
            m_sim.Signal(SIGUSR2); // the cable is plugged back in
            EXPECT_TRUE(m_sim.WaitForOutput("cable alarm off"));
        };
        m_ui.m_anAnswers = {c.m_nAnswer};
        EXPECT_EQ(theCommLink.CheckStatus(), c.m_nResult);
        EXPECT_EQ(theCommLink.m_bAlive, c.m_bAlive);
        EXPECT_EQ(theCommLink.m_bRunning, 0);
        EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Cable is disconnected!"});
        EXPECT_EQ(ReceivedBytes(), c.m_strReceived);
        theCommLink = CCommLink();
        m_sim.Stop();
    }
}
