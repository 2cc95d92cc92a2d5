#include "core/UpdateReminderRule.h"

#include "core/ReadingTextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdateReminderRuleTest, AsksAfterMoreThanFourteenDaysEitherWay)
{
    const CivilDate today{2026, 12, 7};
    const struct {
        const char* stored;
        ReminderAction action;
    } cases[] = {
        {"", ReminderAction::WriteToday},            // first run
        {"2026-12-07", ReminderAction::Nothing},
        {"2026-11-23", ReminderAction::Nothing},     // 14 days before
        {"2026-11-22", ReminderAction::AskAndWrite}, // 15 days before
        {"2026-12-21", ReminderAction::Nothing},     // 14 days after (clock set back)
        {"2026-12-22", ReminderAction::AskAndWrite}, // 15 days after
        {"2024-02-29", ReminderAction::AskAndWrite},
        {"07/12/2026", ReminderAction::Nothing},     // not a date of ours: silently nothing
        {"2026-02-30", ReminderAction::Nothing},
        {"garbage", ReminderAction::Nothing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideReminder(c.stored, today), c.action) << c.stored;
}

TEST(UpdateReminderRuleTest, CountsWholeDaysAcrossMonthsAndYears)
{
    EXPECT_EQ(DecideReminder("2026-12-17", {2027, 1, 1}), ReminderAction::AskAndWrite);  // 15 days over New Year
    EXPECT_EQ(DecideReminder("2026-12-18", {2027, 1, 1}), ReminderAction::Nothing);
    EXPECT_EQ(DecideReminder("2024-02-15", {2024, 3, 1}), ReminderAction::AskAndWrite);  // leap February: 15 days
    EXPECT_EQ(DecideReminder("2023-02-15", {2023, 3, 1}), ReminderAction::Nothing);      // 14 days
}

TEST(UpdateReminderRuleTest, DateTextReadsBackAsTheSameDate)
{
    for (const CivilDate d : {CivilDate{2026, 12, 7}, CivilDate{1999, 1, 1}, CivilDate{2400, 2, 29}}) {
        const std::optional<CivilDate> back = ParseReminderDate(ReminderDateText(d));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->year, d.year);
        EXPECT_EQ(back->month, d.month);
        EXPECT_EQ(back->day, d.day);
    }
    EXPECT_EQ(ReminderDateText({2026, 3, 4}), "2026-03-04");
    EXPECT_EQ(DecodeReadingText(ReminderSettingKey()), "Duration");
    EXPECT_EQ(ReminderSettingKey(), "\xA1\xD2\xCF\xBE\xD1\xC6\xCC\xCB");
}

}  // namespace
