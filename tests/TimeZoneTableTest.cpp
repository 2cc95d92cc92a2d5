#include "core/TimeZoneTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace {

const TimeZoneEntry& Row(int position)
{
    return TimeZoneTable()[static_cast<std::size_t>(position)];
}

struct ZoneCase {
    int position;
    const char* text;
    const char* hours;
    const char* minutes;
};

TEST(TimeZoneTableTest, RowsWriteTheirBoxTexts)
{
    const ZoneCase cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", "9", "0"},
        {5, "Australian Central Daylight Time,ACDT,+10.5", "-10", "-30"},
        {11, "Azores Time, AT, -2.0", "2", "0"},
        {24, "Eastern Daylight Time,EDT,-4.0", "4", "0"},
        {27, "Eastern Standard Time,EST,-5.0", "5", "0"},
        {29, "Greenwich Mean Time,GMT,0.0", "0", "0"},
        {32, "Hawaiian Standard Time,HST,-10.5", "10", "30"},
        {34, "Indian Time, IST, +5.3", "-5", "-30"},
        {35, "Int'l Date Line East,IDLE,+12.0", "-12", "0"},
        {36, "Int'l Date Line West,IDLW,-12.0", "12", "0"},
        {37, "Iran Time, IT, +3.5", "-3", "-30"},
        {46, "New Zealand Std Summer Time,NZST,+13.0", "-13", "0"},
        {50, "Newfoundland Standard Time,NST,-3.5", "3", "30"},
        {52, "North Sumatra Time,NST,+6.5", "-6", "-30"},
        {61, "Universal Time, UT, 0.0", "0", "0"},
        {70, "Yukon War Time,YWT,-8.0", "8", "0"},
    };
    for (const ZoneCase& c : cases) {
        EXPECT_EQ(Row(c.position).text, c.text) << c.position;
        EXPECT_EQ(ZoneBoxText(Row(c.position).hours), c.hours) << c.text;
        EXPECT_EQ(ZoneBoxText(Row(c.position).minutes), c.minutes) << c.text;
    }
}

// Every row obeys one rule: hours are the offset's whole part negated; minutes
// are 30 for a ".5" (and India's "+5.3"), 0 otherwise, with the sign of the hours.
TEST(TimeZoneTableTest, ValuesFollowTheEntryText)
{
    for (int p = 0; p < TimeZoneCount; ++p) {
        const std::string text(Row(p).text);
        const std::string offset = text.substr(text.rfind(',') + 1);
        const double value = std::stod(offset);
        const int whole = static_cast<int>(std::trunc(value));
        const char tenth = offset.back();
        const int minutes = tenth == '5' || offset == " +5.3" ? 30 : 0;
        EXPECT_EQ(Row(p).hours, -whole) << text;
        EXPECT_EQ(Row(p).minutes, whole > 0 ? -minutes : minutes) << text;
    }
}

TEST(TimeZoneTableTest, ListIsAlphabetical)
{
    auto key = [](std::string_view s) {
        std::string k;
        for (const char c : s)
            if (c != '\'')
                k += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return k;
    };
    for (int p = 1; p < TimeZoneCount; ++p)
        EXPECT_LE(key(Row(p - 1).text), key(Row(p).text)) << p;
}

}  // namespace
