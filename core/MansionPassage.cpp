#include "core/MansionPassage.h"

#include "core/ClockText.h"
#include "core/MansionBoundary.h"
#include "core/MansionChoice.h"
#include "core/MansionVocabulary.h"
#include "core/MoonLongitude.h"
#include "core/SiderealOffset.h"
#include "core/TimeConversion.h"
#include "core/modArabicLunarMansionInformation.h"
#include "core/modEphemeris.h"

#include <cmath>
#include <vector>

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

}  // namespace

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

    long ZoneOffsetMinutes() const
    {
        return std::lround((converted_.LocalHours - converted_.UniversalHours) * 60.0);
    }

private:
    const ChartRecord& birth_;
    ChartRecord converted_;
};

}  // namespace

MansionPassage FindMansionPassage(const BirthMoment& moment, DayPath dayPath)
{
    const ChartRecord& birth = moment.chart;
    MansionPassage passage;
    const BirthSource source(birth);
    const MoonAtMinute now = MoonAt(source, 0);
    passage.mansion = now.mansion;
    const MansionBoundary enter = FindMansionBoundary(source, now.mansion, now.motion, false);
    const MansionBoundary leave = FindMansionBoundary(source, now.mansion, now.motion, true);
    // The instants from the birth's own offset; each told on the clocks.
    const long birthUtc = UtcMinuteOf(BirthMinute(birth), static_cast<int>(source.ZoneOffsetMinutes()));
    passage.entered = moment.where.clocks.At(birthUtc + enter.after.minute);
    passage.previousMansion = PreviousMansion(passage.mansion);  // the Moon never turns back
    passage.left = moment.where.clocks.At(birthUtc + leave.after.minute);
    passage.nextMansion = NextMansion(passage.mansion);

    if (dayPath == DayPath::Computed) {
        const long sinceMidnight = 60L * birth.BirthHour + birth.BirthMinute;
        passage.dayStartLongitude = source.LongitudeAt(static_cast<double>(-sinceMidnight));
        passage.dayEndLongitude = source.LongitudeAt(static_cast<double>(1440 - sinceMidnight));
    }
    return passage;
}

MansionPassage FindMansionPassage(const ChartRecord& birth, DayPath dayPath)
{
    return FindMansionPassage(MomentOfTypedBirth(birth), dayPath);
}


namespace {

// `form` with each %1 .. %9 replaced by the argument of that number, in one pass.
std::string Filled(std::string_view form, const std::vector<std::string>& arguments)
{
    std::string text;
    for (std::size_t i = 0; i < form.size(); ++i) {
        const bool numbered = form[i] == '%' && i + 1 < form.size() && form[i + 1] >= '1' && form[i + 1] <= '9';
        const std::size_t n = numbered ? static_cast<std::size_t>(form[i + 1] - '1') : arguments.size();
        if (n < arguments.size()) {
            text += arguments[n];
            ++i;
        } else {
            text += form[i];
        }
    }
    return text;
}

}  // namespace

std::string DescribePassage(const MansionPassage& p, const LocalMinute& birth, const PassageSentences& sentences)
{
    const bool entersThatDay = p.entered.Local().SameDay(birth), leavesThatDay = p.left.Local().SameDay(birth);
    const std::string day = sentences.day.empty() ? DayText(birth.Date()) : std::string(sentences.day);
    auto mansion = [&](int k) {
        const std::string names(modArabicLunarMansionInformation::MansionRowFor(k)[LunarMansionName]);
        return Filled(sentences.mansion, {std::to_string(k), names});
    };
    if (entersThatDay && leavesThatDay)
        return Filled(sentences.entersAndLeaves, {day, ClockText(p.entered), mansion(p.previousMansion), ClockText(p.left),
                                                  mansion(p.nextMansion)});
    if (entersThatDay)
        return Filled(sentences.enters, {day, ClockText(p.entered), mansion(p.previousMansion)});
    if (leavesThatDay)
        return Filled(sentences.leaves, {day, ClockText(p.left), mansion(p.nextMansion)});
    return Filled(sentences.allDay, {day});
}

