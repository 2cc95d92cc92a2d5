#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The ten texts of one mansion, in the order the result window shows them.
enum MansionField : std::size_t {
    LunarMansionName = 0,  // Latin name(s), alternatives joined by " or "; the lookup key
    ArabicName,
    EnglishMeaning,
    Constellation,         // zodiac sign that holds the mansion
    PlanetaryRuler,
    Angel,                 // or "Not Applicable"
    Attributes,
    FamousPerson,
    FavorableCircumstances,    // items joined by CR LF
    UnfavorableCircumstances,  // items joined by CR LF
};

inline constexpr std::size_t MansionFieldCount = 10;

// The caption of each field, as the result window shows it.
inline constexpr std::array<std::string_view, MansionFieldCount> MansionFieldCaptions{
    "Lunar Mansion Name", "Arabic Name",     "English Meaning",         "Constellation",
    "Planetary Ruler",    "Angel",           "Attributes",              "Famous Person",
    "Favorable Circumstances", "Unfavorable Circumstances",
};
inline constexpr int MansionCount = 28;

// The ten texts of a mansion as the constant table holds them.
using MansionRow = std::array<std::string_view, MansionFieldCount>;

// The ten texts of the current reading, as the result window shows them.
struct MansionRecord {
    std::array<std::string, MansionFieldCount> fields;

    std::string& operator[](std::size_t i) { return fields[i]; }
    const std::string& operator[](std::size_t i) const { return fields[i]; }
};
