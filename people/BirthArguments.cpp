#include "people/BirthArguments.h"

#include "people/DatesAndZones.h"

#include <cctype>

namespace {

std::string ParseDate(std::string_view s, ChartRecord& chart)
{
    const DateRead read = ReadDate(s, DateForm::Day);
    if (!read.ok())
        return read.error;
    chart.BirthYear = static_cast<std::int16_t>(read.date.year);
    chart.BirthMonth = static_cast<std::int16_t>(read.date.month);
    chart.BirthDay = static_cast<std::int16_t>(read.date.day);
    return {};
}

std::string ParseTime(std::string_view s, ChartRecord& chart)
{
    std::size_t pos = 0;
    int hour = 0, minute = 0, second = 0;
    bool ok = ReadDigits(s, pos, 1, 2, hour) && ReadChar(s, pos, ':') && ReadDigits(s, pos, 2, 2, minute);
    if (ok && pos < s.size())
        ok = ReadChar(s, pos, ':') && ReadDigits(s, pos, 2, 2, second) && pos == s.size();
    if (!ok)
        return "time " + QuotedField(s) + " is not of the form HH:MM or HH:MM:SS";
    if (hour > 23 || minute > 59 || second > 59)
        return "time " + QuotedField(s) + ": hour must be 0 to 23, minutes and seconds 0 to 59";
    chart.BirthHour = static_cast<std::int16_t>(hour);
    chart.BirthMinute = static_cast<std::int16_t>(minute);
    return {};
}

// D:MM followed by one of two hemisphere letters (either case).
std::string ParseAngle(std::string_view s, const char* what, int maxDegrees, char positive, char negative,
                       std::int16_t& degrees, std::int16_t& minutes, bool& isPositive)
{
    std::size_t pos = 0;
    int d = 0, m = 0;
    const bool formOk = ReadDigits(s, pos, 1, 3, d) && ReadChar(s, pos, ':') && ReadDigits(s, pos, 2, 2, m) && pos + 1 == s.size();
    const char letter = formOk ? static_cast<char>(std::toupper(static_cast<unsigned char>(s[pos]))) : '\0';
    if (!formOk || (letter != positive && letter != negative))
        return std::string(what) + " " + QuotedField(s) + " is not of the form D:MM then " + positive + " or " +
               negative + (positive == 'E' ? ", e.g. 77:13E" : ", e.g. 51:28N");
    if (m > 59 || d > maxDegrees || (d == maxDegrees && m > 0))
        return std::string(what) + " " + QuotedField(s) + " must be 0:00 to " + std::to_string(maxDegrees) +
               ":00, with minutes 0 to 59";
    degrees = static_cast<std::int16_t>(d);
    minutes = static_cast<std::int16_t>(m);
    isPositive = letter == positive;
    return {};
}

std::string ParseZone(std::string_view s, ChartRecord& chart)
{
    const ZoneRead zone = ReadZoneOffset(s, ZoneSign::Optional);
    if (!zone.ok())
        return zone.error;
    // ISO 8601: "+" ahead of universal time, "-" behind it; unsigned, the
    // longitude's hemisphere decides.
    chart.ZoneAhead = zone.sign > 0 ? -1 : zone.sign < 0 ? 1 : 0;
    chart.ZoneHours = static_cast<std::int16_t>(zone.hours);
    chart.ZoneMinutes = static_cast<std::int16_t>(zone.minutes);
    return {};
}

}  // namespace

BirthParse ParseBirth(const BirthFields& fields)
{
    BirthParse result;
    ChartRecord& chart = result.chart;
    bool east = false;
    bool north = false;
    std::string error = ParseDate(fields.date, chart);
    if (error.empty())
        error = ParseTime(fields.time, chart);
    if (error.empty())
        error = ParseAngle(fields.longitude, "longitude", 180, 'E', 'W', chart.LongitudeDegrees,
                           chart.LongitudeMinutes, east);
    if (error.empty())
        error = ParseAngle(fields.latitude, "latitude", 90, 'N', 'S', chart.LatitudeDegrees,
                           chart.LatitudeMinutes, north);
    if (error.empty())
        error = ParseZone(fields.zone, chart);
    if (!error.empty()) {
        result.error = error;
        return result;
    }
    chart.IsEast = east ? -1 : 0;
    chart.IsNorth = north ? -1 : 0;
    chart.IsDaylightSaving = fields.dst ? -1 : 0;
    result.ok = true;
    return result;
}
