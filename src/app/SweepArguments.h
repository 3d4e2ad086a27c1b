#pragma once

#include <string_view>

struct CSweepSettings;

// "FROM:TO:STEP" into the settings' speeds; false unless it is three numbers.
bool ParseSweepRange(std::string_view strText, CSweepSettings& settings);
// "english" (1) or "metric" (0).
bool ParseUnitsName(std::string_view strText, int& nUnits);
