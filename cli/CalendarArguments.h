#pragma once

#include "core/BirthMoment.h"

#include <string>
#include <vector>

// The span and clocks of --calendar, read from the command line.
struct CalendarRequest {
    bool ok = false;
    std::string error;    // one line, when !ok
    long fromMinute = 0;  // UTC minutes, the span [from, to)
    long toMinute = 0;
    PlaceClocks where;    // the place when one was given, and the clocks over the span
    // The span's local days were all skipped by the clocks (Apia, 30 December
    // 2011): [from, to) is then the one minute of the change.
    bool skipped = false;
};

// ReadCalendarRequest — "YYYY-MM" (a month) or "YYYY-MM-DD..YYYY-MM-DD" (the
// days from the first to the last, whole), in the clocks of `zone` (a signed
// ISO 8601 offset, "+11:00", "-4:00", "0:00"), of `place` (the place list's
// best match and its zone's history) or of the zone `zoneName`
// ("Pacific/Chatham"); universal time when none is given.
// Refused: a malformed span or date, a month out of 1..12, a day the month
// lacks, a year out of 1901..2050, a span that ends before it starts or is
// longer than 10 years, an unsigned or malformed zone, an unknown place or zone.
CalendarRequest ReadCalendarRequest(const std::string& span, const std::string& zone, const std::string& place,
                                    const std::string& zoneName = {});
