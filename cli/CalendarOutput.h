#pragma once

#include "cli/PeopleOutput.h"
#include "core/BirthMoment.h"
#include "core/MansionStays.h"

#include <string>
#include <vector>

// The stays of --calendar in the tool's four forms. Each says where and on
// which clocks: text starts with the place and zone lines a reading prints,
// JSON carries "place" and "zone", CSV a zone column, iCalendar the
// calendar's name and zone. With `people` (--people), each stay names the
// people whose birth mansion it is: text, "  people: Anna, Omar" at the end
// of its line (when there are any); JSON, "people": ["Anna", "Omar"]; CSV, a
// last column "people", "Anna, Omar"; iCalendar, the event's description's
// first line, "People: Anna, Omar".

std::string CalendarText(const std::vector<MansionStay>& stays, const PlaceClocks& where,
                         const MansionPeople* people = nullptr);
// {"place": {...}, "zone": "Europe/London", "calendar": [...]}; "place" only
// for a place, "zone" the IANA name or the fixed offset ("UTC+11:00").
std::string CalendarJson(const std::vector<MansionStay>& stays, const PlaceClocks& where,
                         const MansionPeople* people = nullptr);
// A header, then mansion,entered,left,latin_name,arabic_name,english_meaning,zone.
std::string CalendarCsv(const std::vector<MansionStay>& stays, const PlaceClocks& where,
                        const MansionPeople* people = nullptr);

// CalendarIcs — the stays as an iCalendar file (calendar/StaysCalendar.h),
// through the module libqamarel-ics.so; "" with `problem` set when the
// module cannot be loaded
std::string CalendarIcs(const std::vector<MansionStay>& stays, const PlaceClocks& where, long stampMinute,
                        std::string& problem, const MansionPeople* people = nullptr);

// The calendar's title: "Mansion Calendar — London, England, United Kingdom
// (Europe/London)", "Mansion Calendar — UTC+11".
std::string CalendarTitle(const PlaceClocks& where);
