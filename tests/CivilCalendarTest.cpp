#include "core/CivilCalendar.h"
#include "core/JulianDay.h"

#include <gtest/gtest.h>

namespace {

// Day numbers from 1970-01-01 (the Unix epoch's day count, e.g. `date -d 2000-03-01 +%s` / 86400).
TEST(CivilCalendarTest, KnownDays)
{
    struct Case {
        CivilDate date;
        long days;
    } const cases[] = {
        {{1970, 1, 1}, 0},         {{1969, 12, 31}, -1},     {{2000, 3, 1}, 11017},
        {{2000, 2, 29}, 11016},    {{1900, 3, 1}, -25508},   {{1901, 1, 1}, -25202},
        {{2050, 12, 31}, 29584},   {{1600, 2, 29}, -135081}, {{2100, 3, 1}, 47541},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DaysFromCivil(c.date), c.days) << DayText(c.date);
        const CivilDate back = CivilFromDays(c.days);
        EXPECT_EQ(DayText(back), DayText(c.date)) << c.days;
    }
}

// Every day from 1583 to 2400 follows the one before by one day number, the
// month lengths agree with the engine's Julian days (Gregorian since 1582),
// and each day number gives its date back: month ends, leap days and the
// century years all roll over.
TEST(CivilCalendarTest, DaysFollowEachOtherAndRoundTrip)
{
    long previous = DaysFromCivil({1582, 12, 31});
    for (int year = 1583; year <= 2400; ++year)
        for (int month = 1; month <= 12; ++month) {
            const int length = DaysInGregorianMonth(month, year);
            ASSERT_EQ(length, static_cast<int>(CalendarToJulianDay(month % 12 + 1, 1, year + month / 12) -
                                               CalendarToJulianDay(month, 1, year)))
                << year << "-" << month;
            for (int day = 1; day <= length; ++day) {
                const long days = DaysFromCivil({year, month, day});
                ASSERT_EQ(days, previous + 1) << year << "-" << month << "-" << day;
                const CivilDate back = CivilFromDays(days);
                ASSERT_TRUE(back.year == year && back.month == month && back.day == day) << days;
                previous = days;
            }
        }
}

TEST(CivilCalendarTest, MonthNamesAndDayText)
{
    EXPECT_EQ(MonthName(1), "January");
    EXPECT_EQ(MonthName(12), "December");
    EXPECT_EQ(MonthName(0), "");
    EXPECT_EQ(MonthName(13), "");
    EXPECT_EQ(DaysInGregorianMonth(13, 2000), 0);
    EXPECT_EQ(DayText({1987, 3, 21}), "21 March 1987");
}

}  // namespace
