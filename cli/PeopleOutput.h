#pragma once

#include "people/PeopleCsv.h"
#include "people/Person.h"

#include <string>
#include <vector>

// The people book in the tool's forms. Each person's mansion is read from
// the birth (ReadBirth), as every reading is.

// One person a line: "Anna  1987-03-21 06:12 UTC+11  Sydney, New South
// Wales, Australia  mansion 5 Al Haq'ah".
std::string PeopleText(const std::vector<Person>& people);
// {"people":[{"name", "date", "time", "zone", "dst", "latitude",
// "longitude", "place" (when from the list), "note", "created", "changed",
// "mansion", "latinName"}]}
std::string PeopleJson(const std::vector<Person>& people);
// PeopleCsv (people/PeopleCsv.h): the batch format, to be imported again.

// The people of each birth mansion (NamesByMansion): entry 1..28 their
// names, in the book's order; entry 0 unused.
using MansionPeople = std::vector<std::vector<std::string>>;
// "Anna, Omar".
std::string NamesInWords(const std::vector<std::string>& names);
