// The picker's 71 zones: each offset as the time-zone database defines it for
// the zone the entry names, the boxes' values agreeing with the entry's text,
// and the list in alphabetical order.
#include "core/TimeZoneTable.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace {

const TimeZoneEntry& Row(int position)
{
    return TimeZoneTable()[static_cast<std::size_t>(position)];
}

// Minutes East of Greenwich the boxes of a row give (they hold the offset
// with its sign reversed).
int BoxMinutesEast(const TimeZoneEntry& row)
{
    return -(row.hours * 60 + row.minutes);
}

// Where the time-zone database keeps each entry's clocks: the zone and a day
// on which they were in force there (at 12:00 UTC). Two entries name clocks
// the database has no zone for: Moluccas Time (+8:30) and North Sumatra Time
// (+6:30).
const struct {
    const char* text;
    const char* zone;
    QDate day;
} InDatabase[] = {
    {"Alaska/Hawaii Daylight Time,AHDT,-9.0", "America/Anchorage", {1970, 7, 1}},
    {"Alaska/Hawaii Standard Time,AHST,-10.0", "America/Anchorage", {1970, 1, 1}},
    {"Alaska/Hawaii War Time,AHWT,-9.0", "America/Anchorage", {1943, 6, 1}},
    {"Atlantic Standard Time,AST,-4.0", "America/Halifax", {1980, 1, 1}},
    {"Atlantic War Time,AWT,-3.0", "America/Halifax", {1943, 6, 1}},
    {"Australian Central Daylight Time,ACDT,+10.5", "Australia/Adelaide", {2000, 1, 1}},
    {"Australian Central Standard Time,ACST,+9.5", "Australia/Adelaide", {2000, 7, 1}},
    {"Australian Eastern Daylight Time,AEDT,+11.0", "Australia/Sydney", {2000, 1, 1}},
    {"Australian Eastern Standard Time,AEST,+10.0", "Australia/Sydney", {2000, 7, 1}},
    {"Australian Western Daylight Time,AWDT,+9.0", "Australia/Perth", {2007, 1, 1}},
    {"Australian Western Standard Time,AWST,+8.0", "Australia/Perth", {2000, 7, 1}},
    {"Azores Time, AT, -2.0", "Atlantic/Azores", {1950, 1, 1}},
    {"Baghdad Time, BAT, +3.0", "Asia/Baghdad", {1990, 1, 1}},
    {"Bering Standard Time,BET,-11.0", "America/Nome", {1970, 1, 1}},
    {"Brazil Zone 2,BZT2,-3.0", "America/Sao_Paulo", {2000, 7, 1}},
    {"British Double Summer Time,BDST,+2.0", "Europe/London", {1944, 6, 1}},
    {"British Summer Time,BST,+1.0", "Europe/London", {1970, 1, 1}},
    {"British War Time,BWT,+2.0", "Europe/London", {1944, 6, 1}},
    {"Central Daylight Time,CDT,-5.0", "America/Chicago", {1990, 7, 1}},
    {"Central European Daylight,CED,+2.0", "Europe/Berlin", {1990, 7, 1}},
    {"Central European Time,CET,+1.0", "Europe/Berlin", {1990, 1, 1}},
    {"Central Standard Time,CST,-6.0", "America/Chicago", {1990, 1, 1}},
    {"Central War Time,CWT,-5.0", "America/Chicago", {1943, 6, 1}},
    {"China Coast Time,CCT,+8.0", "Asia/Shanghai", {1990, 1, 1}},
    {"Eastern Daylight Time,EDT,-4.0", "America/New_York", {1990, 7, 1}},
    {"Eastern European Daylight Time,EED,+3.0", "Europe/Athens", {1990, 7, 1}},
    {"Eastern European Time,EET,+2.0", "Europe/Athens", {1990, 1, 1}},
    {"Eastern Standard Time,EST,-5.0", "America/New_York", {1990, 1, 1}},
    {"Eastern War Time,EWT,-4.0", "America/New_York", {1943, 6, 1}},
    {"Greenwich Mean Time,GMT,0.0", "Etc/GMT", {1990, 1, 1}},
    {"Guam Standard Time,GST,+10.0", "Pacific/Guam", {1990, 1, 1}},
    {"Hawaiian Daylight Time,HDT,-9.5", "Pacific/Honolulu", {1933, 5, 15}},
    {"Hawaiian Standard Time,HST,-10.5", "Pacific/Honolulu", {1920, 1, 1}},
    {"Hawaiian War Time,HWT,-9.5", "Pacific/Honolulu", {1943, 1, 1}},
    {"Indian Time, IST, +5.3", "Asia/Kolkata", {1990, 1, 1}},
    {"Int'l Date Line East,IDLE,+12.0", "Etc/GMT-12", {1990, 1, 1}},
    {"Int'l Date Line West,IDLW,-12.0", "Etc/GMT+12", {1990, 1, 1}},
    {"Iran Time, IT, +3.5", "Asia/Tehran", {1990, 1, 1}},
    {"Japan Standard Time,JST,+9.0", "Asia/Tokyo", {1990, 1, 1}},
    {"Java Time, JT, +7.5", "Asia/Jakarta", {1935, 1, 1}},
    {"Middle European Daylight Time,MED,+2.0", "MET", {1990, 7, 1}},
    {"Middle European Time,MET,+1.0", "MET", {1990, 1, 1}},
    {"Mountain Daylight Time,MDT,-6.0", "America/Denver", {1990, 7, 1}},
    {"Mountain Standard Time,MST,-7.0", "America/Denver", {1990, 1, 1}},
    {"Mountain War Time,MWT,-6.0", "America/Denver", {1943, 6, 1}},
    {"New Zealand Std Summer Time,NZST,+13.0", "Pacific/Auckland", {2000, 1, 1}},
    {"New Zealand Std Time,NZT,+12.0", "Pacific/Auckland", {2000, 7, 1}},
    {"New Zealand Summer Time,NZS,+12.5", "Pacific/Auckland", {1928, 1, 15}},
    {"New Zealand Time,NZ,+11.5", "Pacific/Auckland", {1920, 1, 1}},
    {"Newfoundland Standard Time,NST,-3.5", "America/St_Johns", {1990, 1, 1}},
    {"Nome Time, NT, -11.0", "America/Nome", {1960, 1, 1}},
    {"Pacific Daylight Time,PDT,-7.0", "America/Los_Angeles", {1990, 7, 1}},
    {"Pacific Standard Time,PST,-8.0", "America/Los_Angeles", {1990, 1, 1}},
    {"Pacific War Time,PWT,-7.0", "America/Los_Angeles", {1943, 6, 1}},
    {"South Australia Daylight Time,SAD,+10.5", "Australia/Adelaide", {2000, 1, 1}},
    {"South Australia Daylight Time,SDT,+10.5", "Australia/Adelaide", {2000, 1, 1}},
    {"South Australia Standard Time,SAST,+9.5", "Australia/Adelaide", {2000, 7, 1}},
    {"South Australia Standard Time,SAT,+9.5", "Australia/Adelaide", {2000, 7, 1}},
    {"South Sumatra Time,SST,+7.0", "Asia/Jakarta", {1990, 1, 1}},
    {"Universal Time, UT, 0.0", "Etc/UTC", {1990, 1, 1}},
    {"USSR Zone 10,UZ10,+11.0", "Asia/Magadan", {1985, 1, 1}},
    {"USSR Zone 3,USZ3,+4.0", "Europe/Samara", {1985, 1, 1}},
    {"USSR Zone 4,USZ4,+5.0", "Asia/Yekaterinburg", {1985, 1, 1}},
    {"USSR Zone 5,USZ5,+6.0", "Asia/Omsk", {1985, 1, 1}},
    {"USSR Zone 6,USZ6,+7.0", "Asia/Novosibirsk", {1985, 1, 1}},
    {"West Africa Time,WAT,-1.0", "Atlantic/Cape_Verde", {1990, 1, 1}},
    {"Yukon Daylight Time,YDT,-8.0", "America/Dawson", {1918, 6, 1}},
    {"Yukon Standard Time,YST,-9.0", "America/Yakutat", {1970, 1, 1}},
    {"Yukon War Time,YWT,-8.0", "America/Whitehorse", {1943, 6, 1}},
};

TEST(TimeZoneTableTest, OffsetsAreTheTimeZoneDatabases)
{
    int checked = 0;
    for (int p = 0; p < TimeZoneCount; ++p) {
        const TimeZoneEntry& row = Row(p);
        const auto* kept = std::find_if(std::begin(InDatabase), std::end(InDatabase),
                                        [&](const auto& k) { return row.text == k.text; });
        if (kept == std::end(InDatabase)) {
            EXPECT_TRUE(row.text == "Moluccas Time, MT, +8.5" || row.text == "North Sumatra Time,NST,+6.5") << row.text;
            continue;
        }
        const QTimeZone tz(kept->zone);
        ASSERT_TRUE(tz.isValid()) << kept->zone;
        const int seconds = tz.offsetFromUtc(QDateTime(kept->day, QTime(12, 0), QTimeZone::utc()));
        EXPECT_EQ(BoxMinutesEast(row) * 60, seconds) << row.text << " against " << kept->zone;
        ++checked;
    }
    EXPECT_EQ(checked, TimeZoneCount - 2);
}

// The text's offset in hours, "+5.5" for +5:30 (and India's "+5.3" for the
// same), is the boxes' offset; the minutes carry the sign of the hours.
TEST(TimeZoneTableTest, BoxesFollowTheEntryText)
{
    for (int p = 0; p < TimeZoneCount; ++p) {
        const TimeZoneEntry& row = Row(p);
        const std::string text(row.text);
        const std::string offset = text.substr(text.rfind(',') + 1);
        const double hours = std::stod(offset);
        const int minutes = static_cast<int>(std::lround(std::fabs(hours) * 60)) + (offset == " +5.3" ? 12 : 0);
        EXPECT_EQ(BoxMinutesEast(row), hours < 0 ? -minutes : minutes) << text;
        EXPECT_TRUE(row.minutes == 0 || (row.minutes < 0) == (row.hours < 0)) << text;
        EXPECT_EQ(ZoneBoxText(row.hours), std::to_string(row.hours)) << text;
    }
    EXPECT_EQ(ZoneBoxText(-10), "-10");
    EXPECT_EQ(ZoneBoxText(0), "0");
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
