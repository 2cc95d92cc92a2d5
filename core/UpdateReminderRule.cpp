#include "core/UpdateReminderRule.h"

#include "core/ReadingTextCodec.h"

#include <cstdio>

std::string ReminderSettingKey()
{
    return EncodeReadingText("Duration");
}

std::string ReminderDateText(CivilDate date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<CivilDate> ParseReminderDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int fields[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int f = 0; f < 3; ++f)
        for (std::size_t i = 0; i < lengths[f]; ++i) {
            const char c = text[starts[f] + i];
            if (c < '0' || c > '9')
                return std::nullopt;
            fields[f] = 10 * fields[f] + (c - '0');
        }
    const CivilDate date{fields[0], fields[1], fields[2]};
    // A Gregorian date that exists.
    if (date.year < 1583 || date.day < 1 || date.day > DaysInGregorianMonth(date.month, date.year))
        return std::nullopt;
    return date;
}

ReminderAction DecideReminder(std::string_view stored, CivilDate today)
{
    if (stored.empty())
        return ReminderAction::WriteToday;
    const std::optional<CivilDate> last = ParseReminderDate(stored);
    if (!last)
        return ReminderAction::Nothing;
    const long days = DaysFromCivil(*last) - DaysFromCivil(today);
    return days < -14 || days > 14 ? ReminderAction::AskAndWrite : ReminderAction::Nothing;
}
