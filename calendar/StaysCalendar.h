#pragma once

#include "core/MansionStays.h"

#include <string>
#include <vector>

// What a calendar file says of itself: its name, and the IANA zone whose
// clocks it was made for ("" for a fixed offset, which has no name there).
struct CalendarNames {
    std::string title;  // X-WR-CALNAME: "Mansion Calendar — London, England (Europe/London)"
    std::string zone;   // X-WR-TIMEZONE: "Europe/London"
    // The people whose birth mansion each is, by mansion (1..28): "Anna,
    // Omar", the first line of a stay's DESCRIPTION, "People: Anna, Omar";
    // empty (or "" for a mansion) for none.
    std::vector<std::string> peopleByMansion = {};
};

// StaysCalendarText — the stays as an iCalendar file (RFC 5545)
// Inputs:  stays        the Moon's stays (any span)
//          stampMinute  the file's DTSTAMP, UTC minutes since 1970
//          names        the calendar's title and zone, as calendar programs
//                       read them (X-WR-CALNAME, X-WR-TIMEZONE)
// Returns: the file's text, CR LF lines folded at 75 octets: one VEVENT a stay
//          with SUMMARY "Moon in mansion 14 — Al Simak (The Unarmed)", a
//          DESCRIPTION with what the mansion favours and hinders, DTSTART and
//          DTEND in UTC, and a UID made of the mansion and the minute it was
//          entered: the same stay has the same UID in every file.
std::string StaysCalendarText(const std::vector<MansionStay>& stays, long stampMinute, const CalendarNames& names);

// The UID of a stay: "20260216T1345Z-mansion-14@qamarel".
std::string StayUid(const MansionStay& stay);
