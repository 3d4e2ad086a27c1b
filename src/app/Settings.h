#pragma once

// The program's settings, all integers in one section of the profile.
constexpr const char* SETTINGS_SECTION = "System";
constexpr const char* SETTING_UNITS = "Units";                           // 0 metric, else English
constexpr const char* SETTING_MAX_SPEED = "Max Speed";                   // mph
constexpr const char* SETTING_ABSOLUTE_MAX_SPEED = "Absolute Max Speed"; // mph, overrides
constexpr const char* SETTING_COM_PORT = "COM Port";                     // n of COMn, 0 unknown
// The model's reference length of the Reynolds number, in micrometres (whole for 1 in and 1 cm).
constexpr const char* SETTING_REFERENCE_LENGTH = "Reference Length";
