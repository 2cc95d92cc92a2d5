#pragma once

#include "core/ChartRecord.h"

// ConvertChartInputs — birth inputs to decimal time, longitude and Julian centuries
// Inputs:  the fourteen input fields of `chart`; not checked here (the form and the
//          command-line tool validate them before calling)
// Returns: nothing; writes LocalHours, ZoneOffsetHours, SignedLongitude,
//          JulianDayNumber, UniversalHours and JulianCenturies (T, UT based)
// Notes:   1) The zone's direction follows the longitude's hemisphere: East is ahead
//             of UT (UT = local - zone), West behind it (UT = local + zone).
//          2) Summer time makes an eastern zone one hour larger and a western one
//             one hour smaller; a western zone may become negative.
//          3) UT may fall outside 0..24; the date is not moved, T absorbs it.
// Checked: TimeConversionTest.ConvertsReferenceBirths — India 77°13'E, zone 5:30,
//          10:00 -> UT 4.5 h (exact)
void ConvertChartInputs(ChartRecord& chart);
