#include "core/MoonLongitude.h"

#include "core/MoonLongitudeTerms.h"

#include <array>
#include <cmath>


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
    const double Lp = MoonMeanLongitude.at0 + MoonMeanLongitude.rate * T;
    const double D = (MoonElongation.at0 + MoonElongation.rate * T) * DegreesToRadians;
    const double M = (SunMeanAnomaly.at0 + SunMeanAnomaly.rate * T) * DegreesToRadians;
    const double Mp = (MoonMeanAnomaly.at0 + MoonMeanAnomaly.rate * T) * DegreesToRadians;
    const double F = (MoonArgumentOfLatitude.at0 + MoonArgumentOfLatitude.rate * T) * DegreesToRadians;
    const double E = EccentricityFactor(T);

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
