// The tool's place lookup: the module libqamarel-tool-places.so (see
// PlacesModule.h), the place finder's search and zones behind PlaceArguments.h.
#include "cli/PlacesModule.h"

#include "base/ProgramVersion.h"
#include "base/TextBasics.h"
#include "base/Utf8Text.h"

#include "people/BirthArguments.h"
#include "cli/ReadingOutput.h"
#include "core/ClockText.h"
#include "places/BirthAtPlace.h"
#include "places/PlaceFill.h"
#include "places/PlaceSearch.h"
#include "places/ZoneAtDate.h"
#include "places/ZoneClocks.h"
#include "places/ZoneHistory.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_map>

namespace {

std::string Utf8(const QString& text)
{
    return text.toStdString();
}



PlaceBirth ResolvePlace(const std::string& place, const std::string& date, const std::string& time)
{
    return BirthAtPlace(place, date, time, " Give --longitude, --latitude and --zone for a place not in the list.");
}

// The zone names of the system's database nearest to a misspelt one, by edit
// distance of the whole name or of its city ("Pacific/Chatam", "Chatham"):
// at most three, near enough (one edit in three letters).
std::string NearZoneNames(const std::string& typed)
{
    const std::size_t allowed = std::max<std::size_t>(1, typed.size() / 3);
    std::vector<std::pair<std::size_t, std::string>> near;
    for (const std::string& name : ListedZoneNames()) {
        const std::string city = name.substr(name.rfind('/') + 1);
        const std::size_t d = std::min(AsciiEditDistance(typed, name, true), AsciiEditDistance(typed, city, true));
        if (d <= allowed)
            near.emplace_back(d, name);
    }
    std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string names;
    for (std::size_t i = 0; i < near.size() && i < 3; ++i)
        names += (i == 0 ? "" : i + 1 == std::min<std::size_t>(near.size(), 3) ? " or " : ", ") + near[i].second;
    return names;
}

// The database's own spelling of a zone's name, any letter case; "" with
// `error` set (and the nearest names) for a name it does not know.
QByteArray KnownZone(const std::string& typed, std::string& error)
{
    if (ZoneHistory::Of(typed))
        return QByteArray::fromStdString(typed);
    for (const std::string& name : ListedZoneNames())
        if (name.size() == typed.size() && EndsWithIgnoringCase(typed, name))
            return QByteArray::fromStdString(name);
    const std::string near = NearZoneNames(typed);
    error = "no time zone called " + std::string(Utf8Prefix(typed, 60)) + (near.empty() ? "" : "; did you mean " + near + "?");
    return {};
}

// A birth typed with its coordinates and a zone named: the zone's offset at
// the birth from its history, stated as for a place of the list.
PlaceBirth ResolveZoneBirth(const std::string& zone, const BirthFields& typed)
{
    PlaceBirth result;
    const BirthParse when = ParseBirth({typed.date, typed.time, typed.longitude, typed.latitude, "0:00", false});
    if (!when.ok) {
        result.error = when.error;
        return result;
    }
    const QByteArray id = KnownZone(zone, result.error);
    if (id.isEmpty())
        return result;
    const ChartRecord& c = when.chart;
    PlaceFill fill;
    fill.east = c.IsEast != 0;
    FillZone(id, QString(), QDate(c.BirthYear, c.BirthMonth, c.BirthDay), QTime(c.BirthHour, c.BirthMinute), fill);
    BirthPlace coordinates;
    coordinates.latitude = (c.LatitudeDegrees + c.LatitudeMinutes / 60.0) * (c.IsNorth ? 1 : -1);
    coordinates.longitude = (c.LongitudeDegrees + c.LongitudeMinutes / 60.0) * (c.IsEast ? 1 : -1);
    coordinates.zone = id.toStdString();
    return BirthOnZoneClocks(typed, fill, std::move(coordinates), id);
}

PlaceListing ListMatches(const std::string& query, bool json)
{
    PlaceListing listing;
    const PlaceSearch search = FindPlaces(QString::fromStdString(std::string(Utf8Prefix(query, 200))));
    if (search.status != PlaceSearch::Status::Found)
        listing.error = Utf8(SearchMessage(search));
    std::vector<std::string>& lines = listing.lines;
    for (const Place& p : search.places)
        lines.push_back(json ? "{" + PlaceJsonFields(BirthPlaceOf(p)) + ",\"population\":" + std::to_string(p.population) + "}"
                             : PlaceNameAsTyped(p) + "\t" + AngleText(p.latitude, true) + " " + AngleText(p.longitude, false) +
                                   "\t" + p.zone.toStdString());
    return listing;
}

PlaceClocksFound PlaceClocksOf(const std::string& place)
{
    PlaceClocksFound result;
    const PlaceSearch& search = SearchFor(place);
    if (search.status != PlaceSearch::Status::Found) {
        result.error = Utf8(SearchMessage(search));
        return result;
    }
    const Place& best = search.places.first();
    result.where = {BirthPlaceOf(best), ClocksOfZone(best.zone)};
    if (result.where.clocks.changes.empty()) {
        result.error = "the time zone " + best.zone.toStdString() + " of " + PlaceNameAsTyped(best) + " is not known on this computer";
        return result;
    }
    result.ok = true;
    return result;
}

// A named zone's clocks over the program's years, for --calendar --zone-name.
PlaceClocksFound ZoneClocksOf(const std::string& zone)
{
    PlaceClocksFound result;
    const QByteArray id = KnownZone(zone, result.error);
    if (id.isEmpty())
        return result;
    result.where.clocks = ClocksOfZone(id);
    result.ok = true;
    return result;
}

const PlacesModuleEntry Entry{
    ModuleHeaderOf<PlacesModuleEntry>(QAMAREL_VERSION),
    ResolvePlace,
    ListMatches,
    PlaceClocksOf,
    ResolveZoneBirth,
    ZoneClocksOf,
};

}  // namespace

// The module's one export (see base/CompanionModules.h).
extern "C" Q_DECL_EXPORT const ModuleHeader* QamarelModuleEntry()
{
    return &Entry.header;
}
