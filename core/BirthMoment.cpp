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
    ChartRecord converted = chart;  // the working values are written afresh
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

void SetChartInstant(ChartRecord& chart, long utcMinute, int offsetMinutes)
{
    const LocalMinute local = LocalAt(utcMinute, offsetMinutes);
    chart.BirthYear = static_cast<std::int16_t>(local.year);
    chart.BirthMonth = static_cast<std::int16_t>(local.month);
    chart.BirthDay = static_cast<std::int16_t>(local.day);
    chart.BirthHour = static_cast<std::int16_t>(local.hour);
    chart.BirthMinute = static_cast<std::int16_t>(local.minute);
    const int size = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    chart.ZoneHours = static_cast<std::int16_t>(size / 60);
    chart.ZoneMinutes = static_cast<std::int16_t>(size % 60);
    chart.ZoneAhead = static_cast<std::int16_t>(offsetMinutes > 0 ? -1 : offsetMinutes < 0 ? 1 : 0);
}

BirthMoment MomentAtInstant(long utcMinute, const PlaceClocks& where)
{
    BirthMoment moment;
    moment.where = where;
    ChartRecord& chart = moment.chart;
    SetChartInstant(chart, utcMinute, where.clocks.OffsetAt(utcMinute));
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
