// The tool's place lookup: the module libqamarel-tool-places.so (see
// PlacesModule.h), the place finder's search and zones behind PlaceArguments.h.
#include "cli/PlacesModule.h"

#include "base/ProgramVersion.h"
#include "base/Utf8Text.h"

#include "cli/ReadingOutput.h"
#include "core/MansionPassage.h"
#include "places/PlaceFill.h"
#include "places/PlaceSearch.h"
#include "places/ZoneAtDate.h"

#include <cstdio>

namespace {

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

std::string PlaceName(const Place& p)
{
    return Utf8(FullName(p)) + (p.matchedName.isEmpty() ? "" : " (" + Utf8(p.matchedName) + ")");
}

std::string PlaceJsonFields(const Place& p)
{
    return "\"name\":" + JsonString(Utf8(p.name)) + (p.matchedName.isEmpty() ? "" : ",\"matchedName\":" + JsonString(Utf8(p.matchedName))) + ",\"state\":" + JsonString(Utf8(p.state)) +
           ",\"country\":" + JsonString(Utf8(p.country)) + ",\"latitude\":" + JsonString(Utf8(AngleText(p.latitude, true))) +
           ",\"longitude\":" + JsonString(Utf8(AngleText(p.longitude, false))) + ",\"zone\":" + JsonString(p.zone.toStdString());
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
    const PlaceSearch search = FindPlaces(QString::fromStdString(std::string(Utf8Prefix(place, 200))));
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
    const int zone = RoundedOffsetSeconds(fill.dst ? fill.zoneAt.offsetSeconds - 3600 : fill.zoneAt.offsetSeconds);
    result.birth = ParseBirth({date, time, longitude, latitude, zone == 0 ? "0:00" : IsoZoneOffset(zone / 60), fill.dst});
    if (!result.birth.ok) {
        result.error = result.birth.error;
        return result;
    }
    result.ok = true;
    result.zone = best.zone.toStdString();
    result.name = Utf8(FullName(best));
    result.text = "Place: " + PlaceName(best) + " (" + Utf8(AngleText(best.latitude, true)) + " " +
                  Utf8(AngleText(best.longitude, false)) + ")\nTime zone: " + Utf8(fill.description) + "\n";
    result.json = "{" + PlaceJsonFields(best) + ",\"offset\":" + JsonString(IsoZoneOffset(RoundedOffsetSeconds(fill.zoneAt.offsetSeconds) / 60)) +
                  ",\"summerTime\":" + (fill.zoneAt.summerTime ? "true" : "false") +
                  ",\"localTime\":\"" + LocalTimeName(fill.zoneAt.localTime) + "\",\"used\":" +
                  JsonString(Utf8(fill.description)) + "}";
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
        lines.push_back(json ? "{" + PlaceJsonFields(p) + ",\"population\":" + std::to_string(p.population) + "}"
                             : PlaceName(p) + "\t" + Utf8(AngleText(p.latitude, true)) + " " +
                                   Utf8(AngleText(p.longitude, false)) + "\t" + p.zone.toStdString());
    return listing;
}

PlaceZone ZoneOver(const std::string& place, long fromUtcMinute, long toUtcMinute)
{
    PlaceZone result;
    const PlaceSearch search = FindPlaces(QString::fromStdString(std::string(Utf8Prefix(place, 200))));
    if (search.status != PlaceSearch::Status::Found) {
        result.error = Utf8(SearchMessage(search));
        return result;
    }
    const Place& best = search.places.first();
    for (const ZoneOffsetChange& c :
         ZoneChangesOver(best.zone, (fromUtcMinute - 2880) * 60LL, (toUtcMinute + 2880) * 60LL))
        result.zone.changes.push_back({static_cast<long>(c.fromUtcSeconds / 60), RoundedOffsetSeconds(c.offsetSeconds) / 60});
    if (result.zone.changes.empty()) {
        result.error = "the time zone " + best.zone.toStdString() + " is not known on this computer";
        return result;
    }
    result.zoneText = best.zone.toStdString();
    result.ok = true;
    return result;
}

PassageClocks ZoneClocks(const MansionPassage& passage, const std::string& zone)
{
    const QByteArray id = QByteArray::fromStdString(zone);
    return PassageInPlaceClocks(passage, [&](long utcMinute) {
        const ClockAt clock = ClockAtInstant(id, qint64(utcMinute) * 60);
        return clock.known ? std::pair<int, std::string>(clock.offsetSeconds / 60, clock.abbreviation.toStdString())
                           : std::pair<int, std::string>(passage.zoneOffsetMinutes, std::string());
    });
}

const PlacesModuleEntry Entry{
    ModuleHeaderOf<PlacesModuleEntry>(QAMAREL_VERSION),
    ResolvePlace,
    ListMatches,
    ZoneOver,
    ZoneClocks,
};

}  // namespace

// The module's one export (see base/CompanionModules.h).
extern "C" Q_DECL_EXPORT const ModuleHeader* QamarelModuleEntry()
{
    return &Entry.header;
}
