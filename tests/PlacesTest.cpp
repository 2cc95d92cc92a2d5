// The place finder's answers for births whose clocks history remembers:
// the place, its offset that day (from the time-zone database), the form's
// boxes, and a reading equal to the one typed by hand for the same
// universal time.
#include "core/modEphemeris.h"
#include "places/PlaceFill.h"
#include "core/BirthForm.h"

#include <gtest/gtest.h>

#include <QDateTime>

namespace {

struct HistoricalBirth {
    const char* city;
    const char* state;
    const char* country;
    QDate date;
    QTime time;
    const char* zone;
    int offsetMinutes;  // total, East positive
    ZoneAtDate::LocalTime localTime;
    const char* zoneHours;  // the form's boxes and tick
    const char* zoneMinutes;
    bool dst;
};

const HistoricalBirth Births[] = {
    // British Standard Time: one hour ahead all year, West of Greenwich.
    {"London", "", "United Kingdom", {1969, 1, 15}, {12, 0}, "Europe/London", 60, ZoneAtDate::LocalTime::Normal, "-1", "0", false},
    // Double summer time: the whole offset, no tick.
    {"Berlin", "", "Germany", {1945, 6, 1}, {12, 0}, "Europe/Berlin", 180, ZoneAtDate::LocalTime::Normal, "3", "0", false},
    {"Kolkata", "", "India", {1943, 6, 1}, {12, 0}, "Asia/Kolkata", 390, ZoneAtDate::LocalTime::Normal, "5", "30", true},
    {"Kathmandu", "", "Nepal", {1990, 1, 1}, {12, 0}, "Asia/Kathmandu", 345, ZoneAtDate::LocalTime::Normal, "5", "45", false},
    {"Madrid", "", "Spain", {1975, 7, 1}, {12, 0}, "Europe/Madrid", 120, ZoneAtDate::LocalTime::Normal, "-1", "0", true},
    {"New York", "", "United States", {1950, 7, 1}, {12, 0}, "America/New_York", -240, ZoneAtDate::LocalTime::Normal, "5", "0", true},
    {"Beirut", "", "Lebanon", {1987, 3, 21}, {12, 0}, "Asia/Beirut", 120, ZoneAtDate::LocalTime::Normal, "2", "0", false},
    // Clocks forward over 02:30: taken with the offset before the change.
    {"Paris", "", "France", {1986, 3, 30}, {2, 30}, "Europe/Paris", 60, ZoneAtDate::LocalTime::Skipped, "1", "0", false},
    // Clocks back over 01:30: the first time it happened.
    {"New York", "", "", {2008, 11, 2}, {1, 30}, "America/New_York", -240, ZoneAtDate::LocalTime::Repeated, "5", "0", true},
    // The typed state or country decides between two Chathams.
    {"Chatham", "", "United Kingdom", {2000, 1, 1}, {12, 0}, "Europe/London", 0, ZoneAtDate::LocalTime::Normal, "0", "0", false},
    {"Chatham", "Ontario", "", {2000, 1, 1}, {12, 0}, "America/Toronto", -300, ZoneAtDate::LocalTime::Normal, "5", "0", false},
};

BirthFormValues Form(const QDate& date, const QTime& time, const PlaceFill& fill, const std::string& zoneHours,
                     const std::string& zoneMinutes, bool dst)
{
    BirthFormValues form;
    form.name = "x";
    form.monthIndex = date.month() - 1;
    form.dayIndex = date.day() - 1;
    form.day = std::to_string(date.day());
    form.year = std::to_string(date.year());
    form.hour = std::to_string(time.hour());
    form.minute = std::to_string(time.minute());
    form.lonDegrees = std::to_string(fill.longitudeDegrees);
    form.lonMinutes = std::to_string(fill.longitudeMinutes);
    form.latDegrees = std::to_string(fill.latitudeDegrees);
    form.latMinutes = std::to_string(fill.latitudeMinutes);
    form.east = fill.east;
    form.north = fill.north;
    form.zoneHours = zoneHours;
    form.zoneMinutes = zoneMinutes;
    form.dst = dst;
    return form;
}

std::string Reading(const BirthFormValues& form)
{
    EXPECT_EQ(ValidateBirthData(form), BirthFormCheck::Passed);
    const ChartInputsResult inputs = ChartInputsFromForm(form, ChartRecord{});
    EXPECT_FALSE(inputs.failed.has_value());
    ChartRecord chart = inputs.chart;
    modEphemeris::ComputeMoonPosition(chart);
    return chart.MoonPositionText;
}

TEST(PlacesTest, HistoricalOffsetsFillTheFormForTheRightInstant)
{
    for (const HistoricalBirth& b : Births) {
        SCOPED_TRACE(std::string(b.city) + " " + b.date.toString(Qt::ISODate).toStdString());
        const QList<Place> found = FindPlaces(QString::fromUtf8(b.city), QString::fromUtf8(b.state), QString::fromUtf8(b.country)).places;
        ASSERT_FALSE(found.isEmpty());
        const Place& place = found.first();
        EXPECT_EQ(place.zone, QByteArray(b.zone));

        const PlaceFill fill = FillForPlace(place, b.date, b.time);
        EXPECT_TRUE(fill.zoneAt.known);
        EXPECT_EQ(fill.zoneAt.offsetSeconds, b.offsetMinutes * 60);
        EXPECT_EQ(fill.zoneAt.localTime, b.localTime);
        EXPECT_EQ(fill.zoneHours.toStdString(), b.zoneHours);
        EXPECT_EQ(fill.zoneMinutes.toStdString(), b.zoneMinutes);
        EXPECT_EQ(fill.dst, b.dst);
        EXPECT_TRUE(fill.description.contains(OffsetText(b.offsetMinutes * 60))) << fill.description.toStdString();

        // The same universal time typed by hand, with zone 0.
        const QDateTime ut = QDateTime(b.date, b.time, Qt::UTC).addSecs(-b.offsetMinutes * 60);
        EXPECT_EQ(Reading(Form(b.date, b.time, fill, b.zoneHours, b.zoneMinutes, b.dst)),
                  Reading(Form(ut.date(), ut.time(), fill, "0", "0", false)));
    }
}

TEST(PlacesTest, ZonesOutsideThePlaceList)
{
    // Chatham Islands: 13:45 ahead in the southern summer of 2000.
    const ZoneAtDate at = ZoneAt("Pacific/Chatham", {2000, 1, 1}, {12, 0});
    EXPECT_TRUE(at.known);
    EXPECT_EQ(at.offsetSeconds, (13 * 60 + 45) * 60);
    EXPECT_EQ(at.daylightSeconds, 3600);
    EXPECT_EQ(OffsetText(at.offsetSeconds), QStringLiteral("UTC+13:45"));
    EXPECT_FALSE(ZoneAt("Nowhere/Atlantis", {2000, 1, 1}, {12, 0}).known);
}

TEST(PlacesTest, CoordinatesToTheNearestMinute)
{
    Place place;
    place.latitude = -33.8678;   // 33°52.07'S
    place.longitude = -3.70256;  // 3°42.15'W
    PlaceFill fill;
    FillCoordinates(place, fill);
    EXPECT_EQ(fill.latitudeDegrees, 33);
    EXPECT_EQ(fill.latitudeMinutes, 52);
    EXPECT_FALSE(fill.north);
    EXPECT_EQ(fill.longitudeDegrees, 3);
    EXPECT_EQ(fill.longitudeMinutes, 42);
    EXPECT_FALSE(fill.east);
    place.longitude = 10.9999;  // rounds up into the next degree
    FillCoordinates(place, fill);
    EXPECT_EQ(fill.longitudeDegrees, 11);
    EXPECT_EQ(fill.longitudeMinutes, 0);
    EXPECT_EQ(AngleText(-3.70256, false), QString::fromUtf8("3\u00B042\u2032W"));
}

}  // namespace
