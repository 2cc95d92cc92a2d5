#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// What the mansion choice remembers between readings: the whole degrees and
// minutes within the sign read from the last position text (0 at start-up).
struct MansionSignState {
    std::int16_t MoonSignDegrees = 0;
    std::int16_t MoonSignMinutes = 0;
};

enum class PositionTextStatus {
    WellFormed,  // D° M' S" Sgn (the degree sign may be absent, as in reading files)
                 // with D 0..29, M and S 0..59, Sgn one of the twelve signs
    Malformed,   // anything else; the choice was still made by the lenient rules
};

struct MansionChoice {
    PositionTextStatus status = PositionTextStatus::Malformed;
    int mansion = 0;  // 1..28; 0 when the text ends in no known sign abbreviation
};

// ChooseMansion — the lunar mansion that holds a Moon position text
// Inputs:  text   UTF-8 position text, e.g. 19° 27' 45" Lib or 19 27' 45" Lib
//          state  degrees and minutes of the previous text; updated from this one
// Returns: the mansion and whether the text was a well-formed position text.
//          Callers showing a reading refuse Malformed texts.
// Notes:   1) Lenient reading: the sign is the last three characters; degrees and
//             minutes are the leading digits of the first two space-separated
//             tokens. A token without leading digits, or with a number beyond
//             16 bits, leaves its state field as it was. Seconds are not read.
//          2) Choice by whole minutes P = 60 deg + min within the sign against
//             the mansion ends cut to whole minutes: mansion k is the smallest with
//             1800 s + P <= floor(5400 k / 7). The first minute of Cancer, Libra
//             and Capricorn (0°00') still belongs to the mansion before it.
// Checked: MansionChoiceTest.ReferenceBoundaries — 0°00' Can -> 7, 0°01' Can -> 8
MansionChoice ChooseMansion(std::string_view text, MansionSignState& state);

// IsWellFormedPositionText — the strict grammar alone, without touching any state.
bool IsWellFormedPositionText(std::string_view text);

// PositionTextLongitude — the sidereal longitude a well-formed position text
// stands for, in degrees from 0° Aries (0 to 360), to its second of arc.
std::optional<double> PositionTextLongitude(std::string_view text);
