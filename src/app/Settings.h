#pragma once

// The program's four settings, all integers in one section of the profile.
constexpr const char* SETTINGS_SECTION = "System";
constexpr const char* SETTING_UNITS = "Units";                           // 1 English, 0 metric
constexpr const char* SETTING_MAX_SPEED = "Max Speed";                   // mph
constexpr const char* SETTING_ABSOLUTE_MAX_SPEED = "Absolute Max Speed"; // mph, overrides
constexpr const char* SETTING_COM_PORT = "COM Port";                     // n of COMn, 0 unknown
