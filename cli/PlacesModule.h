#pragma once

#include "people/BirthArguments.h"
#include "cli/PlaceResults.h"
#include "base/CompanionModules.h"

// The reading tool's place list: the module libqamarel-tool-places.so, loaded
// at the first --place, --places or --calendar --place (see CompanionModules.h),
// and its entry. Plain readings start without Qt Core and the place index.
struct PlacesModuleEntry {
    static constexpr const char* Library = "libqamarel-tool-places.so";
    static constexpr const char* Kind = "tool-places";
    static constexpr std::uint32_t Layout = 3;

    ModuleHeader header;  // first, so that the loader's check sees it
    PlaceBirth (*resolvePlaceBirth)(const std::string& place, const std::string& date, const std::string& time);
    PlaceListing (*listPlaces)(const std::string& query, bool json);
    PlaceClocksFound (*findPlaceClocks)(const std::string& place);
    PlaceBirth (*resolveZoneBirth)(const std::string& zone, const BirthFields& typed);
    PlaceClocksFound (*findZoneClocks)(const std::string& zone);
};
