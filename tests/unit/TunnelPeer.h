#pragma once

#include "RunViewFixture.h"

#include "dialogs/AdConfig.h"
#include "graph/FixedFormat.h"

#include <string>
#include <vector>

// A tunnel whose wind follows every speed command at once and whose balance reads forces
// proportional to the wind plus a fixed offset (pounds).
struct CTunnelPeer
{
    std::string operator()(const std::string& strRequest)
    {
        if (strRequest == "S")
            return m_dWind == 0 ? "2\r" : "0\r";
        if (strRequest.starts_with("W"))
        {
            m_dWind = std::stoi(strRequest.substr(1)) / 10.0;
            m_astrSpeeds.push_back(strRequest.substr(0, strRequest.size() - 1));
            return "\r";
        }
        if (strRequest == "H")
            return FormatFixed(m_dWind, 0, 2) + "," + FormatFixed(Drag(m_dWind), 0, 4) + "," +
                   FormatFixed(Lift(m_dWind), 0, 4) + "\r";
        if (strRequest == "O")
        {
            m_dWind = 0;
            return "\r";
        }
        return "";
    }
    double Lift(double dWind) const { return 0.01 * dWind + m_dLiftOffset; }
    double Drag(double dWind) const { return 0.005 * dWind + m_dDragOffset; }

    double m_dWind = 0.0;
    double m_dLiftOffset = 0.0;
    double m_dDragOffset = 0.0;
    std::vector<std::string> m_astrSpeeds; // every "W" command, without its CR
};

// The test view on the tunnel, with the air at 59 F as before the calculator is first used.
class CTunnelViewTest : public RunViewTest
{
protected:
    void SetUp() override
    {
        RunViewTest::SetUp();
        m_pDevice->m_fnRespond = std::ref(m_peer);
        g_bAirFirstUse = 1;
    }

    CTunnelPeer m_peer;
};
