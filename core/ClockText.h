#pragma once

#include "core/Clocks.h"

#include <string>

// Every clock time and offset the program shows or writes becomes text here,
// so that a window, a page and the tool's outputs say one instant alike.

// RoundedOffsetMinutes — an offset in seconds to the nearest whole minute,
// halves away from zero: Amsterdam's local mean time of +0:19:32 is +0:20.
// The one rounding of an offset with seconds, for every window and output.
int RoundedOffsetMinutes(int offsetSeconds);

// For machines, ISO 8601: "+05:45", "-04:00", "+00:00".
std::string IsoOffset(int offsetMinutes);
// "1987-03-21T06:12+02:00": a local clock time with its offset.
std::string IsoLocalTime(const LocalMinute& time, int offsetMinutes);
std::string IsoLocalTime(const ClockTime& time);
// "2026-02-16T13:45Z": the instant in universal time.
std::string IsoUtcTime(long utcMinute);

// For people: "UTC+5:45", "UTC−5", "UTC+0", with the minus sign U+2212; the
// minutes only when there are any.
std::string UtcOffsetText(int offsetMinutes);
// The same to the second, as the time-zone database gives a local mean time:
// "UTC+0:19:32".
std::string UtcOffsetTextWithSeconds(int offsetSeconds);

// Whether the clocks' abbreviation is a name ("BST", "CEST") rather than a
// number ("+0545"), which says nothing an offset does not.
bool IsLetteredAbbreviation(const std::string& abbreviation);

// The clocks' name at an instant: the abbreviation where it is lettered
// ("BST"), else the offset ("UTC+5:45").
std::string ClockZoneText(const ClockTime& time);

// "08:38 BST", "08:38 UTC+5:45": the clock time with its zone.
std::string ClockText(const ClockTime& time);
// "08:38" alone.
std::string HoursAndMinutesText(const LocalMinute& time);
