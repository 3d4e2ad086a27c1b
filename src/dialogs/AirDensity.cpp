#include "dialogs/AirDensity.h"

#include <cmath>

namespace
{
constexpr double MBAR_PER_INHG = 33.8638816;
constexpr double FEET_PER_METRE = 3.280839895;
constexpr double LBFT3_PER_KGM3 = 0.06242796;
// Molar mass of air times standard gravity, and the gas constant.
constexpr double MOLAR_MASS_TIMES_G = 0.28404373326;
constexpr double GAS_CONSTANT = 8.31432;
// Specific gas constant of dry air, J/(kg K).
constexpr double DRY_AIR_CONSTANT = 287.058;
constexpr double MIN_DENSITY_KGM3 = 0.0001;
} // namespace

double FahrenheitToCelsius(double x)
{
    return (x - 32) * 5 / 9;
}

double CelsiusToFahrenheit(double x)
{
    return x * 9 / 5 + 32;
}

double CelsiusToKelvin(double x)
{
    return x + 273.15;
}

double InHgToMbar(double x)
{
    return x * MBAR_PER_INHG;
}

double MbarToInHg(double x)
{
    return x / MBAR_PER_INHG;
}

double FeetToMetres(double x)
{
    return x / FEET_PER_METRE;
}

double MetresToFeet(double x)
{
    return x * FEET_PER_METRE;
}

double KgM3ToLbFt3(double x)
{
    return x * LBFT3_PER_KGM3;
}

double LbFt3ToKgM3(double x)
{
    return x / LBFT3_PER_KGM3;
}

double StationPressure(double dAltitude, double dPressure, double dTemperature)
{
    return dPressure * std::exp(-MOLAR_MASS_TIMES_G * dAltitude /
                                (GAS_CONSTANT * CelsiusToKelvin(dTemperature)));
}

double AirDensity(int bEnglish, double dAltitude, double dTemperature, double dHumidity,
                  double dPressure)
{
    if (bEnglish != 0)
    {
        dTemperature = FahrenheitToCelsius(dTemperature);
        dPressure = InHgToMbar(dPressure);
        dAltitude = FeetToMetres(dAltitude);
    }
    double dStation = StationPressure(dAltitude, dPressure * 100.0, dTemperature);
    double dDry = dStation / (DRY_AIR_CONSTANT * CelsiusToKelvin(dTemperature));
    // Saturation vapour pressure in hPa (Tetens); times the humidity in percent it is the
    // vapour pressure in Pa.
    double dSaturation = 6.1078 * std::pow(10.0, 7.5 * dTemperature / (dTemperature + 237.3));
    double dDensity = dDry * (1 - 0.378 * dSaturation * dHumidity / dStation);
    // Absurd inputs (absolute zero, a pressure beyond any range) give no finite density;
    // Cd must never read one, so they get the minimum too.
    if (!std::isfinite(dDensity) || dDensity < MIN_DENSITY_KGM3)
        dDensity = MIN_DENSITY_KGM3;
    return bEnglish != 0 ? KgM3ToLbFt3(dDensity) : dDensity;
}

double DewPoint(int bEnglish, double dHumidity, double dTemperature)
{
    double dCelsius = bEnglish != 0 ? FahrenheitToCelsius(dTemperature) : dTemperature;
    if (dHumidity == 0)
        dHumidity = 1e-6;
    double dGamma = std::log(dHumidity / 100) + 17.625 * dCelsius / (dCelsius + 243.04);
    double dDewPoint = 243.04 * dGamma / (17.625 - dGamma);
    return bEnglish != 0 ? CelsiusToFahrenheit(dDewPoint) : dDewPoint;
}
