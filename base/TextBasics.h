#pragma once

// The small text tests the core, the tool and the windows share: ASCII only,
// whatever the user's locale (std::isdigit and std::tolower follow it).

#include <string_view>

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
