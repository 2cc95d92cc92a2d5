#pragma once

#include <string>
#include <string_view>

// The twelve sign abbreviations in zodiac order; sign k is the three characters at 3k.
inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// The degree sign U+00B0 in UTF-8, the program's own text encoding.
inline constexpr std::string_view DegreeSign = "\xC2\xB0";

// FormatSignPosition — longitude as degrees, minutes and seconds within its sign
// Inputs:  longitude  double  degrees, expected in [0, 360); the caller keeps it there
// Returns: UTF-8 text: degrees, "° ", minutes, "' ", seconds, "\" ", sign abbreviation;
//          whole numbers without leading zeros, e.g. 15° 30' 45" Tau for 45.5125
// Notes:   1) Every stage drops its fraction, so there is never a carry: a value
//             meant to be exact can come out one second low.
//          2) The sign index comes from the whole degrees before they are reduced;
//             360 or more would give an empty abbreviation; a value that is not
//             finite gives an empty text.
// Checked: SignPositionTest.FormatsReferenceLongitudes — 123.456 -> 3° 27' 21" Leo (exact)
std::string FormatSignPosition(double longitude);

// The same text written into `out`, reusing its storage (no allocation once it
// has held a position text): the engine writes each reading's text this way.
void FormatSignPositionInto(double longitude, std::string& out);
