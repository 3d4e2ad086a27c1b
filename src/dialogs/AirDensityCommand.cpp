#include "dialogs/AdConfig.h"
#include "dialogs/AirDensity.h"
#include "graph/CZRVView.h"
#include "graph/FixedFormat.h"
#include "link/CommLink.h"
#include "link/Commands.h"
#include "platform/Platform.h"
#include "run/WindSpeed.h"

double g_dAltitude = 0.0;
double g_dTemperature = 0.0;
double g_dPressure = 0.0;
double g_dHumidity = 0.0;
int g_bAirFirstUse = 1;

namespace
{
// The "I" reply fits in this many bytes.
constexpr size_t AIR_REPLY_SIZE = 52;

// The inputs stored in a "V6" instrument, brought into the view's units. A reply that does not
// carry all five fields is ignored as a whole: converting some held values by a units code
// they were never in would corrupt them.
void ReadInstrumentInputs(int nViewUnits)
{
    char achReply[AIR_REPLY_SIZE] = {};
    CAirInputs inputs;
    if (theCommLink.SendCommand(CMD_READ_AIR, achReply, 1, 1) == 0 ||
        !ParseAirInputs(achReply, sizeof achReply, inputs))
        return;
    if (inputs.m_nUnits == 1 && nViewUnits == 0)
    {
        inputs.m_dAltitude = FeetToMetres(inputs.m_dAltitude);
        inputs.m_dTemperature = FahrenheitToCelsius(inputs.m_dTemperature);
        inputs.m_dPressure = InHgToMbar(inputs.m_dPressure);
    }
    else if (inputs.m_nUnits != 1 && nViewUnits != 0)
    {
        inputs.m_dAltitude = MetresToFeet(inputs.m_dAltitude);
        inputs.m_dTemperature = CelsiusToFahrenheit(inputs.m_dTemperature);
        inputs.m_dPressure = MbarToInHg(inputs.m_dPressure);
    }
    g_dAltitude = inputs.m_dAltitude;
    g_dTemperature = inputs.m_dTemperature;
    g_dPressure = inputs.m_dPressure;
    g_dHumidity = inputs.m_dHumidity;
}

double HeldDensity(int nUnits)
{
    return AirDensity(nUnits, g_dAltitude, g_dTemperature, g_dHumidity, g_dPressure);
}
} // namespace

void CZRVView::OnAirDensity()
{
    CadConfig dlg;
    g_dAltitude = 0.0;
    g_dHumidity = 50.0;
    if (g_bAirFirstUse != 0)
    {
        g_bAirFirstUse = 0;
        g_dTemperature = 70.0;
        g_dPressure = 29.92;
        if (m_nUnits == 0)
        {
            g_dTemperature = FahrenheitToCelsius(g_dTemperature);
            g_dPressure = InHgToMbar(g_dPressure);
        }
    }
    if (theCommLink.m_nModel == 2)
        ReadInstrumentInputs(m_nUnits);

    dlg.m_bMetric = m_nUnits == 0 ? 1 : 0;
    dlg.m_strAltitude = FormatFixed(g_dAltitude, 0, 0);
    dlg.m_strTemperature = FormatFixed(g_dTemperature, 0, 1);
    dlg.m_strPressure = FormatFixed(g_dPressure, 0, m_nUnits == 0 ? 1 : 2);
    dlg.m_strHumidity = FormatFixed(g_dHumidity, 0, 0);
    // Cd uses this density from now on, whether the user confirms or cancels.
    g_dAirDensity = HeldDensity(m_nUnits);
    dlg.m_strDensity = FormatFixed(g_dAirDensity, 0, 5);
    dlg.m_strDewPoint = FormatFixed(DewPoint(m_nUnits, g_dHumidity, g_dTemperature), 0, 1);

    if (dlg.DoModal() != IDOK)
        return;
    g_dAltitude = LeadingNumber(dlg.m_strAltitude);
    g_dTemperature = LeadingNumber(dlg.m_strTemperature);
    g_dHumidity = LeadingNumber(dlg.m_strHumidity);
    g_dPressure = LeadingNumber(dlg.m_strPressure);
    // The air just confirmed is the air Cd is computed with.
    g_dAirDensity = HeldDensity(m_nUnits);
    if (theCommLink.m_nModel != 2 ||
        AfxMessageBox("Update Wind Tunnel Air Density?", MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    // The held values are in the view's units, whatever code the instrument sent them with.
    CAirInputs inputs{m_nUnits == 0 ? 0 : 1, g_dAltitude, g_dTemperature, g_dPressure, g_dHumidity};
    std::string strRequest = FormatStoreAirInputs(inputs);
    char achNoReply[1] = {};
    theCommLink.SendCommand(strRequest.c_str(), achNoReply, 0, 0);
}
