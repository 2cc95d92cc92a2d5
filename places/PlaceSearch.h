#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

// A town or city of the offline place list (GeoNames, every place of 15,000
// people or more), with its coordinates and its IANA time zone.
struct Place {
    std::uint32_t id = 0;  // GeoNames id
    QString name;          // the list's name, e.g. "Mumbai"
    QString state;
    QString stateCode;     // GeoNames admin1 code, e.g. "TX", "ENG", "08"
    QString country;
    QString countryCode;   // ISO 3166, e.g. "GB"
    double latitude = 0;   // degrees, North positive
    double longitude = 0;  // degrees, East positive
    QByteArray zone;       // IANA name, e.g. "Europe/Madrid"
    quint32 population = 0;
    QString matchedName;   // the other name that was typed, e.g. "Bombay"; empty for the list's name
};

// "Mumbai (Bombay)": the list's name, and the other name that matched.
QString ShownName(const Place& place);

// "Paris, Texas, United States of America": name, state and country.
QString FullName(const Place& place);

// "London, England", "Paris, France": the list's name with the state where
// people name states (United States, Canada, Australia, United Kingdom), else
// the country.
QString ShortName(const Place& place);

struct PlaceSearch {
    enum class Status {
        Found,            // `places` holds the matches, best first
        NoMatch,          // nothing matches; `suggestions` holds up to 3 near names
        EmptyName,        // the city holds no letters or digits: nothing was searched
        ListUnavailable,  // the place index is missing or damaged; `problem` says why
    };
    Status status = Status::NoMatch;
    QList<Place> places;
    QList<Place> suggestions;
    QString problem;
    QString typed;  // what was searched, as typed ("Lodnon", "London, Texas")
};

// FindPlaces — the places whose name holds the typed city as whole words
//              (accents, letter case and punctuation aside), best first
// Inputs:  city     the city, or "City, State, Country" / "City, Country"
//                   (the boxes' state and country count as well)
//          state    a state's name, another name of it, its GeoNames admin
//                   code ("TX", "ENG") or postal abbreviation ("ON", "NSW");
//                   may be empty
//          country  a country's name, another name of it, its ISO 3166
//                   alpha-2 or alpha-3 code, "UK", "USA" or "UAE"; may be empty
// Returns: Found, NoMatch (with suggestions by edit distance), EmptyName or
//          ListUnavailable.
// Notes:   1) Ranking: places in the typed state and country first (both
//             before one); then the list's name or another name equal to the
//             city, before one that starts with it, before one holding it as
//             later words; then capitals, then seats of states, then
//             population, where a capital counts a hundred times its people
//             and a seat ten times (Hamilton, Bermuda, 902 people, comes after
//             Hamilton, Ontario; Springfield, Illinois before Springfield, Missouri),
//             and a name in another language a tenth of its place's people
//             ("Canton" is Guangzhou, "Victoria" Victoria, British Columbia).
//          2) A typed state or country that none of the places named like the
//             city lies in gives NoMatch, never a place elsewhere.
//          3) With two parts in `city` the second is a state or a country;
//             with more, the second a state and each after it a country. A
//             part that names no state or country gives NoMatch. Each typed
//             state or country a place lies in ranks it up.
//          4) The place index (PlaceIndex.h) is mapped on the first search
//             and kept; the names are searched in its sorted keys.
PlaceSearch FindPlaces(const QString& city, const QString& state = {}, const QString& country = {});

// "No place called Lodnon. Did you mean London, England?", "The place name is
// empty." for a city of no letters or digits, or for an
// unavailable index "The place index could not be read: …";
// empty when places were found.
QString SearchMessage(const PlaceSearch& search);
