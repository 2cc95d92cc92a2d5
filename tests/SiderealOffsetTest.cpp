#include "core/SiderealOffset.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SiderealOffsetTest, ReferenceValues)
{
    EXPECT_NEAR(SiderealOffsetAt(0.0), -23.8535, 5e-5);
    // Independent Python evaluation of the same formula (double precision).
    EXPECT_NEAR(SiderealOffsetAt(0.0), -23.85350484390874, 1e-12);
    EXPECT_NEAR(SiderealOffsetAt(-0.07722108145106092), -23.754038614118105, 1e-12);
    EXPECT_NEAR(SiderealOffsetAt(-0.9899931553730321), -22.479815759701136, 1e-12);
    EXPECT_NEAR(SiderealOffsetAt(0.5099931363601795), -24.57245036324311, 1e-12);
}

// Precession carries the offset about 1.4 degrees a century, always growing in size.
TEST(SiderealOffsetTest, GrowsWithTime)
{
    EXPECT_NEAR(SiderealOffsetAt(1.0) - SiderealOffsetAt(0.0), -5026.75 / 3600.0, 0.02);
    for (double T = -1.0; T < 0.6; T += 0.1)
        EXPECT_LT(SiderealOffsetAt(T + 0.1), SiderealOffsetAt(T)) << T;
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
