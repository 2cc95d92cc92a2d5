#pragma once

#include "people/Person.h"

#include <string>
#include <vector>

// The 10,000 people the people book's benchmarks fill a book with: births
// spread over the program's years, the globe and the zones; with
// `somePlaces`, every third at a named place on a zone of the database.
inline std::vector<Person> TenThousandPeople(bool somePlaces)
{
    std::vector<Person> people;
    for (int i = 0; i < 10000; ++i) {
        Person p;
        p.name = "Person " + std::to_string(i);
        p.year = 1901 + i % 150, p.month = 1 + i % 12, p.day = 1 + i % 28, p.hour = i % 24, p.minute = i % 60;
        p.latitude = (i % 180) - 89.5, p.longitude = (i % 360) - 179.5;
        p.zoneMinutes = (i % 27 - 12) * 60;
        if (somePlaces && i % 3 == 0)
            p.placeName = "Town " + std::to_string(i % 500), p.country = "Country", p.zoneName = "Europe/London";
        people.push_back(std::move(p));
    }
    return people;
}
