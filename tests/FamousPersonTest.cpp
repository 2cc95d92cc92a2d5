#include "core/modArabicLunarMansionInformation.h"
#include "core/MansionReading.h"

#include "ChartFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

// The famous people of the mansions, born as publicly recorded: date, local
// clock time (local noon where no time is recorded), birthplace longitude,
// and the zone and summer time in force there on that day.
struct Birth {
    const char* name;
    int year, month, day, hour, minute;
    int lonDeg, lonMin;
    char hemisphere;
    int zoneHours, zoneMinutes;
    bool dst;
    const char* place;
};

constexpr Birth Births[] = {
    {"Charles III", 1948, 11, 14, 21, 14, 0, 8, 'W', 0, 0, false, "London"},
    {"Ronald Reagan", 1911, 2, 6, 4, 16, 89, 47, 'W', 6, 0, false, "Tampico, Illinois"},
    {"Mick Jagger", 1943, 7, 26, 2, 30, 0, 13, 'E', 1, 0, true, "Dartford (double summer time)"},
    {"Tina Turner", 1939, 11, 26, 22, 10, 89, 16, 'W', 6, 0, false, "Brownsville, Tennessee"},
    {"Bette Davis", 1908, 4, 5, 23, 56, 71, 19, 'W', 5, 0, false, "Lowell, Massachusetts"},
    {"Taylor Swift", 1989, 12, 13, 12, 0, 75, 56, 'W', 5, 0, false, "West Reading, Pennsylvania"},
    {"Paul Simon", 1941, 10, 13, 2, 33, 74, 10, 'W', 5, 0, false, "Newark, New Jersey"},
    {"Jimi Hendrix", 1942, 11, 27, 10, 15, 122, 20, 'W', 8, 0, true, "Seattle (war time)"},
    {"Elizabeth II", 1926, 4, 21, 2, 40, 0, 8, 'W', 0, 0, true, "London (summer time)"},
    {"Anne Frank", 1929, 6, 12, 7, 30, 8, 41, 'E', 1, 0, false, "Frankfurt am Main"},
    {"Elon Musk", 1971, 6, 28, 7, 30, 28, 11, 'E', 2, 0, false, "Pretoria"},
    {"Serena Williams", 1981, 9, 26, 20, 28, 83, 57, 'W', 5, 0, true, "Saginaw, Michigan"},
    {"Werner Heisenberg", 1901, 12, 5, 4, 45, 9, 56, 'E', 1, 0, false, "Wuerzburg"},
    {"Walt Disney", 1901, 12, 5, 12, 0, 87, 38, 'W', 6, 0, false, "Chicago"},
    {"George Harrison", 1943, 2, 25, 0, 10, 2, 59, 'W', 0, 0, true, "Liverpool (war-time summer time)"},
    {"Bruce Lee", 1940, 11, 27, 7, 12, 122, 25, 'W', 8, 0, false, "San Francisco"},
    {"Bob Marley", 1945, 2, 6, 2, 30, 77, 11, 'W', 5, 0, false, "Nine Mile, Jamaica"},
    {"Michael Jordan", 1963, 2, 17, 13, 40, 73, 59, 'W', 5, 0, false, "Brooklyn"},
    {"Carl Sagan", 1934, 11, 9, 17, 5, 73, 57, 'W', 5, 0, false, "Brooklyn"},
    {"Freddie Mercury", 1946, 9, 5, 12, 0, 39, 11, 'E', 3, 0, false, "Zanzibar"},
    {"Tim Berners-Lee", 1955, 6, 8, 12, 0, 0, 7, 'W', 0, 0, true, "London (summer time)"},
    {"Indira Gandhi", 1917, 11, 19, 23, 11, 81, 51, 'E', 5, 30, false, "Allahabad"},
    {"Muhammad Ali", 1942, 1, 17, 18, 35, 85, 46, 'W', 6, 0, false, "Louisville, Kentucky"},
    {"Diana, Princess of Wales", 1961, 7, 1, 19, 45, 0, 30, 'E', 0, 0, true, "Sandringham (summer time)"},
    {"Audrey Hepburn", 1929, 5, 4, 3, 0, 4, 22, 'E', 0, 0, true, "Ixelles, Brussels (summer time)"},
    {"Grace Kelly", 1929, 11, 12, 5, 31, 75, 10, 'W', 5, 0, false, "Philadelphia"},
    {"Salvador Dali", 1904, 5, 11, 8, 45, 2, 58, 'E', 0, 0, false, "Figueres"},
    {"Whitney Houston", 1963, 8, 9, 20, 55, 74, 10, 'W', 5, 0, true, "Newark, New Jersey"},
};

// Each mansion's famous person, as the table names them, was born with the
// Moon in that mansion.
TEST(FamousPersonTest, EachMansionsPersonWasBornInIt)
{
    for (int mansion = 1; mansion <= 28; ++mansion) {
        const std::string_view person =
            modArabicLunarMansionInformation::MansionTable()[static_cast<std::size_t>(mansion - 1)][FamousPerson];
        const auto* b = std::find_if(std::begin(Births), std::end(Births), [&](const Birth& birth) { return person == birth.name; });
        ASSERT_NE(b, std::end(Births)) << "mansion " << mansion << ": no birth data for " << person;
        ChartRecord chart = MakeChart(b->year, b->month, b->day, b->hour, b->minute, b->lonDeg, b->lonMin,
                                      b->hemisphere, b->zoneHours, b->zoneMinutes, b->dst);
        const MansionReading reading = ReadingForChart(chart);
        EXPECT_EQ(reading.mansion, mansion) << person << ", born " << b->place << ": " << reading.position;
    }
}

}  // namespace
