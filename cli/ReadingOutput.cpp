#include "cli/ReadingOutput.h"

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

// The items of a CR LF-joined list.
template <typename Visit>
void ForEachItem(std::string_view text, Visit visit)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        visit(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 2;
    }
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

void WriteReadingText(std::ostream& out, const MansionReading& reading,
                      const std::optional<std::string>& name, const PassageClocks* passage)
{
    if (name)
        out << "Name: " << OneLineText(*name) << '\n';  // a name cannot add lines of its own
    out << "Position: " << reading.position << '\n';
    out << "Mansion: " << reading.mansion << '\n';
    for (std::size_t i = 0; i < MansionFieldCount; ++i) {
        if (IsList(i)) {
            out << MansionFieldCaptions[i] << ":\n";
            ForEachItem(reading.texts[i], [&](std::string_view item) { out << "  " << item << '\n'; });
        } else {
            out << MansionFieldCaptions[i] << ": " << reading.texts[i] << '\n';
        }
    }
    if (passage) {
        out << "Entered this mansion: " << IsoLocalTime(passage->entered.time, passage->entered.offsetMinutes) << '\n';
        out << "Left this mansion: " << IsoLocalTime(passage->left.time, passage->left.offsetMinutes) << '\n';
    }
}

std::string ReadingJson(const MansionReading& reading, const std::optional<std::string>& name,
                        std::optional<std::size_t> line, std::string_view place, const PassageClocks* passage)
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
        out += ",\"passage\":{\"entered\":\"" + IsoLocalTime(passage->entered.time, passage->entered.offsetMinutes) +
               "\",\"left\":\"" + IsoLocalTime(passage->left.time, passage->left.offsetMinutes) + "\"}";
    for (std::size_t i = 0; i < MansionFieldCount; ++i) {
        out += ",\"";
        out += JsonKeys[i];
        out += "\":";
        if (IsList(i)) {
            out += '[';
            bool first = true;
            ForEachItem(reading.texts[i], [&](std::string_view item) {
                if (!first)
                    out += ',';
                first = false;
                out += JsonString(item);
            });
            out += ']';
        } else {
            out += JsonString(reading.texts[i]);
        }
    }
    out += '}';
    return out;
}
