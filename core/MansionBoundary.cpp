#include "core/MansionBoundary.h"

#include <cmath>

namespace {

// The signed angle from `from` to `to`, degrees in [-180, 180).
double Towards(double from, double to) { return std::fmod(to - from + 540.0, 360.0) - 180.0; }

// Which side of the change a reading is on: mansions up to 13 behind the later
// one count as before it, the rest as after it (the Moon never turns back).
bool IsAfter(const MinuteReading& r, int later) { return (r.mansion - later + 28) % 28 < 14; }

}  // namespace

double MansionStartLongitude(int k)
{
    return k <= 1 ? 0.0 : ((5400 * (k - 1)) / 7 + 1) / 60.0;
}

MansionBoundary FindMansionBoundary(const MinuteSource& source, const MinuteReading& from, double speed, bool forward)
{
    const int later = forward ? NextMansion(from.mansion) : from.mansion;
    const double target = MansionStartLongitude(forward ? from.mansion + 1 : from.mansion);

    // Distance to go over the speed, then the longitude there: with `from`'s
    // own speed, a quadratic whose root is within a few seconds of time.
    const double distance = Towards(from.longitude, target);
    const double dt = distance / speed;
    const double acceleration =
        dt != 0.0 ? 2.0 * (Towards(from.longitude, source.LongitudeAt(from.minute + dt)) - speed * dt) / (dt * dt) : 0.0;
    double s = dt;
    for (int i = 0; i < 3; ++i)
        s -= (speed * s + 0.5 * acceleration * s * s - distance) / (speed + acceleration * s);

    // The first whole minute at or past the root, and the one before it, read
    // exactly; moved (Newton's step from what was read) until they straddle
    // the change. Whole-minute cuts of the position text move it at most a
    // minute from the root; the bound is far beyond any real case.
    long m = static_cast<long>(std::ceil(from.minute + s));
    MinuteReading after = source.ReadAt(m), before = source.ReadAt(m - 1);
    for (int guard = 0; guard < 64; ++guard) {
        const bool beforeIsAfter = IsAfter(before, later), afterIsAfter = IsAfter(after, later);
        if (!beforeIsAfter && afterIsAfter)
            break;
        const double local = Towards(before.longitude, after.longitude);
        const double step = Towards(after.longitude, target) / (local > 0 ? local : speed);
        long next = static_cast<long>(std::ceil(m + step));
        if (!afterIsAfter)
            next = next > m ? next : m + 1;  // both before the change: on
        else
            next = next < m ? next : m - 1;  // both past it: back
        if (next == m + 1) {
            before = after;
            after = source.ReadAt(next);
        } else if (next == m - 1) {
            after = before;
            before = source.ReadAt(next - 1);
        } else {
            after = source.ReadAt(next);
            before = source.ReadAt(next - 1);
        }
        m = next;
    }
    MansionBoundary boundary;
    boundary.before = before;
    boundary.after = after;
    const double local = Towards(before.longitude, after.longitude);
    boundary.speed = local > 0 ? local : speed;
    return boundary;
}
