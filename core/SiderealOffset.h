#pragma once

// SiderealOffsetAt — negated ayanamsa: add it to a tropical longitude to get the sidereal one
// Inputs:  T  double  Julian centuries from JD 2451545.0
// Returns: degrees, negative (about -23.8535 at T = 0, growing in size by ~1.4 deg a century)
// Notes:   1) -(85886.27" + 5025.64" T + 1.11" T^2 - 17.23" sin(Omega) - 1.27" sin(2L)):
//             an ayanamsa of 85886.27" at J2000 carried by general precession, plus
//             the two largest nutation-in-longitude terms: a true, not a mean, offset.
//          2) Omega: mean longitude of the Moon's ascending node; L: Sun's mean longitude.
// Source:  nutation terms from J. Meeus, Astronomical Algorithms, 2nd ed., ch. 22
// Checked: SiderealOffsetTest.ReferenceValues — T = 0 -> -23.8535 deg (tolerance 5e-5);
//          SiderealOffsetTest.PrecessionAndNutationAsErfaGivesThem — 1901-2050 against
//          ERFA's IAU 2006 precession and IAU 2000B nutation: within 0.001 deg (bound 0.002)
double SiderealOffsetAt(double T);

// SiderealOffsetRate — the derivative of SiderealOffsetAt, degrees a Julian century
// Notes:   for searches in time; the nutation terms' share reaches 1.5e-5 of it.
// Checked: MoonSeriesTest.AgreesWithTheEngine — through the Moon's speed
double SiderealOffsetRate(double T);

// ToSidereal — tropical longitude plus the (negative) offset, one turn added if below 0
// Inputs:  tropical  double  degrees in [0, 360]; offset  double  degrees, -360 < offset <= 0
// Returns: sidereal longitude in degrees, in [0, 360)
// Checked: SiderealOffsetTest.ToSiderealWrapsOnce — 10 + (-23.85) -> 346.15
double ToSidereal(double tropical, double offset);
