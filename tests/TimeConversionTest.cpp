#include "engine/TimeConversion.h"

#include "ChartFixture.h"

#include <gtest/gtest.h>

namespace {

struct ConversionCase {
    const char* what;
    ChartRecord chart;
    double zoneOffsetHours;
    double universalHours;
};

// Reference conversions worked by hand from the rules: East ahead of UT, West
// behind; summer time adds an hour to an eastern zone and takes one from a western one.
TEST(TimeConversionTest, ConvertsReferenceBirths)
{
    const ConversionCase cases[] = {
        {"Greenwich, J2000 noon", MakeChart(2000, 1, 1, 12, 0, 0, 0, 'W', 0, 0), 0.0, 12.0},
        {"India 77°13'E, zone 5:30", MakeChart(2000, 1, 1, 10, 0, 77, 13, 'E', 5, 30), 5.5, 4.5},
        {"New York with summer time", MakeChart(1969, 7, 20, 20, 17, 74, 0, 'W', 5, 0, true), 4.0,
         24.0 + 17.0 / 60.0},
        {"West, zone 0, summer time", MakeChart(1990, 6, 1, 10, 0, 3, 0, 'W', 0, 0, true), -1.0, 9.0},
        {"East, zone 0, summer time", MakeChart(1990, 6, 1, 10, 0, 3, 0, 'E', 0, 0, true), 1.0, 9.0},
        {"West of Greenwich, zone typed 1:00", MakeChart(1990, 6, 1, 10, 0, 3, 0, 'W', 1, 0), 1.0, 11.0},
        {"zone minutes add in the West", MakeChart(1990, 6, 1, 10, 0, 52, 0, 'W', 3, 30), 3.5, 13.5},
        {"zone minutes add in the East", MakeChart(1990, 6, 1, 10, 0, 52, 0, 'E', 3, 30), 3.5, 6.5},
        // On the meridian the chosen hemisphere decides the zone's direction.
        {"0°00' East, zone 1:00", MakeChart(1990, 6, 1, 10, 0, 0, 0, 'E', 1, 0), 1.0, 9.0},
        {"0°00' West, zone 1:00", MakeChart(1990, 6, 1, 10, 0, 0, 0, 'W', 1, 0), 1.0, 11.0},
        {"0°00' East, zone 0, summer time", MakeChart(1990, 6, 1, 10, 0, 0, 0, 'E', 0, 0, true), 1.0, 9.0},
    };
    for (const ConversionCase& c : cases) {
        ChartRecord chart = c.chart;
        ConvertChartInputs(chart);
        EXPECT_DOUBLE_EQ(chart.ZoneOffsetHours, c.zoneOffsetHours) << c.what;
        EXPECT_NEAR(chart.UniversalHours, c.universalHours, 1e-12) << c.what;
    }
}

TEST(TimeConversionTest, J2000NoonIsTimeZero)
{
    ChartRecord chart = MakeChart(2000, 1, 1, 12, 0, 0, 0, 'W', 0, 0);
    ConvertChartInputs(chart);
    EXPECT_EQ(chart.JulianDayNumber, 2451545.0);
    EXPECT_EQ(chart.UniversalHours, 12.0);
    EXPECT_EQ(chart.JulianCenturies, 0.0);  // exact
    EXPECT_EQ(chart.SignedLongitude, 0.0);
}

TEST(TimeConversionTest, EastIsNegativeWestPositive)
{
    ChartRecord east = MakeChart(2000, 1, 1, 0, 0, 77, 13, 'E', 5, 30);
    ChartRecord west = MakeChart(2000, 1, 1, 0, 0, 74, 30, 'W', 5, 0);
    ConvertChartInputs(east);
    ConvertChartInputs(west);
    EXPECT_NEAR(east.SignedLongitude, -(77 + 13 / 60.0), 1e-12);
    EXPECT_NEAR(west.SignedLongitude, 74.5, 1e-12);
}

// UT past midnight does not move the date: T still lands on the right instant.
TEST(TimeConversionTest, UniversalTimePastMidnightKeepsTheInstant)
{
    ChartRecord late = MakeChart(1969, 7, 20, 20, 17, 74, 0, 'W', 5, 0, true);  // 00:17 UT on the 21st
    ChartRecord next = MakeChart(1969, 7, 21, 0, 17, 0, 0, 'W', 0, 0);
    ConvertChartInputs(late);
    ConvertChartInputs(next);
    EXPECT_EQ(late.JulianDayNumber, 2440423.0);  // 1969 July 20
    EXPECT_NEAR(late.JulianCenturies, next.JulianCenturies, 1e-15);
}

TEST(TimeConversionTest, InputsAreLeftAlone)
{
    const ChartRecord before = MakeChart(1992, 4, 12, 7, 45, 77, 13, 'E', 5, 30, true);
    ChartRecord chart = before;
    ConvertChartInputs(chart);
    EXPECT_EQ(chart.BirthHour, before.BirthHour);
    EXPECT_EQ(chart.ZoneHours, before.ZoneHours);
    EXPECT_EQ(chart.LongitudeDegrees, before.LongitudeDegrees);
    EXPECT_EQ(chart.IsEast, before.IsEast);
    EXPECT_EQ(chart.IsDaylightSaving, before.IsDaylightSaving);
}

}  // namespace
