#pragma once

#include "core/ChartRecord.h"

// The ephemeris engine's entry point.
namespace modEphemeris {

// ComputeMoonPosition — sidereal Moon position text for the birth data of a chart
// Inputs:  the fourteen input fields of `chart`; not checked here: the window's
//          validation and the command-line tool's parser are responsible
// Returns: nothing; writes every working value of `chart` and MoonPositionText
// Notes:   1) Steps: input conversion, sidereal offset at T, tropical Moon longitude,
//             sidereal = tropical + offset (+360 once if negative), then the text.
//          2) Latitude takes no part: the position is geocentric.
// Checked: modEphemerisTest.WorkedReadings — 2000-01-01 12:00, zone 0:00, 0°00' W
//          -> 19° 27' 45" Lib (exact text)
void ComputeMoonPosition(ChartRecord& chart);

}  // namespace modEphemeris
