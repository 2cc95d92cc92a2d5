#include "core/MansionPassage.h"

#include "core/MoonLongitude.h"
#include "core/SiderealOffset.h"
#include "core/TimeConversion.h"
#include "core/modEphemeris.h"
#include "core/modArabicLunarMansionInformation.h"
#include "core/MansionBoundary.h"
#include "core/MansionChoice.h"

#include <cmath>
#include <cstdio>

namespace {

LocalMinute BirthMinute(const ChartRecord& birth)
{
    return {birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthHour, birth.BirthMinute};
}

// The birth data with the clock moved by `minutes`, computed.
ChartRecord ChartAt(const ChartRecord& birth, long minutes)
{
    ChartRecord chart = birth;
    const LocalMinute t = LocalMinuteShifted(BirthMinute(birth), minutes);
    chart.BirthYear = static_cast<std::int16_t>(t.year);
    chart.BirthMonth = static_cast<std::int16_t>(t.month);
    chart.BirthDay = static_cast<std::int16_t>(t.day);
    chart.BirthHour = static_cast<std::int16_t>(t.hour);
    chart.BirthMinute = static_cast<std::int16_t>(t.minute);
    modEphemeris::ComputeMoonPosition(chart);
    return chart;
}

std::string Clock(const LocalMinute& t)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
    return text;
}

std::string Mansion(int k)
{
    return "mansion " + std::to_string(k) + ", " +
           std::string(modArabicLunarMansionInformation::MansionRowFor(k)[LunarMansionName]);
}

}  // namespace

LocalMinute LocalMinuteShifted(const LocalMinute& start, long minutes)
{
    const long total = (DaysFromCivil(start.Date()) * 24 + start.hour) * 60 + start.minute + minutes;
    const long days = total >= 0 ? total / 1440 : -((-total + 1439) / 1440);
    const long inDay = total - days * 1440;
    const CivilDate date = CivilFromDays(days);
    LocalMinute t;
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    t.hour = static_cast<int>(inDay / 60);
    t.minute = static_cast<int>(inDay % 60);
    return t;
}

namespace {

// The birth data's own minutes, counted from the birth.
class BirthSource final : public MinuteSource {
public:
    explicit BirthSource(const ChartRecord& birth) : birth_(birth), converted_(birth) { ConvertChartInputs(converted_); }

    MinuteReading ReadAt(long minute) const override
    {
        const ChartRecord chart = ChartAt(birth_, minute);
        MansionSignState state;
        return {minute, ChooseMansion(chart.MoonPositionText, state).mansion, chart.MoonLongitude};
    }

    // The sidereal longitude a real number of minutes from the birth, by the
    // engine's own series.
    double LongitudeAt(double minute) const override
    {
        const double T = converted_.JulianCenturies + minute / (1440.0 * 36525.0);
        return ToSidereal(MoonTropicalLongitude(T), SiderealOffsetAt(T));
    }

    double ZoneOffsetMinutes() const
    {
        return std::lround((converted_.LocalHours - converted_.UniversalHours) * 60.0);
    }

private:
    const ChartRecord& birth_;
    ChartRecord converted_;
};

}  // namespace

MansionPassage FindMansionPassage(const ChartRecord& birth)
{
    MansionPassage passage;
    const BirthSource source(birth);
    const MinuteReading now = source.ReadAt(0);
    passage.mansion = now.mansion;

    // The speed at the birth (degrees a minute), then each change from the
    // birth by the calendar's own search.
    double speed = source.LongitudeAt(1.0) - now.longitude;
    if (speed < 0)
        speed += 360.0;
    const MansionBoundary enter = FindMansionBoundary(source, now, speed, false);
    const MansionBoundary leave = FindMansionBoundary(source, now, speed, true);
    passage.entered = LocalMinuteShifted(BirthMinute(birth), enter.after.minute);
    passage.previousMansion = PreviousMansion(passage.mansion);  // the Moon never turns back
    passage.left = LocalMinuteShifted(BirthMinute(birth), leave.after.minute);
    passage.nextMansion = NextMansion(passage.mansion);

    const long sinceMidnight = 60L * birth.BirthHour + birth.BirthMinute;
    passage.dayStartLongitude = source.LongitudeAt(static_cast<double>(-sinceMidnight));
    passage.dayEndLongitude = source.LongitudeAt(static_cast<double>(1440 - sinceMidnight));
    passage.zoneOffsetMinutes = static_cast<int>(source.ZoneOffsetMinutes());
    return passage;
}

std::string IsoZoneOffset(int zoneOffsetMinutes)
{
    const int offset = std::abs(zoneOffsetMinutes);
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d:%02d", zoneOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::string IsoLocalTime(const LocalMinute& t, int zoneOffsetMinutes)
{
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
    return text + IsoZoneOffset(zoneOffsetMinutes);
}

std::string DescribePassage(const MansionPassage& p, const LocalMinute& birth)
{
    const bool entersThatDay = p.entered.SameDay(birth), leavesThatDay = p.left.SameDay(birth);
    if (!entersThatDay && !leavesThatDay)
        return "The Moon was in this mansion all day on " + DayText(birth.Date()) + ".";
    std::string text = "On " + DayText(birth.Date()) + " the Moon ";
    if (entersThatDay)
        text += "entered this mansion at " + Clock(p.entered) + ", coming from " + Mansion(p.previousMansion);
    if (entersThatDay && leavesThatDay)
        text += "; it ";
    if (leavesThatDay)
        text += std::string(entersThatDay ? "left it" : "left this mansion") + " at " + Clock(p.left) + " for " +
                Mansion(p.nextMansion);
    return text + ".";
}
