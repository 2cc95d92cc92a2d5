#pragma once

#include "core/BirthMoment.h"
#include "core/ChartRecord.h"
#include "core/Clocks.h"

#include <string>
#include <string_view>

// The Moon's passage through the mansion of a birth: when it came in and when
// it went on, as the reading itself computes the mansion, minute by minute.
struct MansionPassage {
    int mansion = 0;          // the birth's mansion, 1..28
    ClockTime entered;        // the first minute the Moon was in it, on the birth's clocks
    ClockTime left;           // the first minute it was in the next one
    int previousMansion = 0;  // the mansion before `entered`
    int nextMansion = 0;      // the mansion from `left` on
    // The Moon's path over the birth day, 00:00 to 24:00 local time: sidereal
    // longitudes in degrees.
    double dayStartLongitude = 0;
    double dayEndLongitude = 0;
};

// FindMansionPassage — the passage through the mansion a birth's Moon is in
// Inputs:  birth  the chart's fourteen inputs (its working values are not
//                 used) and the clocks its ends are told in
// Notes:   1) Each boundary minute is checked exactly as a reading: the birth
//             data with the clock time moved, the same engine, the same choice
//             of mansion; the minutes on both sides of it are computed.
//          2) Both changes come from FindMansionBoundary (Newton's method on the
//             engine's series, then the two minutes around the root): three
//             evaluations of the series, two more for the day's path.
//          3) The instants come from the chart's own offset; each end is then
//             told in the offset the clocks kept at that instant (across a
//             change of the clocks, the two ends differ).
//          4) DayPath::Skipped leaves the day's path at 0, for callers that show
//             only the times (a batch): two engine evaluations of some ten.
enum class DayPath { Computed, Skipped };
MansionPassage FindMansionPassage(const BirthMoment& birth, DayPath dayPath = DayPath::Computed);
// The same for typed birth data: both ends in the chart's own offset.
MansionPassage FindMansionPassage(const ChartRecord& birth, DayPath dayPath = DayPath::Computed);

// SetChartClock — puts a local clock time into a chart's birth date and time.
void SetChartClock(ChartRecord& chart, const LocalMinute& time);

// The sentences of DescribePassage, in English; %1, %2 ... stand for the day,
// the clock times and the mansions in the order written. A window passes them
// in the user's language.
struct PassageSentences {
    std::string_view allDay = "The Moon was in this mansion all day on %1.";
    std::string_view entersAndLeaves = "On %1 the Moon entered this mansion at %2, coming from %3; it left it at %4 for %5.";
    std::string_view enters = "On %1 the Moon entered this mansion at %2, coming from %3.";
    std::string_view leaves = "On %1 the Moon left this mansion at %2 for %3.";
    std::string_view mansion = "mansion %1, %2";  // its number and Latin names
    std::string_view day;                          // the birth day in words; DayText's where empty
};

// The passage in words for the birth day: "The Moon was in this mansion all
// day on 21 March 1987", or the clock time of each change on that day with the
// mansion before or after it, each time with its zone ("08:38 BST", "08:38 UTC+1").
std::string DescribePassage(const MansionPassage& passage, const LocalMinute& birth,
                            const PassageSentences& sentences = {});
