#pragma once

#include "people/Person.h"

#include <string>
#include <vector>

// "1987-03-21" and "06:12": an entry's birth date and clock time as the batch
// format and the tool's listings write them.
std::string BirthDateText(const Person& person);
std::string BirthTimeText(const Person& person);

// PeopleCsv — people in the book's own batch format (PeopleHeader), to be
// imported again whole: the birth by its coordinates to the arc-minute and
// the offset then, then the place's name, state, country and zone, and the
// note; --batch reads the births from it as from BatchHeader.
std::string PeopleCsv(const std::vector<Person>& people);
