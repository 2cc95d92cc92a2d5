#include "calendar/StaysCalendar.h"

#include "core/ClockText.h"
#include "core/MansionVocabulary.h"

#include <libical/ical.h>

#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

icaltimetype UtcTime(long utcMinute)
{
    return icaltime_from_timet_with_zone(static_cast<time_t>(utcMinute) * 60, 0, icaltimezone_get_utc_timezone());
}

// "Favours:" and "Hinders:" with the mansion's items, one a line.
std::string Description(int mansion)
{
    auto items = [mansion](MansionField field) {
        std::string out;
        for (const std::string_view item : FieldItems(mansion, field))
            if (!item.empty())
                out.append("- ").append(item).append("\n");
        return out;
    };
    return "Favours:\n" + items(FavorableCircumstances) + "Hinders:\n" + items(UnfavorableCircumstances);
}

// A calendar program's own property, "X-WR-…".
icalproperty* Extension(const char* name, const std::string& value)
{
    icalproperty* property = icalproperty_new_x(value.c_str());
    icalproperty_set_x_name(property, name);
    return property;
}

}  // namespace

std::string StayUid(const MansionStay& stay)
{
    std::string stamp = IsoUtcTime(stay.entered.utcMinute);  // 2026-02-16T13:45Z
    std::string compact;
    for (const char c : stamp)
        if (c != '-' && c != ':')
            compact += c;
    return compact + "-mansion-" + std::to_string(stay.mansion) + "@qamarel";
}

std::string StaysCalendarText(const std::vector<MansionStay>& stays, long stampMinute, const CalendarNames& names)
{
    const std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(
        icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                            icalproperty_new_prodid("-//Qamarel//Mansion Calendar//EN"),
                            icalproperty_new_calscale("GREGORIAN"), static_cast<void*>(nullptr)),
        icalcomponent_free);
    icalcomponent_add_property(calendar.get(), Extension("X-WR-CALNAME", names.title));
    if (!names.zone.empty())
        icalcomponent_add_property(calendar.get(), Extension("X-WR-TIMEZONE", names.zone));
    const icaltimetype stamp = UtcTime(stampMinute);
    for (const MansionStay& stay : stays) {
        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(StayUid(stay).c_str()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        icalcomponent_add_property(event, icalproperty_new_dtstart(UtcTime(stay.entered.utcMinute)));
        icalcomponent_add_property(event, icalproperty_new_dtend(UtcTime(stay.left.utcMinute)));
        icalcomponent_add_property(event, icalproperty_new_summary(StayTitle(stay.mansion).c_str()));
        const std::size_t mansion = static_cast<std::size_t>(stay.mansion);
        const std::string people = mansion < names.peopleByMansion.size() && !names.peopleByMansion[mansion].empty()
                                       ? "People: " + names.peopleByMansion[mansion] + "\n"
                                       : std::string();
        icalcomponent_add_property(event, icalproperty_new_description((people + Description(stay.mansion)).c_str()));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(calendar.get(), event);
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string out = text ? text : "";
    std::free(text);
    return out;
}
