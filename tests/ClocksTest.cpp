#include "core/Clocks.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Samoa skipped 30 December 2011: its clocks went from UTC-10 to UTC+14 at
// 10:00 UTC that day (the database's Pacific/Apia).
TEST(ClocksTest, OffsetInForceAndTheInstantOfALocalTime)
{
    const long change = UtcMinuteOf({2011, 12, 30, 10, 0}, 0);
    const Clocks apia{"Pacific/Apia", {{0, -660, "-11"}, {change - 300L * 1440, -600, "-10"}, {change, 840, "+14"}}};
    EXPECT_EQ(apia.OffsetAt(-1'000'000), -660);  // the first offset holds before its instant too
    EXPECT_EQ(apia.OffsetAt(change - 1), -600);
    EXPECT_EQ(apia.OffsetAt(change), 840);
    EXPECT_EQ(apia.At(change).abbreviation, "+14");
    // 29 December 23:59 was the last minute before the change; 31 December
    // 00:00 the first after it; a time of the 30th never existed and is read
    // with the offset before the change.
    EXPECT_EQ(apia.UtcOf({2011, 12, 29, 23, 59}), change - 1);
    EXPECT_EQ(apia.UtcOf({2011, 12, 31, 0, 0}), change);
    EXPECT_EQ(apia.UtcOf({2011, 12, 30, 12, 0}), change + 720);
    EXPECT_EQ(Clocks::Fixed(-300).At(0).Local().hour, 19);
    EXPECT_EQ(Clocks{}.OffsetAt(0), 0);
}

// Minutes shifted across a leap day, a year's end and before 1970.
TEST(ClocksTest, LocalMinutesShiftAcrossTheCalendar)
{
    const struct {
        LocalMinute from;
        long minutes;
        LocalMinute to;
    } cases[] = {
        {{2000, 2, 28, 23, 30}, 60, {2000, 2, 29, 0, 30}},
        {{1900, 2, 28, 23, 30}, 60, {1900, 3, 1, 0, 30}},
        {{1999, 12, 31, 23, 59}, 1, {2000, 1, 1, 0, 0}},
        {{1969, 12, 31, 0, 0}, -1, {1969, 12, 30, 23, 59}},
        {{1901, 1, 1, 0, 0}, -1440 * 366, {1899, 12, 31, 0, 0}},
    };
    for (const auto& c : cases) {
        const LocalMinute t = LocalMinuteShifted(c.from, c.minutes);
        EXPECT_EQ((std::array<int, 5>{t.year, t.month, t.day, t.hour, t.minute}),
                  (std::array<int, 5>{c.to.year, c.to.month, c.to.day, c.to.hour, c.to.minute}));
        EXPECT_EQ(UtcMinuteOf(t, 0) - UtcMinuteOf(c.from, 0), c.minutes);
    }
}

}  // namespace
