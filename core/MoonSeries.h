#pragma once

// The Moon's sidereal longitude with its speed and acceleration, by the
// engine's own series, for searches that evaluate it many times.
struct MoonMotionAt {
    double longitude = 0;     // sidereal, degrees in [0, 360)
    double speed = 0;         // degrees a minute
    double acceleration = 0;  // degrees a minute²
};

// MoonSeriesAt — the engine's sidereal Moon longitude, its speed and acceleration
// Inputs:  T  Julian centuries of UT from J2000.0
// Notes:   1) The same terms, coefficients and sidereal offset as
//             MoonTropicalLongitude and SiderealOffsetAt; the sine and cosine
//             of each term's argument come from those of the four fundamental
//             arguments (D, M, M', F) by multiplying unit complex numbers, so
//             four sine-cosine pairs stand for twenty-five sines.
//          2) Agrees with ToSidereal(MoonTropicalLongitude(T), SiderealOffsetAt(T))
//             to about 1e-10 degrees (the rounding of the engine's large
//             arguments), not to the last bit: a reading still decides a minute
//             that lies at a mansion's edge.
//          3) The acceleration is the periodic terms' alone: the offset's and
//             E's change in it are below 1e-12 of a degree a minute².
// Checked: MoonSeriesTest.AgreesWithTheEngine — instants over 1900..2051
//          (tolerance 1e-9 degrees; speed against a central difference, 1e-9)
MoonMotionAt MoonSeriesAt(double T);
