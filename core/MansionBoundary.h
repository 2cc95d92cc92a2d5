#pragma once

// The minute the Moon moves from one mansion to the next, as the readings
// themselves choose the mansion: the shared search under the passage of a
// birth and the stays of a calendar.

// The reading at one whole minute: its mansion and the engine's sidereal
// longitude (degrees, 0 to 360).
struct MinuteReading {
    long minute = 0;  // minutes from the source's own origin
    int mansion = 0;  // 1..28
    double longitude = 0;
};

// The Moon at a real minute: sidereal longitude (degrees), speed (degrees a
// minute) and acceleration (degrees a minute²).
struct MoonMotion {
    double minute = 0;
    double longitude = 0, speed = 0, acceleration = 0;
};

// Where the minutes come from: the time of a minute on the engine's scale, and
// a reading at a whole minute exactly as a reading of that moment makes it
// (the birth data or the zone's clock time, the engine, the position text and
// the choice of mansion).
class MinuteSource {
public:
    virtual ~MinuteSource() = default;
    virtual double CenturiesAt(double minute) const = 0;  // T, Julian centuries of UT from J2000.0
    virtual MinuteReading ReadAt(long minute) const = 0;
};

// Two neighbouring minutes in two mansions: `after.minute` is the first
// minute in the later mansion; `motion` is the Moon's there.
struct MansionBoundary {
    MinuteReading before, after;
    MoonMotion motion;
};

// The Moon at a minute, and the mansion a reading at that (whole) minute gives.
struct MoonAtMinute {
    int mansion = 0;
    MoonMotion motion;
};
MoonAtMinute MoonAt(const MinuteSource& source, long minute);

// FindMansionBoundary — the nearest change of mansion ahead of (or behind) a moment
// Inputs:  source   the minutes
//          mansion  the mansion at `from`
//          from     the Moon's motion at a moment in that mansion
//          forward  true: the change from `mansion` to the next one;
//                   false: the change into `mansion` from the one before
// Returns: the two minutes around the change
// Notes:   1) The first guess comes from `from`'s speed and acceleration
//             (within minutes for a day's travel). The engine's series is
//             evaluated there (MoonSeriesAt) and the root of its quadratic taken
//             (Newton's method); the two whole minutes around the root are read
//             from the same quadratic: one evaluation a change, two when the
//             guess was more than 8 minutes out.
//          2) A minute whose longitude lies within 1e-7° of the mansion's first
//             minute of arc (some 1e-5 minutes of time) is read in full, as a
//             reading: the readings' whole-minute cut of the position text
//             decides it. Farther, the series decides as the reading would: it
//             agrees with the reading to 1e-8°.
//          3) The Moon never turns back, so the mansions of the minutes run
//             in order; should the two minutes not straddle the change, the
//             search walks minute by minute with full readings.
// Checked: MansionStaysTest.AgreesMinuteByMinuteWithAPlainSearch — months of
//          changes against full readings of every minute (exact)
MansionBoundary FindMansionBoundary(const MinuteSource& source, int mansion, const MoonMotion& from, bool forward);

// The first whole minute of arc of mansion k (1..29; 29 is 0° again), in degrees
// from 0° Aries: mansion k holds the minutes of arc above
// floor(5400 (k-1) / 7) up to floor(5400 k / 7).
double MansionStartLongitude(int k);

// The mansion after k, 1..28 around.
inline int NextMansion(int k) { return k % 28 + 1; }
inline int PreviousMansion(int k) { return k == 1 ? 28 : k - 1; }
