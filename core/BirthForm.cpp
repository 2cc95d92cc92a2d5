#include "core/BirthForm.h"

#include "base/TextBasics.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// The sign a zone box was written with: '-', '+' or 0.
char ZoneSign(std::string_view text)
{
    text = TrimSpaces(text);
    return !text.empty() && (text[0] == '-' || text[0] == '+') ? text[0] : 0;
}

}  // namespace

BirthFormCheck ValidateBirthData(const BirthFormValues& form)
{
    if (IsBlank(form.name))
        return BirthFormCheck::NameBlank;
    if (IsBlank(form.zoneHours) || IsBlank(form.zoneMinutes))
        return BirthFormCheck::ZoneBlank;
    if (IsBlank(form.lonDegrees))
        return BirthFormCheck::LongitudeDegreesBlank;
    if (IsBlank(form.lonMinutes))
        return BirthFormCheck::LongitudeMinutesBlank;
    if (IsBlank(form.latDegrees))
        return BirthFormCheck::LatitudeDegreesBlank;
    if (IsBlank(form.latMinutes))
        return BirthFormCheck::LatitudeMinutesBlank;

    constexpr int February = 1;
    if (form.monthIndex == February) {
        const std::optional<std::int16_t> year = NumberOfText(form.year);
        const bool leap = year && *year % 4 == 0;
        if (form.dayIndex >= (leap ? 29 : 28))
            return BirthFormCheck::FebruaryTooLong;
    }
    const int m = form.monthIndex;
    if ((m == 3 || m == 5 || m == 8 || m == 10) && form.dayIndex == 30)
        return BirthFormCheck::ThirtyDayMonthTooLong;
    const char hourSign = ZoneSign(form.zoneHours), minuteSign = ZoneSign(form.zoneMinutes);
    if (hourSign != 0 && minuteSign != 0 && hourSign != minuteSign)
        return BirthFormCheck::ZoneSignsDisagree;
    return BirthFormCheck::Passed;
}

namespace {

// The value of a decimal number written with an optional sign, whole digits and
// an optional fraction (spaces trimmed), rounded half to even; nothing for
// any other text.
std::optional<double> RoundedDecimal(std::string_view text)
{
    text = TrimSpaces(text);
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++pos;
    const std::size_t wholeStart = pos;
    while (pos < text.size() && IsAsciiDigit(text[pos]))
        ++pos;
    const std::size_t wholeDigits = pos - wholeStart;
    std::size_t fractionDigits = 0;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsAsciiDigit(text[pos])) {
            ++pos;
            ++fractionDigits;
        }
    }
    if (pos != text.size() || wholeDigits + fractionDigits == 0 || wholeDigits > 12)
        return std::nullopt;

    // At most 12 whole digits and any fraction: exact enough in a double to
    // round correctly, and far beyond 16 bits before it could matter.
    // from_chars, not strtod: the decimal point must not follow the user's locale.
    const std::string_view digits = text.substr(wholeStart);
    double value = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    const double rounded = std::nearbyint(value);  // default rounding: half to even
    return negative ? -rounded : rounded;
}

}  // namespace

std::optional<std::int16_t> NumberOfText(std::string_view text)
{
    const std::optional<double> value = RoundedDecimal(text);
    if (!value || *value < std::numeric_limits<std::int16_t>::min() || *value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

ChartInputsResult ChartInputsFromForm(const BirthFormValues& form, const ChartRecord& chart)
{
    ChartInputsResult result;
    result.chart = chart;
    ChartRecord& c = result.chart;

    // The list entries are numbers by construction.
    c.BirthMonth = static_cast<std::int16_t>(form.monthIndex + 1);
    c.BirthDay = NumberOfText(form.day).value_or(c.BirthDay);
    c.BirthYear = NumberOfText(form.year).value_or(c.BirthYear);
    c.BirthHour = NumberOfText(form.hour).value_or(c.BirthHour);
    c.BirthMinute = NumberOfText(form.minute).value_or(c.BirthMinute);

    const struct {
        NumberBox box;
        const std::string& text;
        std::int16_t& field;
        bool absolute;
    } boxes[] = {
        {NumberBox::LongitudeDegrees, form.lonDegrees, c.LongitudeDegrees, false},
        {NumberBox::LongitudeMinutes, form.lonMinutes, c.LongitudeMinutes, false},
        {NumberBox::LatitudeDegrees, form.latDegrees, c.LatitudeDegrees, false},
        {NumberBox::LatitudeMinutes, form.latMinutes, c.LatitudeMinutes, false},
        {NumberBox::ZoneHours, form.zoneHours, c.ZoneHours, true},
        {NumberBox::ZoneMinutes, form.zoneMinutes, c.ZoneMinutes, true},
    };
    for (const auto& b : boxes) {
        const std::optional<std::int16_t> n = NumberOfText(b.text);
        // -32768 has no 16-bit absolute value.
        if (!n || (b.absolute && *n == std::numeric_limits<std::int16_t>::min())) {
            result.failed = b.box;
            result.outOfRange = RoundedDecimal(b.text).has_value();
            result.chart = chart;
            return result;
        }
        b.field = b.absolute ? static_cast<std::int16_t>(std::abs(*n)) : *n;
    }

    const char sign = ZoneSign(form.zoneHours) != 0 ? ZoneSign(form.zoneHours) : ZoneSign(form.zoneMinutes);
    c.ZoneAhead = sign == '-' ? -1 : sign == '+' ? 1 : 0;
    c.IsDaylightSaving = form.dst ? -1 : 0;
    c.IsEast = form.east ? -1 : 0;
    c.IsNorth = form.north ? -1 : 0;
    return result;
}
