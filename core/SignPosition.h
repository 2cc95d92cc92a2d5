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

// SignPositionInWords — a longitude as people read it: "23° 44′ 31″ Virgo"
// Inputs:  longitude  double  sidereal degrees in [0, 360); the caller keeps it there
// Returns: UTF-8 text with the degree, prime and double prime signs and the
//          sign's full name; "" for a value that is not finite or out of range
// Notes:   1) Rounded to the nearest second (a longitude decoded from a
//             position text comes back to its own seconds), carried into the
//             minutes, degrees and sign; 360° comes back as 0° Aries.
// Checked: SignPositionTest.InWords — 173.741944 -> 23° 44′ 31″ Virgo
std::string SignPositionInWords(double longitude);
