#pragma once

#include "core/ChartRecord.h"
#include "core/CivilCalendar.h"

#include <functional>
#include <string>
#include <utility>

// A local clock time to the minute, in the birth's own zone.
struct LocalMinute {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    CivilDate Date() const { return {year, month, day}; }
    bool SameDay(const LocalMinute& other) const
    {
        return year == other.year && month == other.month && day == other.day;
    }
};

// The Moon's passage through the mansion of a birth: when it came in and when
// it went on, as the reading itself computes the mansion, minute by minute.
struct MansionPassage {
    int mansion = 0;          // the birth's mansion, 1..28
    LocalMinute entered;      // the first minute the Moon was in it
    LocalMinute left;         // the first minute it was in the next one
    int previousMansion = 0;  // the mansion before `entered`
    int nextMansion = 0;      // the mansion from `left` on
    int zoneOffsetMinutes = 0;  // local clock time minus universal time
    // The Moon's path over the birth day, 00:00 to 24:00 local time: sidereal
    // longitudes in degrees.
    double dayStartLongitude = 0;
    double dayEndLongitude = 0;
};

// FindMansionPassage — the passage through the mansion a birth's Moon is in
// Inputs:  birth  the fourteen inputs of a reading (its working values are not used)
// Notes:   1) Each boundary minute is checked exactly as a reading: the birth
//             data with the clock time moved, the same engine, the same choice
//             of mansion; the minutes on both sides of it are computed.
//          2) Both changes come from FindMansionBoundary (Newton's method on the
//             engine's series, then the two minutes around the root): three
//             evaluations of the series, two more for the day's path.
//          3) Local times carry the birth's zone and summer time throughout, as
//             the birth data give them.
//          4) DayPath::Skipped leaves the day's path at 0, for callers that show
//             only the times (a batch): two engine evaluations of some ten.
enum class DayPath { Computed, Skipped };
MansionPassage FindMansionPassage(const ChartRecord& birth, DayPath dayPath = DayPath::Computed);

// LocalMinuteShifted — a local clock time `minutes` later (or earlier), across
// days, months and years of the Gregorian calendar.
LocalMinute LocalMinuteShifted(const LocalMinute& start, long minutes);

// SetChartClock — puts a local clock time into a chart's birth date and time.
void SetChartClock(ChartRecord& chart, const LocalMinute& time);

// "1987-03-21T06:12+02:00": ISO 8601 with the zone's offset.
std::string IsoLocalTime(const LocalMinute& time, int zoneOffsetMinutes);

// "+05:45", "-04:00", "+00:00": an offset from universal time as ISO 8601 writes it.
std::string IsoZoneOffset(int zoneOffsetMinutes);

// One end of a passage as the clocks showed it: the local time in the offset
// in force at that instant, and the zone's abbreviation ("BST"), "" when no
// place is known.
struct PassageClock {
    LocalMinute time;
    int offsetMinutes = 0;  // local clock time minus universal time
    std::string zone;
};
struct PassageClocks {
    PassageClock entered, left;
};

// Both ends in the birth's own offset, without a zone's name: for a birth
// whose place is not known.
PassageClocks PassageInBirthOffset(const MansionPassage& passage);

// Both ends as a place's clocks showed them. `clockAt` gives the offset in
// force (minutes) and the zone's abbreviation at an instant in UTC minutes
// from 1970; the instants stay those of the passage.
using ClockAtUtcMinute = std::function<std::pair<int, std::string>(long utcMinute)>;
PassageClocks PassageInPlaceClocks(const MansionPassage& passage, const ClockAtUtcMinute& clockAt);

// The passage in words for the birth day: "The Moon was in this mansion all
// day on 21 March 1987", or the clock time of each change on that day with the
// mansion before or after it. Times carry their zone's abbreviation
// ("08:38 BST"); without one they are in the birth's offset, said once at the
// end ("(UTC+0:00 clock)").
std::string DescribePassage(const MansionPassage& passage, const LocalMinute& birth, const PassageClocks& clocks);
// The same in the birth's own offset.
std::string DescribePassage(const MansionPassage& passage, const LocalMinute& birth);

// "UTC+5:45", "UTC-4:00", "UTC+0:00": an offset from universal time in words.
std::string UtcOffsetText(int offsetMinutes);

// The passage as one span: "from 22:36 on 15 February to 00:45 on 17 February",
// each end the clock time and day it carries (the year left out).
std::string PassageSpanText(const PassageClocks& clocks);
