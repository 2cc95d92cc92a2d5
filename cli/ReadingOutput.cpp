#include "cli/ReadingOutput.h"

#include "core/ClockText.h"
#include "core/MansionVocabulary.h"

#include <array>
#include <cstdio>

namespace {

// JSON keys of the ten fields, in field order.
constexpr std::array<std::string_view, MansionFieldCount> JsonKeys{
    "lunarMansionName", "arabicName", "englishMeaning", "constellation", "planetaryRuler",
    "angel", "attributes", "famousPerson", "favorableCircumstances", "unfavorableCircumstances",
};

bool IsList(std::size_t field)
{
    return field == FavorableCircumstances || field == UnfavorableCircumstances;
}

}  // namespace

std::string JsonString(std::string_view bytes)
{
    const std::string text = SanitizeUtf8(bytes);
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string PlaceLines(const PlaceClocks& where, const std::string& zoneInWords)
{
    std::string lines;
    if (where.place) {
        const BirthPlace& p = *where.place;
        lines += "Place: " + OneLineText(p.FullNameAsTyped());
        if (p.latitude && p.longitude)
            lines += " (" + AngleText(*p.latitude, true) + " " + AngleText(*p.longitude, false) + ")";
        lines += '\n';
    }
    return lines + "Time zone: " + OneLineText(zoneInWords.empty() ? where.ZoneName() : zoneInWords) + '\n';
}

std::string PlaceJsonFields(const BirthPlace& p)
{
    std::string json = "\"name\":" + JsonString(p.name);
    if (!p.matchedName.empty())
        json += ",\"matchedName\":" + JsonString(p.matchedName);
    json += ",\"state\":" + JsonString(p.state) + ",\"country\":" + JsonString(p.country);
    if (p.latitude && p.longitude)
        json += ",\"latitude\":" + JsonString(AngleText(*p.latitude, true)) + ",\"longitude\":" +
                JsonString(AngleText(*p.longitude, false));
    return json + ",\"zone\":" + JsonString(p.zone);
}

std::string ReadingPlaceJson(const PlaceBirth& found)
{
    const BirthMoment& moment = found.moment;
    const int offset = moment.where.clocks.At(UtcMinuteOf(moment.Local(), ChartOffsetMinutes(moment.chart))).offsetMinutes;
    return "{" + PlaceJsonFields(moment.where.place.value_or(BirthPlace{})) + ",\"offset\":" + JsonString(IsoOffset(offset)) +
           ",\"summerTime\":" + (found.summerTime ? "true" : "false") + ",\"localTime\":" + JsonString(found.localTime) +
           ",\"used\":" + JsonString(moment.zoneInWords) + "}";
}

std::string ReadingJson(const MansionReading& reading, const std::optional<std::string>& name,
                        std::optional<std::size_t> line, std::string_view place, const MansionPassage* passage)
{
    std::string out = "{";
    if (line)
        out += "\"line\":" + std::to_string(*line) + ",";
    if (name)
        out += "\"name\":" + JsonString(*name) + ",";
    if (!place.empty())
        out.append("\"place\":").append(place).append(",");
    out += "\"position\":" + JsonString(reading.position);
    out += ",\"mansion\":" + std::to_string(reading.mansion);
    if (passage)
        out += ",\"passage\":{\"entered\":\"" + IsoLocalTime(passage->entered) + "\",\"left\":\"" +
               IsoLocalTime(passage->left) + "\"}";
    for (std::size_t i = 0; i < MansionFieldCount; ++i) {
        out += ",\"";
        out += JsonKeys[i];
        out += "\":";
        if (IsList(i)) {
            out += '[';
            bool first = true;
            for (const std::string_view item : FieldItems(reading.mansion, static_cast<MansionField>(i))) {
                if (!first)
                    out += ',';
                first = false;
                out += JsonString(item);
            }
            out += ']';
        } else {
            out += JsonString(reading.texts[i]);
        }
    }
    out += '}';
    return out;
}
