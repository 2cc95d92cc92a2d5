#pragma once

#include "core/BirthMoment.h"
#include "core/Clocks.h"
#include "places/PlaceSearch.h"

#include <QByteArray>

// ClocksOfZone — a zone's clocks over the program's years, from the system's
// IANA time-zone database (ZoneHistory.h): every change from 1900 to 2052
// with its offset, rounded to the minute (core's RoundedOffsetMinutes), and
// the database's abbreviation
// Returns: clocks named after the zone; with no change at all for a zone the
//          database does not know
// Notes:   made once a zone and kept for the run (a batch with places asks for
//          the same zones again and again).
Clocks ClocksOfZone(const QByteArray& zone);

// The system's own zone, for a calendar with no place: its clocks, else
// universal time.
Clocks SystemClocks();

// BirthPlaceOf — a place of the list as the core keeps a birth place.
BirthPlace BirthPlaceOf(const Place& place);
