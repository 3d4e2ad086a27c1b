#include "dialogs/AdConfig.h"

#include "dialogs/AirDensity.h"
#include "graph/FixedFormat.h"
#include "run/WindSpeed.h"

const CDlgTemplate& AdConfigTemplate()
{
    constexpr unsigned EDIT = CTL_AUTOHSCROLL | CTL_TABSTOP;
    constexpr unsigned READONLY = CTL_AUTOHSCROLL | CTL_TABSTOP | CTL_READONLY;
    static const CDlgTemplate dlgTemplate{
        IDD_ADCONFIG,
        "Air Density Calculator",
        "MS Shell Dlg",
        8,
        0,
        0,
        210,
        175,
        {
            {IDC_AD_ALTITUDE, EControlKind::Edit, "", 73, 19, 40, 14, EDIT, {}},
            {IDC_AD_TEMPERATURE, EControlKind::Edit, "", 73, 41, 40, 14, EDIT, {}},
            {IDC_AD_PRESSURE, EControlKind::Edit, "", 73, 63, 40, 14, EDIT, {}},
            {IDC_AD_HUMIDITY, EControlKind::Edit, "", 73, 85, 40, 14, EDIT, {}},
            {IDC_AD_CALC, EControlKind::PushButton, "Calc", 157, 129, 43, 14, CTL_TABSTOP, {}},
            {IDOK, EControlKind::DefPushButton, "OK", 99, 154, 50, 14, CTL_TABSTOP, {}},
            {IDCANCEL, EControlKind::PushButton, "Cancel", 153, 154, 50, 14, CTL_TABSTOP, {}},
            {IDC_AD_DENSITY, EControlKind::Edit, "", 73, 129, 40, 14, READONLY, {}},
            {IDC_STATIC, EControlKind::Static, "Altitude", 43, 22, 28, 8, 0, {}},
            {IDC_STATIC, EControlKind::Static, "Temperature", 27, 44, 44, 8, 0, {}},
            {IDC_STATIC, EControlKind::Static, "Baro Pressure", 23, 66, 48, 8, 0, {}},
            {IDC_STATIC, EControlKind::Static, "Relative Humidity", 13, 88, 58, 8, 0, {}},
            {IDC_STATIC, EControlKind::Static, "Air Density", 33, 131, 38, 8, 0, {}},
            {IDC_AD_ALTITUDE_UNIT, EControlKind::Static, "ft.", 119, 23, 30, 8, 0, {}},
            {IDC_AD_TEMPERATURE_UNIT, EControlKind::Static, "F", 119, 45, 30, 8, 0, {}},
            {IDC_AD_PRESSURE_UNIT, EControlKind::Static, "in.Hg", 119, 67, 30, 8, 0, {}},
            {IDC_STATIC, EControlKind::Static, "%", 119, 89, 10, 8, 0, {}},
            {IDC_AD_DENSITY_UNIT, EControlKind::Static, "lb/ft^3", 119, 132, 30, 8, 0, {}},
            {IDC_AD_DEWPOINT, EControlKind::Edit, "", 74, 107, 40, 14, READONLY, {}},
            {IDC_STATIC, EControlKind::Static, "Dew Point", 38, 110, 34, 8, 0, {}},
            {IDC_AD_DEWPOINT_UNIT, EControlKind::Static, "F", 120, 111, 30, 8, 0, {}},
        }};
    return dlgTemplate;
}

CadConfig::CadConfig() : CDialog(AdConfigTemplate()) {}

bool CadConfig::OnInitDialog()
{
    CDialog::OnInitDialog();
    const bool bMetric = m_bMetric != 0;
    SetDlgItemText(IDC_AD_ALTITUDE_UNIT, bMetric ? "m" : "ft.");
    SetDlgItemText(IDC_AD_TEMPERATURE_UNIT, bMetric ? "C" : "F");
    SetDlgItemText(IDC_AD_PRESSURE_UNIT, bMetric ? "mbar" : "in.Hg");
    SetDlgItemText(IDC_AD_DENSITY_UNIT, bMetric ? "kg/m^3" : "lb/ft^3");
    SetDlgItemText(IDC_AD_DEWPOINT_UNIT, bMetric ? "C" : "F");
    return true;
}

void CadConfig::OnCommand(int nId)
{
    if (nId == IDC_AD_CALC)
        OnCalc();
    else
        CDialog::OnCommand(nId);
}

void CadConfig::OnCalc()
{
    m_strAltitude = GetDlgItemText(IDC_AD_ALTITUDE);
    m_strTemperature = GetDlgItemText(IDC_AD_TEMPERATURE);
    m_strHumidity = GetDlgItemText(IDC_AD_HUMIDITY);
    m_strPressure = GetDlgItemText(IDC_AD_PRESSURE);
    const double dAltitude = LeadingNumber(m_strAltitude);
    const double dTemperature = LeadingNumber(m_strTemperature);
    const double dHumidity = LeadingNumber(m_strHumidity);
    const double dPressure = LeadingNumber(m_strPressure);
    const int bEnglish = m_bMetric == 0 ? 1 : 0;
    SetDlgItemText(
        IDC_AD_DENSITY,
        FormatFixed(AirDensity(bEnglish, dAltitude, dTemperature, dHumidity, dPressure), 0, 6));
    SetDlgItemText(IDC_AD_DEWPOINT, FormatFixed(DewPoint(bEnglish, dHumidity, dTemperature), 0, 1));
}

void CadConfig::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_AD_ALTITUDE, m_strAltitude);
    DDV_MaxChars(pDX, m_strAltitude, AD_FIELD_CHARS);
    DDX_Text(pDX, IDC_AD_PRESSURE, m_strPressure);
    DDV_MaxChars(pDX, m_strPressure, AD_FIELD_CHARS);
    DDX_Text(pDX, IDC_AD_DENSITY, m_strDensity);
    DDV_MaxChars(pDX, m_strDensity, AD_FIELD_CHARS);
    DDX_Text(pDX, IDC_AD_HUMIDITY, m_strHumidity);
    DDV_MaxChars(pDX, m_strHumidity, AD_FIELD_CHARS);
    DDX_Text(pDX, IDC_AD_TEMPERATURE, m_strTemperature);
    DDV_MaxChars(pDX, m_strTemperature, AD_FIELD_CHARS);
    DDX_Text(pDX, IDC_AD_DEWPOINT, m_strDewPoint);
    DDV_MaxChars(pDX, m_strDewPoint, AD_FIELD_CHARS);
}
