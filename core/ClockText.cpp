#include "core/ClockText.h"

#include <cstdlib>

namespace {

// Writes `value` (0..9999) as `digits` decimal digits; returns the end.
char* Digits(char* p, int value, int digits)
{
    for (int i = digits - 1; i >= 0; --i, value /= 10)
        p[i] = static_cast<char>('0' + value % 10);
    return p + digits;
}

char* WriteIsoOffset(char* p, int offsetMinutes)
{
    const int size = std::abs(offsetMinutes);
    *p++ = offsetMinutes < 0 ? '-' : '+';
    p = Digits(p, size / 60 % 100, 2);
    *p++ = ':';
    return Digits(p, size % 60, 2);
}

constexpr const char* MinusSign = "\xE2\x88\x92";  // U+2212

}  // namespace

int RoundedOffsetMinutes(int offsetSeconds)
{
    // In long long: the size of any int, the most negative included.
    const long long size = offsetSeconds < 0 ? -static_cast<long long>(offsetSeconds) : offsetSeconds;
    const int minutes = static_cast<int>((size + 30) / 60);
    return offsetSeconds < 0 ? -minutes : minutes;
}

std::string IsoOffset(int offsetMinutes)
{
    char text[8];
    return std::string(text, WriteIsoOffset(text, offsetMinutes));
}

// Written by hand rather than by snprintf: a batch writes two a row.
std::string IsoLocalTime(const LocalMinute& t, int offsetMinutes)
{
    char text[32];
    char* p = text;
    p = Digits(p, t.year, 4);
    *p++ = '-';
    p = Digits(p, t.month, 2);
    *p++ = '-';
    p = Digits(p, t.day, 2);
    *p++ = 'T';
    p = Digits(p, t.hour, 2);
    *p++ = ':';
    p = Digits(p, t.minute, 2);
    return std::string(text, WriteIsoOffset(p, offsetMinutes));
}

std::string IsoLocalTime(const ClockTime& time)
{
    return IsoLocalTime(time.Local(), time.offsetMinutes);
}

std::string IsoUtcTime(long utcMinute)
{
    const std::string text = IsoLocalTime(LocalAt(utcMinute, 0), 0);
    return text.substr(0, text.size() - 6) + "Z";
}

std::string UtcOffsetText(int offsetMinutes)
{
    const int size = std::abs(offsetMinutes);
    std::string text = std::string("UTC") + (offsetMinutes < 0 ? MinusSign : "+") + std::to_string(size / 60);
    char two[2];
    if (size % 60 != 0)
        text.append(":").append(two, Digits(two, size % 60, 2));
    return text;
}

std::string UtcOffsetTextWithSeconds(int offsetSeconds)
{
    const int size = std::abs(offsetSeconds);
    std::string text = std::string("UTC") + (offsetSeconds < 0 ? MinusSign : "+") + std::to_string(size / 3600);
    char two[2];
    if (size % 3600 != 0)
        text.append(":").append(two, Digits(two, size / 60 % 60, 2));
    if (size % 60 != 0)
        text.append(":").append(two, Digits(two, size % 60, 2));
    return text;
}

bool IsLetteredAbbreviation(const std::string& abbreviation)
{
    if (abbreviation.empty())
        return false;
    for (const char c : abbreviation)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    return true;
}

std::string ClockZoneText(const ClockTime& time)
{
    return IsLetteredAbbreviation(time.abbreviation) ? time.abbreviation : UtcOffsetText(time.offsetMinutes);
}

std::string HoursAndMinutesText(const LocalMinute& time)
{
    char text[5];
    Digits(text, time.hour, 2);
    text[2] = ':';
    Digits(text + 3, time.minute, 2);
    return std::string(text, 5);
}

std::string ClockText(const ClockTime& time)
{
    return HoursAndMinutesText(time.Local()) + " " + ClockZoneText(time);
}
