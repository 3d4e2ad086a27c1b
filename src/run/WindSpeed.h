#pragma once

#include <cstddef>
#include <string_view>

class IViewWindow;

// The sampling timer: id 1 of the test view's window, every 150 ms.
constexpr int SAMPLE_TIMER_ID = 1;
constexpr int SAMPLE_PERIOD_MS = 150;

// The instrument is moved towards the requested speed by this much each tick, in mph.
constexpr double RAMP_STEP_MPH = 0.5;
// Readings are smoothed with this weight: each tick moves a third of the way.
constexpr int SMOOTHING_WEIGHT = 3;
constexpr double LBS_TO_KG = 0.453592;
constexpr double MPH_TO_KPH = 1.60934;

// Replies to "W" and to the readings fit in this many bytes; "O" in fewer.
constexpr size_t SPEED_REPLY_SIZE = 52;
constexpr size_t WIND_OFF_REPLY_SIZE = 12;

// The new smoothed value: x itself for a weight of 1 or less, else p moved 1/n of the way
// towards x.
double SmoothValue(double x, double p, int n);

// Starts the sampling timer and remembers its id in the link; a running timer just goes on.
void StartSamplingTimer(IViewWindow* pWnd);
void StopSamplingTimer(IViewWindow* pWnd);

// A speed in the display unit (kph when nUnits is 0, else mph) in mph.
double DisplaySpeedToMph(double dSpeed, int nUnits);

// A requested speed in mph as the ramp may go for it: above the maximum it is the integer
// part of the maximum, and below zero it is zero, so the ramp never commands a negative
// speed ("W-5").
double LimitRequestedSpeed(double dMph, double dMaxSpeedMph);

// The decimal number the text starts with ("12.5abc" gives 12.5), with '.' as the decimal
// point whatever the locale; 0 when it starts with none.
double LeadingNumber(std::string_view strText);
