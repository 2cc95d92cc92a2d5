#include "core/SignPosition.h"

#include "core/MansionVocabulary.h"

#include <cmath>

namespace {

// Writes 0..99 without leading zeros; returns the end.
char* WriteSmallWhole(char* p, double value)
{
    const int n = static_cast<int>(value);
    if (n >= 10)
        *p++ = static_cast<char>('0' + n / 10);
    *p++ = static_cast<char>('0' + n % 10);
    return p;
}

}  // namespace

void FormatSignPositionInto(double longitude, std::string& out)
{
    out.clear();
    if (!std::isfinite(longitude))
        return;  // no position to write; never reached from the engine
    const double a = std::fabs(longitude);
    const double deg = std::floor(a);
    const double f = a - deg;
    const double mm = 60.0 * f;
    const double min = std::floor(mm);
    const double g = mm - min;
    const double k = std::floor(deg / 30.0);
    // Whole degrees within the sign: repeated subtraction of 30 from a whole
    // number, done in one exact step.
    const double d = std::fmod(deg, 30.0);
    const double sec = std::floor(60.0 * g);

    // d < 30, and min and sec < 60 because f and g are below 1: two digits each.
    char text[24];
    char* p = WriteSmallWhole(text, d);
    for (const char c : DegreeSign)
        *p++ = c;
    *p++ = ' ';
    p = WriteSmallWhole(p, min);
    *p++ = '\'';
    *p++ = ' ';
    p = WriteSmallWhole(p, sec);
    *p++ = '"';
    *p++ = ' ';
    if (k < 12.0) {
        const std::size_t sign = static_cast<std::size_t>(k) * 3;
        for (std::size_t i = 0; i < 3; ++i)
            *p++ = SignAbbreviations[sign + i];
    }
    out.assign(text, static_cast<std::size_t>(p - text));  // reuses the storage out already has
}

std::string FormatSignPosition(double longitude)
{
    std::string text;
    FormatSignPositionInto(longitude, text);
    return text;
}

std::string SignPositionInWords(double longitude)
{
    if (!std::isfinite(longitude) || longitude < 0 || longitude >= 360)
        return {};
    const long seconds = std::lround(longitude * 3600.0) % (360L * 3600L);
    const long inSign = seconds % (30L * 3600L);
    std::string text = std::to_string(inSign / 3600);
    text += DegreeSign;
    text += ' ' + std::to_string(inSign / 60 % 60) + "\xE2\x80\xB2 ";  // prime
    text += std::to_string(inSign % 60) + "\xE2\x80\xB3 ";             // double prime
    text += SignName(static_cast<int>(seconds / (30L * 3600L)));
    return text;
}
