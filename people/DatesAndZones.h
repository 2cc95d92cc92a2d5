#pragma once

#include "core/CivilCalendar.h"

#include <cstddef>
#include <string>
#include <string_view>

// The tool's one grammar of dates, spans and zone offsets, for birth data on
// the command line, batch rows and --calendar alike. Each reader takes the
// whole text and gives what it read, or a one-line message quoting the text.

// How a text read: whole and in range, not of its form, or of its form but
// out of range (a year outside 1901..2050, a day the month lacks, 15 hours).
enum class FieldStatus { Read, Malformed, OutOfRange };

// ReadDigits — the run of ASCII digits at `at` as a number, when the run is
// `fewest` to `most` digits long (most at most 9, so that it fits an int);
// `at` moves past what was read
bool ReadDigits(std::string_view text, std::size_t& at, std::size_t fewest, std::size_t most, int& value);

// ReadChar — whether `c` stands at `at`; `at` moves past it when it does
bool ReadChar(std::string_view text, std::size_t& at, char c);

// The text in quotes for a message, cut to 40 bytes (between characters, with
// "...") so that a message stays one short line.
std::string QuotedField(std::string_view text);

// A day "YYYY-MM-DD", or a month "YYYY-MM" (its first day), of 1901..2050.
enum class DateForm { Day, Month };
struct DateRead {
    FieldStatus status = FieldStatus::Malformed;
    std::string error;  // one line, when not Read: 'date "2000-02-30" does not exist'
    CivilDate date;
    bool ok() const { return status == FieldStatus::Read; }
};
DateRead ReadDate(std::string_view text, DateForm form);

// ReadSpan — the whole days of "YYYY-MM" (that month; December's ends at
// 1 January of the next year) or "YYYY-MM-DD..YYYY-MM-DD" (the last day
// included), as [first, end)
// Notes: refused when it ends before it starts or lasts more than 10 years
//        (from 29 February, 10 years end on 28 February).
struct SpanRead {
    FieldStatus status = FieldStatus::Malformed;
    std::string error;  // one line, when not Read
    CivilDate first;    // the first day
    CivilDate end;      // the day after the last
    bool ok() const { return status == FieldStatus::Read; }
};
SpanRead ReadSpan(std::string_view text);

// A zone offset "H" or "H:MM" (hours 0..14, minutes two digits 00..59), with
// an optional sign: "+" ahead of universal time, "-" or the minus sign U+2212
// behind it (ISO 8601). A reading takes it unsigned (the longitude then gives
// its direction); the calendar needs the sign unless the offset is zero.
enum class ZoneSign { Optional, Required };
struct ZoneRead {
    FieldStatus status = FieldStatus::Malformed;
    std::string error;  // one line, when not Read
    int sign = 0;       // +1 ahead of universal time, -1 behind it, 0 unsigned
    int hours = 0;
    int minutes = 0;
    bool ok() const { return status == FieldStatus::Read; }
    // Minutes East of Greenwich; an unsigned offset counts as East.
    int MinutesEast() const { return (sign < 0 ? -1 : 1) * (hours * 60 + minutes); }
};
ZoneRead ReadZoneOffset(std::string_view text, ZoneSign rule);
