// The tool's place lookup: the module libqamarel-tool-places.so (see
// PlacesModule.h), the place finder's search and zones behind PlaceArguments.h.
#include "cli/PlacesModule.h"

#include "base/ProgramVersion.h"
#include "base/Utf8Text.h"

#include "cli/BirthArguments.h"
#include "cli/ReadingOutput.h"
#include "core/ClockText.h"
#include "places/PlaceFill.h"
#include "places/PlaceSearch.h"
#include "places/ZoneAtDate.h"
#include "places/ZoneClocks.h"

#include <cstdio>
#include <string>
#include <unordered_map>

namespace {

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

std::string PlaceName(const Place& p)
{
    return Utf8(FullName(p)) + (p.matchedName.isEmpty() ? "" : " (" + Utf8(p.matchedName) + ")");
}


// The search for a typed place, kept for the rest of the run: a batch names
// the same places row after row. At most 4,096 kept; then they start again.
const PlaceSearch& SearchFor(const std::string& place)
{
    static std::unordered_map<std::string, PlaceSearch> searched;
    const auto found = searched.find(place);
    if (found != searched.end())
        return found->second;
    if (searched.size() >= 4096)
        searched.clear();
    return searched.emplace(place, FindPlaces(QString::fromStdString(std::string(Utf8Prefix(place, 200))))).first->second;
}

const char* LocalTimeName(ZoneAtDate::LocalTime kind)
{
    switch (kind) {
    case ZoneAtDate::LocalTime::Skipped: return "skipped";
    case ZoneAtDate::LocalTime::Repeated: return "repeated";
    case ZoneAtDate::LocalTime::Normal: break;
    }
    return "normal";
}


PlaceBirth ResolvePlace(const std::string& place, const std::string& date, const std::string& time)
{
    PlaceBirth result;
    // The date and time first, with their own messages.
    const BirthParse when = ParseBirth({date, time, "0:00E", "0:00N", "0:00", false});
    if (!when.ok) {
        result.error = when.error;
        return result;
    }
    const PlaceSearch& search = SearchFor(place);
    if (search.status != PlaceSearch::Status::Found) {
        result.error = Utf8(SearchMessage(search));
        if (search.status == PlaceSearch::Status::NoMatch)
            result.error += " Give --longitude, --latitude and --zone for a place not in the list.";
        return result;
    }
    const Place& best = search.places.first();
    const QDate day(when.chart.BirthYear, when.chart.BirthMonth, when.chart.BirthDay);
    const QTime clock(when.chart.BirthHour, when.chart.BirthMinute);
    const PlaceFill fill = FillForPlace(best, day, clock);
    if (!fill.zoneAt.known) {
        result.error = "the time zone " + best.zone.toStdString() + " of " + PlaceName(best) + " is not known on this computer";
        return result;
    }

    // The birth data as if typed: a signed zone gives its own direction.
    char longitude[16], latitude[16];
    std::snprintf(longitude, sizeof longitude, "%d:%02d%c", fill.longitudeDegrees, fill.longitudeMinutes, fill.east ? 'E' : 'W');
    std::snprintf(latitude, sizeof latitude, "%d:%02d%c", fill.latitudeDegrees, fill.latitudeMinutes, fill.north ? 'N' : 'S');
    const int zone = RoundedOffsetMinutes(fill.dst ? fill.zoneAt.offsetSeconds - 3600 : fill.zoneAt.offsetSeconds);
    const BirthParse birth = ParseBirth({date, time, longitude, latitude, zone == 0 ? "0:00" : IsoOffset(zone), fill.dst});
    if (!birth.ok) {
        result.error = birth.error;
        return result;
    }
    result.ok = true;
    result.moment.chart = birth.chart;
    result.moment.where = {BirthPlaceOf(best), ClocksOfZone(best.zone)};
    result.moment.zoneInWords = Utf8(fill.description);
    result.summerTime = fill.zoneAt.summerTime;
    result.localTime = LocalTimeName(fill.zoneAt.localTime);
    return result;
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
                             : PlaceName(p) + "\t" + AngleText(p.latitude, true) + " " + AngleText(p.longitude, false) +
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
        result.error = "the time zone " + best.zone.toStdString() + " of " + PlaceName(best) + " is not known on this computer";
        return result;
    }
    result.ok = true;
    return result;
}

const PlacesModuleEntry Entry{
    ModuleHeaderOf<PlacesModuleEntry>(QAMAREL_VERSION),
    ResolvePlace,
    ListMatches,
    PlaceClocksOf,
};

}  // namespace

// The module's one export (see base/CompanionModules.h).
extern "C" Q_DECL_EXPORT const ModuleHeader* QamarelModuleEntry()
{
    return &Entry.header;
}
