#include "core/TimeConversion.h"

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

ChartRecord WithZoneAhead(ChartRecord chart, std::int16_t ahead)
{
    chart.ZoneAhead = ahead;
    return chart;
}

// A zone given its own direction keeps it: Madrid is West of Greenwich with
// clocks ahead of universal time; the Aleutians and Samoa the other way round.
TEST(TimeConversionTest, ZoneWithItsOwnDirection)
{
    const ConversionCase cases[] = {
        {"Madrid 3°42'W, CET with summer time", WithZoneAhead(MakeChart(1975, 7, 1, 12, 0, 3, 42, 'W', 1, 0, true), -1), 2.0, 10.0},
        {"Madrid 3°42'W, CET", WithZoneAhead(MakeChart(1975, 1, 1, 12, 0, 3, 42, 'W', 1, 0), -1), 1.0, 11.0},
        {"Apia 171°46'W, UTC+13", WithZoneAhead(MakeChart(2015, 1, 1, 12, 0, 171, 46, 'W', 13, 0), -1), 13.0, -1.0},
        {"East, zone behind", WithZoneAhead(MakeChart(1990, 6, 1, 10, 0, 10, 0, 'E', 2, 0, true), 1), 1.0, 11.0},
        {"agreeing sign changes nothing", WithZoneAhead(MakeChart(2000, 1, 1, 10, 0, 77, 13, 'E', 5, 30), -1), 5.5, 4.5},
    };
    for (const ConversionCase& c : cases) {
        ChartRecord chart = c.chart;
        ConvertChartInputs(chart);
        EXPECT_DOUBLE_EQ(chart.ZoneOffsetHours, c.zoneOffsetHours) << c.what;
        EXPECT_NEAR(chart.UniversalHours, c.universalHours, 1e-12) << c.what;
    }
}

// Every input without a zone direction converts as the hemisphere rule says:
// a sweep over hemispheres, zones, summer time and the meridian.
TEST(TimeConversionTest, UnsignedZonesKeepTheHemisphereRule)
{
    int checked = 0;
    for (const char hemisphere : {'E', 'W'})
        for (const int degrees : {0, 3, 77, 180})
            for (const int zoneHours : {0, 1, 5, 13, 14})
                for (const int zoneMinutes : {0, 30, 45})
                    for (const bool dst : {false, true}) {
                        ChartRecord chart = MakeChart(1987, 3, 21, 6, 45, degrees, 0, hemisphere, zoneHours, zoneMinutes, dst);
                        ConvertChartInputs(chart);
                        const double zone = zoneHours + zoneMinutes / 60.0;
                        const double ut = hemisphere == 'E' ? 6.75 - zone - (dst ? 1 : 0) : 6.75 + zone - (dst ? 1 : 0);
                        EXPECT_NEAR(chart.UniversalHours, ut, 1e-12) << hemisphere << degrees << " " << zoneHours;
                        ++checked;
                    }
    EXPECT_EQ(checked, 240);
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
