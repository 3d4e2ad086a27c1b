#pragma once

#include "platform/Dialog.h"

#include <string>

constexpr int IDD_ADCONFIG = 173;
constexpr int IDC_AD_TEMPERATURE = 1017;
constexpr int IDC_AD_PRESSURE = 1018;
constexpr int IDC_AD_HUMIDITY = 1019;
constexpr int IDC_AD_DENSITY = 1020;
constexpr int IDC_AD_DEWPOINT = 1021;
constexpr int IDC_AD_ALTITUDE = 1041;
constexpr int IDC_AD_ALTITUDE_UNIT = 1046;
constexpr int IDC_AD_TEMPERATURE_UNIT = 1047;
constexpr int IDC_AD_PRESSURE_UNIT = 1048;
constexpr int IDC_AD_DENSITY_UNIT = 1049;
constexpr int IDC_AD_CALC = 1050;
constexpr int IDC_AD_DEWPOINT_UNIT = 1051;

// Every field of the calculator holds at most this many characters.
constexpr int AD_FIELD_CHARS = 10;

// The Air Density Calculator: the four inputs as typed, the density and dew point shown, all
// in the units m_bMetric names.
class CadConfig : public CDialog
{
public:
    CadConfig();

    // Labels the units: metric when m_bMetric is not 0, else English.
    bool OnInitDialog() override;
    void OnCommand(int nId) override;
    // Recomputes the density and dew point fields from the input fields; no program-wide
    // value changes.
    void OnCalc();

    int m_bMetric = -1;
    std::string m_strAltitude;
    std::string m_strPressure;
    std::string m_strDensity;
    std::string m_strHumidity;
    std::string m_strTemperature;
    std::string m_strDewPoint;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

const CDlgTemplate& AdConfigTemplate();

// The calculator's inputs, kept for the program's run in the units mode in force when they
// were stored. Altitude and humidity start again at 0 and 50 % at every use of the command;
// temperature and pressure get their defaults at the first use only.
extern double g_dAltitude;
extern double g_dTemperature;
extern double g_dPressure;
extern double g_dHumidity;
extern int g_bAirFirstUse;
