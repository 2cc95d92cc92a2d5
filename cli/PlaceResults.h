#pragma once

#include "core/BirthMoment.h"
#include "people/BatchRows.h"

#include <string>
#include <vector>

// What the tool's place list gives back (PlaceArguments.h): the results of
// its three calls, shared by the callers and the module (PlacesModule.h).

// Every match of a query, best first: one line of text each, or one JSON
// object each; none, with `error` saying why.
struct PlaceListing {
    std::vector<std::string> lines;
    std::string error;
};

// The best match of a place and its zone's clocks over the program's years.
struct PlaceClocksFound {
    bool ok = false;
    std::string error;  // one line, when !ok
    PlaceClocks where;
};
