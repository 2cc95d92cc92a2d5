#pragma once

#include "people/Person.h"

#include <string>
#include <vector>

// "1987-03-21" and "06:12": an entry's birth date and clock time as the batch
// format and the tool's listings write them.
std::string BirthDateText(const Person& person);
std::string BirthTimeText(const Person& person);

// PeopleCsv — people in the batch format with coordinates (BatchHeader), to
// be imported again: a person of the place list by the place's coordinates
// to the arc-minute and the zone's offset then.
std::string PeopleCsv(const std::vector<Person>& people);
