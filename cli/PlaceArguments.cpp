#include "cli/PlaceArguments.h"

#include "base/Utf8Text.h"

#include "cli/ReadingOutput.h"
#include "core/MansionPassage.h"
#include "places/PlaceFill.h"

#include <cstdio>

namespace {

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

std::string PlaceName(const Place& p)
{
    return Utf8(p.name) + (p.state.isEmpty() ? "" : ", " + Utf8(p.state)) + ", " + Utf8(p.country);
}

std::string PlaceJsonFields(const Place& p)
{
    return "\"name\":" + JsonString(Utf8(p.name)) + ",\"state\":" + JsonString(Utf8(p.state)) +
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

}  // namespace

PlaceBirth ResolvePlaceBirth(const std::string& place, const std::string& date, const std::string& time)
{
    PlaceBirth result;
    // The date and time first, with their own messages.
    const BirthParse when = ParseBirth({date, time, "0:00E", "0:00N", "0:00", false});
    if (!when.ok) {
        result.error = when.error;
        return result;
    }
    const QList<Place> found = FindPlacesFor(QString::fromStdString(place));
    if (found.isEmpty()) {
        result.error = "place \"" + std::string(Utf8Prefix(place, 60)) + "\" is not in the place list; give --longitude, --latitude and --zone";
        return result;
    }
    const Place& best = found.first();
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
    const int zone = fill.dst ? fill.zoneAt.offsetSeconds - 3600 : fill.zoneAt.offsetSeconds;
    result.birth = ParseBirth({date, time, longitude, latitude, zone == 0 ? "0:00" : IsoZoneOffset(zone / 60), fill.dst});
    if (!result.birth.ok) {
        result.error = result.birth.error;
        return result;
    }
    result.ok = true;
    result.text = "Place: " + PlaceName(best) + " (" + Utf8(AngleText(best.latitude, true)) + " " +
                  Utf8(AngleText(best.longitude, false)) + ")\nTime zone: " + Utf8(fill.description) + "\n";
    result.json = "{" + PlaceJsonFields(best) + ",\"offset\":" + JsonString(IsoZoneOffset(fill.zoneAt.offsetSeconds / 60)) +
                  ",\"summerTime\":" + (fill.zoneAt.daylightSeconds != 0 ? "true" : "false") +
                  ",\"localTime\":\"" + LocalTimeName(fill.zoneAt.localTime) + "\",\"used\":" +
                  JsonString(Utf8(fill.description)) + "}";
    return result;
}

std::vector<std::string> ListPlaces(const std::string& query, bool json)
{
    std::vector<std::string> lines;
    for (const Place& p : FindPlacesFor(QString::fromStdString(query)))
        lines.push_back(json ? "{" + PlaceJsonFields(p) + ",\"population\":" + std::to_string(p.population) + "}"
                             : PlaceName(p) + "\t" + Utf8(AngleText(p.latitude, true)) + " " +
                                   Utf8(AngleText(p.longitude, false)) + "\t" + p.zone.toStdString());
    return lines;
}
