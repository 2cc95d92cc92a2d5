#pragma once

#include <QString>

// LocationLookup — finds where a place lies: hands the query to a map search in
// the user's browser, where the place's latitude and longitude can be read.
class LocationLookup {
public:
    // `homePage` is the publisher's address, passed by the main window; the map
    // search has no use for it. Nothing is returned that the window would use.
    void FindLocation(const QString& query, const QString& homePage);
};
