#include "cli/ReadingOutput.h"

#include "core/ClockText.h"
#include "core/MansionChoice.h"
#include "core/MansionVocabulary.h"

#include <array>
#include <charconv>
#include <cmath>
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

// Degrees as a JSON number with four decimals (about a third of a second of
// arc, finer than any angle the tool shows), whatever the locale: "51.5167".
std::string JsonDegrees(double degrees)
{
    const double rounded = std::round(degrees * 1e4) / 1e4;
    char number[32];
    const auto done = std::to_chars(number, number + sizeof number, rounded == 0 ? 0.0 : rounded,
                                    std::chars_format::fixed, 4);
    return std::string(number, done.ptr);
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
        // A place of the list with its coordinates in brackets; coordinates
        // typed for a zone named, alone.
        const BirthPlace& p = *where.place;
        const std::string coordinates =
            p.latitude && p.longitude ? AngleText(*p.latitude, true) + " " + AngleText(*p.longitude, false) : std::string();
        lines += "Place: " + (p.name.empty() ? coordinates
                                             : OneLineText(p.FullNameAsTyped()) + (coordinates.empty() ? "" : " (" + coordinates + ")"));
        lines += '\n';
    }
    return lines + "Time zone: " + OneLineText(zoneInWords.empty() ? where.ZoneName() : zoneInWords) + '\n';
}

std::string PlaceJsonFields(const BirthPlace& p)
{
    // Coordinates typed for a zone named have no name, state or country.
    std::string json;
    if (!p.name.empty()) {
        json = "\"name\":" + JsonString(p.name);
        if (!p.matchedName.empty())
            json += ",\"matchedName\":" + JsonString(p.matchedName);
        json += ",\"state\":" + JsonString(p.state) + ",\"country\":" + JsonString(p.country) + ",";
    }
    if (p.latitude && p.longitude)
        json += "\"latitude\":" + JsonString(AngleText(*p.latitude, true)) + ",\"longitude\":" +
                JsonString(AngleText(*p.longitude, false)) + ",\"latitudeDegrees\":" + JsonDegrees(*p.latitude) +
                ",\"longitudeDegrees\":" + JsonDegrees(*p.longitude) + ",";
    return json + "\"zone\":" + JsonString(p.zone);
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
    if (const std::optional<double> longitude = PositionTextLongitude(reading.position))
        out += ",\"siderealLongitude\":" + JsonDegrees(*longitude);
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
