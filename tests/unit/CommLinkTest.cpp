#include "FakePlatform.h"

#include "link/CommLink.h"

#include <cstring>

namespace
{
constexpr const char* COMM_ERROR =
    "Communications Error!\rBe sure Zorvantellique is properly connected to the computer's USB "
    "port";
constexpr const char* CABLE = "Cable is disconnected!";

// A link with an instrument on COM3, open and identified.
using CommLinkTest = CLinkedPlatformTest;

TEST_F(CommLinkTest, OpenPortApplies4800Baud8N1AndTimeouts)
{
    const CLineSettings& settings = m_pDevice->m_settings;
    EXPECT_EQ(settings.m_nBaudRate, 4800u);
    EXPECT_EQ(settings.m_nByteSize, 8);
    EXPECT_EQ(settings.m_nParity, 0);
    EXPECT_EQ(settings.m_nStopBits, 0);
    const CCommTimeouts& timeouts = m_pDevice->m_timeouts;
    // One byte waits at most multiplier + constant.
    EXPECT_EQ(timeouts.m_nReadTotalMultiplier + timeouts.m_nReadTotalConstant, 200u);
    EXPECT_EQ(timeouts.m_nReadInterval, 100u);
    EXPECT_EQ(timeouts.m_nWriteTotalMultiplier, 100u);
    EXPECT_EQ(timeouts.m_nWriteTotalConstant, 100u);
    EXPECT_EQ(m_serial.m_astrTried.back(), "COM3:");
}

TEST_F(CommLinkTest, OpenPortFailsOnMissingPortOrUnreadableSettings)
{
    theCommLink.m_nPort = 12;
    EXPECT_EQ(theCommLink.OpenPort(), 0);
    EXPECT_EQ(m_serial.m_astrTried.back(), "COM12:");
    m_pDevice->m_bFailGetState = true;
    theCommLink.m_nPort = 3;
    EXPECT_EQ(theCommLink.OpenPort(), 0);
}

TEST_F(CommLinkTest, ExchangePurgesStaleInputAndReadsThroughTheCR)
{
    m_pDevice->Feed("stale bytes\r");
    char achReply[80] = {};
    EXPECT_EQ(theCommLink.SendCommand("S", achReply, 1, 1), 1);
    EXPECT_STREQ(achReply, "2\r");
    EXPECT_EQ(m_pDevice->TakeWritten(), "S");
}

TEST_F(CommLinkTest, NoReplyAwaitedReadsNothing)
{
    char achReply[52] = {};
    EXPECT_EQ(theCommLink.SendCommand("C", achReply, 0, 1), 1);
    EXPECT_EQ(m_pDevice->TakeWritten(), "C");
    EXPECT_EQ(m_pDevice->m_nBytesRead, 0u);
}

TEST_F(CommLinkTest, LongReplyIsCutAtTheCallersBuffer)
{
    m_pDevice->m_fnRespond = [](const std::string&) { return std::string(500, 'x') + "\r"; };
    // Guard bytes around a 12-byte buffer catch any write past it.
    char achGuarded[32];
    std::memset(achGuarded, '#', sizeof achGuarded);
    EXPECT_EQ(theCommLink.Exchange("O", achGuarded + 10, 12, 1), 1);
    EXPECT_EQ(std::string(achGuarded, 10), std::string(10, '#'));
    EXPECT_EQ(std::string(achGuarded + 10, 12), std::string(12, 'x'));
    EXPECT_EQ(std::string(achGuarded + 22, 10), std::string(10, '#'));
    EXPECT_EQ(m_pDevice->m_nBytesRead, 12u);
}

TEST_F(CommLinkTest, DisabledLinkSendsNothing)
{
    theCommLink.m_bAlive = 0;
    char achReply[52] = {};
    EXPECT_EQ(theCommLink.SendCommand("W50\r", achReply, 1, 1), 0);
    EXPECT_EQ(m_pDevice->TakeWritten(), "");
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

// Each way an awaited reply can fail: nothing at all, a reply without its CR, a read error.
struct CFailureCase
{
    const char* pszName;
    std::function<void(CFakeDevice&)> fnBreak;
};

class CommLinkFailureTest : public CommLinkTest, public ::testing::WithParamInterface<CFailureCase>
{
};

TEST_P(CommLinkFailureTest, WithoutRetryFailsSilently)
{
    GetParam().fnBreak(*m_pDevice);
    char achReply[52] = {};
    EXPECT_EQ(theCommLink.SendCommand("H", achReply, 1, 0), 0);
    EXPECT_EQ(theCommLink.m_bAlive, 0);
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_P(CommLinkFailureTest, RetryReopensTheSamePortAndRepeatsTheExchange)
{
    GetParam().fnBreak(*m_pDevice);
    m_ui.m_anAnswers = {IDRETRY};
    // The instrument comes back while the message is up.
    m_ui.m_fnOnBox = [&](const std::string&) {
        EXPECT_FALSE(theCommLink.m_hComm) << "the port is closed before the message";
        m_serial.Add(3).m_fnRespond = std::ref(m_instrument);
    };
    char achReply[52] = {};
    EXPECT_EQ(theCommLink.SendCommand("H", achReply, 1, 1), 1);
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{COMM_ERROR});
    EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, 53u);
    EXPECT_STREQ(achReply, "12.5,0.25,-0.1\r");
    EXPECT_EQ(m_serial.Device(3).TakeWritten(), "H");
    EXPECT_EQ(theCommLink.m_nPort, 3);
}

TEST_P(CommLinkFailureTest, CancelDisablesCommunications)
{
    GetParam().fnBreak(*m_pDevice);
    m_ui.m_anAnswers = {IDRETRY, IDCANCEL};
    char achReply[52] = {};
    EXPECT_EQ(theCommLink.SendCommand("S", achReply, 1, 1), 0);
    EXPECT_EQ(theCommLink.m_bAlive, 0);
    EXPECT_EQ(m_ui.Texts(), (std::vector<std::string>{COMM_ERROR, COMM_ERROR}));
    // Later commands are refused without touching the line.
    m_pDevice->TakeWritten();
    EXPECT_EQ(theCommLink.SendCommand("S", achReply, 1, 1), 0);
    EXPECT_EQ(m_pDevice->TakeWritten(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CommLinkFailureTest,
    ::testing::Values(CFailureCase{"Silent", [](CFakeDevice& d) { d.m_fnRespond = nullptr; }},
                      CFailureCase{"NoCR",
                                   [](CFakeDevice& d) {
                                       d.m_fnRespond = [](const std::string&) {
                                           return "12.5,0.25";
                                       };
                                   }},
                      CFailureCase{"ReadError", [](CFakeDevice& d) { d.m_bReadError = true; }}),
    [](const auto& info) { return info.param.pszName; });

TEST_F(CommLinkTest, RetryOnAPortThatStaysGoneAsksAgain)
{
    // Unplugged: the open port fails, and the port no longer reopens.
    m_pDevice->m_bReadError = true;
    m_serial.Remove(3);
    m_ui.m_anAnswers = {IDRETRY, IDRETRY, IDCANCEL};
    char achReply[52] = {};
    EXPECT_EQ(theCommLink.SendCommand("S", achReply, 1, 1), 0);
    EXPECT_EQ(m_ui.m_aBoxes.size(), 3u);
    EXPECT_EQ(theCommLink.m_bAlive, 0);
}

TEST_F(CommLinkTest, RetryOnAPortThatNoLongerOpensSaysWhy)
{
    m_pDevice->m_bReadError = true;
    m_serial.Remove(3);
    m_serial.m_mapFaults["COM3:"] = {"COM3", "/dev/ttyUSB0", EPortFault::Busy, ""};
    m_ui.m_anAnswers = {IDRETRY, IDCANCEL};
    char achReply[52] = {};
    EXPECT_EQ(theCommLink.SendCommand("S", achReply, 1, 1), 0);
    ASSERT_EQ(m_ui.Texts().size(), 2u);
    EXPECT_EQ(m_ui.Texts()[0], COMM_ERROR) << "the port had not been reopened yet";
    const std::string strStart = std::string(COMM_ERROR) + "\n\n/dev/ttyUSB0: busy. ";
    EXPECT_EQ(m_ui.Texts()[1].substr(0, strStart.size()), strStart);
}

struct CStatusCase
{
    unsigned nStatus;
    int bRunning;
    bool bAlarm;
};

class CheckStatusTest : public CommLinkTest, public ::testing::WithParamInterface<CStatusCase>
{
};

TEST_P(CheckStatusTest, SetsRunningAndRaisesTheCableAlarm)
{
    const CStatusCase& c = GetParam();
    m_instrument.m_nStatus = c.nStatus;
    if (c.bAlarm)
        m_ui.m_anAnswers = {IDCANCEL};
    EXPECT_EQ(theCommLink.CheckStatus(), c.bAlarm ? 0 : 1);
    EXPECT_EQ(theCommLink.m_nStatus, c.nStatus);
    EXPECT_EQ(theCommLink.m_bRunning, c.bRunning);
    EXPECT_EQ(theCommLink.m_bAlive, c.bAlarm ? 0 : 1);
    EXPECT_EQ(m_ui.Texts(),
              c.bAlarm ? std::vector<std::string>{CABLE} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(StatusWords, CheckStatusTest,
                         ::testing::Values(CStatusCase{0, 1, false}, CStatusCase{2, 0, false},
                                           CStatusCase{1, 1, true}, CStatusCase{3, 0, true},
                                           CStatusCase{6, 0, false}));

TEST_F(CommLinkTest, CableAlarmRetryPollsAgainUntilClear)
{
    m_instrument.m_nStatus = 3;
    m_ui.m_anAnswers = {IDRETRY, IDRETRY};
    int nBoxes = 0;
    m_ui.m_fnOnBox = [&](const std::string&) {
        EXPECT_EQ(theCommLink.m_bAlive, 0) << "no exchange may run while the alarm is up";
        if (++nBoxes == 2)
            m_instrument.m_nStatus = 0;
    };
    EXPECT_EQ(theCommLink.CheckStatus(), 1);
    EXPECT_EQ(m_pDevice->TakeWritten(), "SSS");
    EXPECT_EQ(theCommLink.m_bRunning, 1);
    EXPECT_EQ(theCommLink.m_bAlive, 1);
}

TEST_F(CommLinkTest, StatusWithoutANumberKeepsThePreviousWord)
{
    theCommLink.m_nStatus = 2;
    m_pDevice->m_fnRespond = [](const std::string&) { return "OK\r"; };
    EXPECT_EQ(theCommLink.CheckStatus(), 1);
    EXPECT_EQ(theCommLink.m_nStatus, 2u);
    EXPECT_EQ(theCommLink.m_bRunning, 0);
}

TEST_F(CommLinkTest, CheckStatusWithCommunicationsDisabledSendsNothing)
{
    theCommLink.m_bAlive = 0;
    EXPECT_EQ(theCommLink.CheckStatus(), 1);
    EXPECT_EQ(m_pDevice->TakeWritten(), "");
}

TEST_F(CommLinkTest, IdentifySetsTheModelOnlyOnSuccess)
{
    const struct
    {
        const char* pszIdent;
        int nResult;
        int nModel;
    } aCases[] = {{"Zorvantellique V6 4.01", 1, 2},
                  {"Zorvantellique", 1, 1},
                  {"ZORVANTELLIQUE V6", 0, 1},
                  {"GPS receiver", 0, 1}};
    for (const auto& c : aCases)
    {
        m_instrument.m_strIdent = c.pszIdent;
        EXPECT_EQ(theCommLink.Identify(), c.nResult) << c.pszIdent;
        EXPECT_EQ(theCommLink.m_nModel, c.nModel) << c.pszIdent;
    }
    EXPECT_TRUE(m_ui.m_aBoxes.empty()) << "identification never retries";
}

TEST_F(CommLinkTest, IdentifyWithoutTheCRDoesNotIdentify)
{
    m_pDevice->m_fnRespond = [](const std::string&) { return "Zorvantellique V6"; };
    EXPECT_EQ(theCommLink.Identify(), 0);
    EXPECT_EQ(theCommLink.m_nModel, 0);
    EXPECT_EQ(theCommLink.m_bAlive, 0);
}

TEST_F(CommLinkTest, ScanFindsTheFirstPortThatIdentifies)
{
    m_serial.Add(1); // a silent device
    m_serial.Add(2).m_fnRespond = [](const std::string&) { return "$GPGGA,123\r"; };
    m_serial.Add(5).m_fnRespond = CFakeInstrument{"Zorvantellique 1.0"};
    EXPECT_EQ(theCommLink.ScanPorts(), 3);
    EXPECT_EQ(theCommLink.m_nPort, 3);
    EXPECT_TRUE(theCommLink.m_hComm);
    EXPECT_EQ(theCommLink.m_nModel, 2);
    EXPECT_EQ(m_serial.m_astrTried.back(), "COM3:");
}

TEST_F(CommLinkTest, ScanWithoutInstrumentTriesCom1ToCom99)
{
    m_serial.Remove(3);
    m_serial.m_astrTried.clear();
    EXPECT_EQ(theCommLink.ScanPorts(), 0);
    EXPECT_EQ(theCommLink.m_nPort, 100);
    ASSERT_EQ(m_serial.m_astrTried.size(), 99u);
    EXPECT_EQ(m_serial.m_astrTried.front(), "COM1:");
    EXPECT_EQ(m_serial.m_astrTried.back(), "COM99:");
}
} // namespace
