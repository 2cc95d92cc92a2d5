#pragma once

#include "cli/BirthArguments.h"
#include "core/MansionPassage.h"
#include "core/MansionStays.h"

#include <string>
#include <vector>

// The place list for the tool. Its code (the place finder, with Qt Core and
// libgeonames) is a module loaded at the first call (PlacesModule.h), so a
// run that names no place starts without it; when the module cannot be
// loaded, each call fails with the reason.

// A birth place given by name, resolved as the program's place finder does:
// the best match of the offline place list, its coordinates to the nearest
// arc-minute, and its time zone's offset at the birth date and time.
struct PlaceBirth {
    bool ok = false;
    std::string error;   // one line, when !ok
    BirthParse birth;    // the chart, when ok
    std::string text;    // "Place: ..." and "Time zone: ..." lines for text output
    std::string json;    // a "place" object for JSON output
    std::string name;    // "Paris, Texas, United States of America", for the batch's place column
    std::string zone;    // the place's time zone, "Europe/London"
};

// The passage's ends as the clocks of a zone showed them, each in the offset
// in force at its moment (the birth's offset where the zone is not known).
PassageClocks PassageInZoneClocks(const MansionPassage& passage, const std::string& zone);

// ResolvePlaceBirth — `place` is "City[, State][, Country]"; date and time as
// for the other birth data. A place that is not in the list is refused with
// the finder's message and its near names.
PlaceBirth ResolvePlaceBirth(const std::string& place, const std::string& date, const std::string& time);

// ListPlaces — every match, best first: one line of text each, or one JSON
// object each; none, with `error` saying why (the near names, or the place
// list that could not be loaded), when nothing matches.
struct PlaceListing {
    std::vector<std::string> lines;
    std::string error;
};
PlaceListing ListPlaces(const std::string& query, bool json);

// PlaceZoneOver — the clocks of a place over a span: the best match's zone and
// every offset in force from `fromUtcMinute` to `toUtcMinute` (UTC minutes
// since 1970, two days' margin either side), for --calendar --place
struct PlaceZone {
    bool ok = false;
    std::string error;     // one line, when !ok
    ZoneOffsets zone;
    std::string zoneText;  // "Australia/Sydney"
};
PlaceZone PlaceZoneOver(const std::string& place, long fromUtcMinute, long toUtcMinute);
