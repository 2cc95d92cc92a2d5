#include "core/JulianDay.h"

#include <cmath>

double CalendarToJulianDay(int month, int day, int year)
{
    // Months counted from March of year -4800, so that February is the last
    // month of the counting year and leap days fall at its end.
    const double n = month + 12.0 * (year + 4800.0) - 3.0;
    const double r = n - 12.0 * std::floor(n / 12.0);  // 0 = March .. 11 = February
    double j = std::floor((365.0 * n + 7.0 + 2.0 * r) / 12.0) + day + std::floor(n / 48.0) - 32083.0;
    // Gregorian correction after JD 2299171 (1582 October 15, Julian reading).
    if (j > 2299171.0)
        j = j + std::floor(n / 4800.0) - std::floor(n / 1200.0) + 38.0;
    return j;
}
