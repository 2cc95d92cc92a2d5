#include "cli/PlaceArguments.h"

#include "cli/PlacesModule.h"

namespace {

// The module's entry, loaded once for the run; nullptr with `problem` set
// when it cannot be loaded.
const PlacesModuleEntry* Places(std::string& problem)
{
    static std::string loadProblem;
    static const PlacesModuleEntry* const entry = LoadCompanionModule<PlacesModuleEntry>(loadProblem);
    problem = "the place list cannot be used: " + loadProblem;
    return entry;
}

}  // namespace

PlaceBirth ResolvePlaceBirth(const std::string& place, const std::string& date, const std::string& time)
{
    std::string problem;
    if (const PlacesModuleEntry* places = Places(problem))
        return places->resolvePlaceBirth(place, date, time);
    PlaceBirth failed;
    failed.error = problem;
    return failed;
}

PlaceListing ListPlaces(const std::string& query, bool json)
{
    std::string problem;
    if (const PlacesModuleEntry* places = Places(problem))
        return places->listPlaces(query, json);
    PlaceListing failed;
    failed.error = problem;
    return failed;
}

PlaceZone PlaceZoneOver(const std::string& place, long fromUtcMinute, long toUtcMinute)
{
    std::string problem;
    if (const PlacesModuleEntry* places = Places(problem))
        return places->placeZoneOver(place, fromUtcMinute, toUtcMinute);
    PlaceZone failed;
    failed.error = problem;
    return failed;
}

PassageClocks PassageInZoneClocks(const MansionPassage& passage, const std::string& zone)
{
    std::string problem;
    if (const PlacesModuleEntry* places = Places(problem))
        return places->passageInZoneClocks(passage, zone);
    // Without the place list the zone is unknown: the birth's own offset, as for a zone the database lacks.
    return PassageInPlaceClocks(passage, [&](long) { return std::pair<int, std::string>(passage.zoneOffsetMinutes, std::string()); });
}
