#include "engine/SiderealOffset.h"

#include <gtest/gtest.h>

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

}  // namespace
