#pragma once

#include "core/ChartRecord.h"

#include <string>
#include <string_view>

// Birth data as the command-line tool and its batch files write them.
struct BirthFields {
    std::string date;       // YYYY-MM-DD, 1901..2050, a day that exists
    std::string time;       // H:MM or H:MM:SS, local clock time; seconds are ignored
    std::string longitude;  // D:MM then E or W, 0..180 degrees
    std::string latitude;   // D:MM then N or S, 0..90 degrees
    std::string zone;       // H:MM or H, 0..14 hours; "+" ahead of UT, "-" (or U+2212) behind, unsigned by the longitude
    bool dst = false;       // summer time in force
};

struct BirthParse {
    bool ok = false;
    std::string error;  // one line naming the field and what is wrong, when !ok
    ChartRecord chart;  // the fourteen inputs, when ok
};

// ParseBirth — check the fields as a careful user expects and fill a chart's inputs
// Notes: the same limits as the window's lists (years 1901..2050). A signed
//        zone gives its own direction (ISO 8601: +1:00 ahead of universal
//        time); an unsigned one follows the longitude (East ahead, West behind).
BirthParse ParseBirth(const BirthFields& fields);
