#include "core/MansionBoundary.h"

#include "core/MansionVocabulary.h"
#include "core/MoonSeries.h"

#include <cmath>

namespace {

// Closer than this to a mansion's first minute of arc (degrees), a minute is
// read in full; the series agrees with a reading to some 1e-9 degrees.
constexpr double Margin = 1e-7;

// How far from the point the series was evaluated at its quadratic is trusted
// to read a minute, minutes.
constexpr double Near = 8.0;

// The signed angle from `from` to `to`, degrees in [-180, 180).
double Towards(double from, double to) { return std::fmod(to - from + 540.0, 360.0) - 180.0; }

// Which side of the change a mansion is on: up to 13 behind the later one
// count as before it, the rest as after it (the Moon never turns back).
bool IsAfter(int mansion, int later) { return (mansion - later + 28) % 28 < 14; }

}  // namespace

double MansionStartLongitude(int k)
{
    return k <= 1 || k >= 29 ? 0.0 : ((5400 * (k - 1)) / 7 + 1) / 60.0;  // 29 is mansion 1 again, at 0°
}

MoonAtMinute MoonAt(const MinuteSource& source, long minute)
{
    const MoonMotionAt series = MoonSeriesAt(source.CenturiesAt(static_cast<double>(minute)));
    MoonAtMinute at;
    at.motion = {static_cast<double>(minute), series.longitude, series.speed, series.acceleration};
    at.mansion = MansionOfLongitude(series.longitude);
    if (std::fabs(Towards(MansionStartLongitude(at.mansion), series.longitude)) < Margin ||
        std::fabs(Towards(MansionStartLongitude(at.mansion + 1), series.longitude)) < Margin)
        at.mansion = source.ReadAt(minute).mansion;
    return at;
}

MansionBoundary FindMansionBoundary(const MinuteSource& source, int mansion, const MoonMotion& from, bool forward)
{
    const int later = forward ? NextMansion(mansion) : mansion;
    const int earlier = forward ? mansion : PreviousMansion(mansion);
    const double target = MansionStartLongitude(forward ? mansion + 1 : mansion);

    // The first guess: the distance over the speed, bent by the acceleration
    // (within a few minutes of time for a day's travel).
    const double distance = Towards(from.longitude, target);
    double s = distance / from.speed;
    for (int i = 0; i < 3; ++i)
        s -= (from.speed * s + 0.5 * from.acceleration * s * s - distance) /
             (from.speed + from.acceleration * s);

    // The series at the guess, and the root of its quadratic there (the
    // next term, the Moon's jerk, is under 6e-11° a minute³): the root lies
    // some 1e-9 minutes out when the guess was within Near minutes; else
    // again from the root found.
    double t = from.minute + s;
    MoonMotionAt at;
    double h = 0;
    for (int i = 0; i < 4; ++i) {
        at = MoonSeriesAt(source.CenturiesAt(t));
        const double d = Towards(at.longitude, target);
        h = d / at.speed;
        for (int j = 0; j < 3; ++j)
            h -= (at.speed * h + 0.5 * at.acceleration * h * h - d) / (at.speed + at.acceleration * h);
        if (std::fabs(h) <= Near)
            break;
        t += h;
    }
    const double root = t + h;

    // The two whole minutes around the root, from the series' value, speed and
    // acceleration at t (within Near + 2 minutes: off by under 1e-8°); each
    // read in full when it lies at the cut, or when the series did not settle.
    auto along = [&](double minute) {
        const double k = minute - t;
        return at.longitude + at.speed * k + 0.5 * at.acceleration * k * k;
    };
    const bool settled = std::fabs(h) <= Near;
    auto read = [&](long minute) {
        if (settled && std::fabs(static_cast<double>(minute) - t) <= Near + 2.0) {
            const double l = along(static_cast<double>(minute));
            const double d = Towards(target, l);
            if (std::fabs(d) >= Margin)
                return MinuteReading{minute, d >= 0 ? later : earlier, std::fmod(l + 360.0, 360.0)};
        }
        return source.ReadAt(minute);
    };
    long m = static_cast<long>(std::ceil(root));
    MinuteReading after = read(m), before = read(m - 1);
    for (int guard = 0; guard < 64 && !(!IsAfter(before.mansion, later) && IsAfter(after.mansion, later)); ++guard) {
        const long next = IsAfter(after.mansion, later) ? m - 1 : m + 1;  // both past the change: back; else on
        if (next > m) {
            before = after;
            after = read(next);
        } else {
            after = before;
            before = read(next - 1);
        }
        m = next;
    }
    MansionBoundary boundary;
    boundary.before = before;
    boundary.after = after;
    boundary.motion = {static_cast<double>(m), along(static_cast<double>(m)),
                       at.speed + at.acceleration * (static_cast<double>(m) - t), at.acceleration};
    boundary.motion.longitude = std::fmod(boundary.motion.longitude + 360.0, 360.0);
    return boundary;
}
