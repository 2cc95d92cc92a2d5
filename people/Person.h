#pragma once

#include "core/BirthMoment.h"

#include <cstdint>
#include <string>
#include <vector>
#include <tuple>

// Person — one entry of the people book: a birth as it was given, a note,
// and when the entry was made and changed. The mansion and the passage are
// read from the birth each time (ReadBirth), never kept.
struct Person {
    std::int64_t id = 0;       // the book's number for the entry; 0 before it is added
    std::string name;
    int year = 0, month = 0, day = 0;  // the birth's local date
    int hour = 0, minute = 0;          // and clock time, to the minute
    double latitude = 0;       // degrees, North positive
    double longitude = 0;      // degrees, East positive
    int zoneMinutes = 0;       // the zone's offset without summer time, minutes, East (ahead of UT) positive
    bool dst = false;          // summer time in force: one hour more
    // The place, when the birth was given one from the place list; all ""
    // for a birth typed with its coordinates and zone.
    std::string placeName, state, country;
    std::string zoneName;      // IANA, "Europe/London"; "" for a typed zone
    std::string note;
    std::int64_t created = 0;  // seconds since 1970-01-01 UTC; set by the book
    std::int64_t changed = 0;

    bool HasPlace() const { return !placeName.empty(); }
};

// PersonOfBirth — an entry for a birth made by the form, a file or the tool:
// its date, clock time, coordinates (to the arc-minute the chart holds; the
// place's own when it has them), zone, summer time and place.
Person PersonOfBirth(const BirthMoment& birth);

// MomentOfPerson — the birth of an entry, to be read: the chart's inputs, the
// place when there is one, on the fixed clocks of the birth's offset.
// Notes: the caller checks nothing; the entry's fields come from a birth
//        that was checked when it was made.
BirthMoment MomentOfPerson(const Person& person);

// SameBirth — the same name and birth: date, clock time, offset with summer
// time, and coordinates to the arc-minute. A person already in the book by
// this test is not added twice.
bool SameBirth(const Person& a, const Person& b);
// What SameBirth compares, to find the same birth among many.
using BirthKey = std::tuple<std::string, int, int, int, int, int, int, long, long>;
BirthKey KeyOfBirth(const Person& person);

// BirthMansion — the mansion (1..28) the Moon was in at the entry's birth,
// read as every reading is (ReadBirth).
int BirthMansion(const Person& person);

// The people of each birth mansion: entry 1..28 their names, in the order
// given; entry 0 unused.
std::vector<std::vector<std::string>> NamesByMansion(const std::vector<Person>& people);

// Whole minutes of arc of an angle in degrees, to the nearest.
long ArcMinutes(double degrees);
