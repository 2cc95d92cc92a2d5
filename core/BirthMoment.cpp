#include "core/BirthMoment.h"

#include "core/ClockText.h"
#include "core/TimeConversion.h"

#include <cmath>

std::string BirthPlace::FullName() const
{
    // A state named as its city (Madrid, Madrid) is said once.
    std::string text = name;
    for (const std::string* part : {&state, &country})
        if (!part->empty() && !(part == &state && state == name))
            text += (text.empty() ? "" : ", ") + *part;
    return text;
}

std::string BirthPlace::FullNameAsTyped() const
{
    return FullName() + (matchedName.empty() ? "" : " (" + matchedName + ")");
}

std::string PlaceClocks::ZoneName() const
{
    return clocks.Named() ? clocks.zone : UtcOffsetText(clocks.OffsetAt(0));
}

std::string PlaceClocks::InWords() const
{
    return place ? place->FullName() + " (" + ZoneName() + ")" : ZoneName();
}

LocalMinute BirthMoment::Local() const
{
    return {chart.BirthYear, chart.BirthMonth, chart.BirthDay, chart.BirthHour, chart.BirthMinute};
}

int ChartOffsetMinutes(const ChartRecord& chart)
{
    ChartRecord converted;
    converted.BirthYear = chart.BirthYear;
    converted.BirthMonth = chart.BirthMonth;
    converted.BirthDay = chart.BirthDay;
    converted.BirthHour = chart.BirthHour;
    converted.BirthMinute = chart.BirthMinute;
    converted.ZoneHours = chart.ZoneHours;
    converted.ZoneMinutes = chart.ZoneMinutes;
    converted.LongitudeDegrees = chart.LongitudeDegrees;
    converted.LongitudeMinutes = chart.LongitudeMinutes;
    converted.IsEast = chart.IsEast;
    converted.IsDaylightSaving = chart.IsDaylightSaving;
    converted.ZoneAhead = chart.ZoneAhead;
    ConvertChartInputs(converted);
    return static_cast<int>(std::lround((converted.LocalHours - converted.UniversalHours) * 60.0));
}

BirthMoment MomentOfTypedBirth(const ChartRecord& chart, std::string name)
{
    BirthMoment moment;
    moment.chart = chart;
    moment.name = std::move(name);
    moment.where.clocks = Clocks::Fixed(ChartOffsetMinutes(chart));
    return moment;
}

BirthMoment MomentAtInstant(long utcMinute, const PlaceClocks& where)
{
    BirthMoment moment;
    moment.where = where;
    ChartRecord& chart = moment.chart;
    const int offset = where.clocks.OffsetAt(utcMinute);
    const LocalMinute local = LocalAt(utcMinute, offset);
    chart.BirthYear = static_cast<std::int16_t>(local.year);
    chart.BirthMonth = static_cast<std::int16_t>(local.month);
    chart.BirthDay = static_cast<std::int16_t>(local.day);
    chart.BirthHour = static_cast<std::int16_t>(local.hour);
    chart.BirthMinute = static_cast<std::int16_t>(local.minute);
    const int size = offset < 0 ? -offset : offset;
    chart.ZoneHours = static_cast<std::int16_t>(size / 60);
    chart.ZoneMinutes = static_cast<std::int16_t>(size % 60);
    chart.ZoneAhead = static_cast<std::int16_t>(offset > 0 ? -1 : offset < 0 ? 1 : 0);
    if (where.place && where.place->latitude && where.place->longitude) {
        auto arc = [](double degrees, std::int16_t& whole, std::int16_t& minutes) {
            const long total = std::lround(std::fabs(degrees) * 60.0);
            whole = static_cast<std::int16_t>(total / 60);
            minutes = static_cast<std::int16_t>(total % 60);
        };
        arc(*where.place->latitude, chart.LatitudeDegrees, chart.LatitudeMinutes);
        arc(*where.place->longitude, chart.LongitudeDegrees, chart.LongitudeMinutes);
        chart.IsNorth = static_cast<std::int16_t>(*where.place->latitude >= 0 ? -1 : 0);
        chart.IsEast = static_cast<std::int16_t>(*where.place->longitude >= 0 ? -1 : 0);
    }
    return moment;
}

std::string AngleText(double degrees, bool latitude)
{
    const long total = std::lround(std::fabs(degrees) * 60.0);
    const char minutes[] = {static_cast<char>('0' + total % 60 / 10), static_cast<char>('0' + total % 10), '\0'};
    const char hemisphere = latitude ? (degrees >= 0 ? 'N' : 'S') : (degrees >= 0 ? 'E' : 'W');
    return std::to_string(total / 60) + "\xC2\xB0" + minutes + "\xE2\x80\xB2" + hemisphere;
}
