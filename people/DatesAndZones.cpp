#include "people/DatesAndZones.h"

#include "base/TextBasics.h"
#include "base/Utf8Text.h"

namespace {

// The years the program's lists offer, and so the tool takes.
constexpr int FirstYear = 1901;
constexpr int LastYear = 2050;

constexpr std::string_view MinusSign = "\xE2\x88\x92";  // U+2212, as the program writes "UTC\u22125:00"

}  // namespace

bool ReadDigits(std::string_view text, std::size_t& at, std::size_t fewest, std::size_t most, int& value)
{
    std::size_t count = 0;
    value = 0;
    for (; at < text.size() && IsAsciiDigit(text[at]); ++at) {
        if (++count > most)
            return false;
        value = 10 * value + (text[at] - '0');
    }
    return count >= fewest;
}

bool ReadChar(std::string_view text, std::size_t& at, char c)
{
    if (at >= text.size() || text[at] != c)
        return false;
    ++at;
    return true;
}

std::string QuotedField(std::string_view text)
{
    constexpr std::size_t shown = 40;
    if (text.size() <= shown)
        return "\"" + std::string(text) + "\"";
    return "\"" + std::string(Utf8Prefix(text, shown)) + "...\"";
}

DateRead ReadDate(std::string_view text, DateForm form)
{
    DateRead read;
    const bool withDay = form == DateForm::Day;
    const std::string what = (withDay ? "date " : "month ") + QuotedField(text);
    CivilDate& date = read.date;
    date.day = 1;
    std::size_t at = 0;
    if (!ReadDigits(text, at, 4, 4, date.year) || !ReadChar(text, at, '-') || !ReadDigits(text, at, 2, 2, date.month) ||
        (withDay && (!ReadChar(text, at, '-') || !ReadDigits(text, at, 2, 2, date.day))) || at != text.size()) {
        read.error = what + " is not of the form " + (withDay ? "YYYY-MM-DD" : "YYYY-MM");
        return read;
    }
    read.status = FieldStatus::OutOfRange;
    if (date.year < FirstYear || date.year > LastYear) {
        read.error = what + ": the year must be 1901 to 2050";
        return read;
    }
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > DaysInGregorianMonth(date.month, date.year)) {
        read.error = what + " does not exist";
        return read;
    }
    read.status = FieldStatus::Read;
    return read;
}

SpanRead ReadSpan(std::string_view text)
{
    SpanRead span;
    const std::size_t dots = text.find("..");
    const DateRead first = ReadDate(text.substr(0, dots), dots == std::string_view::npos ? DateForm::Month : DateForm::Day);
    const DateRead last = dots == std::string_view::npos ? first : ReadDate(text.substr(dots + 2), DateForm::Day);
    if (first.status == FieldStatus::Malformed || last.status == FieldStatus::Malformed) {
        span.error = "--calendar takes YYYY-MM or YYYY-MM-DD..YYYY-MM-DD, not " + QuotedField(text);
        return span;
    }
    span.status = FieldStatus::OutOfRange;
    if (!first.ok() || !last.ok()) {
        span.error = first.ok() ? last.error : first.error;
        return span;
    }
    span.first = first.date;
    if (dots == std::string_view::npos) {
        const CivilDate& month = first.date;
        span.end = {month.month == 12 ? month.year + 1 : month.year, month.month % 12 + 1, 1};
        span.status = FieldStatus::Read;
        return span;
    }
    const std::string firstText(text.substr(0, dots)), lastText(text.substr(dots + 2));
    if (DaysFromCivil(last.date) < DaysFromCivil(first.date)) {
        span.error = "the span ends (" + lastText + ") before it starts (" + firstText + ")";
        return span;
    }
    // Ten years on from the first day; from 29 February, to 28 February.
    const CivilDate& from = first.date;
    const CivilDate tenYears{from.year + 10, from.month, from.month == 2 && from.day == 29 ? 28 : from.day};
    if (DaysFromCivil(last.date) >= DaysFromCivil(tenYears)) {
        span.error = "a calendar span is at most 10 years; " + firstText + ".." + lastText + " is longer";
        return span;
    }
    span.end = CivilFromDays(DaysFromCivil(last.date) + 1);  // the day after the last
    span.status = FieldStatus::Read;
    return span;
}

ZoneRead ReadZoneOffset(std::string_view text, ZoneSign rule)
{
    ZoneRead zone;
    const std::string signNeeded =
        "--zone for the calendar is an offset with its sign, e.g. +11:00 or -4:00, not " + QuotedField(text);
    std::size_t at = 0;
    if (ReadChar(text, at, '+')) {
        zone.sign = 1;
    } else if (ReadChar(text, at, '-')) {
        zone.sign = -1;
    } else if (text.substr(0, MinusSign.size()) == MinusSign) {
        zone.sign = -1;
        at = MinusSign.size();
    }
    bool formOk = ReadDigits(text, at, 1, 2, zone.hours);
    if (formOk && at < text.size())
        formOk = ReadChar(text, at, ':') && ReadDigits(text, at, 2, 2, zone.minutes) && at == text.size();
    if (!formOk) {
        zone.error = rule == ZoneSign::Required ? signNeeded : "zone " + QuotedField(text) + " is not of the form H:MM, e.g. 5:30";
        return zone;
    }
    zone.status = FieldStatus::OutOfRange;
    if (zone.hours > 14 || zone.minutes > 59) {
        zone.error = "zone " + QuotedField(text) + ": hours must be 0 to 14 and minutes 0 to 59";
        return zone;
    }
    if (rule == ZoneSign::Required && zone.sign == 0 && zone.hours * 60 + zone.minutes != 0) {
        zone.status = FieldStatus::Malformed;
        zone.error = signNeeded;
        return zone;
    }
    zone.status = FieldStatus::Read;
    return zone;
}
