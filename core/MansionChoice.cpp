#include "core/MansionChoice.h"

#include "base/TextBasics.h"

#include "core/SignPosition.h"

#include <array>

namespace {

struct SignBounds {
    int boundCount;
    std::array<int, 3> upTo;     // inclusive upper bounds, minutes within the sign
    std::array<int, 3> mansion;  // mansion of each bound
    int above;                   // mansion above the last bound
};

constexpr int Minutes(int degrees, int minutes) { return 60 * degrees + minutes; }

// The ends of the 28 mansions (12°51'26" apart) cut to whole minutes, per
// sign in zodiac order (the order of SignAbbreviations).
constexpr std::array<SignBounds, 12> MansionBoundaryTable{{
    {2, {Minutes(12, 51), Minutes(25, 42), 0}, {1, 2, 0}, 3},  // Ari
    {2, {Minutes(8, 34), Minutes(21, 25), 0}, {3, 4, 0}, 5},  // Tau
    {2, {Minutes(4, 17), Minutes(17, 8), 0}, {5, 6, 0}, 7},  // Gem
    {3, {Minutes(0, 0), Minutes(12, 51), Minutes(25, 42)}, {7, 8, 9}, 10},  // Can
    {2, {Minutes(8, 34), Minutes(21, 25), 0}, {10, 11, 0}, 12},  // Leo
    {2, {Minutes(4, 17), Minutes(17, 8), 0}, {12, 13, 0}, 14},  // Vir
    {3, {Minutes(0, 0), Minutes(12, 51), Minutes(25, 42)}, {14, 15, 16}, 17},  // Lib
    {2, {Minutes(8, 34), Minutes(21, 25), 0}, {17, 18, 0}, 19},  // Sco
    {2, {Minutes(4, 17), Minutes(17, 8), 0}, {19, 20, 0}, 21},  // Sag
    {3, {Minutes(0, 0), Minutes(12, 51), Minutes(25, 42)}, {21, 22, 23}, 24},  // Cap
    {2, {Minutes(8, 34), Minutes(21, 25), 0}, {24, 25, 0}, 26},  // Aqu
    {2, {Minutes(4, 17), Minutes(17, 8), 0}, {26, 27, 0}, 28},  // Pis
}};


// The number formed by the digits at the start of `token`, if any and if it
// fits a signed 16-bit value.
bool LeadingNumber(std::string_view token, std::int16_t& value)
{
    if (token.empty() || !IsAsciiDigit(token.front()))
        return false;
    int n = 0;
    for (const char c : token) {
        if (!IsAsciiDigit(c))
            break;
        n = 10 * n + (c - '0');
        if (n > 32767)
            return false;
    }
    value = static_cast<std::int16_t>(n);
    return true;
}

// Whole number of one or two digits at `pos`, at most `max`; advances `pos`.
bool Number(std::string_view text, std::size_t& pos, int max, int& value)
{
    value = 0;
    std::size_t digits = 0;
    while (pos < text.size() && IsAsciiDigit(text[pos]) && digits < 3) {
        value = 10 * value + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits >= 1 && digits <= 2 && value <= max;
}

bool Literal(std::string_view text, std::size_t& pos, std::string_view literal)
{
    if (text.substr(pos, literal.size()) != literal)
        return false;
    pos += literal.size();
    return true;
}

// Index 0..11 of a three-letter sign abbreviation (case-sensitive), or -1.
int SignIndex(std::string_view s)
{
    if (s.size() != 3)
        return -1;
    for (int k = 0; k < 12; ++k) {
        const char* sign = SignAbbreviations.data() + 3 * k;
        if (s[0] == sign[0] && s[1] == sign[1] && s[2] == sign[2])
            return k;
    }
    return -1;
}

// The strict grammar; on success gives the degrees, minutes and sign index.
bool ParseStrict(std::string_view text, int& degrees, int& minutes, int& sign, int* secondsOut = nullptr)
{
    std::size_t pos = 0;
    int seconds = 0;
    if (!Number(text, pos, 29, degrees))
        return false;
    Literal(text, pos, DegreeSign);  // absent in texts read back from files
    if (!(Literal(text, pos, " ") && Number(text, pos, 59, minutes) && Literal(text, pos, "' ") &&
          Number(text, pos, 59, seconds) && Literal(text, pos, "\" ") && text.size() == pos + 3))
        return false;
    sign = SignIndex(text.substr(pos));
    if (secondsOut)
        *secondsOut = seconds;
    return sign >= 0;
}

}  // namespace

std::optional<double> PositionTextLongitude(std::string_view text)
{
    int degrees = 0, minutes = 0, sign = 0, seconds = 0;
    if (!ParseStrict(text, degrees, minutes, sign, &seconds))
        return std::nullopt;
    return 30.0 * sign + degrees + minutes / 60.0 + seconds / 3600.0;
}

bool IsWellFormedPositionText(std::string_view text)
{
    int degrees = 0, minutes = 0, sign = 0;
    return ParseStrict(text, degrees, minutes, sign);
}

MansionChoice ChooseMansion(std::string_view text, MansionSignState& state)
{
    MansionChoice choice;
    int degrees = 0, minutes = 0, s = -1;
    if (ParseStrict(text, degrees, minutes, s)) {
        // A well-formed text: the lenient reading below would find the same values.
        choice.status = PositionTextStatus::WellFormed;
        state.MoonSignDegrees = static_cast<std::int16_t>(degrees);
        state.MoonSignMinutes = static_cast<std::int16_t>(minutes);
    } else {
        const std::size_t firstSpace = text.find(' ');
        const std::string_view first = text.substr(0, firstSpace);
        std::string_view second;
        if (firstSpace != std::string_view::npos) {
            const std::size_t secondSpace = text.find(' ', firstSpace + 1);
            second = text.substr(firstSpace + 1, secondSpace == std::string_view::npos
                                                     ? std::string_view::npos
                                                     : secondSpace - firstSpace - 1);
        }
        LeadingNumber(first, state.MoonSignDegrees);
        LeadingNumber(second, state.MoonSignMinutes);
        s = SignIndex(text.size() >= 3 ? text.substr(text.size() - 3) : std::string_view{});
    }
    if (s < 0)
        return choice;  // no known sign: no mansion

    const SignBounds& row = MansionBoundaryTable[static_cast<std::size_t>(s)];
    const int p = 60 * state.MoonSignDegrees + state.MoonSignMinutes;
    choice.mansion = row.above;
    for (int b = 0; b < row.boundCount; ++b) {
        if (p <= row.upTo[static_cast<std::size_t>(b)]) {
            choice.mansion = row.mansion[static_cast<std::size_t>(b)];
            break;
        }
    }
    return choice;
}
