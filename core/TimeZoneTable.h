#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One named zone of the picker. The two values are what the picker writes into
// the main window's zone boxes: the offset with its sign reversed (zones west
// of Greenwich positive), minutes carrying the sign of the hours.
struct TimeZoneEntry {
    std::string_view text;  // shown exactly as stored
    std::int16_t hours;
    std::int16_t minutes;
};

inline constexpr int TimeZoneCount = 71;

// The 71 zones in list order (alphabetical); a row is chosen by its position.
const std::array<TimeZoneEntry, TimeZoneCount>& TimeZoneTable();

// A zone value as the boxes show it: plain decimal, minus sign when negative.
std::string ZoneBoxText(std::int16_t value);
