#pragma once

#include "people/BatchRows.h"
#include "people/BirthArguments.h"
#include "places/PlaceFill.h"
#include "places/PlaceSearch.h"

#include <QByteArray>

#include <string>

// A birth at a place named in words, for the tool's --place and the batch
// rows of the tool and the People window alike.

// The search for a typed place ("City[, State][, Country]"), kept for the
// rest of the run: a batch names the same places row after row. At most
// 4,096 kept; then they start again.
const PlaceSearch& SearchFor(const std::string& place);

// "Mumbai, Maharashtra, India (Bombay)": a place's full name, with the other
// name that was typed.
std::string PlaceNameAsTyped(const Place& place);

// BirthOnZoneClocks — the birth data as if typed, with the offset the zone's
// history gives (`fill`, a signed zone giving its own direction), on the
// zone's clocks at `place`.
PlaceBirth BirthOnZoneClocks(BirthFields typed, const PlaceFill& fill, BirthPlace place, const QByteArray& zone);

// BirthAtPlace — `place` is "City[, State][, Country]"; date and time as for
// ParseBirth. The best match of the place list, its coordinates to the
// arc-minute and its zone's offset at the birth. A place not in the list is
// refused with the finder's message, its near names and `notInListHint`.
// Notes: the place found by SearchFor.
PlaceBirth BirthAtPlace(const std::string& place, const std::string& date, const std::string& time,
                        const std::string& notInListHint = {});
