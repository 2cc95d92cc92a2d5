#include "places/PlaceFill.h"

#include "core/ClockText.h"

#include <cmath>
#include <cstdlib>

namespace {

// Whole degrees and minutes of |degrees|, rounded to the nearest arc-minute.
void DegreesAndMinutes(double degrees, int& whole, int& minutes)
{
    const long total = std::lround(std::fabs(degrees) * 60.0);
    whole = static_cast<int>(total / 60);
    minutes = static_cast<int>(total % 60);
}

}  // namespace

void FillCoordinates(const Place& place, PlaceFill& fill)
{
    DegreesAndMinutes(place.longitude, fill.longitudeDegrees, fill.longitudeMinutes);
    fill.east = place.longitude >= 0;
    DegreesAndMinutes(place.latitude, fill.latitudeDegrees, fill.latitudeMinutes);
    fill.north = place.latitude >= 0;
}

void FillZone(const QByteArray& zone, const QString& place, const QDate& date, const QTime& time, PlaceFill& fill)
{
    fill.zoneAt = ZoneAt(zone, date, time);
    fill.description = DescribeZoneAt(place, zone, date, time, fill.zoneAt);
    const ZoneAtDate& at = fill.zoneAt;
    fill.dst = at.summerTime && at.daylightSeconds == 3600;
    const int boxes = 60 * RoundedOffsetMinutes(fill.dst ? at.offsetSeconds - 3600 : at.offsetSeconds);
    const int minutes = std::abs(boxes) / 60;
    // A typing user writes the size only; the direction then follows the
    // hemisphere. Where the clocks disagree with it the boxes carry a sign.
    const bool ahead = boxes > 0;
    const bool agrees = boxes == 0 || ahead == fill.east;
    const QString sign = agrees ? QString() : ahead ? QStringLiteral("-") : QStringLiteral("+");
    fill.zoneHours = sign + QString::number(minutes / 60);
    fill.zoneMinutes = minutes % 60 == 0 ? QStringLiteral("0") : sign + QString::number(minutes % 60);
}

PlaceFill FillForPlace(const Place& place, const QDate& date, const QTime& time)
{
    PlaceFill fill;
    FillCoordinates(place, fill);
    FillZone(place.zone, ShortName(place), date, time, fill);
    return fill;
}
