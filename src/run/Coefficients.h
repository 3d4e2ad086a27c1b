#pragma once

// Steady-point aerodynamics in SI units: pascals, kilograms per cubic metre, metres per
// second, newtons, square metres, metres, kelvin.

// Sutherland's law for air: mu0 at T0 and the Sutherland temperature S.
constexpr double SUTHERLAND_MU0 = 1.716e-5; // Pa s
constexpr double SUTHERLAND_T0 = 273.15;    // K
constexpr double SUTHERLAND_S = 110.4;      // K

// Unit factors into SI.
constexpr double MPH_TO_MS = 0.44704;
constexpr double KPH_TO_MS = 1.0 / 3.6;
constexpr double LBF_TO_N = 4.4482216152605;
constexpr double KGF_TO_N = 9.80665;
constexpr double SQIN_TO_M2 = 0.00064516;
constexpr double INCH_TO_M = 0.0254;
constexpr double CM_TO_M = 0.01;
constexpr double PSF_TO_PA = 47.880258980335843;

// The temperature the air is taken at when the air density calculator was never used: 59 F.
constexpr double STANDARD_AIR_KELVIN = 288.15;

// q = 1/2 rho V^2.
double DynamicPressure(double dDensity, double dSpeed);
// Dynamic viscosity of air at a temperature.
double SutherlandViscosity(double dKelvin);
// Re = rho V L / mu; NaN (no value) when mu is not a positive number.
double ReynoldsNumber(double dDensity, double dSpeed, double dLength, double dViscosity);
// Force / (q A); 0 when q A is not positive (no wind, no area).
double ForceCoefficient(double dForce, double dDynamicPressure, double dArea);
