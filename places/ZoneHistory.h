#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A zone's whole history as the system's time-zone database holds it: the
// zone files of /usr/share/zoneinfo (or $TZDIR), TZif versions 1 to 4, and
// the rule in a file's footer for the years after its last listed change.
// Standard library only: a reading by place needs no Qt time-zone code.
// Source: RFC 8536, "The Time Zone Information Format (TZif)"; the footer's
//         rule is a POSIX TZ string (IEEE Std 1003.1, section 8.3) with
//         RFC 8536's extensions (hours from -167 to 167).

// One stretch of time with one offset.
struct ZoneStretch {
    std::int64_t start = std::numeric_limits<std::int64_t>::min();  // UTC seconds since 1970; min for the first
    int offsetSeconds = 0;     // from universal time, East positive
    bool daylight = false;     // the database's flag (isdst): summer time, or winter time behind standard
    std::string abbreviation;  // "CEST", "LMT", "+0545"

    bool SameClocks(const ZoneStretch& other) const
    {
        return offsetSeconds == other.offsetSeconds && daylight == other.daylight && abbreviation == other.abbreviation;
    }
};

class ZoneHistory {
public:
    // Of — the zone named `zone` ("Europe/Madrid", any name of a zone file,
    //      links such as "Asia/Calcutta" too), read once a run and kept
    // Returns: null for a name that is not a readable zone file (or that
    //          would leave the database's folder)
    static std::shared_ptr<const ZoneHistory> Of(std::string_view zone);

    // Parse — the history in the bytes of a zone file; null when they are
    // not one (no "TZif", counts past the end, no time type)
    static std::shared_ptr<const ZoneHistory> Parse(std::string_view bytes);

    // The stretch in force at `utc` (seconds since 1970).
    ZoneStretch At(std::int64_t utc) const;

    // ChangesIn — the stretches that begin after `from` up to and including
    // `to`, in time order; each changes the clocks (offset, flag or abbreviation)
    std::vector<ZoneStretch> ChangesIn(std::int64_t from, std::int64_t to) const;

private:
    // One half of the footer's rule: a change on a day of each year, at a
    // time of day on the clocks in force before it.
    struct RuleDay {
        enum class Kind { JulianNoLeap, JulianZeroBased, MonthWeekDay } kind = Kind::MonthWeekDay;
        int day = 0, week = 0, month = 0;  // Jn: day 1..365; n: 0..365; Mm.w.d: month, week 1..5, weekday 0..6 (Sunday 0)
        int seconds = 7200;                // time of day, -167 h to 167 h; 02:00 unless given
    };
    struct Rule {
        ZoneStretch standard, daylight;  // daylight: flagged time, summer time or (Dublin's) winter time
        bool hasDaylight = false;
        RuleDay begins, ends;            // of the flagged time
    };
    static bool ParseRule(std::string_view text, Rule& rule);
    // The rule's two changes of one year, appended.
    void RuleChangesOf(int year, std::vector<ZoneStretch>& out) const;
    // The start of the last listed change; the rule holds after it.
    std::int64_t RuleFrom() const;

    std::vector<ZoneStretch> listed_;  // the file's; the first has no start
    Rule rule_;
    bool hasRule_ = false;
};

// The zones the database lists, one a region ("Europe/Madrid",
// "Pacific/Chatham"), from its zone.tab, sorted; empty without one.
const std::vector<std::string>& ListedZoneNames();
