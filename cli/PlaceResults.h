#pragma once

#include "core/BirthMoment.h"

#include <string>
#include <vector>

// What the tool's place list gives back (PlaceArguments.h): the results of
// its three calls, shared by the callers and the module (PlacesModule.h).

// A birth place given by name, resolved as the program's place finder does:
// the best match of the offline place list, its coordinates to the nearest
// arc-minute, and its time zone's clocks, with the offset at the birth date
// and time in the chart.
struct PlaceBirth {
    bool ok = false;
    std::string error;   // one line, when !ok
    BirthMoment moment;  // the chart, the place, its clocks and the zone in words, when ok
    bool summerTime = false;  // the database's summer time at the birth
    std::string localTime;    // "normal", "skipped" or "repeated": the birth's clock time there
};

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
