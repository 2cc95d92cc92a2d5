#include "core/MansionReading.h"

#include "ChartFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(MansionReadingTest, ReadingFromBirthData)
{
    ChartRecord chart = MakeChart(2000, 1, 1, 12, 0, 0, 0, 'W', 0, 0);
    const MansionReading reading = ReadingForChart(chart);
    EXPECT_EQ(reading.status, PositionTextStatus::WellFormed);
    EXPECT_EQ(reading.position, "19\xC2\xB0 27' 45\" Lib");
    EXPECT_EQ(reading.mansion, 16);
    EXPECT_EQ(reading.texts[LunarMansionName], "Azubene or Ahubene");
    EXPECT_EQ(reading.texts[ArabicName], "Al Jubana");
    EXPECT_EQ(chart.MoonPositionText, reading.position);
}

TEST(MansionReadingTest, ReadingFromAFileText)
{
    const MansionReading reading = ReadingForPositionText("19 24' 14\" Can");
    EXPECT_EQ(reading.status, PositionTextStatus::WellFormed);
    EXPECT_EQ(reading.mansion, 9);
    EXPECT_EQ(reading.texts[LunarMansionName], "Archaam or Arcaph");
}

TEST(MansionReadingTest, DamagedTextGivesNoReading)
{
    for (const char* text : {"", "19 24' 14\" Cxn", "garbage Can", "99 0' 0\" Can"}) {
        const MansionReading reading = ReadingForPositionText(text);
        EXPECT_EQ(reading.status, PositionTextStatus::Malformed) << text;
        EXPECT_EQ(reading.mansion, 0) << text;
        EXPECT_TRUE(reading.texts[LunarMansionName].empty()) << text;
    }
}

}  // namespace
