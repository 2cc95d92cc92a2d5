#pragma once

#include "core/CivilCalendar.h"

#include <string>
#include <vector>

// The clocks of a place: the offset from universal time in force at any
// instant, and the zone's abbreviation for it. Instants are whole minutes of
// universal time counted from 1970-01-01 00:00 UTC; offsets are whole minutes,
// local clock time minus universal time (East positive).

// A local clock time to the minute.
struct LocalMinute {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    CivilDate Date() const { return {year, month, day}; }
    bool SameDay(const LocalMinute& other) const
    {
        return year == other.year && month == other.month && day == other.day;
    }
};

// LocalMinuteShifted — a local clock time `minutes` later (or earlier), across
// days, months and years of the Gregorian calendar.
LocalMinute LocalMinuteShifted(const LocalMinute& start, long minutes);

// UTC minutes of a local clock time at a fixed offset, and back.
long UtcMinuteOf(const LocalMinute& local, int offsetMinutes);
LocalMinute LocalAt(long utcMinute, int offsetMinutes);

// An instant as the clocks showed it: the offset in force and the zone's
// abbreviation ("BST"; "" where the clocks have none, as a typed offset).
struct ClockTime {
    long utcMinute = 0;
    int offsetMinutes = 0;
    std::string abbreviation;
    LocalMinute Local() const { return LocalAt(utcMinute, offsetMinutes); }
};

// From `fromUtcMinute` on, the clocks are universal time plus `offsetMinutes`.
struct ClockChange {
    long fromUtcMinute = 0;
    int offsetMinutes = 0;
    std::string abbreviation;
};

// Clocks — a zone's offsets over time, in order; the first also holds before
// its instant, the last after it. A typed offset is one entry, with no zone
// name and no abbreviation. Filled by the place finder from the time-zone
// database (places/ZoneClocks.h), or Fixed.
struct Clocks {
    std::string zone;  // IANA name, "Europe/London"; "" for a fixed offset
    std::vector<ClockChange> changes;

    static Clocks Fixed(int offsetMinutes) { return {{}, {{0, offsetMinutes, {}}}}; }
    bool Named() const { return !zone.empty(); }

    // The offset in force at an instant (0 for clocks with no entry).
    int OffsetAt(long utcMinute) const;
    // The instant with its offset and abbreviation.
    ClockTime At(long utcMinute) const;
    // UtcOf — the instant a local clock time stands for
    // Notes: a time the clocks skipped, or showed twice, is taken with the
    //        offset in force before the change: the clocks still showed that
    //        time in the old reckoning, or showed it first.
    long UtcOf(const LocalMinute& local) const;
};
