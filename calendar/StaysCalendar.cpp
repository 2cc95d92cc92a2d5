#include "calendar/StaysCalendar.h"

#include "core/modArabicLunarMansionInformation.h"

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
    const auto row = modArabicLunarMansionInformation::MansionRowFor(mansion);
    auto items = [](std::string_view text) {
        std::string out;
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = text.find("\r\n", start);
            const std::string_view item = text.substr(start, end == std::string_view::npos ? end : end - start);
            if (!item.empty())
                out.append("- ").append(item).append("\n");
            if (end == std::string_view::npos)
                break;
            start = end + 2;
        }
        return out;
    };
    return "Favours:\n" + items(row[FavorableCircumstances]) + "Hinders:\n" + items(row[UnfavorableCircumstances]);
}

}  // namespace

std::string StayUid(const MansionStay& stay)
{
    std::string stamp = stay.entered.IsoUtc();  // 2026-02-16T13:45Z
    std::string compact;
    for (const char c : stamp)
        if (c != '-' && c != ':')
            compact += c;
    return compact + "-mansion-" + std::to_string(stay.mansion) + "@qamarel";
}

std::string StaysCalendarText(const std::vector<MansionStay>& stays, long stampMinute)
{
    const std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(
        icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                            icalproperty_new_prodid("-//Qamarel//Mansion Calendar//EN"),
                            icalproperty_new_calscale("GREGORIAN"), static_cast<void*>(nullptr)),
        icalcomponent_free);
    const icaltimetype stamp = UtcTime(stampMinute);
    for (const MansionStay& stay : stays) {
        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(StayUid(stay).c_str()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        icalcomponent_add_property(event, icalproperty_new_dtstart(UtcTime(stay.entered.utcMinute)));
        icalcomponent_add_property(event, icalproperty_new_dtend(UtcTime(stay.left.utcMinute)));
        icalcomponent_add_property(event, icalproperty_new_summary(StayTitle(stay.mansion).c_str()));
        icalcomponent_add_property(event, icalproperty_new_description(Description(stay.mansion).c_str()));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(calendar.get(), event);
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string out = text ? text : "";
    std::free(text);
    return out;
}
