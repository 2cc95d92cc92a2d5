#pragma once

#include "core/ChartRecord.h"
#include "core/Clocks.h"
#include "core/MansionTopics.h"

#include <string>
#include <string_view>
#include <vector>

// The Moon's stays in the mansions over a span of time: the calendar of the
// mansions. Instants are whole minutes of universal time counted from
// 1970-01-01 00:00 UTC; each is told on the clocks of the calendar.

// One stay: the first minute the Moon is in the mansion, and the first minute
// it is in the next one.
struct MansionStay {
    int mansion = 0;  // 1..28
    ClockTime entered, left;
};

enum class StaysStatus {
    Found,        // `stays` holds every stay touching the span
    Reversed,     // the span ends before it starts (an empty span is one minute short of this: nothing found)
    OutOfRange,   // the span's local dates leave 1901..2050, the years the program takes
};

struct MansionStays {
    StaysStatus status = StaysStatus::Found;
    std::vector<MansionStay> stays;  // in order; each `left` is the next `entered`
};

// FindMansionStays — every stay of the Moon in a mansion that touches a span
// Inputs:  fromMinute, toMinute  UTC minutes, the span [from, to)
//          clocks                the offsets in force over it (at least one entry)
// Returns: Found with the stays (a stay [entered, left) touches the span when
//          entered < to and left > from); Reversed when to < from; OutOfRange
//          when the local date at `from` or at `to - 1` is outside 1901..2050.
//          Both of these leave `stays` empty.
// Notes:   1) The mansion of a minute is the reading at HH:MM:00 local time with
//             the offset in force: the same engine and choice as a reading.
//          2) Each change is found from the one before it
//             (FindMansionBoundary): about three engine evaluations a change.
//          3) The first stay may begin, and the last end, outside the span and
//             even outside 1901..2050 (at the edges of the range).
// Checked: MansionStaysTest.AgreesMinuteByMinuteWithAPlainSearch — January 2026
//          at UTC+11:00 against a walk over every minute (exact)
MansionStays FindMansionStays(long fromMinute, long toMinute, const Clocks& clocks);

// The reading of an instant, computed: the local clock time with the offset in
// force as the zone (its own direction), on the meridian of Greenwich.
ChartRecord ChartAtInstant(long utcMinute, int offsetMinutes);

// The mansion of the reading at one instant, read as FindMansionStays reads it.
int MansionAtInstant(long utcMinute, int offsetMinutes);

// The stays whose mansion's favourable (or unfavourable) lines speak of a topic.
std::vector<MansionStay> StaysOnTopic(const std::vector<MansionStay>& stays, MansionField field, Topic topic);
