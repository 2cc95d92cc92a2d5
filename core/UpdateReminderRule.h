#pragma once

#include "core/CivilCalendar.h"

#include <optional>
#include <string>
#include <string_view>

// The update reminder's rule, apart from the settings store and the clock.

// The key and value of the reminder's setting are stored shifted, as reading
// files are: the key is the shifted text "Duration".
std::string ReminderSettingKey();  // single-byte codes

// The date as the setting holds it before shifting: YYYY-MM-DD, whatever the
// user's locale, so that a date written reads back as the same date.
std::string ReminderDateText(CivilDate date);
std::optional<CivilDate> ParseReminderDate(std::string_view text);  // a date that exists, or nothing

enum class ReminderAction {
    Nothing,      // within 14 days, or a stored value that is no date: no question, no write
    WriteToday,   // first run (nothing stored): today is written, no question
    AskAndWrite,  // more than 14 days either way: ask, then write today whatever the answer
};

// DecideReminder — what the reminder does at start-up
// Inputs:  stored  the decoded setting ("" when absent); today  the local date
// Notes:   days = stored - today in whole calendar days; asks when |days| > 14,
//          so also when the clock was set back by more than 14 days.
ReminderAction DecideReminder(std::string_view stored, CivilDate today);
