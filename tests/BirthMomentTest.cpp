#include "core/BirthMoment.h"

#include "ChartFixture.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// The offset a typed zone, its direction and summer time give, as the reading
// computes the instant: East ahead, West behind, a sign of its own deciding.
TEST(BirthMomentTest, OffsetOfTheTypedZone)
{
    const struct {
        const char* what;
        ChartRecord chart;
        int ahead;  // the zone's own direction: -1 ahead, 1 behind, 0 by the longitude
        int minutes;
    } cases[] = {
        {"India, East, 5:30", MakeChart(1987, 3, 21, 6, 0, 77, 13, 'E', 5, 30), 0, 330},
        {"New York, West, 5:00, summer time", MakeChart(1987, 7, 1, 6, 0, 74, 0, 'W', 5, 0, true), 0, -240},
        {"Newfoundland, West, 3:30", MakeChart(1987, 1, 1, 6, 0, 52, 43, 'W', 3, 30), 0, -210},
        {"Madrid, West of Greenwich but ahead", MakeChart(1987, 1, 1, 6, 0, 3, 42, 'W', 1, 0), -1, 60},
        {"Greenwich, summer time", MakeChart(1987, 7, 1, 6, 0, 0, 0, 'W', 0, 0, true), 0, 60},
        {"one hour West at a minute past midnight", MakeChart(1987, 1, 1, 0, 1, 15, 0, 'W', 1, 0), 0, -60},
    };
    for (const auto& c : cases) {
        ChartRecord chart = c.chart;
        chart.ZoneAhead = static_cast<std::int16_t>(c.ahead);
        EXPECT_EQ(ChartOffsetMinutes(chart), c.minutes) << c.what;
        EXPECT_EQ(MomentOfTypedBirth(chart).where.clocks.OffsetAt(0), c.minutes) << c.what;
    }
}

// An instant at a place's clocks as the calendar opens it: the local time,
// the zone with its own direction, and the place's coordinates.
TEST(BirthMomentTest, MomentOfAnInstant)
{
    PlaceClocks newfoundland;
    newfoundland.clocks = Clocks::Fixed(-210);
    BirthPlace stJohns;
    stJohns.name = "St. John's";
    stJohns.latitude = 47.5649;
    stJohns.longitude = -52.7093;
    newfoundland.place = stJohns;
    const BirthMoment m = MomentAtInstant(UtcMinuteOf({2026, 2, 1, 3, 0}, 0), newfoundland);
    EXPECT_EQ((std::array<int, 5>{m.chart.BirthYear, m.chart.BirthMonth, m.chart.BirthDay, m.chart.BirthHour, m.chart.BirthMinute}),
              (std::array<int, 5>{2026, 1, 31, 23, 30}));
    EXPECT_EQ((std::array<int, 3>{m.chart.ZoneHours, m.chart.ZoneMinutes, m.chart.ZoneAhead}), (std::array<int, 3>{3, 30, 1}));
    EXPECT_EQ(ChartOffsetMinutes(m.chart), -210);
    EXPECT_EQ((std::array<int, 6>{m.chart.LatitudeDegrees, m.chart.LatitudeMinutes, m.chart.IsNorth, m.chart.LongitudeDegrees,
                                  m.chart.LongitudeMinutes, m.chart.IsEast}),
              (std::array<int, 6>{47, 34, -1, 52, 43, 0}));
}

// Places and angles in words: the equator and the prime meridian count as
// North and East; a state named as its city is said once.
TEST(BirthMomentTest, PlacesAndAnglesInWords)
{
    EXPECT_EQ(AngleText(0.0, true), "0\u00B000\u2032N");
    EXPECT_EQ(AngleText(0.0, false), "0\u00B000\u2032E");
    EXPECT_EQ(AngleText(-33.8678, true), "33\u00B052\u2032S");
    EXPECT_EQ(AngleText(10.9999, false), "11\u00B000\u2032E");
    EXPECT_EQ(AngleText(-179.99, false), "179\u00B059\u2032W");
    BirthPlace madrid;
    madrid.name = madrid.state = "Madrid";
    madrid.country = "Spain";
    EXPECT_EQ(madrid.FullName(), "Madrid, Spain");
    madrid.matchedName = "Madrit";
    EXPECT_EQ(madrid.FullNameAsTyped(), "Madrid, Spain (Madrit)");
    BirthPlace typed;
    typed.country = "Peru";
    EXPECT_EQ(typed.FullName(), "Peru");
}

}  // namespace
