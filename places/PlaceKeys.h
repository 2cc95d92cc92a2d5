#pragma once

#include <QString>

#include <string_view>

// How names are compared: the one search key of a name, how a name holds the
// typed words, and how near two names are. Used by the search over the place
// index and by the reading of the live list that the index is made from.

// A name as it is searched: accents and letter case set aside ("São Paulo"
// and "sao paulo" are one), dots and apostrophes dropped ("D.C." is "dc"),
// any other punctuation a space between words, "St" as "saint"; ß as ss, æ
// and œ as ae and oe, ø as o ("Straßburg" is "strassburg").
QString SearchKey(const QString& text);

// How a name holds the typed words: the whole name, its first words, or
// later words; whole words only ("us" is not in "australia").
enum class NameMatch { Exact = 0, Starts = 1, Inside = 2, None = 3 };

NameMatch MatchWords(const QString& key, const QString& typed);

// The optimal-string-alignment distance (insertions, deletions, substitutions
// and swaps of neighbours, each 1), or limit + 1 once it exceeds `limit`.
// Names longer than 63 letters are never near.
int EditDistance(std::u16string_view a, std::u16string_view b, int limit);

// The name with the state where people name states (United States, Canada,
// Australia, United Kingdom), else with the country.
QString NameAndRegion(const QString& countryCode, const QString& state, const QString& country, const QString& name);
