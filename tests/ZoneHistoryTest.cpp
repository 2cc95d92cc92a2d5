// A zone's history read from the system's zone files: against Qt's own
// reading of the same files (QTimeZone, an implementation of its own) for
// every listed zone, and past the files' listed changes against the rules
// that the zones' laws give.
#include "core/CivilCalendar.h"
#include "places/ZoneAtDate.h"
#include "places/ZoneHistory.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::int64_t Utc(int year, int month, int day, int hour = 0, int minute = 0)
{
    return static_cast<std::int64_t>(DaysFromCivil({year, month, day})) * 86400 + hour * 3600 + minute * 60;
}

std::string FileBytes(const std::string& zone)
{
    std::ifstream in("/usr/share/zoneinfo/" + zone, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

// Every zone of zone.tab, every 61 days and 7 hours from 1900 to 2060: the
// offset and the abbreviation Qt reads at each instant.
TEST(ZoneHistoryTest, AgreesWithQtOnEveryListedZone)
{
    const std::vector<std::string>& zones = ListedZoneNames();
    ASSERT_GT(zones.size(), 300u);
    int compared = 0;
    for (const std::string& name : zones) {
        SCOPED_TRACE(name);
        const auto history = ZoneHistory::Of(name);
        ASSERT_TRUE(history);
        const QTimeZone qt(QByteArray::fromStdString(name));
        ASSERT_TRUE(qt.isValid());
        for (std::int64_t t = Utc(1900, 1, 1); t < Utc(2060, 1, 1); t += 61 * 86400 + 7 * 3600) {
            const QDateTime at = QDateTime::fromSecsSinceEpoch(t, QTimeZone::utc());
            const ZoneStretch s = history->At(t);
            ASSERT_EQ(s.offsetSeconds, qt.offsetFromUtc(at)) << at.toString(Qt::ISODate).toStdString();
            ASSERT_EQ(s.abbreviation, qt.abbreviation(at).toStdString()) << at.toString(Qt::ISODate).toStdString();
            ++compared;
        }
    }
    EXPECT_GT(compared, 300 * 900);
}

// After the files' last listed change (2037) each zone follows the rule in
// its file's footer: the hours skipped and repeated as the laws set them.
TEST(ZoneHistoryTest, RulesBeyondTheListedChanges)
{
    using Kind = ZoneAtDate::LocalTime;
    const struct {
        const char* zone;
        QDate date;
        QTime time;
        Kind kind;
        int offsetMinutes;
        int daylightMinutes;
    } cases[] = {
        // The European Union: the last Sundays of March and October at 01:00 UTC.
        {"Europe/Paris", {2040, 3, 25}, {1, 59}, Kind::Normal, 60, 0},
        {"Europe/Paris", {2040, 3, 25}, {2, 30}, Kind::Skipped, 60, 0},
        {"Europe/Paris", {2040, 10, 28}, {2, 30}, Kind::Repeated, 120, 60},
        {"America/Nuuk", {2040, 3, 24}, {23, 30}, Kind::Skipped, -120, 0},  // -02, the Saturday before, 01:00 UTC
        {"America/Nuuk", {2040, 7, 1}, {12, 0}, Kind::Normal, -60, 60},
        // Israel: the Friday before the last Sunday of March at 02:00.
        {"Asia/Jerusalem", {2040, 3, 23}, {2, 30}, Kind::Skipped, 120, 0},
        {"Asia/Jerusalem", {2040, 3, 22}, {2, 30}, Kind::Normal, 120, 0},
        // Ireland: Irish Standard Time in summer, Greenwich Mean Time its winter time.
        {"Europe/Dublin", {2040, 1, 15}, {12, 0}, Kind::Normal, 0, -60},
        {"Europe/Dublin", {2040, 7, 15}, {12, 0}, Kind::Normal, 60, 0},
        // The south: summer over the new year; Lord Howe's half hour; Chile at 24:00 on Saturdays.
        {"Australia/Sydney", {2045, 1, 1}, {12, 0}, Kind::Normal, 660, 60},
        {"Australia/Lord_Howe", {2045, 1, 1}, {12, 0}, Kind::Normal, 660, 30},
        {"Pacific/Chatham", {2045, 9, 24}, {2, 50}, Kind::Skipped, 765, 0},
        {"America/Santiago", {2045, 9, 3}, {0, 30}, Kind::Skipped, -240, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + c.date.toString(Qt::ISODate).toStdString() + " " +
                     c.time.toString(QStringLiteral("HH:mm")).toStdString());
        const ZoneAtDate at = ZoneAt(c.zone, c.date, c.time);
        EXPECT_EQ(at.localTime, c.kind);
        EXPECT_EQ(at.offsetSeconds, c.offsetMinutes * 60);
        EXPECT_EQ(at.daylightSeconds, c.daylightMinutes * 60);
    }
    // The rule's changes in a span: two a year, alternating, none repeated.
    const auto paris = ZoneHistory::Of("Europe/Paris");
    ASSERT_TRUE(paris);
    const std::vector<ZoneStretch> changes = paris->ChangesIn(Utc(2040, 1, 1), Utc(2050, 1, 1));
    ASSERT_EQ(changes.size(), 20u);
    EXPECT_EQ(changes[0].start, Utc(2040, 3, 25, 1));
    EXPECT_EQ(changes[1].start, Utc(2040, 10, 28, 1));
    for (std::size_t i = 0; i < changes.size(); ++i)
        EXPECT_EQ(changes[i].daylight, i % 2 == 0) << i;

    // A rule whose summer time ends at the instant it begins (02:00 UTC both):
    // never summer time, and the span's changes say the same as each instant.
    std::string bytes = FileBytes("Europe/Paris");
    const std::size_t footer = bytes.rfind('\n', bytes.size() - 2);
    ASSERT_NE(footer, std::string::npos);
    bytes = bytes.substr(0, footer + 1) + "AAA0BBB,M3.5.0/2,M3.5.0/3\n";
    const auto empty = ZoneHistory::Parse(bytes);
    ASSERT_TRUE(empty);
    for (const std::int64_t t : {Utc(2040, 3, 25, 2), Utc(2040, 7, 1)}) {
        EXPECT_EQ(empty->At(t).abbreviation, "AAA");
        EXPECT_FALSE(empty->At(t).daylight);
    }
    EXPECT_TRUE(empty->ChangesIn(Utc(2040, 1, 1), Utc(2050, 1, 1)).empty());

    // A change of one year on the last day of the one before in universal
    // time: 2038's first Friday, 02:00 at UTC+3, is 2037-12-31 23:00 UTC.
    bytes = bytes.substr(0, footer + 1) + "AAA-2BBB,M6.1.0,M1.1.5\n";
    const auto early = ZoneHistory::Parse(bytes);
    ASSERT_TRUE(early);
    EXPECT_EQ(early->At(Utc(2037, 12, 31, 22, 59)).abbreviation, "CET");  // the listed changes end in October
    EXPECT_EQ(early->At(Utc(2037, 12, 31, 23)).abbreviation, "AAA");
    const std::vector<ZoneStretch> newYear = early->ChangesIn(Utc(2037, 12, 1), Utc(2038, 2, 1));
    ASSERT_EQ(newYear.size(), 1u);
    EXPECT_EQ(newYear[0].start, Utc(2037, 12, 31, 23));
}

// Names that would read outside the database, and bytes that are not a zone
// file, give no zone.
TEST(ZoneHistoryTest, RefusesWhatIsNotAZone)
{
    for (const char* name : {"", "/etc/passwd", "../zoneinfo/UTC", "Europe/../Europe/Paris", "Europe//Paris", "Europe/",
                             "Europe/Paris\n", "Nowhere/Atlantis", "zone.tab"})
        EXPECT_FALSE(ZoneHistory::Of(name)) << name;
    EXPECT_TRUE(ZoneHistory::Of("Asia/Calcutta"));  // a link to Asia/Kolkata

    const std::string paris = FileBytes("Europe/Paris");
    ASSERT_GT(paris.size(), 1000u);
    EXPECT_TRUE(ZoneHistory::Parse(paris));
    // Cut anywhere inside its blocks, it is refused whole, never read in part.
    for (const std::size_t cut : {0ul, 4ul, 43ul, 44ul, 100ul, paris.size() / 2})
        EXPECT_FALSE(ZoneHistory::Parse(std::string_view(paris).substr(0, cut))) << cut;
    std::string noTypes = paris;
    for (int i = 36; i < 40; ++i)  // the first header's count of time types
        noTypes[static_cast<std::size_t>(i)] = 0;
    EXPECT_FALSE(ZoneHistory::Parse(noTypes));
    // Version 1 (no 64-bit block, no footer): its listed changes alone.
    std::string first = paris;
    first[4] = '\0';
    const auto v1 = ZoneHistory::Parse(first);
    ASSERT_TRUE(v1);
    EXPECT_EQ(v1->At(Utc(1990, 7, 1)).offsetSeconds, 7200);
}

// The long names of a zone's times, and the names' ordering the lookup needs.
TEST(ZoneHistoryTest, ListedZonesAreSortedAndReadable)
{
    const std::vector<std::string>& zones = ListedZoneNames();
    EXPECT_TRUE(std::is_sorted(zones.begin(), zones.end()));
    EXPECT_NE(std::find(zones.begin(), zones.end(), "Pacific/Chatham"), zones.end());
    EXPECT_EQ(std::find(zones.begin(), zones.end(), "Asia/Calcutta"), zones.end());  // links are not listed
}
