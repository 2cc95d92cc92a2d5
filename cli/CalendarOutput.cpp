#include "cli/CalendarOutput.h"

#include "calendar/IcsModule.h"
#include "people/CsvReader.h"
#include "cli/ReadingOutput.h"
#include "core/ClockText.h"
#include "core/MansionVocabulary.h"
#include "core/modArabicLunarMansionInformation.h"


namespace {

// The zone for machines: the IANA name, else the fixed offset as "UTC"
// and ISO 8601's offset ("UTC+11:00"), which no spreadsheet reads as a formula.
std::string MachineZone(const PlaceClocks& where)
{
    return where.clocks.Named() ? where.clocks.zone : "UTC" + IsoOffset(where.clocks.OffsetAt(0));
}

}  // namespace

std::string CalendarTitle(const PlaceClocks& where)
{
    return "Mansion Calendar \xE2\x80\x94 " + where.InWords();
}

std::string CalendarText(const std::vector<MansionStay>& stays, const PlaceClocks& where, const MansionPeople* people)
{
    std::string text = PlaceLines(where, {});
    for (const MansionStay& s : stays) {
        const auto row = modArabicLunarMansionInformation::MansionRowFor(s.mansion);
        text += IsoLocalTime(s.entered) + "  " + IsoLocalTime(s.left) + "  mansion " + std::to_string(s.mansion) + "  " +
                std::string(row[LunarMansionName]) + "  " + std::string(row[ArabicName]) + " (" +
                std::string(row[EnglishMeaning]) + ")";
        if (people && !people->at(static_cast<std::size_t>(s.mansion)).empty())
            text += "  people: " + NamesInWords(people->at(static_cast<std::size_t>(s.mansion)));
        text += '\n';
    }
    return text;
}

std::string CalendarJson(const std::vector<MansionStay>& stays, const PlaceClocks& where, const MansionPeople* people)
{
    std::string json = "{";
    if (where.place)
        json += "\"place\":{" + PlaceJsonFields(*where.place) + "},";
    json += "\"zone\":" + JsonString(MachineZone(where)) + ",\"calendar\":[";
    for (std::size_t i = 0; i < stays.size(); ++i) {
        const MansionStay& s = stays[i];
        const auto row = modArabicLunarMansionInformation::MansionRowFor(s.mansion);
        json += (i ? ",{" : "{");
        json += "\"mansion\":" + std::to_string(s.mansion) + ",\"entered\":" + JsonString(IsoLocalTime(s.entered)) +
                ",\"left\":" + JsonString(IsoLocalTime(s.left)) + ",\"latinName\":" + JsonString(row[LunarMansionName]) +
                ",\"arabicName\":" + JsonString(row[ArabicName]) + ",\"englishMeaning\":" +
                JsonString(row[EnglishMeaning]);
        if (people) {
            json += ",\"people\":[";
            const std::vector<std::string>& names = people->at(static_cast<std::size_t>(s.mansion));
            for (std::size_t n = 0; n < names.size(); ++n)
                json += (n ? "," : "") + JsonString(names[n]);
            json += "]";
        }
        json += "}";
    }
    return json + "]}\n";
}

std::string CalendarCsv(const std::vector<MansionStay>& stays, const PlaceClocks& where, const MansionPeople* people)
{
    const std::string zone = MachineZone(where);
    std::string csv = std::string("mansion,entered,left,latin_name,arabic_name,english_meaning,zone") +
                      (people ? ",people\n" : "\n");
    for (const MansionStay& s : stays) {
        const auto row = modArabicLunarMansionInformation::MansionRowFor(s.mansion);
        csv += std::to_string(s.mansion) + "," + IsoLocalTime(s.entered) + "," + IsoLocalTime(s.left) + ",";
        AppendCsvField(csv, row[LunarMansionName]);
        csv += ',';
        AppendCsvField(csv, row[ArabicName]);
        csv += ',';
        AppendCsvField(csv, row[EnglishMeaning]);
        csv += ',';
        AppendCsvField(csv, zone);
        if (people) {
            csv += ',';
            AppendCsvField(csv, NamesInWords(people->at(static_cast<std::size_t>(s.mansion))));
        }
        csv += '\n';
    }
    return csv;
}

std::string CalendarIcs(const std::vector<MansionStay>& stays, const PlaceClocks& where, long stampMinute,
                        std::string& problem, const MansionPeople* people)
{
    static std::string loadProblem;
    static const IcsModuleEntry* const ics = LoadCompanionModule<IcsModuleEntry>(loadProblem);
    if (!ics) {
        problem = loadProblem;
        return {};
    }
    CalendarNames names{CalendarTitle(where), where.clocks.zone, {}};
    if (people)
        for (const std::vector<std::string>& mansionPeople : *people)
            names.peopleByMansion.push_back(NamesInWords(mansionPeople));
    return ics->staysCalendarText(stays, stampMinute, names);
}
