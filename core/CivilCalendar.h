#pragma once

#include <string>
#include <string_view>

// The civil calendar the program counts days in: the proleptic Gregorian
// calendar, with days numbered from 1970-01-01. (The engine's own Julian-day
// routine, with its switch to the Julian calendar in 1582, is in JulianDay.h.)

struct CivilDate {
    int year = 0, month = 0, day = 0;  // month 1..12, day 1..31
};

// DaysFromCivil — day number of a Gregorian date
// Inputs:  date  any year; month 1..12 and day 1..31 are not checked (the caller's)
// Returns: days since 1970-01-01 (negative before it)
// Source:  H. Hinnant, "chrono-Compatible Low-Level Date Algorithms" (days_from_civil)
// Checked: CivilCalendarTest.KnownDays — 2000-03-01 -> 11017
long DaysFromCivil(const CivilDate& date);

// CivilFromDays — the Gregorian date of a day number; the inverse of DaysFromCivil
CivilDate CivilFromDays(long days);

// Days in a month of the Gregorian calendar (1..12; 0 for any other month).
int DaysInGregorianMonth(int month, int year);

// "January" .. "December" for 1..12; "" for any other number. The one list of
// month names: the form's month list, the passage and the page use it.
std::string_view MonthName(int month);

// "21 March 1987"
std::string DayText(const CivilDate& date);
