#pragma once

#include "base/CompanionModules.h"
#include "calendar/StaysCalendar.h"
#include "core/MansionStays.h"

#include <string>
#include <vector>

// The reading tool's --ics: the module libqamarel-ics.so, loaded when asked
// for (see CompanionModules.h), so that other runs start without libical and
// the ICU libraries under it.
struct IcsModuleEntry {
    static constexpr const char* Library = "libqamarel-ics.so";
    static constexpr const char* Kind = "ics";
    static constexpr std::uint32_t Layout = 3;

    ModuleHeader header;  // first, so that the loader's check sees it
    // StaysCalendarText (StaysCalendar.h).
    std::string (*staysCalendarText)(const std::vector<MansionStay>& stays, long stampMinute, const CalendarNames& names);
};
