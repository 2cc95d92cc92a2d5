#include "core/MansionPassage.h"

#include "ChartFixture.h"
#include "core/BirthReading.h"
#include "core/ClockText.h"
#include "core/MansionReading.h"
#include "core/modEphemeris.h"

#include <gtest/gtest.h>

namespace {

// The mansion of a chart's birth data with the clock moved to `t`.
int MansionAtMinute(ChartRecord chart, const LocalMinute& t)
{
    chart.BirthYear = static_cast<std::int16_t>(t.year);
    chart.BirthMonth = static_cast<std::int16_t>(t.month);
    chart.BirthDay = static_cast<std::int16_t>(t.day);
    chart.BirthHour = static_cast<std::int16_t>(t.hour);
    chart.BirthMinute = static_cast<std::int16_t>(t.minute);
    return ReadingForChart(chart).mansion;
}

// Minutes from a to b, counted one by one up to three days; a b before a or
// more than three days on gives the bound, which fails every stay's check.
long MinutesBetween(const LocalMinute& a, const LocalMinute& b)
{
    constexpr long Bound = 3 * 1440;
    long n = 0;
    for (LocalMinute t = a; n < Bound && !(t.SameDay(b) && t.hour == b.hour && t.minute == b.minute);
         t = LocalMinuteShifted(t, 1))
        ++n;
    return n;
}

// The Moon covers a mansion (12°51') in 20 to 26 hours: 15.4° a day at its
// fastest (perigee), 11.8° at its slowest (apogee).
TEST(MansionPassageTest, BracketsTheBirthByTheNeighbouringMansions)
{
    const struct {
        const char* what;
        ChartRecord birth;
        int mansion, previous, next;
        long shortest, longest;  // minutes the stay may last
    } cases[] = {
        {"J2000", MakeChart(2000, 1, 1, 12, 0, 0, 0, 'W', 0, 0), 16, 15, 17, 20 * 60, 26 * 60},
        {"year boundary, leaving in 2001", MakeChart(2000, 12, 31, 22, 0, 0, 0, 'W', 0, 0), 26, 25, 27, 20 * 60, 26 * 60},
        {"year boundary, entering in 1999", MakeChart(1999, 12, 31, 23, 30, 0, 0, 'W', 0, 0), 16, 15, 17, 20 * 60, 26 * 60},
        {"near perigee, fastest", MakeChart(2011, 3, 19, 12, 0, 0, 0, 'W', 0, 0), 12, 11, 13, 20 * 60, 22 * 60},
        {"near apogee, slowest", MakeChart(2011, 3, 5, 12, 0, 0, 0, 'W', 0, 0), 26, 25, 27, 25 * 60, 27 * 60},
        {"just past 0° Aries", MakeChart(2011, 3, 8, 6, 0, 0, 0, 'W', 0, 0), 1, 28, 2, 20 * 60, 26 * 60},
        {"mansion 28, next is 1", MakeChart(2011, 3, 7, 12, 0, 0, 0, 'W', 0, 0), 28, 27, 1, 20 * 60, 26 * 60},
        {"India, zone 5:30 with summer time", MakeChart(1943, 6, 1, 12, 0, 88, 22, 'E', 5, 30, true), 0, 0, 0, 20 * 60, 26 * 60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const MansionPassage p = FindMansionPassage(c.birth);
        const LocalMinute birth{c.birth.BirthYear, c.birth.BirthMonth, c.birth.BirthDay, c.birth.BirthHour, c.birth.BirthMinute};
        const int mansion = MansionAtMinute(c.birth, birth);
        EXPECT_EQ(p.mansion, mansion);
        if (c.mansion != 0) {
            EXPECT_EQ(mansion, c.mansion);
            EXPECT_EQ(p.previousMansion, c.previous);
            EXPECT_EQ(p.nextMansion, c.next);
        }
        EXPECT_EQ(MansionAtMinute(c.birth, LocalMinuteShifted(p.entered.Local(), -1)), p.previousMansion);
        EXPECT_EQ(MansionAtMinute(c.birth, p.entered.Local()), mansion);
        EXPECT_EQ(MansionAtMinute(c.birth, LocalMinuteShifted(p.left.Local(), -1)), mansion);
        EXPECT_EQ(MansionAtMinute(c.birth, p.left.Local()), p.nextMansion);
        EXPECT_EQ(MansionAtMinute(c.birth, LocalMinuteShifted(p.left.Local(), 1)), p.nextMansion);
        EXPECT_EQ(p.nextMansion, mansion % 28 + 1);
        EXPECT_LE(MinutesBetween(p.entered.Local(), birth) + MinutesBetween(birth, p.left.Local()), c.longest);
        EXPECT_GE(MinutesBetween(p.entered.Local(), p.left.Local()), c.shortest);
    }
}

// Against a plain search over whole minutes (hourly steps out from the birth,
// then bisection), for births spread over the years, zones and hemispheres.
TEST(MansionPassageTest, AgreesWithAPlainSearch)
{
    auto plain = [](const ChartRecord& chart, const LocalMinute& birth, int mansion, int direction) {
        // A mansion lasts at most 27 hours: 30 steps of an hour are enough.
        long inside = 0, outside = direction * 60;
        for (int hours = 1; hours < 30 && MansionAtMinute(chart, LocalMinuteShifted(birth, outside)) == mansion; ++hours) {
            inside = outside;
            outside += direction * 60;
        }
        while (std::labs(outside - inside) > 1) {
            const long middle = inside + (outside - inside) / 2;
            (MansionAtMinute(chart, LocalMinuteShifted(birth, middle)) == mansion ? inside : outside) = middle;
        }
        return LocalMinuteShifted(birth, direction < 0 ? inside : outside);
    };
    for (int i = 0; i < 300; ++i) {
        const int n = i * 7919;
        const ChartRecord chart = MakeChart(1901 + n % 150, 1 + n % 12, 1 + n % 28, n % 24, n % 60, n % 180, n % 60,
                                            n % 2 ? 'E' : 'W', n % 13, n % 3 ? 0 : 30, n % 5 == 0);
        const LocalMinute birth{chart.BirthYear, chart.BirthMonth, chart.BirthDay, chart.BirthHour, chart.BirthMinute};
        const MansionPassage p = FindMansionPassage(chart);
        const LocalMinute entered = plain(chart, birth, p.mansion, -1), left = plain(chart, birth, p.mansion, 1);
        EXPECT_EQ(IsoLocalTime(p.entered), IsoLocalTime(entered, p.entered.offsetMinutes)) << i;
        EXPECT_EQ(IsoLocalTime(p.left), IsoLocalTime(left, p.left.offsetMinutes)) << i;
    }
}

TEST(MansionPassageTest, YearBoundaryAndZoneInTheTimes)
{
    const MansionPassage leaving = FindMansionPassage(MakeChart(2000, 12, 31, 22, 0, 0, 0, 'W', 0, 0));
    EXPECT_EQ(leaving.left.Local().year, 2001);
    const MansionPassage entering = FindMansionPassage(MakeChart(1999, 12, 31, 23, 30, 0, 0, 'W', 0, 0));
    EXPECT_EQ(entering.entered.Local().year, 1999);
    EXPECT_EQ(entering.left.Local().year, 2000);
    EXPECT_EQ(IsoLocalTime(entering.left).substr(0, 5), "2000-");
    const MansionPassage india = FindMansionPassage(MakeChart(1943, 6, 1, 12, 0, 88, 22, 'E', 5, 30, true));
    EXPECT_EQ(india.entered.offsetMinutes, 390);
    EXPECT_EQ(india.left.offsetMinutes, 390);
}

TEST(MansionPassageTest, InWordsForTheBirthDay)
{
    // 5 March 2011 at Greenwich: the slow Moon came into mansion 26 before
    // midnight and left it after the next.
    const ChartRecord slow = MakeChart(2011, 3, 5, 12, 0, 0, 0, 'W', 0, 0);
    EXPECT_EQ(DescribePassage(FindMansionPassage(slow), {2011, 3, 5, 12, 0}),
              "The Moon was in this mansion all day on 5 March 2011.");
    // An end on clocks without a name says its offset; a named one its name.
    auto at = [](const LocalMinute& local, int offset, const char* zone) {
        return ClockTime{UtcMinuteOf(local, offset), offset, zone};
    };
    MansionPassage p;
    p.entered = at({1987, 3, 21, 6, 12}, 0, "");
    p.left = at({1987, 3, 21, 22, 40}, 0, "");
    p.previousMansion = 15;
    p.nextMansion = 17;
    EXPECT_EQ(DescribePassage(p, {1987, 3, 21, 12, 0}),
              "On 21 March 1987 the Moon entered this mansion at 06:12 UTC+0, coming from mansion 15, Agrapha or "
              "Algarpha; it left it at 22:40 UTC+0 for mansion 17, Alchil.");
    p.entered = at({1987, 3, 20, 23, 0}, -330, "");
    p.left = at({1987, 3, 21, 22, 40}, -330, "");
    EXPECT_EQ(DescribePassage(p, {1987, 3, 21, 12, 0}),
              "On 21 March 1987 the Moon left this mansion at 22:40 UTC\u22125:30 for mansion 17, Alchil.");
    // The day given in the reader's language is the day said, whatever the passage.
    {
        const PassageSentences dayOnly{"%1", "%1", "%1", "%1", "%2", "21. M\xC3\xA4rz 1987"};
        MansionPassage kind = p;
        for (const int enters : {-2, 6}) {  // the hour it entered, on the day or before it
            for (const int leaves : {22, 30}) {  // the hour it left, on the day or after it
                kind.entered = at({1987, 3, 21, 0, 0}, 0, "");
                kind.entered.utcMinute += enters * 60;
                kind.left = at({1987, 3, 21, 0, 0}, 0, "");
                kind.left.utcMinute += leaves * 60;
                EXPECT_EQ(DescribePassage(kind, {1987, 3, 21, 12, 0}, dayOnly), "21. M\xC3\xA4rz 1987") << enters << " " << leaves;
            }
        }
    }
    // In another language's order: each %n where that language puts it, a % alone as it stands.
    PassageSentences german;
    german.leaves = "Am %1 verlie\xC3\x9F der Mond diese Station um %2 in Richtung %3 (100 %).";
    german.mansion = "Station %1, %2";
    EXPECT_EQ(DescribePassage(p, {1987, 3, 21, 12, 0}, german),
              "Am 21 March 1987 verlie\xC3\x9F der Mond diese Station um 22:40 UTC\u22125:30 in Richtung Station 17, Alchil (100 %).");
    p.entered = at({1987, 3, 21, 6, 12}, 0, "GMT");
    p.left = at({1987, 3, 21, 23, 40}, 60, "BST");
    EXPECT_EQ(DescribePassage(p, {1987, 3, 21, 12, 0}),
              "On 21 March 1987 the Moon entered this mansion at 06:12 GMT, coming from mansion 15, Agrapha or "
              "Algarpha; it left it at 23:40 BST for mansion 17, Alchil.");
    // The span from entry to leaving, each end with its own day and zone; across a year's end.
    p.entered = at({2026, 2, 15, 22, 36}, 0, "GMT");
    p.left = at({2026, 2, 17, 0, 45}, 345, "+0545");
    EXPECT_EQ(ClockAndDate(p.entered), "22:36 GMT, 15/2");
    EXPECT_EQ(ClockAndDate(p.left), "00:45 UTC+5:45, 17/2");
    p.entered = at({1999, 12, 31, 9, 5}, 0, "");
    p.left = at({2000, 1, 1, 23, 59}, 0, "");
    EXPECT_EQ(ClockAndDate(p.entered), "09:05 UTC+0, 31/12");
    EXPECT_EQ(ClockAndDate(p.left), "23:59 UTC+0, 1/1");
}

// Each end of a passage on the clocks of its own moment: London's birth the
// night the clocks went forward (31 March 2013, 01:00 UTC) entered in GMT and
// left in BST, the same instants as in the birth's own offset.
TEST(MansionPassageTest, EndsOnTheClocksOfTheirMoment)
{
    BirthMoment london = MomentOfTypedBirth(MakeChart(2013, 3, 31, 0, 30, 0, 7, 'W', 0, 0));
    const MansionPassage inBirthOffset = FindMansionPassage(london);
    london.where.clocks.zone = "Europe/London";
    london.where.clocks.changes = {{0, 0, "GMT"}, {UtcMinuteOf({2013, 3, 31, 1, 0}, 0), 60, "BST"}};
    const MansionPassage onClocks = FindMansionPassage(london);
    EXPECT_EQ(IsoLocalTime(onClocks.entered), "2013-03-30T10:07+00:00");
    EXPECT_EQ(IsoLocalTime(onClocks.left), "2013-03-31T08:38+01:00");
    EXPECT_EQ(onClocks.entered.utcMinute, inBirthOffset.entered.utcMinute);
    EXPECT_EQ(onClocks.left.utcMinute, inBirthOffset.left.utcMinute);
    EXPECT_EQ(ClockAndDate(onClocks.entered), "10:07 GMT, 30/3");
    EXPECT_EQ(ClockAndDate(onClocks.left), "08:38 BST, 31/3");
}

// The birth's own offset, from typed birth data, in both ends of the passage
// at every clock time of the day: whole hours, half and three-quarter hours,
// both sides of Greenwich, with summer time, and under an hour either way.
// The same birth typed in universal time has the same two instants.
TEST(MansionPassageTest, TypedOffsetsInBothEndsAtEveryHour)
{
    const struct {
        const char* what;
        int lonDeg;
        char hemisphere;
        int zoneHours, zoneMinutes;
        bool dst;
        int offset;       // minutes East, as typed
        const char* iso;  // as the tool writes it
    } zones[] = {
        {"Greenwich", 0, 'W', 0, 0, false, 0, "+00:00"},
        {"one hour West", 15, 'W', 1, 0, false, -60, "-01:00"},
        {"one hour West, summer time", 15, 'W', 1, 0, true, 0, "+00:00"},
        {"one hour East", 15, 'E', 1, 0, false, 60, "+01:00"},
        {"half an hour West", 7, 'W', 0, 30, false, -30, "-00:30"},
        {"half an hour West, summer time", 7, 'W', 0, 30, true, 30, "+00:30"},
        {"Newfoundland", 52, 'W', 3, 30, false, -210, "-03:30"},
        {"Newfoundland, summer time", 52, 'W', 3, 30, true, -150, "-02:30"},
        {"Marquesas", 139, 'W', 9, 30, false, -570, "-09:30"},
        {"Kathmandu", 85, 'E', 5, 45, false, 345, "+05:45"},
        {"Chatham Islands, summer time", 176, 'E', 12, 45, true, 825, "+13:45"},
        {"date line West", 179, 'W', 12, 0, false, -720, "-12:00"},
        {"Line Islands", 157, 'E', 14, 0, false, 840, "+14:00"},
    };
    const int clockMinutes[] = {0, 1, 59, 60, 61, 719, 720, 721, 1380, 1438, 1439};
    for (const auto& z : zones) {
        for (const int clock : clockMinutes) {
            const ChartRecord birth = MakeChart(1987, 3, 21, clock / 60, clock % 60, z.lonDeg, 0, z.hemisphere,
                                                z.zoneHours, z.zoneMinutes, z.dst);
            SCOPED_TRACE(std::string(z.what) + " at " + std::to_string(clock / 60) + ":" + std::to_string(clock % 60));
            EXPECT_EQ(ChartOffsetMinutes(birth), z.offset);
            const MansionPassage p = FindMansionPassage(birth, DayPath::Skipped);
            for (const ClockTime& end : {p.entered, p.left}) {
                const std::string iso = IsoLocalTime(end);
                EXPECT_EQ(iso.substr(iso.size() - 6), z.iso);
            }
            const LocalMinute utc = LocalMinuteShifted({1987, 3, 21, clock / 60, clock % 60}, -z.offset);
            const MansionPassage atGreenwich =
                FindMansionPassage(MakeChart(utc.year, utc.month, utc.day, utc.hour, utc.minute, 0, 0, 'W', 0, 0),
                                   DayPath::Skipped);
            EXPECT_EQ(p.entered.utcMinute, atGreenwich.entered.utcMinute);
            EXPECT_EQ(p.left.utcMinute, atGreenwich.left.utcMinute);
        }
    }
    // Each offset's minutes as typed, every minute of the day.
    for (const auto& z : zones) {
        for (int clock = 0; clock < 1440; ++clock) {
            const ChartRecord birth = MakeChart(2024, 2, 29, clock / 60, clock % 60, z.lonDeg, 0, z.hemisphere,
                                                z.zoneHours, z.zoneMinutes, z.dst);
            ASSERT_EQ(ChartOffsetMinutes(birth), z.offset) << z.what << " at minute " << clock;
        }
    }
}

// The day's path runs from the Moon at 00:00 to the Moon at 24:00 of the
// birth day, local time, as the engine gives them for those clock times.
TEST(MansionPassageTest, DayPathIsTheBirthDaysMidnights)
{
    for (const ChartRecord& birth : {MakeChart(2000, 1, 1, 12, 0, 0, 0, 'W', 0, 0),
                                     MakeChart(1987, 3, 21, 17, 42, 77, 13, 'E', 5, 30),
                                     MakeChart(1960, 12, 31, 23, 59, 74, 0, 'W', 5, 0)}) {
        SCOPED_TRACE(IsoLocalTime({birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthHour, birth.BirthMinute}, 0));
        auto moonAt = [&](const LocalMinute& t) {
            ChartRecord chart = birth;
            chart.BirthYear = static_cast<std::int16_t>(t.year);
            chart.BirthMonth = static_cast<std::int16_t>(t.month);
            chart.BirthDay = static_cast<std::int16_t>(t.day);
            chart.BirthHour = static_cast<std::int16_t>(t.hour);
            chart.BirthMinute = static_cast<std::int16_t>(t.minute);
            modEphemeris::ComputeMoonPosition(chart);
            return chart.MoonLongitude;
        };
        const LocalMinute midnight{birth.BirthYear, birth.BirthMonth, birth.BirthDay, 0, 0};
        const MansionPassage p = FindMansionPassage(birth);
        EXPECT_NEAR(p.dayStartLongitude, moonAt(midnight), 1e-9);
        EXPECT_NEAR(p.dayEndLongitude, moonAt(LocalMinuteShifted(midnight, 1440)), 1e-9);
        // A reading for the window and the page has the day's path; a batch
        // row's has the two ends alone, the same ones.
        const BirthReading whole = ReadBirth(MomentOfTypedBirth(birth), PassageWanted::Whole);
        const BirthReading ends = ReadBirth(MomentOfTypedBirth(birth), PassageWanted::TimesOnly);
        ASSERT_TRUE(whole.passage && ends.passage);
        EXPECT_NEAR(whole.passage->dayStartLongitude, moonAt(midnight), 1e-9);
        EXPECT_NEAR(whole.passage->dayEndLongitude, moonAt(LocalMinuteShifted(midnight, 1440)), 1e-9);
        EXPECT_EQ(ends.passage->dayStartLongitude, 0.0);
        EXPECT_EQ(IsoLocalTime(ends.passage->entered), IsoLocalTime(p.entered));
        EXPECT_EQ(IsoLocalTime(ends.passage->left), IsoLocalTime(p.left));
        EXPECT_FALSE(ReadBirth(MomentOfTypedBirth(birth), PassageWanted::None).passage);
    }
}

}  // namespace
