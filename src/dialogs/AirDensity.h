#pragma once

// Air density of humid air and its dew point, from altitude, temperature, sea-level
// barometric pressure and relative humidity. English values are feet, degrees Fahrenheit,
// inches of mercury and lb/ft^3; metric values metres, degrees Celsius, millibars and kg/m^3.

double FahrenheitToCelsius(double x);
double CelsiusToFahrenheit(double x);
double CelsiusToKelvin(double x);
double InHgToMbar(double x);
double MbarToInHg(double x);
double FeetToMetres(double x);
double MetresToFeet(double x);
double KgM3ToLbFt3(double x);
double LbFt3ToKgM3(double x);

// The pressure at altitude dAltitude (m) of air whose sea-level pressure is dPressure (Pa),
// at dTemperature (C), by the isothermal barometric formula; in Pa.
double StationPressure(double dAltitude, double dPressure, double dTemperature);

// Density of humid air: inputs and result English when bEnglish is not 0, else metric. Never
// below 0.0001 kg/m^3 (or its lb/ft^3 equivalent); inputs that give no finite density give
// that minimum.
double AirDensity(int bEnglish, double dAltitude, double dTemperature, double dHumidity,
                  double dPressure);

// Dew point (Magnus formula) in F when bEnglish is not 0, else in C; the temperature in the
// same unit. A humidity of exactly 0 is taken as 1e-6 %, whose logarithm exists.
double DewPoint(int bEnglish, double dHumidity, double dTemperature);
