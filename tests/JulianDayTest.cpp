#include "core/JulianDay.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DateCase {
    int month, day, year;
    double jd;
};

// Standard Julian day numbers (Meeus, Astronomical Algorithms, ch. 7, and the
// published Gregorian/Julian calendar tables).
TEST(JulianDayTest, ReferenceDates)
{
    const DateCase cases[] = {
        {1, 1, 2000, 2451545},   // J2000.0
        {3, 1, 1900, 2415080},
        {10, 16, 1582, 2299162}, // first full Gregorian day after the switch test
        {10, 15, 1582, 2299171}, // read in the Julian calendar: the test is strict
        {10, 4, 1582, 2299160},  // last day of the Julian calendar in use
        {1, 1, -4712, 0},        // origin of the Julian day count (Julian calendar)
        {2, 29, 2000, 2451604},
        {3, 1, 1600, 2305508},
        {1, 1, 1901, 2415386},
        {12, 31, 2050, 2470172},
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(CalendarToJulianDay(c.month, c.day, c.year), c.jd)
            << c.year << "-" << c.month << "-" << c.day;
}

bool IsGregorianLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
bool IsJulianLeap(int y) { return ((y % 4) + 4) % 4 == 0; }

int MonthLength(int month, bool leap)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leap ? 29 : days[month - 1];
}

// Every day from 1583 to 2100 is exactly one Julian day after the one before:
// month ends, leap days and century years all roll over correctly.
TEST(JulianDayTest, GregorianDaysFollowEachOther)
{
    double previous = CalendarToJulianDay(12, 31, 1582);
    for (int year = 1583; year <= 2100; ++year)
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= MonthLength(month, IsGregorianLeap(year)); ++day) {
                const double jd = CalendarToJulianDay(month, day, year);
                ASSERT_EQ(jd, previous + 1) << year << "-" << month << "-" << day;
                previous = jd;
            }
        }
    EXPECT_EQ(previous, 2488434);  // 2100-12-31, proleptic Gregorian ordinal + 1721425
}

// Before the switch the Julian calendar holds, every fourth year a leap year,
// negative years included.
TEST(JulianDayTest, JulianCalendarDaysFollowEachOther)
{
    double previous = CalendarToJulianDay(12, 31, -4713);
    for (int year = -4712; year <= 1581; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= MonthLength(month, IsJulianLeap(year)); ++day) {
                const double jd = CalendarToJulianDay(month, day, year);
                ASSERT_EQ(jd, previous + 1) << year << "-" << month << "-" << day;
                previous = jd;
            }
}

}  // namespace
