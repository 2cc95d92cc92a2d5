#include "core/BirthForm.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A form that passes every check: 12 April 1992, 0:00, 0°00' W, 51°28' N, zone 0:00.
BirthFormValues Filled()
{
    BirthFormValues f;
    f.name = "Ada";
    f.monthIndex = 3;
    f.dayIndex = 11;
    f.day = "12";
    f.year = "1992";
    f.hour = "0";
    f.minute = "0";
    f.lonDegrees = "0";
    f.lonMinutes = "0";
    f.latDegrees = "51";
    f.latMinutes = "28";
    f.zoneHours = "0";
    f.zoneMinutes = "0";
    f.east = false;
    return f;
}

TEST(BirthFormTest, ChecksRunInOrder)
{
    struct Case {
        const char* what;
        void (*change)(BirthFormValues&);
        BirthFormCheck check;
    };
    const Case cases[] = {
        {"all blank", [](BirthFormValues& f) { f = BirthFormValues{}; }, BirthFormCheck::NameBlank},
        {"name of spaces", [](BirthFormValues& f) { f.name = "   "; }, BirthFormCheck::NameBlank},
        {"zone minute blank", [](BirthFormValues& f) { f.zoneMinutes = ""; }, BirthFormCheck::ZoneBlank},
        {"zone before longitude", [](BirthFormValues& f) { f.zoneHours = " "; f.lonDegrees = ""; }, BirthFormCheck::ZoneBlank},
        {"longitude before latitude", [](BirthFormValues& f) { f.lonMinutes = ""; f.latDegrees = ""; },
         BirthFormCheck::LongitudeMinutesBlank},
        {"latitude degrees", [](BirthFormValues& f) { f.latDegrees = ""; }, BirthFormCheck::LatitudeDegreesBlank},
        {"latitude minutes", [](BirthFormValues& f) { f.latMinutes = ""; }, BirthFormCheck::LatitudeMinutesBlank},
        {"95 degrees of latitude pass", [](BirthFormValues& f) { f.latDegrees = "95"; }, BirthFormCheck::Passed},
    };
    for (const Case& c : cases) {
        BirthFormValues f = Filled();
        c.change(f);
        EXPECT_EQ(ValidateBirthData(f), c.check) << c.what;
    }
}

TEST(BirthFormTest, DaysThatExist)
{
    const struct {
        int month, day;
        const char* year;
        BirthFormCheck check;
    } cases[] = {
        {2, 29, "2000", BirthFormCheck::Passed},          {2, 29, "1904", BirthFormCheck::Passed},
        {2, 29, "1999", BirthFormCheck::FebruaryTooLong}, {2, 30, "2000", BirthFormCheck::FebruaryTooLong},
        {2, 31, "1904", BirthFormCheck::FebruaryTooLong}, {4, 31, "2000", BirthFormCheck::ThirtyDayMonthTooLong},
        {11, 31, "2000", BirthFormCheck::ThirtyDayMonthTooLong}, {4, 30, "2000", BirthFormCheck::Passed},
        {1, 31, "2000", BirthFormCheck::Passed},          {12, 31, "2050", BirthFormCheck::Passed},
    };
    for (const auto& c : cases) {
        BirthFormValues f = Filled();
        f.monthIndex = c.month - 1;
        f.dayIndex = c.day - 1;
        f.day = std::to_string(c.day);
        f.year = c.year;
        EXPECT_EQ(ValidateBirthData(f), c.check) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(BirthFormTest, NumbersOfTexts)
{
    const struct {
        const char* text;
        std::optional<std::int16_t> number;
    } cases[] = {
        {"12", 12},       {" 7 ", 7},         {"-5", -5},        {"+3", 3},       {"2.5", 2},
        {"3.5", 4},       {"-2.5", -2},       {"0.49", 0},       {".5", 0},       {"12.", 12},
        {"32767", 32767}, {"-32768", -32768}, {"32768", std::nullopt},            {"1e2", std::nullopt},
        {"abc", std::nullopt},                {"", std::nullopt}, {"-", std::nullopt}, {"1,5", std::nullopt},
        {"٣", std::nullopt},                  {"99999999999999999999", std::nullopt}, {"1 2", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberOfText(c.text), c.number) << c.text;
}

TEST(BirthFormTest, StoresTheFourteenInputs)
{
    BirthFormValues f = Filled();
    f.zoneHours = "-5";
    f.zoneMinutes = "-30";
    f.east = true;
    f.north = false;
    f.dst = true;
    const ChartInputsResult r = ChartInputsFromForm(f, ChartRecord{});
    ASSERT_FALSE(r.failed.has_value());
    const ChartRecord& c = r.chart;
    EXPECT_EQ(c.BirthMonth, 4);
    EXPECT_EQ(c.BirthDay, 12);
    EXPECT_EQ(c.BirthYear, 1992);
    EXPECT_EQ(c.LatitudeDegrees, 51);
    EXPECT_EQ(c.LatitudeMinutes, 28);
    EXPECT_EQ(c.ZoneHours, 5);     // absolute value: the picker's sign is ignored
    EXPECT_EQ(c.ZoneMinutes, 30);
    EXPECT_EQ(c.IsEast, -1);
    EXPECT_EQ(c.IsNorth, 0);
    EXPECT_EQ(c.IsDaylightSaving, -1);
}

// A box that holds no number stops the reading with the record as it was,
// so that no earlier reading's value is used in its place.
TEST(BirthFormTest, TextThatIsNoNumberStoresNothing)
{
    ChartRecord before;
    before.LongitudeDegrees = 77;
    before.BirthYear = 1950;
    const struct {
        void (*change)(BirthFormValues&);
        NumberBox box;
    } cases[] = {
        {[](BirthFormValues& f) { f.lonDegrees = "abc"; }, NumberBox::LongitudeDegrees},
        {[](BirthFormValues& f) { f.lonMinutes = "70000"; }, NumberBox::LongitudeMinutes},
        {[](BirthFormValues& f) { f.latDegrees = "1e5"; }, NumberBox::LatitudeDegrees},
        {[](BirthFormValues& f) { f.latMinutes = "--1"; }, NumberBox::LatitudeMinutes},
        {[](BirthFormValues& f) { f.zoneHours = "-32768"; }, NumberBox::ZoneHours},
        {[](BirthFormValues& f) { f.zoneMinutes = "x"; f.zoneHours = "y"; }, NumberBox::ZoneHours},
    };
    for (const auto& c : cases) {
        BirthFormValues f = Filled();
        c.change(f);
        const ChartInputsResult r = ChartInputsFromForm(f, before);
        ASSERT_TRUE(r.failed.has_value());
        EXPECT_EQ(*r.failed, c.box);
        EXPECT_EQ(r.chart.LongitudeDegrees, 77);
        EXPECT_EQ(r.chart.BirthYear, 1950);
    }
}

// A zone box's sign gives the direction in the picker's convention ("-"
// ahead of universal time, "+" behind), from either box when only one is
// signed; signs that disagree are refused; unsigned boxes leave it to the
// longitude. The size is always the absolute value.
TEST(BirthFormTest, ZoneSignsGiveTheDirection)
{
    const struct {
        const char *hours, *minutes;
        BirthFormCheck check;
        int ahead, size;  // ZoneAhead, and minutes of the zone's size
    } cases[] = {
        {"-1", "0", BirthFormCheck::Passed, -1, 60},        {"+5", "0", BirthFormCheck::Passed, 1, 300},
        {"-3", "-30", BirthFormCheck::Passed, -1, 210},     {"+9", "+30", BirthFormCheck::Passed, 1, 570},
        {"0", "-30", BirthFormCheck::Passed, -1, 30},       {"0", "+30", BirthFormCheck::Passed, 1, 30},
        {" -5", "30", BirthFormCheck::Passed, -1, 330},     {"3", "-30", BirthFormCheck::Passed, -1, 210},
        {"5", "45", BirthFormCheck::Passed, 0, 345},        {"-5", "+30", BirthFormCheck::ZoneSignsDisagree, 0, 0},
        {"+3", "-30", BirthFormCheck::ZoneSignsDisagree, 0, 0},
    };
    for (const auto& c : cases) {
        BirthFormValues f = Filled();
        f.zoneHours = c.hours;
        f.zoneMinutes = c.minutes;
        SCOPED_TRACE(std::string(c.hours) + " " + c.minutes);
        EXPECT_EQ(ValidateBirthData(f), c.check);
        if (c.check != BirthFormCheck::Passed)
            continue;
        const ChartInputsResult r = ChartInputsFromForm(f, ChartRecord{});
        ASSERT_FALSE(r.failed.has_value());
        EXPECT_EQ(r.chart.ZoneAhead, c.ahead);
        EXPECT_EQ(60 * r.chart.ZoneHours + r.chart.ZoneMinutes, c.size);
    }
}

}  // namespace
