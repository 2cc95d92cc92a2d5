#pragma once

#include <array>
#include <cstddef>
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

// The ten texts of one mansion: a row of the constant table, and the current
// reading's mansion, which is always one of those rows. The texts are views
// of the table's constant text; a field set by hand must hold text that lives
// as long (a literal, or another row's field).
struct MansionRecord {
    std::array<std::string_view, MansionFieldCount> fields;

    constexpr std::string_view& operator[](std::size_t i) { return fields[i]; }
    constexpr std::string_view operator[](std::size_t i) const { return fields[i]; }
};
