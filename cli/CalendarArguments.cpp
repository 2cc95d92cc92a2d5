#include "cli/CalendarArguments.h"

#include "cli/PlaceArguments.h"
#include "core/ClockText.h"

#include <cctype>

namespace {

bool Digits(const std::string& text, std::size_t at, std::size_t count, int& value)
{
    if (at + count > text.size())
        return false;
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// "YYYY-MM" or "YYYY-MM-DD" at the whole of `text`.
bool ReadDate(const std::string& text, bool withDay, CivilDate& date, std::string& error)
{
    const std::size_t length = withDay ? 10 : 7;
    if (text.size() != length || !Digits(text, 0, 4, date.year) || text[4] != '-' || !Digits(text, 5, 2, date.month) ||
        (withDay && (text[7] != '-' || !Digits(text, 8, 2, date.day)))) {
        error = "--calendar takes YYYY-MM or YYYY-MM-DD..YYYY-MM-DD, not \"" + text.substr(0, 40) + "\"";
        return false;
    }
    if (!withDay)
        date.day = 1;
    if (date.month < 1 || date.month > 12) {
        error = "the month " + text.substr(5, 2) + " in \"" + text + "\" is out of range (01 to 12)";
        return false;
    }
    if (date.day < 1 || date.day > DaysInGregorianMonth(date.month, date.year)) {
        error = text + " is not a date";
        return false;
    }
    if (date.year < 1901 || date.year > 2050) {
        error = "the calendar covers 1901 to 2050, not " + text;
        return false;
    }
    return true;
}

// "+11:00", "-4:00", "+5:45", "0:00", "0": minutes East of Greenwich.
bool ReadZone(const std::string& text, int& minutes, std::string& error)
{
    error = "--zone for the calendar is an offset with its sign, e.g. +11:00 or -4:00, not \"" + text.substr(0, 20) + "\"";
    std::size_t at = 0;
    int sign = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        sign = text[0] == '+' ? 1 : -1;
        at = 1;
    }
    const std::size_t colon = text.find(':', at);
    const std::size_t hourDigits = (colon == std::string::npos ? text.size() : colon) - at;
    int hours = 0, mins = 0;
    if (hourDigits < 1 || hourDigits > 2 || !Digits(text, at, hourDigits, hours))
        return false;
    if (colon != std::string::npos && (text.size() != colon + 3 || !Digits(text, colon + 1, 2, mins) || mins > 59))
        return false;
    if (hours > 14 || (sign == 0 && (hours != 0 || mins != 0)))
        return false;
    minutes = (sign < 0 ? -1 : 1) * (hours * 60 + mins);
    return true;
}

}  // namespace

CalendarRequest ReadCalendarRequest(const std::string& span, const std::string& zone, const std::string& place)
{
    CalendarRequest request;
    CivilDate first, last;
    const std::size_t dots = span.find("..");
    LocalMinute from, to;
    if (dots == std::string::npos) {
        if (!ReadDate(span, false, first, request.error))
            return request;
        from = {first.year, first.month, 1, 0, 0};
        to = {first.month == 12 ? first.year + 1 : first.year, first.month % 12 + 1, 1, 0, 0};
    } else {
        if (!ReadDate(span.substr(0, dots), true, first, request.error) ||
            !ReadDate(span.substr(dots + 2), true, last, request.error))
            return request;
        if (DaysFromCivil(last) < DaysFromCivil(first)) {
            request.error = "the span ends (" + span.substr(dots + 2) + ") before it starts (" + span.substr(0, dots) + ")";
            return request;
        }
        const CivilDate tenYears{first.year + 10, first.month, first.month == 2 && first.day == 29 ? 28 : first.day};
        if (DaysFromCivil(last) >= DaysFromCivil(tenYears)) {
            request.error = "a calendar span is at most 10 years; " + span + " is longer";
            return request;
        }
        from = {first.year, first.month, first.day, 0, 0};
        to = LocalMinuteShifted({last.year, last.month, last.day, 0, 0}, 1440);
    }

    if (!place.empty()) {
        PlaceClocksFound found = FindPlaceClocks(place);
        if (!found.ok) {
            request.error = found.error;
            return request;
        }
        request.where = std::move(found.where);
    } else {
        int minutes = 0;
        if (!zone.empty() && !ReadZone(zone, minutes, request.error))
            return request;
        request.where.clocks = Clocks::Fixed(minutes);
    }
    request.fromMinute = request.where.clocks.UtcOf(from);
    request.toMinute = request.where.clocks.UtcOf(to);
    if (request.toMinute == request.fromMinute) {
        request.skipped = true;
        ++request.toMinute;
    }
    request.error.clear();
    request.ok = true;
    return request;
}
