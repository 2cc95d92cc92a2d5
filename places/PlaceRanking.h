#pragma once

#include "places/PlaceKeys.h"

#include <QString>

#include <cstdint>
#include <vector>

// The search's rules, one copy for the search over the place index and for the
// one over the live list it is made from: how what was typed is read into a
// city and its hints, and in which order the places found and the near names
// come.

// What was typed besides the city: each part a state, a country, or with two
// parts in City ("Paris, TX") either one. The State and Country boxes add to
// the parts.
struct TypedHint {
    enum class Names { State, Country, Either };
    Names names;
    QString key;          // its search key, never empty
    bool inCity = false;  // a part of City: one that names nothing gives no place
};

struct TypedPlace {
    QString cityKey;  // the city's search key; empty: no name was typed
    std::vector<TypedHint> hints;
    QString typed;    // what was typed, parts joined by ", ", for the messages
};

TypedPlace ReadTypedPlace(const QString& city, const QString& state, const QString& country);

// A place that holds the typed words, as it is ranked.
struct RankedMatch {
    int typedMatches;       // of the typed hints, the state's or country's it lies in
    NameMatch name;         // how its best name holds the typed words
    std::uint32_t people;   // its population
    bool capital, seat;     // of a country, of a state
    bool translation;       // the name matched is from another language's catalogue
};

// PlaceRanksBefore — those in the typed state and country first; then an
// exact name, a name that starts with the typed words, one that holds them
// later; then capitals, seats of states and population: a capital counts a
// hundred times its people and a seat ten times (Hamilton, Bermuda, of 902
// people, comes after Hamilton, Ontario), and a name in another language a
// tenth of its place's people with no capital's or seat's share ("Victoria" is
// Victoria, British Columbia before Hong Kong's old name, but "Canton" is
// Guangzhou before Canton, Michigan).
bool PlaceRanksBefore(const RankedMatch& a, const RankedMatch& b);

// How many edits a near name may be from the typed city: one up to four
// letters, two up to eight, else three.
int NearNameLimit(const QString& cityKey);

// A near name's place: the nearer first, then those in the typed state and
// country, then the larger.
struct NearMatch {
    int distance;
    int typedMatches;
    std::uint32_t people;
};
bool NearNameRanksBefore(const NearMatch& a, const NearMatch& b);

// The most near names offered when nothing matches.
constexpr int NearNamesOffered = 3;
