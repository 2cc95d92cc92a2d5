#pragma once

// CalendarToJulianDay — Julian day number of a civil date
// Inputs:  month, day, year  int  calendar date; no range check, any integers are carried through
// Returns: the Julian day number (a whole number, standing for noon of the date) as a double
// Notes:   1) Dates up to 1582 October 15 (JD 2299171) are read in the Julian calendar,
//             later ones in the Gregorian; the switch test is strict, so 15 October 1582
//             itself is still a Julian-calendar date.
//          2) Pure month-count arithmetic in doubles with floor(), valid for negative years.
// Source:  month-count form of the Fliegel & Van Flandern day-number algorithm
//          (Comm. ACM 11, 657, 1968), counting months from March of year -4800.
// Checked: JulianDayTest.ReferenceDates — 2000-01-01 -> 2451545 (exact)
double CalendarToJulianDay(int month, int day, int year);
