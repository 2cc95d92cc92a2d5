#include "core/MoonLongitude.h"

#include <array>
#include <cmath>

namespace {

// Multipliers are small whole numbers held as doubles: converting them once
// here instead of on every evaluation gives the same products.
struct MoonLongitudeTerm {
    double d, m, mp, f;  // multipliers of D, M, M', F
    double c;            // coefficient, degrees
};

// Largest 25 terms of the lunar longitude series, in their published order.
// Terms with m != 0 are multiplied by E once; none has |m| = 2.
constexpr std::array<MoonLongitudeTerm, 25> MoonLongitudeTerms{{
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

}  // namespace

double ReduceLongitude(double degrees)
{
    // Same result as "while < 0 add 360, then while > 360 subtract 360": every
    // such step is exact in binary floating point, and so is subtracting a whole
    // multiple of 360 at once. The loops below only mend a quotient that floor()
    // got one off through rounding.
    double r = degrees - 360.0 * std::floor(degrees / 360.0);
    while (r < 0.0)
        r += 360.0;
    while (r >= 360.0)
        r -= 360.0;
    if (r == 0.0 && degrees > 0.0)
        r = 360.0;  // a positive multiple of 360 stops at 360, as the loop would
    return r;
}

double MoonTropicalLongitude(double T)
{
    // Mean elements, degrees, linear in T and not reduced.
    const double Lp = 218.3164591 + 481267.88134236 * T;
    const double D = (297.8502042 + 445267.1115168 * T) * DegreesToRadians;
    const double M = (357.5291092 + 35999.0502909 * T) * DegreesToRadians;
    const double Mp = (134.9634114 + 477198.8676313 * T) * DegreesToRadians;
    const double F = (93.2720993 + 483202.0175273 * T) * DegreesToRadians;
    const double E = 1.0 - 0.002516 * T - 0.0000074 * T * T;

    // All arguments first, then the sines: the argument sums do not wait on
    // the sine calls, and each is formed exactly as in a single loop.
    std::array<double, MoonLongitudeTerms.size()> arguments;
    for (std::size_t i = 0; i < MoonLongitudeTerms.size(); ++i) {
        const MoonLongitudeTerm& t = MoonLongitudeTerms[i];
        arguments[i] = t.d * D + t.m * M + t.mp * Mp + t.f * F;
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < MoonLongitudeTerms.size(); ++i) {
        const MoonLongitudeTerm& t = MoonLongitudeTerms[i];
        const double c = t.m != 0.0 ? t.c * E : t.c;
        sum += c * std::sin(arguments[i]);
    }
    return ReduceLongitude(Lp + sum);
}
