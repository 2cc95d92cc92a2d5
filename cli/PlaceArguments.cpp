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

PlaceClocksFound FindPlaceClocks(const std::string& place)
{
    std::string problem;
    if (const PlacesModuleEntry* places = Places(problem))
        return places->findPlaceClocks(place);
    PlaceClocksFound failed;
    failed.error = problem;
    return failed;
}

PlaceBirth ResolveZoneBirth(const std::string& zone, const BirthFields& typed)
{
    std::string problem;
    if (const PlacesModuleEntry* places = Places(problem))
        return places->resolveZoneBirth(zone, typed);
    PlaceBirth failed;
    failed.error = problem;
    return failed;
}

PlaceClocksFound FindZoneClocks(const std::string& zone)
{
    std::string problem;
    if (const PlacesModuleEntry* places = Places(problem))
        return places->findZoneClocks(zone);
    PlaceClocksFound failed;
    failed.error = problem;
    return failed;
}
