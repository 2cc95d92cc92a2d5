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

// A call of the module's, or, when it cannot be loaded, a result whose
// error says why.
template <typename Result, typename Call>
Result OnPlacesModule(Call call)
{
    std::string problem;
    if (const PlacesModuleEntry* places = Places(problem))
        return call(*places);
    Result failed;
    failed.error = problem;
    return failed;
}

}  // namespace

PlaceBirth ResolvePlaceBirth(const std::string& place, const std::string& date, const std::string& time)
{
    return OnPlacesModule<PlaceBirth>([&](const PlacesModuleEntry& m) { return m.resolvePlaceBirth(place, date, time); });
}

PlaceListing ListPlaces(const std::string& query, bool json)
{
    return OnPlacesModule<PlaceListing>([&](const PlacesModuleEntry& m) { return m.listPlaces(query, json); });
}

PlaceClocksFound FindPlaceClocks(const std::string& place)
{
    return OnPlacesModule<PlaceClocksFound>([&](const PlacesModuleEntry& m) { return m.findPlaceClocks(place); });
}

PlaceBirth ResolveZoneBirth(const std::string& zone, const BirthFields& typed)
{
    return OnPlacesModule<PlaceBirth>([&](const PlacesModuleEntry& m) { return m.resolveZoneBirth(zone, typed); });
}

PlaceClocksFound FindZoneClocks(const std::string& zone)
{
    return OnPlacesModule<PlaceClocksFound>([&](const PlacesModuleEntry& m) { return m.findZoneClocks(zone); });
}
