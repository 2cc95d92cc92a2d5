#pragma once

#include "people/BirthArguments.h"
#include "cli/PlaceResults.h"

#include <string>
#include <vector>

// The place list for the tool. Its code (the place finder, with Qt Core, over
// the place index) is a module loaded at the first call (PlacesModule.h), so a
// run that names no place starts without it; when the module cannot be
// loaded, each call fails with the reason.

// ResolvePlaceBirth — `place` is "City[, State][, Country]"; date and time as
// for the other birth data. A place that is not in the list is refused with
// the finder's message and its near names.
PlaceBirth ResolvePlaceBirth(const std::string& place, const std::string& date, const std::string& time);

// ListPlaces — every match, best first (the near names, or the place list
// that could not be loaded, in `error` when nothing matches).
PlaceListing ListPlaces(const std::string& query, bool json);

// FindPlaceClocks — the best match of a place and its zone's clocks over the
// program's years, for --calendar --place.
PlaceClocksFound FindPlaceClocks(const std::string& place);

// ResolveZoneBirth — a birth typed with --longitude and --latitude and a zone
// named (--zone-name "Pacific/Chatham", any letter case): the offset in force
// at the birth from the zone's history. An unknown name is refused with up to
// three of the nearest names.
PlaceBirth ResolveZoneBirth(const std::string& zone, const BirthFields& typed);

// FindZoneClocks — a named zone's clocks over the program's years, for
// --calendar --zone-name.
PlaceClocksFound FindZoneClocks(const std::string& zone);
