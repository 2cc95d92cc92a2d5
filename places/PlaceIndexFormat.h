#pragma once

#include <cstddef>
#include <cstdint>

// The place index: one file made at build time from libgeonames' list and
// catalogues (places/MakePlaceIndex.cpp), installed as share/qamarel/places.index
// and read at run time a page at a time as searches use it (base/PagedFile.h).
// All numbers are in the machine's own byte order; every section begins at a
// multiple of 8 bytes.
//
//   Header
//   places         PlaceRecord[]   in the list's order
//   placeNames     NameRecord[]    each place's names, its list name first
//   placeWords     WordRecord[]    every word start of every place name's key,
//                                  sorted by the key from there (UTF-16 code
//                                  units compared as numbers): the names that
//                                  hold typed words lie together
//   placeFence     Prefix[]        the prefix of every FenceStep-th word: a
//                                  binary search reads a page or two of it and
//                                  one block of words, not a page per step
//   states, stateNames, stateWords, stateFence, countries, countryNames,
//   countryWords, countryFence: alike
//   pool           char16_t[]      every text, UTF-16
namespace PlaceIndexFormat {

inline constexpr char Magic[8] = {'Q', 'A', 'M', 'P', 'L', 'A', 'C', 'E'};
inline constexpr std::uint32_t Version = 2;          // raised whenever a record changes
inline constexpr std::uint32_t ByteOrder = 0x01020304;  // as written by the machine that made it
inline constexpr const char* FileName = "places.index";

struct Text {
    std::uint32_t at = 0;    // in the pool, in code units
    std::uint32_t size = 0;  // code units
};

struct PlaceRecord {
    double latitude = 0, longitude = 0;  // degrees, North and East positive
    std::uint32_t id = 0;                // GeoNames id
    std::uint32_t population = 0;
    Text name, state, stateCode, country, countryCode, zone;
    std::uint32_t stateIndex = 0, countryIndex = 0;  // in states and countries
    std::uint32_t firstName = 0, nameCount = 0;  // in placeNames
    std::uint32_t flags = 0;                     // Capital, Seat
    std::uint32_t unused = 0;
};
inline constexpr std::uint32_t Capital = 1, Seat = 2;

struct NameRecord {
    Text key;    // the search key (PlaceKeys.h)
    Text shown;  // as written
    std::uint32_t owner = 0;  // the place, state or country
    std::uint32_t flags = 0;  // WithinListName, Translation
};
inline constexpr std::uint32_t WithinListName = 1, Translation = 2;

// The first code units of a key from a word's start, zeros after a shorter
// one: most comparisons of a search end in it, without reading the pool.
inline constexpr std::size_t PrefixSize = 8;
struct Prefix {
    char16_t units[PrefixSize] = {};
};

struct WordRecord {
    std::uint32_t name = 0;  // in the names of its kind
    std::uint32_t from = 0;  // where the word begins in the name's key
    Prefix prefix;
};
inline constexpr std::size_t FenceStep = 64;

struct StateRecord {
    Text countryCode, adminCode, adminKey;
};

struct CountryRecord {
    Text code;
};

struct Section {
    std::uint64_t offset = 0;  // bytes from the file's start
    std::uint64_t count = 0;   // records
};

struct Header {
    char magic[8];
    std::uint32_t version;
    std::uint32_t byteOrder;
    std::uint64_t fingerprint;  // 64-bit FNV-1a of the list, the names table and the catalogues read
    std::uint64_t fileSize;
    Section places, placeNames, placeWords, placeFence;
    Section states, stateNames, stateWords, stateFence;
    Section countries, countryNames, countryWords, countryFence;
    Section pool;
};

}  // namespace PlaceIndexFormat
