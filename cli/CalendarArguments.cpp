#include "cli/CalendarArguments.h"

#include "people/DatesAndZones.h"
#include "cli/PlaceArguments.h"
#include "core/ClockText.h"

namespace {

// "+11:00", "-4:00", "+5:45", "0:00", "0": minutes East of Greenwich.
bool ReadZone(const std::string& text, int& minutes, std::string& error)
{
    const ZoneRead zone = ReadZoneOffset(text, ZoneSign::Required);
    error = zone.error;
    minutes = zone.MinutesEast();
    return zone.ok();
}

}  // namespace

CalendarRequest ReadCalendarRequest(const std::string& span, const std::string& zone, const std::string& place,
                                    const std::string& zoneName)
{
    CalendarRequest request;
    const SpanRead days = ReadSpan(span);
    if (!days.ok()) {
        request.error = days.error;
        return request;
    }
    const LocalMinute from{days.first.year, days.first.month, days.first.day, 0, 0};
    const LocalMinute to{days.end.year, days.end.month, days.end.day, 0, 0};

    if (!place.empty() || !zoneName.empty()) {
        PlaceClocksFound found = place.empty() ? FindZoneClocks(zoneName) : FindPlaceClocks(place);
        if (!found.ok) {
            request.error = found.error;
            return request;
        }
        request.where = std::move(found.where);
    } else {
        int minutes = 0;
        if (!zone.empty() && !ReadZone(zone, minutes, request.error))
            return request;
        request.where.clocks = Clocks::Fixed(minutes);
    }
    request.fromMinute = request.where.clocks.UtcOf(from);
    request.toMinute = request.where.clocks.UtcOf(to);
    if (request.toMinute == request.fromMinute) {
        request.skipped = true;
        ++request.toMinute;
    }
    request.error.clear();
    request.ok = true;
    return request;
}
