#pragma once

#include "people/BatchRows.h"
#include "people/Person.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// PersonOfBatchRow — the entry a good row of a batch makes: its birth, with
// the row's name.
Person PersonOfBatchRow(const BatchRow& row);

// One row of a file offered to the book: the person it makes, or its problem.
struct ImportRow {
    std::size_t line = 0;          // the row's first line; 0 for the file as a whole
    std::string name;              // the row's name ("" when it could not be read)
    std::optional<Person> person;  // a good row's entry
    std::string problem;           // a bad row's problem, one line
};

// ReadPeopleFile — every row of a batch file, good and bad, for a preview
// before anything is added
// Inputs:  path    the file (bytes as the system names it)
//          shown   its name in messages
//          places  finds the place of a row that names one
// Returns: the rows in the file's order; a file that cannot be read, or
//          whose header is not a batch header, is one row of line 0 with
//          the problem; a row after which the file could not be read on is
//          the last.
std::vector<ImportRow> ReadPeopleFile(const std::string& path, const std::string& shown, const PlaceResolver& places);
