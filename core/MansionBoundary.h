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

// Where the minutes come from: a reading at a whole minute, exactly as a
// reading of that moment makes it, and the engine's longitude at any real
// minute between them (the same series, smooth).
class MinuteSource {
public:
    virtual ~MinuteSource() = default;
    virtual MinuteReading ReadAt(long minute) const = 0;
    virtual double LongitudeAt(double minute) const = 0;
};

// Two neighbouring minutes in two mansions: `after.minute` is the first
// minute in the later mansion. `speed` is the Moon's there, degrees a minute.
struct MansionBoundary {
    MinuteReading before, after;
    double speed = 0;
};

// FindMansionBoundary — the nearest change of mansion ahead of (or behind) a reading
// Inputs:  source   the minutes
//          from     a reading at a whole minute
//          speed    the Moon's speed near `from`, degrees a minute (> 0)
//          forward  true: the change from from.mansion to the next one;
//                   false: the change into from.mansion from the one before
// Returns: the two minutes around the change
// Notes:   1) One longitude at the first guess (distance over speed), a
//             quadratic through `from` and it (its speed and the guess's
//             longitude) solved by Newton's method, then the two whole minutes
//             around the root read exactly: three engine evaluations, more only
//             when the readings' whole-minute cut moves the change by a minute.
//          2) The Moon never turns back, so the mansions of the minutes run
//             in order and the two readings decide which way to move.
// Checked: MansionStaysTest.AgreesMinuteByMinuteWithAPlainSearch — a month of
//          changes against a minute-by-minute walk (exact)
MansionBoundary FindMansionBoundary(const MinuteSource& source, const MinuteReading& from, double speed, bool forward);

// The first whole minute of arc of mansion k (1..29; 29 is 360°), in degrees
// from 0° Aries: mansion k holds the minutes of arc above
// floor(5400 (k-1) / 7) up to floor(5400 k / 7).
double MansionStartLongitude(int k);

// The mansion after k, 1..28 around.
inline int NextMansion(int k) { return k % 28 + 1; }
inline int PreviousMansion(int k) { return k == 1 ? 28 : k - 1; }
