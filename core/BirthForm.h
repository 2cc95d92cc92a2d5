#pragma once

#include "core/ChartRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the main window's controls hold, as plain values: the rules of the
// birth-data form are checked here, away from the widgets.
struct BirthFormValues {
    std::string name;
    int monthIndex = 0;  // list position, 0 = January
    int dayIndex = 0;    // list position, 0 = day "1"
    std::string day, year, hour, minute;            // texts of the chosen list entries
    std::string lonDegrees, lonMinutes, latDegrees, latMinutes;
    std::string zoneHours, zoneMinutes;
    bool east = true;
    bool north = true;
    bool dst = false;
};

// The checks of ValidateBirthData, in the order they run; the first that fails is reported.
enum class BirthFormCheck {
    Passed,
    NameBlank,             // "Please Enter Name"
    ZoneBlank,             // hour or minute of the zone blank
    LongitudeDegreesBlank,
    LongitudeMinutesBlank,
    LatitudeDegreesBlank,
    LatitudeMinutesBlank,
    FebruaryTooLong,       // day 30 or 31 in February, or 29 outside a leap year
    ThirtyDayMonthTooLong, // day 31 in April, June, September or November
    ZoneSignsDisagree,     // hour and minute of the zone signed in opposite directions
};

// ValidateBirthData — the form's checks: required boxes not blank (only
// spaces count as blank), and a day that exists in its month
// Notes: 1) The boxes' values are not checked here: 200 degrees passes.
//        2) Leap years are those divisible by 4: right for every listed year, 1901 to 2050.
BirthFormCheck ValidateBirthData(const BirthFormValues& form);

// The boxes whose text the reading turns into numbers, in the order it does so.
enum class NumberBox { LongitudeDegrees, LongitudeMinutes, LatitudeDegrees, LatitudeMinutes, ZoneHours, ZoneMinutes };

// NumberOfText — a box's text as a signed 16-bit number
// Returns: nothing when the text (spaces trimmed) is not a decimal number or does
//          not fit 16 bits; a fraction is rounded to the nearest whole number,
//          a half to the even neighbour ("2.5" -> 2, "3.5" -> 4)
std::optional<std::int16_t> NumberOfText(std::string_view text);

struct ChartInputsResult {
    std::optional<NumberBox> failed;  // the first box whose text is not a number, if any
    bool outOfRange = false;          // that box holds a number, but one beyond 16 bits
    ChartRecord chart;                // the record with the fourteen inputs stored, when !failed
};

// ChartInputsFromForm — the fourteen inputs of a reading from a checked form
// Inputs:  form  values that passed ValidateBirthData; chart  the record to fill
//          (its working values and output are kept)
// Returns: the filled record, or the first box that holds no number; then
//          nothing is stored, so that no reading uses an earlier reading's value
// Notes:   zone boxes count by their absolute value, and a sign gives the
//          zone's direction in the picker's convention: "-" ahead of universal
//          time (the picker writes "-1" for Central European Time), "+" behind
//          it. Unsigned boxes leave the direction to the longitude's hemisphere.
ChartInputsResult ChartInputsFromForm(const BirthFormValues& form, const ChartRecord& chart);
