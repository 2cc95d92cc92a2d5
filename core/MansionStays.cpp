#include "core/MansionStays.h"

#include "core/BirthMoment.h"
#include "core/ClockText.h"
#include "core/MansionBoundary.h"
#include "core/MansionChoice.h"
#include "core/MansionVocabulary.h"
#include "core/modEphemeris.h"

ChartRecord ChartAtInstant(long utcMinute, int offsetMinutes)
{
    ChartRecord chart;  // no Clocks made: a calendar reads thousands of instants
    SetChartInstant(chart, utcMinute, offsetMinutes);
    modEphemeris::ComputeMoonPosition(chart);
    return chart;
}

namespace {

// Minutes counted from `origin` (UTC minutes).
class InstantSource final : public MinuteSource {
public:
    InstantSource(long origin, const Clocks& zone) : origin_(origin), zone_(zone) {}

    MinuteReading ReadAt(long minute) const override
    {
        const long instant = origin_ + minute;
        const ChartRecord chart = ChartAtInstant(instant, zone_.OffsetAt(instant));
        MansionSignState state;
        return {minute, ChooseMansion(chart.MoonPositionText, state).mansion, chart.MoonLongitude};
    }

    double CenturiesAt(double minute) const override
    {
        // 1970-01-01 00:00 UTC is JD 2440587.5.
        return ((static_cast<double>(origin_) + minute) / 1440.0 + 2440587.5 - 2451545.0) / 36525.0;
    }

private:
    long origin_;
    const Clocks& zone_;
};

ClockTime At(long utcMinute, const Clocks& zone) { return zone.At(utcMinute); }

bool InProgramYears(const LocalMinute& t) { return t.year >= 1901 && t.year <= 2050; }

}  // namespace

int MansionAtInstant(long utcMinute, int offsetMinutes)
{
    MansionSignState state;
    return ChooseMansion(ChartAtInstant(utcMinute, offsetMinutes).MoonPositionText, state).mansion;
}

MansionStays FindMansionStays(long fromMinute, long toMinute, const Clocks& zone)
{
    MansionStays result;
    if (toMinute < fromMinute) {
        result.status = StaysStatus::Reversed;
        return result;
    }
    if (!InProgramYears(At(fromMinute, zone).Local()) ||
        !InProgramYears(At(toMinute > fromMinute ? toMinute - 1 : toMinute, zone).Local())) {
        result.status = StaysStatus::OutOfRange;
        return result;
    }
    if (toMinute == fromMinute)
        return result;

    const InstantSource source(fromMinute, zone);
    const MoonAtMinute start = MoonAt(source, 0);
    result.stays.reserve(static_cast<std::size_t>((toMinute - fromMinute) / 1200 + 2));
    MansionStay stay;
    stay.mansion = start.mansion;
    stay.entered = At(fromMinute + FindMansionBoundary(source, start.mansion, start.motion, false).after.minute, zone);
    MansionBoundary boundary = FindMansionBoundary(source, start.mansion, start.motion, true);
    for (;;) {
        stay.left = At(fromMinute + boundary.after.minute, zone);
        result.stays.push_back(stay);
        if (stay.left.utcMinute >= toMinute)
            break;
        stay.mansion = boundary.after.mansion;
        stay.entered = stay.left;
        boundary = FindMansionBoundary(source, stay.mansion, boundary.motion, true);
    }
    return result;
}

std::vector<MansionStay> StaysOnTopic(const std::vector<MansionStay>& stays, MansionField field, Topic topic)
{
    std::vector<MansionStay> kept;
    for (const MansionStay& s : stays)
        if (!LinesOnTopic(s.mansion, field, topic).empty())
            kept.push_back(s);
    return kept;
}

