#include "places/BirthAtPlace.h"

#include "base/Utf8Text.h"
#include "core/ClockText.h"
#include "places/ZoneClocks.h"

#include <cstdio>
#include <unordered_map>

namespace {

const char* LocalTimeName(ZoneAtDate::LocalTime kind)
{
    switch (kind) {
    case ZoneAtDate::LocalTime::Skipped: return "skipped";
    case ZoneAtDate::LocalTime::Repeated: return "repeated";
    case ZoneAtDate::LocalTime::Normal: break;
    }
    return "normal";
}

}  // namespace

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

std::string PlaceNameAsTyped(const Place& p)
{
    return FullName(p).toStdString() + (p.matchedName.isEmpty() ? "" : " (" + p.matchedName.toStdString() + ")");
}

// The birth data as if typed, with the offset the zone's history gives (a
// signed zone gives its own direction), on the zone's clocks.
PlaceBirth BirthOnZoneClocks(BirthFields typed, const PlaceFill& fill, BirthPlace place, const QByteArray& zone)
{
    PlaceBirth result;
    const int offset = RoundedOffsetMinutes(fill.dst ? fill.zoneAt.offsetSeconds - 3600 : fill.zoneAt.offsetSeconds);
    typed.zone = offset == 0 ? "0:00" : IsoOffset(offset);
    typed.dst = fill.dst;
    const BirthParse birth = ParseBirth(typed);
    if (!birth.ok) {
        result.error = birth.error;
        return result;
    }
    result.ok = true;
    result.moment.chart = birth.chart;
    result.moment.where = {std::move(place), ClocksOfZone(zone)};
    result.moment.zoneInWords = fill.description.toStdString();
    result.summerTime = fill.zoneAt.summerTime;
    result.localTime = LocalTimeName(fill.zoneAt.localTime);
    return result;
}

PlaceBirth BirthAtPlace(const std::string& place, const std::string& date, const std::string& time,
                        const std::string& notInListHint)
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
        result.error = SearchMessage(search).toStdString();
        if (search.status == PlaceSearch::Status::NoMatch)
            result.error += notInListHint;
        return result;
    }
    const Place& best = search.places.first();
    const QDate day(when.chart.BirthYear, when.chart.BirthMonth, when.chart.BirthDay);
    const QTime clock(when.chart.BirthHour, when.chart.BirthMinute);
    const PlaceFill fill = FillForPlace(best, day, clock);
    if (!fill.zoneAt.known) {
        result.error = "the time zone " + best.zone.toStdString() + " of " + PlaceNameAsTyped(best) + " is not known on this computer";
        return result;
    }
    char longitude[16], latitude[16];
    std::snprintf(longitude, sizeof longitude, "%d:%02d%c", fill.longitudeDegrees, fill.longitudeMinutes, fill.east ? 'E' : 'W');
    std::snprintf(latitude, sizeof latitude, "%d:%02d%c", fill.latitudeDegrees, fill.latitudeMinutes, fill.north ? 'N' : 'S');
    return BirthOnZoneClocks({date, time, longitude, latitude, "", false}, fill, BirthPlaceOf(best), best.zone);
}
