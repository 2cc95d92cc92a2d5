#pragma once

// The small text tests the core, the tool and the windows share: ASCII only,
// whatever the user's locale (std::isdigit and std::tolower follow it).

#include <algorithm>
#include <string_view>
#include <vector>

constexpr bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text without the spaces (' ' only, not tabs) before and after it.
constexpr std::string_view TrimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

constexpr bool EndsWith(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

// EndsWith with ASCII letters of either case alike: "A.PNG" ends with ".png".
constexpr bool EndsWithIgnoringCase(std::string_view text, std::string_view ending)
{
    if (text.size() < ending.size())
        return false;
    text.remove_prefix(text.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i)
        if (AsciiLower(text[i]) != AsciiLower(ending[i]))
            return false;
    return true;
}

// The number of single-byte edits (insertions, deletions, substitutions)
// that turn one text into the other; with `ignoringCase`, ASCII letters of
// either case alike. For the nearest of a few names: "--dat" and "--date",
// "Pacific/Chatam" and "Pacific/Chatham".
inline std::size_t AsciiEditDistance(std::string_view a, std::string_view b, bool ignoringCase = false)
{
    const auto same = [ignoringCase](char x, char y) { return ignoringCase ? AsciiLower(x) == AsciiLower(y) : x == y; };
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same(a[i - 1], b[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}
