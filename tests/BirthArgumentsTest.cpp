#include "people/BirthArguments.h"

#include "base/Utf8Text.h"

#include <gtest/gtest.h>

namespace {

BirthFields Fields(const char* date, const char* time, const char* lon, const char* lat, const char* zone,
                   bool dst = false)
{
    return {date, time, lon, lat, zone, dst};
}

TEST(BirthArgumentsTest, FillsTheChart)
{
    const BirthParse p = ParseBirth(Fields("1992-04-12", "7:05:59", "77:13E", "28:36S", "+5:30", true));
    ASSERT_TRUE(p.ok) << p.error;
    const ChartRecord& c = p.chart;
    EXPECT_EQ(c.BirthYear, 1992);
    EXPECT_EQ(c.BirthMonth, 4);
    EXPECT_EQ(c.BirthDay, 12);
    EXPECT_EQ(c.BirthHour, 7);
    EXPECT_EQ(c.BirthMinute, 5);
    EXPECT_EQ(c.LongitudeDegrees, 77);
    EXPECT_EQ(c.LongitudeMinutes, 13);
    EXPECT_EQ(c.IsEast, -1);
    EXPECT_EQ(c.LatitudeDegrees, 28);
    EXPECT_EQ(c.LatitudeMinutes, 36);
    EXPECT_EQ(c.IsNorth, 0);
    EXPECT_EQ(c.ZoneHours, 5);
    EXPECT_EQ(c.ZoneMinutes, 30);
    EXPECT_EQ(c.IsDaylightSaving, -1);
}

TEST(BirthArgumentsTest, AcceptsTheEdgesOfEachRange)
{
    const BirthFields accepted[] = {
        Fields("1901-01-01", "0:00", "0:00W", "0:00N", "0:00"),
        Fields("2050-12-31", "23:59:59", "180:00E", "90:00S", "14:59"),
        Fields("2000-02-29", "12:00", "74:00w", "40:42n", "-5:00"),  // signed zone agreeing with West
        Fields("1904-02-29", "12:00", "0:00E", "51:28N", "+1"),
        Fields("1950-06-15", "12:00", "10:00E", "51:28N", "-0:00"),   // zero: the sign says nothing
    };
    for (const BirthFields& f : accepted) {
        const BirthParse p = ParseBirth(f);
        EXPECT_TRUE(p.ok) << f.date << " " << f.zone << ": " << p.error;
    }
}

struct Refusal {
    BirthFields fields;
    const char* message;
};

TEST(BirthArgumentsTest, RefusesWithAClearMessage)
{
    const Refusal cases[] = {
        // Exactly the forms --help gives: two-digit minutes and seconds.
        {Fields("2000-01-01", "12:5", "0:00W", "0:00N", "0:00"), "time \"12:5\" is not of the form HH:MM or HH:MM:SS"},
        {Fields("2000-01-01", "12:05", "0:5W", "0:00N", "5:30"), "longitude \"0:5W\" is not of the form D:MM then E or W, e.g. 77:13E"},
        {Fields("2000-01-01", "24:00", "0:00W", "0:00N", "0:00"), "time \"24:00\": hour must be 0 to 23, minutes and seconds 0 to 59"},
        {Fields("2000-01-01", "12:60", "0:00W", "0:00N", "0:00"), "time \"12:60\": hour must be 0 to 23, minutes and seconds 0 to 59"},
        {Fields("2000-01-01", "noon", "0:00W", "0:00N", "0:00"), "time \"noon\" is not of the form HH:MM or HH:MM:SS"},
        {Fields("2000-01-01", "12:00", "180:01E", "0:00N", "0:00"), "longitude \"180:01E\" must be 0:00 to 180:00, with minutes 0 to 59"},
        {Fields("2000-01-01", "12:00", "10:60E", "0:00N", "0:00"), "longitude \"10:60E\" must be 0:00 to 180:00, with minutes 0 to 59"},
        {Fields("2000-01-01", "12:00", "77:13", "0:00N", "0:00"), "longitude \"77:13\" is not of the form D:MM then E or W, e.g. 77:13E"},
        {Fields("2000-01-01", "12:00", "-77:13E", "0:00N", "0:00"), "longitude \"-77:13E\" is not of the form D:MM then E or W, e.g. 77:13E"},
        {Fields("2000-01-01", "12:00", "77:13E", "95:00N", "0:00"), "latitude \"95:00N\" must be 0:00 to 90:00, with minutes 0 to 59"},
        {Fields("2000-01-01", "12:00", "77:13E", "51:28E", "0:00"), "latitude \"51:28E\" is not of the form D:MM then N or S, e.g. 51:28N"},
    };
    for (const Refusal& r : cases) {
        const BirthParse p = ParseBirth(r.fields);
        EXPECT_FALSE(p.ok) << r.message;
        EXPECT_EQ(p.error, r.message);
    }
}

// A signed zone gives its own direction (ISO 8601), whatever the hemisphere.
TEST(BirthArgumentsTest, SignedZonesKeepTheirDirection)
{
    const struct {
        const char* longitude;
        const char* zone;
        int ahead;
    } cases[] = {{"3:42W", "+1:00", -1}, {"3:42W", "-1:00", 1}, {"77:13E", "-5:30", 1},
                 {"77:13E", "+5:30", -1}, {"77:13E", "5:30", 0}, {"3:42W", "1", 0}};
    for (const auto& c : cases) {
        const BirthParse p = ParseBirth(Fields("1975-07-01", "12:00", c.longitude, "40:25N", c.zone));
        ASSERT_TRUE(p.ok) << p.error;
        EXPECT_EQ(p.chart.ZoneAhead, c.ahead) << c.longitude << " " << c.zone;
    }
}

// A quote cut short in a message is cut between characters: the message
// stays well-formed UTF-8 wherever the cut falls.
TEST(BirthArgumentsTest, ShortenedQuotesKeepWholeCharacters)
{
    for (std::size_t ascii = 36; ascii <= 40; ++ascii) {
        const std::string zone = std::string(ascii, '1') + "\xD9\x82\xE2\x88\x92\xF0\x9F\x8C\x99" + std::string(20, '2');
        const BirthParse p = ParseBirth({"2000-01-01", "12:00", "0:00W", "0:00N", zone, false});
        ASSERT_FALSE(p.ok);
        EXPECT_EQ(SanitizeUtf8(p.error), p.error) << ascii;
        EXPECT_NE(p.error.find("...\""), std::string::npos) << p.error;
    }
}

TEST(BirthArgumentsTest, HostileFieldsGiveShortMessages)
{
    const std::string huge(100000, '9');
    const BirthParse p = ParseBirth({huge, "0:00", "0:00W", "0:00N", "0:00", false});
    EXPECT_FALSE(p.ok);
    EXPECT_LT(p.error.size(), 120u);
    EXPECT_FALSE(ParseBirth({"2000-01-01", std::string("12:00\0", 6), "0:00W", "0:00N", "0:00", false}).ok);
    EXPECT_FALSE(ParseBirth({"2000-01-01", "99999999999999999999:00", "0:00W", "0:00N", "0:00", false}).ok);
}

}  // namespace
