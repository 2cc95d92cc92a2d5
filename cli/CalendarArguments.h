#pragma once

#include "core/MansionStays.h"

#include <string>
#include <vector>

// The span and clocks of --calendar, read from the command line.
struct CalendarRequest {
    bool ok = false;
    std::string error;    // one line, when !ok
    long fromMinute = 0;  // UTC minutes, the span [from, to)
    long toMinute = 0;
    ZoneOffsets zone;     // the offsets over the span
    std::string zoneText;  // "UTC+11:00" or "Australia/Sydney", for the text output
};

// ReadCalendarRequest — "YYYY-MM" (a month) or "YYYY-MM-DD..YYYY-MM-DD" (the
// days from the first to the last, whole), in the clocks of `zone` (a signed
// ISO 8601 offset, "+11:00", "-4:00", "0:00") or of `place` (the place list's
// best match and its zone's history); universal time when neither is given.
// Refused: a malformed span or date, a month out of 1..12, a day the month
// lacks, a year out of 1901..2050, a span that ends before it starts or is
// longer than 10 years, an unsigned or malformed zone, an unknown place.
CalendarRequest ReadCalendarRequest(const std::string& span, const std::string& zone, const std::string& place);

// CalendarIcs — the stays as an iCalendar file (calendar/StaysCalendar.h),
// through the module libqamarel-ics.so; "" with `problem` set when the
// module cannot be loaded
std::string CalendarIcs(const std::vector<MansionStay>& stays, long stampMinute, std::string& problem);

// The stays as text (one a line), JSON ({"calendar": [...]}) and CSV (with a header).
std::string CalendarText(const std::vector<MansionStay>& stays);
std::string CalendarJson(const std::vector<MansionStay>& stays);
std::string CalendarCsv(const std::vector<MansionStay>& stays);
