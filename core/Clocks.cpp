#include "core/Clocks.h"

#include <algorithm>

namespace {

constexpr LocalMinute Epoch{1970, 1, 1, 0, 0};

// The change in force at an instant; nullptr for clocks with no entry.
const ClockChange* ChangeAt(const std::vector<ClockChange>& changes, long utcMinute)
{
    if (changes.empty())
        return nullptr;
    const auto next = std::upper_bound(changes.begin(), changes.end(), utcMinute,
                                       [](long t, const ClockChange& c) { return t < c.fromUtcMinute; });
    return next == changes.begin() ? &changes.front() : &*(next - 1);
}

}  // namespace

LocalMinute LocalMinuteShifted(const LocalMinute& start, long minutes)
{
    const long total = (DaysFromCivil(start.Date()) * 24 + start.hour) * 60 + start.minute + minutes;
    const long days = total >= 0 ? total / 1440 : -((-total + 1439) / 1440);
    const long inDay = total - days * 1440;
    const CivilDate date = CivilFromDays(days);
    return {date.year, date.month, date.day, static_cast<int>(inDay / 60), static_cast<int>(inDay % 60)};
}

long UtcMinuteOf(const LocalMinute& local, int offsetMinutes)
{
    return (DaysFromCivil(local.Date()) * 24 + local.hour) * 60 + local.minute - offsetMinutes;
}

LocalMinute LocalAt(long utcMinute, int offsetMinutes)
{
    return LocalMinuteShifted(Epoch, utcMinute + offsetMinutes);
}

int Clocks::OffsetAt(long utcMinute) const
{
    const ClockChange* c = ChangeAt(changes, utcMinute);
    return c ? c->offsetMinutes : 0;
}

ClockTime Clocks::At(long utcMinute) const
{
    const ClockChange* c = ChangeAt(changes, utcMinute);
    return c ? ClockTime{utcMinute, c->offsetMinutes, c->abbreviation} : ClockTime{utcMinute, 0, {}};
}

long Clocks::UtcOf(const LocalMinute& local) const
{
    const long asUtc = UtcMinuteOf(local, 0);
    // The offset before any change near the time first; a later one only when
    // the time, read with it, falls after that change.
    const int first = OffsetAt(asUtc - 24 * 60);
    long utc = asUtc - first;
    const int then = OffsetAt(utc);
    if (then != first && OffsetAt(asUtc - then) == then)
        utc = asUtc - then;
    return utc;
}
