#include "cli/BirthArguments.h"

#include "base/TextBasics.h"
#include "core/CivilCalendar.h"


namespace {

// Reads a whole number of 1..maxDigits digits at `pos`; advances `pos`.
bool Digits(std::string_view s, std::size_t& pos, std::size_t maxDigits, int& value)
{
    std::size_t count = 0;
    value = 0;
    while (pos < s.size() && IsAsciiDigit(s[pos])) {
        if (++count > maxDigits)
            return false;
        value = 10 * value + (s[pos] - '0');
        ++pos;
    }
    return count > 0;
}

// Reads exactly `count` digits at `pos`; advances `pos`.
bool DigitsExactly(std::string_view s, std::size_t& pos, std::size_t count, int& value)
{
    const std::size_t start = pos;
    return Digits(s, pos, count, value) && pos - start == count;
}

bool Char(std::string_view s, std::size_t& pos, char c)
{
    if (pos >= s.size() || s[pos] != c)
        return false;
    ++pos;
    return true;
}

// The field as quoted in a message, shortened so that a message stays one short line.
std::string Quote(std::string_view s)
{
    constexpr std::size_t shown = 40;
    if (s.size() <= shown)
        return "\"" + std::string(s) + "\"";
    return "\"" + std::string(s.substr(0, shown)) + "...\"";
}

std::string ParseDate(std::string_view s, ChartRecord& chart)
{
    std::size_t pos = 0;
    int year = 0, month = 0, day = 0;
    if (!DigitsExactly(s, pos, 4, year) || !Char(s, pos, '-') || !DigitsExactly(s, pos, 2, month) ||
        !Char(s, pos, '-') || !DigitsExactly(s, pos, 2, day) || pos != s.size())
        return "date " + Quote(s) + " is not of the form YYYY-MM-DD";
    if (year < 1901 || year > 2050)
        return "date " + Quote(s) + ": the year must be 1901 to 2050";
    if (month < 1 || month > 12 || day < 1 || day > DaysInGregorianMonth(month, year))
        return "date " + Quote(s) + " does not exist";
    chart.BirthYear = static_cast<std::int16_t>(year);
    chart.BirthMonth = static_cast<std::int16_t>(month);
    chart.BirthDay = static_cast<std::int16_t>(day);
    return {};
}

std::string ParseTime(std::string_view s, ChartRecord& chart)
{
    std::size_t pos = 0;
    int hour = 0, minute = 0, second = 0;
    bool ok = Digits(s, pos, 2, hour) && Char(s, pos, ':') && DigitsExactly(s, pos, 2, minute);
    if (ok && pos < s.size())
        ok = Char(s, pos, ':') && DigitsExactly(s, pos, 2, second) && pos == s.size();
    if (!ok)
        return "time " + Quote(s) + " is not of the form HH:MM or HH:MM:SS";
    if (hour > 23 || minute > 59 || second > 59)
        return "time " + Quote(s) + ": hour must be 0 to 23, minutes and seconds 0 to 59";
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
    const bool formOk = Digits(s, pos, 3, d) && Char(s, pos, ':') && DigitsExactly(s, pos, 2, m) && pos + 1 == s.size();
    const char letter = formOk ? static_cast<char>(std::toupper(static_cast<unsigned char>(s[pos]))) : '\0';
    if (!formOk || (letter != positive && letter != negative))
        return std::string(what) + " " + Quote(s) + " is not of the form D:MM then " + positive + " or " +
               negative + (positive == 'E' ? ", e.g. 77:13E" : ", e.g. 51:28N");
    if (m > 59 || d > maxDegrees || (d == maxDegrees && m > 0))
        return std::string(what) + " " + Quote(s) + " must be 0:00 to " + std::to_string(maxDegrees) +
               ":00, with minutes 0 to 59";
    degrees = static_cast<std::int16_t>(d);
    minutes = static_cast<std::int16_t>(m);
    isPositive = letter == positive;
    return {};
}

std::string ParseZone(std::string_view s, ChartRecord& chart)
{
    std::size_t pos = 0;
    char sign = 0;
    if (!s.empty() && (s[0] == '+' || s[0] == '-'))
        sign = s[pos++];
    int hours = 0, minutes = 0;
    bool ok = Digits(s, pos, 2, hours);
    if (ok && pos < s.size())
        ok = Char(s, pos, ':') && DigitsExactly(s, pos, 2, minutes) && pos == s.size();
    if (!ok)
        return "zone " + Quote(s) + " is not of the form H:MM, e.g. 5:30";
    if (hours > 14 || minutes > 59)
        return "zone " + Quote(s) + ": hours must be 0 to 14 and minutes 0 to 59";
    // ISO 8601: "+" ahead of universal time, "-" behind it; unsigned, the
    // longitude's hemisphere decides.
    chart.ZoneAhead = sign == '+' ? -1 : sign == '-' ? 1 : 0;
    chart.ZoneHours = static_cast<std::int16_t>(hours);
    chart.ZoneMinutes = static_cast<std::int16_t>(minutes);
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
