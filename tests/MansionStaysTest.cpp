#include "core/MansionStays.h"

#include "ChartFixture.h"
#include "core/ClockText.h"
#include "core/MansionReading.h"
#include "core/MansionVocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The mansion a reading gives for a local clock time at a fixed offset, made
// the way the main window makes one: the zone on the side of the meridian
// that holds it.
int ReadingMansion(const LocalMinute& t, int offsetMinutes)
{
    const int size = std::abs(offsetMinutes);
    ChartRecord chart =
        MakeChart(t.year, t.month, t.day, t.hour, t.minute, 0, 0, offsetMinutes > 0 ? 'E' : 'W', size / 60, size % 60);
    return ReadingForChart(chart).mansion;
}

int Next(int k) { return k == 28 ? 1 : k + 1; }
int Previous(int k) { return k == 1 ? 28 : k - 1; }

// The local clock time of an instant, by days and minutes counted here.
LocalMinute LocalOf(long utcMinute, int offsetMinutes)
{
    return LocalMinuteShifted({1970, 1, 1, 0, 0}, utcMinute + offsetMinutes);
}

long Utc(int year, int month, int day, int hour, int minute, int offsetMinutes)
{
    return (DaysFromCivil({year, month, day}) * 24 + hour) * 60 + minute - offsetMinutes;
}

// The stays of a span at a fixed offset, walked minute by minute with plain
// readings: each minute of each stay is in its mansion, the minute before
// `entered` in the one before, no gap between stays, and the span covered.
void ExpectMinuteByMinute(long from, long to, int offset)
{
    const MansionStays found = FindMansionStays(from, to, Clocks::Fixed(offset));
    ASSERT_EQ(found.status, StaysStatus::Found);
    ASSERT_FALSE(found.stays.empty());
    EXPECT_LE(found.stays.front().entered.utcMinute, from);
    EXPECT_GT(found.stays.front().left.utcMinute, from);
    EXPECT_LT(found.stays.back().entered.utcMinute, to);
    EXPECT_GE(found.stays.back().left.utcMinute, to);
    const MansionStay* previous = nullptr;
    for (const MansionStay& stay : found.stays) {
        SCOPED_TRACE(IsoLocalTime(stay.entered));
        EXPECT_EQ(stay.entered.offsetMinutes, offset);
        EXPECT_EQ(ReadingMansion(LocalOf(stay.entered.utcMinute - 1, offset), offset), Previous(stay.mansion));
        if (previous) {
            EXPECT_EQ(previous->left.utcMinute, stay.entered.utcMinute);
            EXPECT_EQ(Next(previous->mansion), stay.mansion);
        }
        // Between 20 and 27 hours in a mansion (15.4° to 11.8° a day).
        ASSERT_GE(stay.left.utcMinute - stay.entered.utcMinute, 20 * 60);
        ASSERT_LE(stay.left.utcMinute - stay.entered.utcMinute, 27 * 60);
        for (long m = stay.entered.utcMinute; m < stay.left.utcMinute; ++m)
            ASSERT_EQ(ReadingMansion(LocalOf(m, offset), offset), stay.mansion) << m - stay.entered.utcMinute;
        EXPECT_EQ(ReadingMansion(LocalOf(stay.left.utcMinute, offset), offset), Next(stay.mansion));
        previous = &stay;
    }
}

TEST(MansionStaysTest, AgreesMinuteByMinuteWithAPlainSearch)
{
    const struct {
        const char* what;
        int year, month, offset;
    } months[] = {
        {"January 2026 at UTC+11:00", 2026, 1, 660},
        {"July 1969 at UTC-04:00", 1969, 7, -240},
        {"March 2011 at UTC, perigee and apogee", 2011, 3, 0},
        {"February 1944 at UTC+05:45", 1944, 2, 345},
    };
    for (const auto& m : months) {
        SCOPED_TRACE(m.what);
        const int nextYear = m.month == 12 ? m.year + 1 : m.year, nextMonth = m.month % 12 + 1;
        ExpectMinuteByMinute(Utc(m.year, m.month, 1, 0, 0, m.offset), Utc(nextYear, nextMonth, 1, 0, 0, m.offset),
                             m.offset);
    }
}

// A year is some 370 stays, one after the other without a gap.
TEST(MansionStaysTest, AYearWithoutGapsAcrossItsEnds)
{
    const MansionStays year = FindMansionStays(Utc(2025, 12, 31, 0, 0, 60), Utc(2027, 1, 2, 0, 0, 60), Clocks::Fixed(60));
    ASSERT_EQ(year.status, StaysStatus::Found);
    EXPECT_GE(year.stays.size(), 28u * 13);
    EXPECT_LE(year.stays.size(), 28u * 14 + 2);
    bool crossesNewYear = false;
    for (std::size_t i = 1; i < year.stays.size(); ++i) {
        EXPECT_EQ(year.stays[i].entered.utcMinute, year.stays[i - 1].left.utcMinute) << i;
        EXPECT_EQ(year.stays[i].mansion, Next(year.stays[i - 1].mansion)) << i;
        crossesNewYear |= year.stays[i].entered.Local().year == 2025 && year.stays[i].left.Local().year == 2026;
    }
    EXPECT_TRUE(crossesNewYear);
    // The stays around midnight at the new year, and the last of the range, minute by minute.
    ExpectMinuteByMinute(Utc(2025, 12, 31, 23, 0, 60), Utc(2026, 1, 1, 1, 0, 60), 60);
    ExpectMinuteByMinute(Utc(2050, 12, 31, 12, 0, 0), Utc(2051, 1, 1, 0, 0, 0), 0);
}

// The program takes the years 1901 to 2050, in the span's local time; the
// stays at the edges reach out of them.
TEST(MansionStaysTest, FirstAndLastDatesTheProgramTakes)
{
    const Clocks tonga = Clocks::Fixed(13 * 60);
    const MansionStays first = FindMansionStays(Utc(1901, 1, 1, 0, 0, 780), Utc(1901, 1, 2, 0, 0, 780), tonga);
    ASSERT_EQ(first.status, StaysStatus::Found);
    ASSERT_FALSE(first.stays.empty());
    EXPECT_EQ(first.stays.front().entered.Local().year, 1900);
    ExpectMinuteByMinute(Utc(1901, 1, 1, 0, 0, 780), Utc(1901, 1, 2, 0, 0, 780), 780);
    const Clocks hawaii = Clocks::Fixed(-10 * 60);
    const MansionStays last = FindMansionStays(Utc(2050, 12, 31, 0, 0, -600), Utc(2051, 1, 1, 0, 0, -600), hawaii);
    ASSERT_EQ(last.status, StaysStatus::Found);
    EXPECT_EQ(last.stays.back().left.Local().year, 2051);

    const struct {
        const char* what;
        long from, to;
        StaysStatus status;
    } edges[] = {
        {"a minute before 1901", Utc(1900, 12, 31, 23, 59, 780), Utc(1901, 1, 2, 0, 0, 780), StaysStatus::OutOfRange},
        {"a minute into 2051", Utc(2050, 12, 1, 0, 0, 780), Utc(2051, 1, 1, 0, 1, 780), StaysStatus::OutOfRange},
        {"reversed", Utc(2000, 2, 1, 0, 0, 780), Utc(2000, 1, 1, 0, 0, 780), StaysStatus::Reversed},
        {"empty", Utc(2000, 2, 1, 0, 0, 780), Utc(2000, 2, 1, 0, 0, 780), StaysStatus::Found},
    };
    for (const auto& e : edges) {
        SCOPED_TRACE(e.what);
        const MansionStays s = FindMansionStays(e.from, e.to, tonga);
        EXPECT_EQ(s.status, e.status);
        EXPECT_TRUE(s.stays.empty());
    }
}

// London, 2026: summer time from 01:00 UTC on the last Sunday of March (29th)
// to 01:00 UTC on the last Sunday of October (25th).
TEST(MansionStaysTest, OffsetsInForceAcrossClockChanges)
{
    const long spring = Utc(2026, 3, 29, 1, 0, 0), autumn = Utc(2026, 10, 25, 1, 0, 0);
    const Clocks london{"Europe/London", {{spring - 365L * 1440, 0, "GMT"}, {spring, 60, "BST"}, {autumn, 0, "GMT"}}};
    for (const auto& [from, to] : {std::pair{Utc(2026, 3, 20, 0, 0, 0), Utc(2026, 4, 8, 0, 0, 0)},
                                   std::pair{Utc(2026, 10, 15, 0, 0, 60), Utc(2026, 11, 3, 0, 0, 0)}}) {
        const MansionStays local = FindMansionStays(from, to, london), universal = FindMansionStays(from, to, Clocks::Fixed(0));
        ASSERT_EQ(local.stays.size(), universal.stays.size());
        for (std::size_t i = 0; i < local.stays.size(); ++i) {
            const ClockTime& t = local.stays[i].entered;
            EXPECT_EQ(t.utcMinute, universal.stays[i].entered.utcMinute);
            const bool summer = t.utcMinute >= spring && t.utcMinute < autumn;
            EXPECT_EQ(t.offsetMinutes, summer ? 60 : 0) << IsoLocalTime(t);
            EXPECT_EQ(t.abbreviation, summer ? "BST" : "GMT") << IsoLocalTime(t);
            EXPECT_EQ(ReadingMansion(t.Local(), t.offsetMinutes), local.stays[i].mansion) << IsoLocalTime(t);
        }
    }
    // Local clock times to instants: the skipped hour and the repeated hour
    // are read with the offset before the change.
    EXPECT_EQ(london.UtcOf({2026, 3, 29, 0, 59}), spring - 1);
    EXPECT_EQ(london.UtcOf({2026, 3, 29, 1, 30}), spring + 30);
    EXPECT_EQ(london.UtcOf({2026, 3, 29, 2, 0}), spring);
    EXPECT_EQ(london.UtcOf({2026, 10, 25, 1, 30}), autumn - 30);
    EXPECT_EQ(london.UtcOf({2026, 10, 25, 2, 0}), autumn + 60);
    EXPECT_EQ(london.UtcOf({2026, 7, 1, 12, 0}), Utc(2026, 7, 1, 11, 0, 0));
}

TEST(MansionStaysTest, FilterByTopic)
{
    // February 2026 at UTC: the stays kept are those in the mansions whose
    // lines speak of the topic (read from the table by hand), in order.
    const MansionStays month = FindMansionStays(Utc(2026, 2, 1, 0, 0, 0), Utc(2026, 3, 1, 0, 0, 0), Clocks::Fixed(0));
    const struct {
        Topic topic;
        MansionField field;
        std::vector<int> mansions;
    } cases[] = {
        {Topic::HealthAndMedicine, FavorableCircumstances, {1, 14, 22, 23, 27}},
        {Topic::Travel, UnfavorableCircumstances, {9, 12, 14, 16, 27}},
    };
    for (const auto& c : cases) {
        std::vector<MansionStay> expected;
        for (const MansionStay& s : month.stays)
            if (std::find(c.mansions.begin(), c.mansions.end(), s.mansion) != c.mansions.end())
                expected.push_back(s);
        const std::vector<MansionStay> kept = StaysOnTopic(month.stays, c.field, c.topic);
        ASSERT_EQ(kept.size(), expected.size()) << TopicName(c.topic);
        EXPECT_GE(kept.size(), 5u);
        for (std::size_t i = 0; i < kept.size(); ++i)
            EXPECT_EQ(kept[i].entered.utcMinute, expected[i].entered.utcMinute);
    }
}

// The full reading of an instant, which decides a minute at a mansion's edge:
// the local clock time with the offset as its zone, ahead or behind.
TEST(MansionStaysTest, FullReadingOfAnInstant)
{
    for (const int offset : {660, 345, 0, -240, -570}) {
        for (int i = 0; i < 40; ++i) {
            const long utc = Utc(2026, 1, 1, 0, 0, 0) + i * 997L;
            EXPECT_EQ(MansionAtInstant(utc, offset), ReadingMansion(LocalOf(utc, offset), offset)) << offset << " " << i;
        }
    }
}

TEST(MansionStaysTest, InWords)
{
    MansionStay stay;
    stay.mansion = 14;
    stay.left = {Utc(2026, 2, 17, 0, 45, 660), 660, "AEDT"};
    EXPECT_EQ(ClockAndDate(stay.left), "00:45 AEDT, 17/2");
    stay.left.abbreviation.clear();
    EXPECT_EQ(ClockAndDate(stay.left), "00:45 UTC+11, 17/2");
    EXPECT_EQ(StayTitle(14), "Moon in mansion 14 \xE2\x80\x94 Al Simak (The Unarmed)");
    EXPECT_EQ(FieldItems(14, FavorableCircumstances).front(), "To save and protect sailors at sea");
    EXPECT_EQ(IsoLocalTime(stay.left), "2026-02-17T00:45+11:00");
    EXPECT_EQ(IsoUtcTime(stay.left.utcMinute), "2026-02-16T13:45Z");
}

}  // namespace
