#pragma once

#include <string_view>

// The long English names of a zone's standard and summer time, e.g.
// "Central European Standard Time" and "Central European Summer Time" for
// Europe/Madrid: the Unicode CLDR's, as ICU gave them when the program was
// built (make-zone-names). Empty where the CLDR has none ("Etc/GMT+5", or
// Asia/Kolkata's summer time). They are today's names, whatever the date.
struct ZoneLongNames {
    std::string_view standard;
    std::string_view daylight;
};

ZoneLongNames LongNamesOf(std::string_view zone);
