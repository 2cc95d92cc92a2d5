#pragma once
// The terms of the Moon's longitude series, shared by the engine
// (MoonTropicalLongitude) and its evaluation near an instant (MoonNear).

#include <array>

// A mean element linear in T (Julian centuries from J2000.0): degrees.
struct MeanElement {
    double at0, rate;  // degrees, degrees a century
};

inline constexpr MeanElement MoonMeanLongitude{218.3164591, 481267.88134236};  // L'
inline constexpr MeanElement MoonElongation{297.8502042, 445267.1115168};      // D
inline constexpr MeanElement SunMeanAnomaly{357.5291092, 35999.0502909};       // M
inline constexpr MeanElement MoonMeanAnomaly{134.9634114, 477198.8676313};     // M'
inline constexpr MeanElement MoonArgumentOfLatitude{93.2720993, 483202.0175273};  // F

// The Earth's orbital eccentricity factor E of the terms in M.
inline double EccentricityFactor(double T) { return 1.0 - 0.002516 * T - 0.0000074 * T * T; }

// Multipliers are small whole numbers held as doubles: converting them once
// here instead of on every evaluation gives the same products.
struct MoonLongitudeTerm {
    double d, m, mp, f;  // multipliers of D, M, M', F
    double c;            // coefficient, degrees
};

// Largest 25 terms of the lunar longitude series, in their published order.
// Terms with m != 0 are multiplied by E once; none has |m| = 2.
inline constexpr std::array<MoonLongitudeTerm, 25> MoonLongitudeTerms{{
    {0, 0, 1, 0, +6.288774},  {2, 0, -1, 0, +1.274027}, {2, 0, 0, 0, +0.658314},
    {0, 0, 2, 0, +0.213618},  {0, 1, 0, 0, -0.185116},  {0, 0, 0, 2, -0.114332},
    {2, 0, -2, 0, +0.058793}, {2, -1, -1, 0, +0.057066}, {2, 0, 1, 0, +0.053322},
    {2, -1, 0, 0, +0.045758}, {0, 1, -1, 0, -0.040923}, {1, 0, 0, 0, -0.034720},
    {0, 1, 1, 0, -0.030383},  {2, 0, 0, -2, +0.015327}, {0, 0, 1, 2, -0.012528},
    {0, 0, 1, -2, +0.010980}, {4, 0, -1, 0, +0.010675}, {0, 0, 3, 0, +0.010034},
    {4, 0, -2, 0, +0.008548}, {2, 1, -1, 0, -0.007888}, {2, 1, 0, 0, -0.006766},
    {1, 0, -1, 0, -0.005163}, {1, 1, 0, 0, +0.004987},  {2, -1, 1, 0, +0.004036},
    {2, 0, 2, 0, +0.003994},
}};

