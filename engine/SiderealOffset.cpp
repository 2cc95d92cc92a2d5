#include "engine/SiderealOffset.h"

#include "engine/MoonLongitude.h"

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
