#include "core/SiderealOffset.h"

#include <gtest/gtest.h>

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstdio>

namespace {

TEST(SiderealOffsetTest, ReferenceValues)
{
    EXPECT_NEAR(SiderealOffsetAt(0.0), -23.8535, 5e-5);
    // Regression anchors: the formula evaluated once in double precision,
    // outside the program.
    EXPECT_NEAR(SiderealOffsetAt(0.0), -23.85350484390874, 1e-12);
    EXPECT_NEAR(SiderealOffsetAt(-0.07722108145106092), -23.754038614118105, 1e-12);
    EXPECT_NEAR(SiderealOffsetAt(-0.9899931553730321), -22.479815759701136, 1e-12);
    EXPECT_NEAR(SiderealOffsetAt(0.5099931363601795), -24.57245036324311, 1e-12);
}

// The offset is the ayanamsa at J2000 (85886.27") carried by the general
// precession in longitude and moved by the nutation in longitude: against
// ERFA's IAU 2006 precession (eraP06e) and IAU 2000B nutation (eraNut00b),
// every 3 days over 1901-2050.
TEST(SiderealOffsetTest, PrecessionAndNutationAsErfaGivesThem)
{
    constexpr double Bound = 0.002;  // degrees: 5025.64" a century against 5028.80", and the nutation's small terms
    double worst = 0.0, worstT = 0.0;
    for (double day = 2415385.5 - ERFA_DJ00; day < 2470172.5 - ERFA_DJ00; day += 3.0) {
        double eps0, psia, oma, bpa, bqa, pia, bpia, epsa, chia, za, zetaa, thetaa, pa, gam, phi, psi, dpsi, deps;
        eraP06e(ERFA_DJ00, day, &eps0, &psia, &oma, &bpa, &bqa, &pia, &bpia, &epsa, &chia, &za, &zetaa, &thetaa, &pa,
                &gam, &phi, &psi);
        eraNut00b(ERFA_DJ00, day, &dpsi, &deps);
        const double erfa = -(85886.27 / 3600.0 + (pa + dpsi) * ERFA_DR2D);
        const double difference = std::fabs(SiderealOffsetAt(day / ERFA_DJC) - erfa);
        if (difference > worst) {
            worst = difference;
            worstT = day / ERFA_DJC;
        }
    }
    EXPECT_LT(worst, Bound) << "at T = " << worstT;
    std::printf("sidereal offset: at most %.5f degrees from ERFA's (T = %.3f)\n", worst, worstT);
}

TEST(SiderealOffsetTest, ToSiderealWrapsOnce)
{
    EXPECT_NEAR(ToSidereal(10.0, -23.85), 346.15, 1e-12);       // into Pisces
    EXPECT_NEAR(ToSidereal(360.0, -23.85), 336.15, 1e-12);      // 360 never reaches the text
    EXPECT_NEAR(ToSidereal(223.3161, -23.8535), 199.4626, 1e-12);
    EXPECT_EQ(ToSidereal(23.85, -23.85), 0.0);
    EXPECT_LT(ToSidereal(23.85 - 1e-9, -23.85), 360.0);
    // One unit in the last place below zero: 360 - 3.6e-15 rounds to 360.
    EXPECT_EQ(ToSidereal(23.85, -std::nextafter(23.85, 100.0)), 0.0);
}

}  // namespace
