#include "core/MansionStays.h"

#include "core/MansionBoundary.h"
#include "core/MansionChoice.h"
#include "core/modArabicLunarMansionInformation.h"
#include "core/modEphemeris.h"

#include <algorithm>
#include <cstdio>
#include <cstdint>

namespace {

constexpr LocalMinute Epoch{1970, 1, 1, 0, 0};

LocalMinute LocalAt(long utcMinute, int offsetMinutes) { return LocalMinuteShifted(Epoch, utcMinute + offsetMinutes); }

}  // namespace

ChartRecord ChartAtInstant(long utcMinute, int offsetMinutes)
{
    ChartRecord chart;
    SetChartClock(chart, LocalAt(utcMinute, offsetMinutes));
    const int size = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    chart.ZoneHours = static_cast<std::int16_t>(size / 60);
    chart.ZoneMinutes = static_cast<std::int16_t>(size % 60);
    chart.ZoneAhead = static_cast<std::int16_t>(offsetMinutes > 0 ? -1 : offsetMinutes < 0 ? 1 : 0);
    modEphemeris::ComputeMoonPosition(chart);
    return chart;
}

namespace {

// Minutes counted from `origin` (UTC minutes).
class InstantSource final : public MinuteSource {
public:
    InstantSource(long origin, const ZoneOffsets& zone) : origin_(origin), zone_(zone) {}

    MinuteReading ReadAt(long minute) const override
    {
        const long instant = origin_ + minute;
        const ChartRecord chart = ChartAtInstant(instant, zone_.At(instant));
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
    const ZoneOffsets& zone_;
};

StayTime At(long utcMinute, const ZoneOffsets& zone) { return {utcMinute, zone.At(utcMinute)}; }

bool InProgramYears(const LocalMinute& t) { return t.year >= 1901 && t.year <= 2050; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Mentions(std::string_view text, std::string_view word)
{
    if (word.empty())
        return true;
    const auto it = std::search(text.begin(), text.end(), word.begin(), word.end(),
                                [](char a, char b) { return Lower(a) == Lower(b); });
    return it != text.end();
}

}  // namespace

int ZoneOffsets::At(long utcMinute) const
{
    int offset = changes.empty() ? 0 : changes.front().offsetMinutes;
    for (const ZoneChange& c : changes) {
        if (c.fromMinute > utcMinute)
            break;
        offset = c.offsetMinutes;
    }
    return offset;
}

long ZoneOffsets::UtcOf(const LocalMinute& local) const
{
    const long asUtc = UtcMinuteOf(local, 0);
    // The offset before any change near the time first; a later one only when
    // the time, read with it, falls after that change.
    const int first = At(asUtc - 24 * 60);
    long utc = asUtc - first;
    const int then = At(utc);
    if (then != first && At(asUtc - then) == then)
        utc = asUtc - then;
    return utc;
}

LocalMinute StayTime::Local() const { return LocalAt(utcMinute, offsetMinutes); }

std::string StayTime::Iso() const { return IsoLocalTime(Local(), offsetMinutes); }

std::string StayTime::IsoUtc() const
{
    const std::string text = IsoLocalTime(LocalAt(utcMinute, 0), 0);
    return text.substr(0, text.size() - 6) + "Z";
}

long UtcMinuteOf(const LocalMinute& local, int offsetMinutes)
{
    return (DaysFromCivil(local.Date()) * 24 + local.hour) * 60 + local.minute - offsetMinutes;
}

int MansionAtInstant(long utcMinute, int offsetMinutes)
{
    MansionSignState state;
    return ChooseMansion(ChartAtInstant(utcMinute, offsetMinutes).MoonPositionText, state).mansion;
}

MansionStays FindMansionStays(long fromMinute, long toMinute, const ZoneOffsets& zone)
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

bool MansionFavours(int mansion, std::string_view word)
{
    return Mentions(modArabicLunarMansionInformation::MansionRowFor(mansion)[FavorableCircumstances], word);
}

bool MansionHinders(int mansion, std::string_view word)
{
    return Mentions(modArabicLunarMansionInformation::MansionRowFor(mansion)[UnfavorableCircumstances], word);
}

std::vector<MansionStay> StaysFavouring(const std::vector<MansionStay>& stays, std::string_view word)
{
    std::vector<MansionStay> kept;
    for (const MansionStay& s : stays)
        if (MansionFavours(s.mansion, word))
            kept.push_back(s);
    return kept;
}

std::string FirstFavour(int mansion)
{
    const std::string_view text = modArabicLunarMansionInformation::MansionRowFor(mansion)[FavorableCircumstances];
    return std::string(text.substr(0, text.find("\r\n")));
}

std::string StayTitle(int mansion)
{
    const auto row = modArabicLunarMansionInformation::MansionRowFor(mansion);
    return "Moon in mansion " + std::to_string(mansion) + " \xE2\x80\x94 " + std::string(row[ArabicName]) + " (" +
           std::string(row[EnglishMeaning]) + ")";
}

std::string DescribeNow(const MansionStay& stay)
{
    const auto row = modArabicLunarMansionInformation::MansionRowFor(stay.mansion);
    const LocalMinute left = stay.left.Local();
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", left.hour, left.minute);
    return "The Moon is in mansion " + std::to_string(stay.mansion) + ", " + std::string(row[ArabicName]) + " (" +
           std::string(row[EnglishMeaning]) + "), until " + clock + " on " + std::to_string(left.day) + " " +
           std::string(MonthName(left.month)) + " (UTC" + IsoZoneOffset(stay.left.offsetMinutes) + ")";
}
