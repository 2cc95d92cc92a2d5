#include "cli/PeopleOutput.h"

#include "base/Utf8Text.h"
#include "cli/BatchInput.h"
#include "cli/CsvReader.h"
#include "cli/ReadingOutput.h"
#include "core/BirthReading.h"
#include "core/ClockText.h"

#include <cstdio>
#include <cstdlib>

namespace {

struct ReadPerson {
    int mansion;
    std::string latinName;
};

ReadPerson Read(const Person& person)
{
    const BirthReading read = ReadBirth(MomentOfPerson(person), PassageWanted::None);
    return {read.reading.mansion, std::string(read.reading.texts[LunarMansionName])};
}

std::string DateText(const Person& p)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", p.year, p.month, p.day);
    return text;
}

std::string TimeText(const Person& p)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", p.hour, p.minute);
    return text;
}

// "51:30N", "0:07W": the batch's angles, to the arc-minute.
std::string BatchAngle(double degrees, char positive, char negative)
{
    const long minutes = ArcMinutes(degrees);
    char text[48];
    std::snprintf(text, sizeof text, "%ld:%02ld%c", std::labs(minutes) / 60, std::labs(minutes) % 60,
                  minutes >= 0 ? positive : negative);
    return text;
}

std::string PlaceOf(const Person& p)
{
    return MomentOfPerson(p).where.place.value_or(BirthPlace{}).FullName();
}

std::string Stamp(std::int64_t seconds)
{
    return IsoUtcTime(static_cast<long>(seconds / 60));
}

}  // namespace

std::string PeopleText(const std::vector<Person>& people)
{
    std::string text;
    for (const Person& p : people) {
        const ReadPerson read = Read(p);
        text += OneLineText(p.name) + "  " + DateText(p) + " " + TimeText(p) + " " +
                UtcOffsetText(p.zoneMinutes + (p.dst ? 60 : 0)) + (p.HasPlace() ? "  " + OneLineText(PlaceOf(p)) : "") +
                "  mansion " + std::to_string(read.mansion) + " " + read.latinName + "\n";
    }
    return text;
}

std::string PeopleJson(const std::vector<Person>& people)
{
    std::string json = "{\"people\":[";
    for (std::size_t i = 0; i < people.size(); ++i) {
        const Person& p = people[i];
        const ReadPerson read = Read(p);
        char coordinates[80];
        std::snprintf(coordinates, sizeof coordinates, "\"latitude\":%.6f,\"longitude\":%.6f", p.latitude, p.longitude);
        json += std::string(i ? "," : "") + "{\"name\":" + JsonString(p.name) + ",\"date\":" + JsonString(DateText(p)) +
                ",\"time\":" + JsonString(TimeText(p)) + ",\"zone\":" + JsonString(IsoOffset(p.zoneMinutes)) +
                ",\"dst\":" + (p.dst ? "true" : "false") + "," + coordinates;
        if (p.HasPlace())
            json += ",\"place\":{" + PlaceJsonFields(*MomentOfPerson(p).where.place) + "}";
        json += ",\"note\":" + JsonString(p.note) + ",\"created\":" + JsonString(Stamp(p.created)) +
                ",\"changed\":" + JsonString(Stamp(p.changed)) + ",\"mansion\":" + std::to_string(read.mansion) +
                ",\"latinName\":" + JsonString(read.latinName) + "}";
    }
    return json + "]}\n";
}

std::string PeopleCsv(const std::vector<Person>& people)
{
    std::string csv = std::string(BatchHeader) + "\n";
    for (const Person& p : people) {
        AppendCsvField(csv, p.name);
        csv += "," + DateText(p) + "," + TimeText(p) + "," + BatchAngle(p.longitude, 'E', 'W') + "," +
               BatchAngle(p.latitude, 'N', 'S') + "," + (p.zoneMinutes == 0 ? "0:00" : IsoOffset(p.zoneMinutes)) + "," +
               (p.dst ? "1" : "0") + "\n";
    }
    return csv;
}

std::string NamesInWords(const std::vector<std::string>& names)
{
    std::string words;
    for (const std::string& name : names)
        words += (words.empty() ? "" : ", ") + OneLineText(name);
    return words;
}
