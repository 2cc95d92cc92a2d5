#include "places/ZoneClocks.h"

#include "base/QtStdText.h"
#include "core/CivilCalendar.h"
#include "core/ClockText.h"
#include "places/ZoneHistory.h"

#include <QHash>
#include <QTimeZone>

Clocks ClocksOfZone(const QByteArray& zone)
{
    static QHash<QByteArray, Clocks> made;
    if (const auto it = made.constFind(zone); it != made.cend())
        return *it;
    Clocks clocks;
    if (const auto history = ZoneHistory::Of(StdView(zone))) {
        clocks.zone = zone.toStdString();
        // 1900-01-01 to 2052-01-01 UTC; after the file's last listed change
        // (2037) the changes follow the zone's rule.
        const std::int64_t from = DaysFromCivil({1900, 1, 1}) * 86400LL, to = DaysFromCivil({2052, 1, 1}) * 86400LL;
        const ZoneStretch first = history->At(from);
        clocks.changes.push_back({static_cast<long>(from / 60), RoundedOffsetMinutes(first.offsetSeconds), first.abbreviation});
        for (const ZoneStretch& change : history->ChangesIn(from, to - 1))
            clocks.changes.push_back({static_cast<long>(change.start / 60), RoundedOffsetMinutes(change.offsetSeconds),
                                      change.abbreviation});
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
