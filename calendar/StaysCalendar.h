#pragma once

#include "core/MansionStays.h"

#include <string>
#include <vector>

// StaysCalendarText — the stays as an iCalendar file (RFC 5545)
// Inputs:  stays        the Moon's stays (any span)
//          stampMinute  the file's DTSTAMP, UTC minutes since 1970
// Returns: the file's text, CR LF lines folded at 75 octets: one VEVENT a stay
//          with SUMMARY "Moon in mansion 14 — Al Simak (The Unarmed)", a
//          DESCRIPTION with what the mansion favours and hinders, DTSTART and
//          DTEND in UTC, and a UID made of the mansion and the minute it was
//          entered: the same stay has the same UID in every file.
std::string StaysCalendarText(const std::vector<MansionStay>& stays, long stampMinute);

// The UID of a stay: "20260216T1345Z-mansion-14@qamarel".
std::string StayUid(const MansionStay& stay);
