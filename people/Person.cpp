#include "people/Person.h"

#include "core/BirthReading.h"

#include <cmath>
#include <cstdlib>

long ArcMinutes(double degrees)
{
    return std::lround(degrees * 60.0);
}

Person PersonOfBirth(const BirthMoment& birth)
{
    const ChartRecord& chart = birth.chart;
    Person person;
    person.name = birth.name;
    person.year = chart.BirthYear;
    person.month = chart.BirthMonth;
    person.day = chart.BirthDay;
    person.hour = chart.BirthHour;
    person.minute = chart.BirthMinute;
    const auto angle = [](int degrees, int minutes, bool positive) {
        return (positive ? 1.0 : -1.0) * (degrees + minutes / 60.0);
    };
    person.latitude = angle(chart.LatitudeDegrees, chart.LatitudeMinutes, chart.IsNorth != 0);
    person.longitude = angle(chart.LongitudeDegrees, chart.LongitudeMinutes, chart.IsEast != 0);
    person.dst = chart.IsDaylightSaving != 0;
    // The zone with its direction as the reading takes it (an unsigned zone
    // follows the longitude), summer time taken out.
    person.zoneMinutes = ChartOffsetMinutes(chart) - (person.dst ? 60 : 0);
    if (const auto& place = birth.where.place) {
        person.placeName = place->name;
        person.state = place->state;
        person.country = place->country;
        person.zoneName = place->zone;
        if (place->latitude && place->longitude) {
            person.latitude = *place->latitude;
            person.longitude = *place->longitude;
        }
    }
    return person;
}

BirthMoment MomentOfPerson(const Person& person)
{
    ChartRecord chart;
    chart.BirthYear = static_cast<std::int16_t>(person.year);
    chart.BirthMonth = static_cast<std::int16_t>(person.month);
    chart.BirthDay = static_cast<std::int16_t>(person.day);
    chart.BirthHour = static_cast<std::int16_t>(person.hour);
    chart.BirthMinute = static_cast<std::int16_t>(person.minute);
    const long latitude = std::labs(ArcMinutes(person.latitude));
    const long longitude = std::labs(ArcMinutes(person.longitude));
    chart.LatitudeDegrees = static_cast<std::int16_t>(latitude / 60);
    chart.LatitudeMinutes = static_cast<std::int16_t>(latitude % 60);
    chart.LongitudeDegrees = static_cast<std::int16_t>(longitude / 60);
    chart.LongitudeMinutes = static_cast<std::int16_t>(longitude % 60);
    chart.IsNorth = ArcMinutes(person.latitude) >= 0 ? -1 : 0;
    chart.IsEast = ArcMinutes(person.longitude) >= 0 ? -1 : 0;
    const int zone = std::abs(person.zoneMinutes);
    chart.ZoneHours = static_cast<std::int16_t>(zone / 60);
    chart.ZoneMinutes = static_cast<std::int16_t>(zone % 60);
    chart.ZoneAhead = static_cast<std::int16_t>(person.zoneMinutes >= 0 ? -1 : 1);
    chart.IsDaylightSaving = person.dst ? -1 : 0;
    BirthMoment moment = MomentOfTypedBirth(chart, person.name);
    if (person.HasPlace())
        moment.where.place = BirthPlace{person.placeName, {}, person.state, person.country,
                                        person.latitude, person.longitude, person.zoneName};
    return moment;
}

BirthKey KeyOfBirth(const Person& p)
{
    return {p.name, p.year, p.month, p.day, p.hour, p.minute, p.zoneMinutes + (p.dst ? 60 : 0),
            ArcMinutes(p.latitude), ArcMinutes(p.longitude)};
}

bool SameBirth(const Person& a, const Person& b)
{
    return KeyOfBirth(a) == KeyOfBirth(b);
}

int BirthMansion(const Person& person)
{
    return ReadBirth(MomentOfPerson(person), PassageWanted::None).reading.mansion;
}

std::vector<std::vector<std::string>> NamesByMansion(const std::vector<Person>& people)
{
    std::vector<std::vector<std::string>> byMansion(29);
    for (const Person& p : people)
        byMansion.at(static_cast<std::size_t>(BirthMansion(p))).push_back(p.name);
    return byMansion;
}
