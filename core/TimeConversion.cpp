#include "core/TimeConversion.h"

#include "core/JulianDay.h"

void ConvertChartInputs(ChartRecord& chart)
{
    chart.LocalHours = chart.BirthHour + chart.BirthMinute / 60.0;
    chart.ZoneOffsetHours = chart.ZoneHours + chart.ZoneMinutes / 60.0;
    chart.SignedLongitude = chart.LongitudeDegrees + chart.LongitudeMinutes / 60.0;
    if (chart.IsEast != 0)
        chart.SignedLongitude = -chart.SignedLongitude;

    // East of Greenwich the zone is ahead of UT. On the meridian itself the
    // signed longitude is zero, and the hemisphere the user chose decides:
    // 0°00' East with zone 1:00 is one hour ahead, as the form promises.
    const bool east = chart.SignedLongitude < 0.0 || (chart.SignedLongitude == 0.0 && chart.IsEast != 0);
    // A zone given its own direction keeps it, whatever the hemisphere.
    const bool ahead = chart.ZoneAhead != 0 ? chart.ZoneAhead < 0 : east;

    if (chart.IsDaylightSaving != 0)
        chart.ZoneOffsetHours += ahead ? 1.0 : -1.0;

    chart.JulianDayNumber = CalendarToJulianDay(chart.BirthMonth, chart.BirthDay, chart.BirthYear);

    chart.UniversalHours = ahead ? chart.LocalHours - chart.ZoneOffsetHours
                                 : chart.LocalHours + chart.ZoneOffsetHours;

    chart.JulianCenturies =
        (chart.JulianDayNumber - 2451545.0 + chart.UniversalHours / 24.0 - 0.5) / 36525.0;
}
