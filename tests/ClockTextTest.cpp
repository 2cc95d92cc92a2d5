#include "core/ClockText.h"
#include "ChartFixture.h"

#include <gtest/gtest.h>

namespace {

const std::string Minus = "\xE2\x88\x92";  // U+2212, as people write a negative offset

// Offsets for machines (ISO 8601: the sign once, two-digit hours and minutes)
// and for people (the minus sign U+2212, minutes only when there are any).
TEST(ClockTextTest, OffsetsForMachinesAndForPeople)
{
    const struct {
        int minutes;
        const char* iso;
        std::string people;
    } cases[] = {
        {0, "+00:00", "UTC+0"},          {60, "+01:00", "UTC+1"},          {345, "+05:45", "UTC+5:45"},
        {390, "+06:30", "UTC+6:30"},     {-30, "-00:30", "UTC" + Minus + "0:30"},
        {-210, "-03:30", "UTC" + Minus + "3:30"}, {-300, "-05:00", "UTC" + Minus + "5"},
        {-570, "-09:30", "UTC" + Minus + "9:30"}, {-720, "-12:00", "UTC" + Minus + "12"},
        {840, "+14:00", "UTC+14"},       {765, "+12:45", "UTC+12:45"},
        {5, "+00:05", "UTC+0:05"},       {-485, "-08:05", "UTC" + Minus + "8:05"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsoOffset(c.minutes), c.iso) << c.minutes;
        EXPECT_EQ(UtcOffsetText(c.minutes), c.people) << c.minutes;
    }
}

// An offset with seconds, as the time-zone database gives a local mean time,
// is rounded to the nearest minute once, halves away from zero (Amsterdam in
// 1901: +0:19:32 is +0:20; Dublin's mean time -0:25:21 is -0:25).
TEST(ClockTextTest, OffsetsWithSecondsRoundToTheNearestMinute)
{
    const struct {
        int seconds, minutes;
        std::string text;
    } cases[] = {
        {1172, 20, "UTC+0:19:32"},  {-1521, -25, "UTC" + Minus + "0:25:21"}, {29, 0, "UTC+0:00:29"},
        {30, 1, "UTC+0:00:30"},     {-30, -1, "UTC" + Minus + "0:00:30"},   {3600, 60, "UTC+1"},
        {20700, 345, "UTC+5:45"},   {-18000, -300, "UTC" + Minus + "5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundedOffsetMinutes(c.seconds), c.minutes) << c.seconds;
        EXPECT_EQ(UtcOffsetTextWithSeconds(c.seconds), c.text) << c.seconds;
    }
}

// A clock time names its zone by the database's letters where there are
// letters, else by its offset; the ISO texts carry the offset in force.
TEST(ClockTextTest, ClockTimesWithTheirZone)
{
    // 2013-03-31 07:38 UTC: London's clocks showed 08:38 BST.
    const long instant = UtcMinuteOf({2013, 3, 31, 7, 38}, 0);
    const struct {
        ClockTime time;
        const char* clock;
        const char* iso;
    } cases[] = {
        {{instant, 60, "BST"}, "08:38 BST, 31/3", "2013-03-31T08:38+01:00"},
        {{instant, 345, "+0545"}, "13:23 UTC+5:45, 31/3", "2013-03-31T13:23+05:45"},
        {{instant, -480, ""}, "23:38 UTC\xE2\x88\x92" "8, 30/3", "2013-03-30T23:38-08:00"},
        {{instant, 20, "LMT"}, "07:58 LMT, 31/3", "2013-03-31T07:58+00:20"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClockAndDate(c.time), c.clock);
        EXPECT_EQ(IsoLocalTime(c.time), c.iso);
    }
    EXPECT_EQ(IsoUtcTime(instant), "2013-03-31T07:38Z");
    EXPECT_EQ(IsoLocalTime({1950, 7, 1, 0, 0}, -240), "1950-07-01T00:00-04:00");
}

}  // namespace
