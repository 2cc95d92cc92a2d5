#include "people/PeopleCsv.h"

#include "core/ClockText.h"
#include "people/BatchRows.h"
#include "people/CsvReader.h"

#include <cstdio>
#include <cstdlib>

namespace {

// "51:30N", "0:07W": the batch's angles, to the arc-minute.
std::string BatchAngle(double degrees, char positive, char negative)
{
    const long minutes = ArcMinutes(degrees);
    char text[48];
    std::snprintf(text, sizeof text, "%ld:%02ld%c", std::labs(minutes) / 60, std::labs(minutes) % 60,
                  minutes >= 0 ? positive : negative);
    return text;
}

}  // namespace

std::string BirthDateText(const Person& p)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", p.year, p.month, p.day);
    return text;
}

std::string BirthTimeText(const Person& p)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", p.hour, p.minute);
    return text;
}

std::string PeopleCsv(const std::vector<Person>& people)
{
    std::string csv = std::string(PeopleHeader) + "\n";
    for (const Person& p : people) {
        AppendCsvField(csv, p.name);
        csv += "," + BirthDateText(p) + "," + BirthTimeText(p) + "," + BatchAngle(p.longitude, 'E', 'W') + "," +
               BatchAngle(p.latitude, 'N', 'S') + "," + (p.zoneMinutes == 0 ? "0:00" : IsoOffset(p.zoneMinutes)) + "," +
               (p.dst ? "1" : "0");
        for (const std::string* field : {&p.placeName, &p.state, &p.country, &p.zoneName, &p.note}) {
            csv += ',';
            AppendCsvField(csv, *field);
        }
        csv += '\n';
    }
    return csv;
}
