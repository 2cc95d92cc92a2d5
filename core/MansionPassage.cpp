#include "core/MansionPassage.h"

#include "core/MoonLongitude.h"
#include "core/SiderealOffset.h"
#include "core/TimeConversion.h"
#include "core/modEphemeris.h"
#include "core/modArabicLunarMansionInformation.h"
#include "core/MansionBoundary.h"
#include "core/MansionChoice.h"
#include "core/MansionStays.h"

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
    SetChartClock(chart, LocalMinuteShifted(BirthMinute(birth), minutes));
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

void SetChartClock(ChartRecord& chart, const LocalMinute& time)
{
    chart.BirthYear = static_cast<std::int16_t>(time.year);
    chart.BirthMonth = static_cast<std::int16_t>(time.month);
    chart.BirthDay = static_cast<std::int16_t>(time.day);
    chart.BirthHour = static_cast<std::int16_t>(time.hour);
    chart.BirthMinute = static_cast<std::int16_t>(time.minute);
}

namespace {

// The fourteen inputs of a chart and its zone's direction, without its
// position text (a copy of which would cost an allocation a passage).
ChartRecord InputsOf(const ChartRecord& birth)
{
    ChartRecord c;
    c.BirthMonth = birth.BirthMonth;
    c.BirthDay = birth.BirthDay;
    c.BirthYear = birth.BirthYear;
    c.BirthHour = birth.BirthHour;
    c.BirthMinute = birth.BirthMinute;
    c.ZoneHours = birth.ZoneHours;
    c.ZoneMinutes = birth.ZoneMinutes;
    c.LongitudeDegrees = birth.LongitudeDegrees;
    c.LongitudeMinutes = birth.LongitudeMinutes;
    c.LatitudeDegrees = birth.LatitudeDegrees;
    c.LatitudeMinutes = birth.LatitudeMinutes;
    c.IsEast = birth.IsEast;
    c.IsNorth = birth.IsNorth;
    c.IsDaylightSaving = birth.IsDaylightSaving;
    c.ZoneAhead = birth.ZoneAhead;
    return c;
}

// The birth data's own minutes, counted from the birth.
class BirthSource final : public MinuteSource {
public:
    explicit BirthSource(const ChartRecord& birth) : birth_(birth), converted_(InputsOf(birth))
    {
        ConvertChartInputs(converted_);
    }

    MinuteReading ReadAt(long minute) const override
    {
        const ChartRecord chart = ChartAt(birth_, minute);
        MansionSignState state;
        return {minute, ChooseMansion(chart.MoonPositionText, state).mansion, chart.MoonLongitude};
    }

    double CenturiesAt(double minute) const override
    {
        return converted_.JulianCenturies + minute / (1440.0 * 36525.0);
    }

    // The sidereal longitude a real number of minutes from the birth, by the
    // engine's own series.
    double LongitudeAt(double minute) const
    {
        const double T = CenturiesAt(minute);
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

MansionPassage FindMansionPassage(const ChartRecord& birth, DayPath dayPath)
{
    MansionPassage passage;
    const BirthSource source(birth);
    const MoonAtMinute now = MoonAt(source, 0);
    passage.mansion = now.mansion;
    const MansionBoundary enter = FindMansionBoundary(source, now.mansion, now.motion, false);
    const MansionBoundary leave = FindMansionBoundary(source, now.mansion, now.motion, true);
    passage.entered = LocalMinuteShifted(BirthMinute(birth), enter.after.minute);
    passage.previousMansion = PreviousMansion(passage.mansion);  // the Moon never turns back
    passage.left = LocalMinuteShifted(BirthMinute(birth), leave.after.minute);
    passage.nextMansion = NextMansion(passage.mansion);

    if (dayPath == DayPath::Computed) {
        const long sinceMidnight = 60L * birth.BirthHour + birth.BirthMinute;
        passage.dayStartLongitude = source.LongitudeAt(static_cast<double>(-sinceMidnight));
        passage.dayEndLongitude = source.LongitudeAt(static_cast<double>(1440 - sinceMidnight));
    }
    passage.zoneOffsetMinutes = static_cast<int>(source.ZoneOffsetMinutes());
    return passage;
}

namespace {

// Writes `value` (0..9999; years are 1900..2051 here) as `digits` decimal
// digits; returns the end.
char* Digits(char* p, int value, int digits)
{
    for (int i = digits - 1; i >= 0; --i, value /= 10)
        p[i] = static_cast<char>('0' + value % 10);
    return p + digits;
}

char* WriteZoneOffset(char* p, int zoneOffsetMinutes)
{
    const int offset = std::abs(zoneOffsetMinutes);
    *p++ = zoneOffsetMinutes < 0 ? '-' : '+';
    p = Digits(p, offset / 60 % 100, 2);
    *p++ = ':';
    return Digits(p, offset % 60, 2);
}

}  // namespace

std::string IsoZoneOffset(int zoneOffsetMinutes)
{
    char text[8];
    return std::string(text, WriteZoneOffset(text, zoneOffsetMinutes));
}

// Written by hand rather than by snprintf: a batch writes two a row.
std::string IsoLocalTime(const LocalMinute& t, int zoneOffsetMinutes)
{
    char text[32];
    char* p = text;
    p = Digits(p, t.year, 4);
    *p++ = '-';
    p = Digits(p, t.month, 2);
    *p++ = '-';
    p = Digits(p, t.day, 2);
    *p++ = 'T';
    p = Digits(p, t.hour, 2);
    *p++ = ':';
    p = Digits(p, t.minute, 2);
    return std::string(text, WriteZoneOffset(p, zoneOffsetMinutes));
}

PassageClocks PassageInBirthOffset(const MansionPassage& p)
{
    return {{p.entered, p.zoneOffsetMinutes, {}}, {p.left, p.zoneOffsetMinutes, {}}};
}

PassageClocks PassageInPlaceClocks(const MansionPassage& p, const ClockAtUtcMinute& clockAt)
{
    auto clock = [&](const LocalMinute& birthOffset) {
        const long utc = UtcMinuteOf(birthOffset, p.zoneOffsetMinutes);
        auto [offset, zone] = clockAt(utc);
        return PassageClock{StayTime{utc, offset}.Local(), offset, std::move(zone)};
    };
    return {clock(p.entered), clock(p.left)};
}

std::string UtcOffsetText(int offsetMinutes)
{
    const int size = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    char text[16];
    std::snprintf(text, sizeof text, "UTC%c%d:%02d", offsetMinutes < 0 ? '-' : '+', size / 60, size % 60);
    return text;
}

std::string DescribePassage(const MansionPassage& p, const LocalMinute& birth, const PassageClocks& clocks)
{
    const PassageClock &entered = clocks.entered, &left = clocks.left;
    const bool entersThatDay = entered.time.SameDay(birth), leavesThatDay = left.time.SameDay(birth);
    if (!entersThatDay && !leavesThatDay)
        return "The Moon was in this mansion all day on " + DayText(birth.Date()) + ".";
    auto at = [](const PassageClock& c) { return Clock(c.time) + (c.zone.empty() ? "" : " " + c.zone); };
    std::string text = "On " + DayText(birth.Date()) + " the Moon ";
    if (entersThatDay)
        text += "entered this mansion at " + at(entered) + ", coming from " + Mansion(p.previousMansion);
    if (entersThatDay && leavesThatDay)
        text += "; it ";
    if (leavesThatDay)
        text += std::string(entersThatDay ? "left it" : "left this mansion") + " at " + at(left) + " for " +
                Mansion(p.nextMansion);
    // Times without a zone's name are the birth's offset: said once.
    const PassageClock& said = entersThatDay ? entered : left;
    if (said.zone.empty())
        text += " (" + UtcOffsetText(said.offsetMinutes) + " clock)";
    return text + ".";
}

std::string DescribePassage(const MansionPassage& p, const LocalMinute& birth)
{
    return DescribePassage(p, birth, PassageInBirthOffset(p));
}

std::string PassageSpanText(const PassageClocks& clocks)
{
    auto end = [](const LocalMinute& t) {
        return Clock(t) + " on " + std::to_string(t.day) + " " + std::string(MonthName(t.month));
    };
    return "from " + end(clocks.entered.time) + " to " + end(clocks.left.time);
}
