#include "places/ZoneClocks.h"

#include "core/ClockText.h"

#include <QDateTime>
#include <QHash>
#include <QTimeZone>

Clocks ClocksOfZone(const QByteArray& zone)
{
    static QHash<QByteArray, Clocks> made;
    if (const auto it = made.constFind(zone); it != made.cend())
        return *it;
    Clocks clocks;
    const QTimeZone tz(zone);
    if (tz.isValid()) {
        clocks.zone = zone.toStdString();
        const QDateTime from(QDate(1900, 1, 1), QTime(0, 0), QTimeZone::utc());
        const QDateTime to(QDate(2052, 1, 1), QTime(0, 0), QTimeZone::utc());
        // A zone without data that far back (UTC) gives no offset data for
        // 1900: its offset then is the one it reports.
        const QTimeZone::OffsetData first = tz.offsetData(from);
        const bool known = first.atUtc.isValid();
        clocks.changes.push_back({static_cast<long>(from.toSecsSinceEpoch() / 60),
                                  RoundedOffsetMinutes(known ? first.offsetFromUtc : tz.offsetFromUtc(from)),
                                  known ? first.abbreviation.toStdString() : tz.abbreviation(from).toStdString()});
        // Change by change: Qt's list of a span stops at the zone file's last
        // listed change (2037), while each next change follows the zone's rule
        // on. Bound: no zone changes more than four times a year.
        QDateTime after = from;
        for (int step = 0; tz.hasTransitions() && step < 4 * 152; ++step) {
            const QTimeZone::OffsetData t = tz.nextTransition(after.addSecs(1));
            if (!t.atUtc.isValid() || t.atUtc >= to || t.atUtc <= after)
                break;
            clocks.changes.push_back({static_cast<long>(t.atUtc.toSecsSinceEpoch() / 60),
                                      RoundedOffsetMinutes(t.offsetFromUtc), t.abbreviation.toStdString()});
            after = t.atUtc;
        }
    }
    made.insert(zone, clocks);
    return clocks;
}

Clocks SystemClocks()
{
    const Clocks system = ClocksOfZone(QTimeZone::systemTimeZoneId());
    if (!system.changes.empty())
        return system;
    Clocks utc = ClocksOfZone("UTC");
    return utc.changes.empty() ? Clocks::Fixed(0) : utc;
}

BirthPlace BirthPlaceOf(const Place& place)
{
    BirthPlace born;
    born.name = place.name.toStdString();
    born.matchedName = place.matchedName.toStdString();
    born.state = place.state.toStdString();
    born.country = place.country.toStdString();
    born.latitude = place.latitude;
    born.longitude = place.longitude;
    born.zone = place.zone.toStdString();
    return born;
}
