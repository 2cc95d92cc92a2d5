#include "cli/CalendarArguments.h"

#include "calendar/IcsModule.h"
#include "cli/CsvReader.h"
#include "cli/DatesAndZones.h"
#include "cli/PlaceArguments.h"
#include "cli/ReadingOutput.h"
#include "core/modArabicLunarMansionInformation.h"

namespace {

// "+11:00", "-4:00", "+5:45", "0:00", "0": minutes East of Greenwich.
bool ReadZone(const std::string& text, int& minutes, std::string& error)
{
    const ZoneRead zone = ReadZoneOffset(text, ZoneSign::Required);
    error = zone.error;
    minutes = zone.MinutesEast();
    return zone.ok();
}

}  // namespace

CalendarRequest ReadCalendarRequest(const std::string& span, const std::string& zone, const std::string& place)
{
    CalendarRequest request;
    const SpanRead days = ReadSpan(span);
    if (!days.ok()) {
        request.error = days.error;
        return request;
    }
    const LocalMinute from{days.first.year, days.first.month, days.first.day, 0, 0};
    const LocalMinute to{days.end.year, days.end.month, days.end.day, 0, 0};

    const long roughFrom = UtcMinuteOf(from, 0), roughTo = UtcMinuteOf(to, 0);
    if (!place.empty()) {
        PlaceZone clocks = PlaceZoneOver(place, roughFrom, roughTo);
        if (!clocks.ok) {
            request.error = clocks.error;
            return request;
        }
        request.zone = std::move(clocks.zone);
        request.zoneText = std::move(clocks.zoneText);
    } else {
        int minutes = 0;
        if (!zone.empty() && !ReadZone(zone, minutes, request.error))
            return request;
        request.zone = ZoneOffsets::Fixed(minutes);
        request.zoneText = "UTC" + IsoZoneOffset(minutes);
    }
    request.fromMinute = request.zone.UtcOf(from);
    request.toMinute = request.zone.UtcOf(to);
    request.error.clear();
    request.ok = true;
    return request;
}

std::string CalendarText(const std::vector<MansionStay>& stays)
{
    std::string text;
    for (const MansionStay& s : stays) {
        const auto row = modArabicLunarMansionInformation::MansionRowFor(s.mansion);
        text += s.entered.Iso() + "  " + s.left.Iso() + "  mansion " + std::to_string(s.mansion) + "  " +
                std::string(row[LunarMansionName]) + "  " + std::string(row[ArabicName]) + " (" +
                std::string(row[EnglishMeaning]) + ")\n";
    }
    return text;
}

std::string CalendarJson(const std::vector<MansionStay>& stays)
{
    std::string json = "{\"calendar\":[";
    for (std::size_t i = 0; i < stays.size(); ++i) {
        const MansionStay& s = stays[i];
        const auto row = modArabicLunarMansionInformation::MansionRowFor(s.mansion);
        json += (i ? ",{" : "{");
        json += "\"mansion\":" + std::to_string(s.mansion) + ",\"entered\":" + JsonString(s.entered.Iso()) +
                ",\"left\":" + JsonString(s.left.Iso()) + ",\"latinName\":" + JsonString(row[LunarMansionName]) +
                ",\"arabicName\":" + JsonString(row[ArabicName]) + ",\"englishMeaning\":" +
                JsonString(row[EnglishMeaning]) + "}";
    }
    return json + "]}\n";
}

std::string CalendarCsv(const std::vector<MansionStay>& stays)
{
    std::string csv = "mansion,entered,left,latin_name,arabic_name,english_meaning\n";
    for (const MansionStay& s : stays) {
        const auto row = modArabicLunarMansionInformation::MansionRowFor(s.mansion);
        csv += std::to_string(s.mansion) + "," + s.entered.Iso() + "," + s.left.Iso() + ",";
        AppendCsvField(csv, row[LunarMansionName]);
        csv += ',';
        AppendCsvField(csv, row[ArabicName]);
        csv += ',';
        AppendCsvField(csv, row[EnglishMeaning]);
        csv += '\n';
    }
    return csv;
}

std::string CalendarIcs(const std::vector<MansionStay>& stays, long stampMinute, std::string& problem)
{
    static std::string loadProblem;
    static const IcsModuleEntry* const ics = LoadCompanionModule<IcsModuleEntry>(loadProblem);
    if (!ics) {
        problem = loadProblem;
        return {};
    }
    return ics->staysCalendarText(stays, stampMinute);
}
