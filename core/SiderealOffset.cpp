#include "core/SiderealOffset.h"

#include "core/MoonLongitude.h"

#include <cmath>

double SiderealOffsetAt(double T)
{
    const double omega = 125.044555 - 1934.1361849 * T + 0.0020762 * T * T;  // degrees
    const double L = 280.466449 + 36000.7698231 * T + 0.0003106 * T * T;     // degrees
    const double nutation = 17.23 * std::sin(omega * DegreesToRadians) +
                            1.27 * std::sin(2.0 * L * DegreesToRadians);  // arc-seconds
    const double precession = (5025.64 + 1.11 * T) * T;                   // arc-seconds
    return (nutation - precession - 85886.27) / 3600.0;
}

double SiderealOffsetRate(double T)
{
    const double omega = 125.044555 - 1934.1361849 * T + 0.0020762 * T * T;  // degrees
    const double L = 280.466449 + 36000.7698231 * T + 0.0003106 * T * T;     // degrees
    const double omegaRate = (-1934.1361849 + 2.0 * 0.0020762 * T) * DegreesToRadians;  // radians a century
    const double LRate = (36000.7698231 + 2.0 * 0.0003106 * T) * DegreesToRadians;
    const double nutation = 17.23 * std::cos(omega * DegreesToRadians) * omegaRate +
                            1.27 * std::cos(2.0 * L * DegreesToRadians) * 2.0 * LRate;  // arc-seconds a century
    const double precession = 5025.64 + 2.0 * 1.11 * T;
    return (nutation - precession) / 3600.0;
}

double ToSidereal(double tropical, double offset)
{
    // The offset is smaller than 360 in size, so one turn brings the sum into [0, 360).
    double sidereal = tropical + offset;
    if (sidereal < 0.0)
        sidereal += 360.0;
    // A sum a hair below 0 rounds to exactly 360 after the turn; that is 0° Aries,
    // and 360 would leave the position text without a sign.
    if (sidereal >= 360.0)
        sidereal = 0.0;
    return sidereal;
}
