#include "core/MansionPassage.h"

#include "core/MoonLongitude.h"
#include "core/SiderealOffset.h"
#include "core/TimeConversion.h"
#include "core/modEphemeris.h"
#include "core/modArabicLunarMansionInformation.h"
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

// The mansion of the birth data with the clock moved by `minutes`.
int MansionAt(const ChartRecord& birth, long minutes)
{
    MansionSignState state;
    return ChooseMansion(ChartAt(birth, minutes).MoonPositionText, state).mansion;
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

// The first whole minute of arc of mansion k (1..29; 29 is 360°), from 0° Aries:
// mansion k holds the minutes after floor(5400 (k-1) / 7) up to floor(5400 k / 7).
double MansionStart(int k)
{
    return k <= 1 ? 0.0 : ((5400 * (k - 1)) / 7 + 1) / 60.0;
}

// The minute nearest the change between `mansion` and its neighbour, found
// from the continuous longitude, then made exact by the readings' own path:
// returns the first minute after `inside`'s side of the boundary, i.e. the
// outside minute next to the mansion (before it when `entering`).
long ExactBoundary(const ChartRecord& birth, int mansion, double estimate, bool entering)
{
    long inside = entering ? static_cast<long>(std::ceil(estimate)) : static_cast<long>(std::ceil(estimate)) - 1;
    long outside = entering ? inside - 1 : inside + 1;
    const long step = entering ? -1 : 1;
    // Move until `inside` is in the mansion and `outside` is not; a few minutes at most.
    for (int guard = 0; guard < 180; ++guard) {
        const bool in = MansionAt(birth, inside) == mansion;
        const bool out = MansionAt(birth, outside) != mansion;
        if (in && out)
            return outside;
        const long move = in ? step : -step;  // still inside: further out; else back in
        inside += move;
        outside += move;
    }
    return outside;
}

}  // namespace

MansionPassage FindMansionPassage(const ChartRecord& birth)
{
    MansionPassage passage;
    passage.mansion = MansionAt(birth, 0);

    // The sidereal longitude at a real number of minutes from the birth, by the
    // engine's own series; its speed (degrees a minute) from a span of an hour.
    ChartRecord converted = birth;
    ConvertChartInputs(converted);
    auto longitude = [&](double minutes) {
        const double T = converted.JulianCenturies + minutes / (1440.0 * 36525.0);
        return ToSidereal(MoonTropicalLongitude(T), SiderealOffsetAt(T));
    };
    auto towards = [](double from, double to) { return std::fmod(to - from + 540.0, 360.0) - 180.0; };
    const double now = longitude(0);
    const double speed = towards(longitude(-30), longitude(30)) / 60.0;

    // Newton's method on each boundary, from the birth: the longitude is
    // smooth and nearly linear over a day, so a few steps come within a
    // second of time.
    auto reach = [&](double target) {
        double t = towards(now, target) / speed;
        for (int i = 0; i < 3; ++i)
            t += towards(longitude(t), target) / speed;
        return t;
    };
    const double enter = reach(MansionStart(passage.mansion));
    const double leave = reach(MansionStart(passage.mansion + 1));

    const long before = ExactBoundary(birth, passage.mansion, enter, true);
    passage.entered = LocalMinuteShifted(BirthMinute(birth), before + 1);
    passage.previousMansion = passage.mansion == 1 ? 28 : passage.mansion - 1;  // the Moon never turns back
    const long after = ExactBoundary(birth, passage.mansion, leave, false);
    passage.left = LocalMinuteShifted(BirthMinute(birth), after);
    passage.nextMansion = passage.mansion % 28 + 1;

    const long sinceMidnight = 60L * birth.BirthHour + birth.BirthMinute;
    passage.dayStartLongitude = longitude(-sinceMidnight);
    passage.dayEndLongitude = longitude(1440 - sinceMidnight);
    passage.zoneOffsetMinutes = static_cast<int>(std::lround((converted.LocalHours - converted.UniversalHours) * 60.0));
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
