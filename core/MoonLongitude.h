#pragma once

// Degrees to radians, as a fixed constant (not pi/180 computed at run time).
inline constexpr double DegreesToRadians = 0.0174532925199433;

// MoonTropicalLongitude — geocentric ecliptic longitude of the Moon, mean equinox of date
// Inputs:  T  double  Julian centuries from JD 2451545.0 (UT used as the time scale;
//                     the ~1 min TT-UT difference is below this series' accuracy)
// Returns: longitude in degrees, 0 <= value <= 360 (an exact positive multiple of
//          360 ends at 360, an exact negative one at 0)
// Notes:   1) Linear mean elements and the 25 largest periodic terms of the
//             ELP-2000/82 longitude series; no planetary terms, no nutation.
//          2) Accuracy about 0.05 degrees against the full series over 1900-2050.
// Source:  J. Meeus, Astronomical Algorithms, 2nd ed., ch. 47, table 47.A (first 25 rows)
// Checked: MoonLongitudeTest.ReferenceInstants — T = 0 -> 223.3161 deg (tolerance 5e-5);
//          MoonLongitudeTest.WithinTheClaimedAccuracyOfErfasMoon — 1901-2050 against
//          ERFA's eraMoon98 on the mean ecliptic of date: at most 0.032 deg (bound 0.05)
double MoonTropicalLongitude(double T);

// ReduceLongitude — bring a longitude into [0, 360] the way repeated +/-360 would
// Inputs:  degrees  double  any finite value
// Returns: degrees in [0, 360); in (0, 360] for positive inputs; 0 stays 0
double ReduceLongitude(double degrees);
