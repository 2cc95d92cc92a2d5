#include "core/modEphemeris.h"

#include "core/MansionChoice.h"

#include "ChartFixture.h"

#include <gtest/gtest.h>

namespace {

// The two worked readings: 2000-01-01 12:00 and 1992-04-12 00:00, zone 0:00, 0°00' West.
TEST(modEphemerisTest, WorkedReadings)
{
    ChartRecord j2000 = MakeChart(2000, 1, 1, 12, 0, 0, 0, 'W', 0, 0);
    modEphemeris::ComputeMoonPosition(j2000);
    EXPECT_EQ(j2000.JulianCenturies, 0.0);
    EXPECT_NEAR(j2000.SiderealOffset, -23.8535, 5e-5);
    EXPECT_NEAR(j2000.MoonLongitude, 199.4626, 5e-5);
    EXPECT_EQ(j2000.MoonPositionText, "19° 27' 45\" Lib");

    ChartRecord april = MakeChart(1992, 4, 12, 0, 0, 0, 0, 'W', 0, 0);
    modEphemeris::ComputeMoonPosition(april);
    EXPECT_NEAR(april.JulianCenturies, -0.0772211, 5e-8);
    EXPECT_NEAR(april.MoonLongitude, 109.4040, 5e-5);
    EXPECT_EQ(april.MoonPositionText, "19° 24' 14\" Can");
}

// The same instant written in three ways gives the same text.
TEST(modEphemerisTest, SameInstantSameText)
{
    ChartRecord greenwich = MakeChart(1992, 4, 12, 0, 0, 0, 0, 'W', 0, 0);
    ChartRecord delhi = MakeChart(1992, 4, 12, 5, 30, 77, 13, 'E', 5, 30);
    ChartRecord newYork = MakeChart(1992, 4, 11, 20, 0, 74, 0, 'W', 5, 0, true);
    for (ChartRecord* c : {&greenwich, &delhi, &newYork})
        modEphemeris::ComputeMoonPosition(*c);
    EXPECT_EQ(delhi.MoonPositionText, greenwich.MoonPositionText);
    // 20:00 EDT on the 11th is 00:00 UT on the 12th, though T comes from another date.
    EXPECT_NEAR(newYork.JulianCenturies, greenwich.JulianCenturies, 1e-15);
    EXPECT_EQ(newYork.MoonPositionText, greenwich.MoonPositionText);
}

// Seconds take no part and latitude takes no part.
TEST(modEphemerisTest, LatitudeDoesNotMatter)
{
    ChartRecord north = MakeChart(1975, 3, 3, 3, 3, 10, 0, 'E', 1, 0);
    ChartRecord south = north;
    south.LatitudeDegrees = 33;
    south.LatitudeMinutes = 55;
    south.IsNorth = 0;
    modEphemeris::ComputeMoonPosition(north);
    modEphemeris::ComputeMoonPosition(south);
    EXPECT_EQ(north.MoonPositionText, south.MoonPositionText);
}

// No run reads what an earlier run left in the working values.
TEST(modEphemerisTest, RunsDoNotCarryOver)
{
    ChartRecord fresh = MakeChart(2000, 1, 1, 12, 0, 0, 0, 'W', 0, 0);
    ChartRecord stale = fresh;
    stale.LocalHours = stale.ZoneOffsetHours = stale.SignedLongitude = 1e6;
    stale.JulianDayNumber = stale.UniversalHours = stale.JulianCenturies = 1e6;
    stale.SiderealOffset = stale.MoonLongitude = 1e6;
    stale.MoonPositionText = "29° 59' 59\" Pis";
    modEphemeris::ComputeMoonPosition(fresh);
    modEphemeris::ComputeMoonPosition(stale);
    EXPECT_EQ(stale.MoonPositionText, fresh.MoonPositionText);
    EXPECT_EQ(stale.MoonLongitude, fresh.MoonLongitude);
}

// Whatever the birth in the supported years, the text is a position in [0, 360).
TEST(modEphemerisTest, EveryDayGivesATextInRange)
{
    for (int year = 1901; year <= 2050; year += 7)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 28; day += 3) {
                ChartRecord c = MakeChart(year, month, day, 23, 59, 179, 59, 'W', 14, 59, true);
                modEphemeris::ComputeMoonPosition(c);
                ASSERT_GE(c.MoonLongitude, 0.0);
                ASSERT_LT(c.MoonLongitude, 360.0);
                ASSERT_TRUE(IsWellFormedPositionText(c.MoonPositionText)) << c.MoonPositionText;
            }
}

}  // namespace
