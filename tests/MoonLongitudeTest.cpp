#include "core/MoonLongitude.h"

#include <gtest/gtest.h>

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

// The instants given with the series: 1992 April 12 0h (Meeus's example 47.a
// instant; the full series gives 133.1627, these 25 terms 133.1581) and J2000.0.
TEST(MoonLongitudeTest, ReferenceInstants)
{
    EXPECT_NEAR(MoonTropicalLongitude(-0.0772210814510609), 133.1581, 5e-5);
    EXPECT_NEAR(MoonTropicalLongitude(0.0), 223.3161, 5e-5);
}

struct Anchor {
    const char* instant;
    double T;
    double longitude;
};

// Regression anchors over the supported years (the 25-term series evaluated
// once in double precision, outside the program). Any drift in the constants,
// the term table or the order of operations shows here; how far the series
// is from the Moon is the next test's.
TEST(MoonLongitudeTest, RegressionAnchors)
{
    const Anchor anchors[] = {
        {"1901-01-01 00:00 UT", -0.9899931553730321, 48.31003804184729},
        {"1926-04-21 01:40 UT", -0.7369864628488858, 132.11641659587622},
        {"1950-07-15 06:30 UT", -0.49465377595254395, 112.88434507863712},
        {"1969-07-20 20:17 UT", -0.3044943151570461, 187.86021785493358},
        {"1992-04-12 00:00 UT", -0.07722108145106092, 133.1580838534428},
        {"2000-01-01 12:00 UT", 0.0, 223.31610291602644},
        {"2024-02-29 23:59 UT", 0.2416290022054909, 220.4633862151386},
        {"2050-12-31 23:59 UT", 0.5099931363601795, 144.7851495804207},
    };
    for (const Anchor& a : anchors)
        EXPECT_NEAR(MoonTropicalLongitude(a.T), a.longitude, 1e-9) << a.instant;
}

// The claimed accuracy, against ERFA's Moon (eraMoon98: Meeus's whole
// simplified ELP-2000/82 series, GCRS) turned onto the mean ecliptic and
// equinox of date (eraEcm06), every 0.7 days over 1901-2050. Both take the
// same time argument, so the difference is the series' alone.
TEST(MoonLongitudeTest, WithinTheClaimedAccuracyOfErfasMoon)
{
    constexpr double Bound = 0.05;  // degrees, as MoonLongitude.h says
    const double from = 2415385.5 - ERFA_DJ00, to = 2470172.5 - ERFA_DJ00;  // 1901-01-01 to 2051-01-01
    double worst = 0.0, worstDay = 0.0;
    int instants = 0;
    for (double day = from; day < to; day += 0.7, ++instants) {
        double pv[2][3], rm[3][3], ecliptic[3];
        eraMoon98(ERFA_DJ00, day, pv);
        eraEcm06(ERFA_DJ00, day, rm);
        eraRxp(rm, pv[0], ecliptic);
        const double erfa = std::atan2(ecliptic[1], ecliptic[0]) * ERFA_DR2D;
        const double difference = std::remainder(MoonTropicalLongitude(day / ERFA_DJC) - erfa, 360.0);
        if (std::fabs(difference) > worst) {
            worst = std::fabs(difference);
            worstDay = day;
        }
    }
    EXPECT_GT(instants, 75000);
    EXPECT_LT(worst, Bound) << "the series is " << worst << " degrees from ERFA's Moon at JD " << worstDay + ERFA_DJ00;
    std::printf("Moon: at most %.4f degrees from ERFA's (JD %.1f)\n", worst, worstDay + ERFA_DJ00);
}

// The reduction as first written: repeated additions and subtractions.
double ReduceByLoops(double x)
{
    while (x < 0)
        x += 360;
    while (x > 360)
        x -= 360;
    return x;
}

TEST(MoonLongitudeTest, ReductionMatchesRepeatedTurns)
{
    std::mt19937_64 random(20261207);
    // The whole range that the mean longitude spans over 1901..2050, and beyond.
    std::uniform_real_distribution<double> any(-500000.0, 300000.0);
    for (int i = 0; i < 20000; ++i) {
        const double x = any(random);
        ASSERT_EQ(ReduceLongitude(x), ReduceByLoops(x)) << std::hexfloat << x;
    }
}

TEST(MoonLongitudeTest, ReductionOfExactTurns)
{
    const struct {
        double in, out;
    } cases[] = {
        {0.0, 0.0},        {360.0, 360.0},     {720.0, 360.0},  {-360.0, 0.0},
        {-720.0, 0.0},     {361.0, 1.0},       {-1.0, 359.0},   {359.5, 359.5},
        {-475200.0, 0.0},  {244800.0, 360.0},  {244800.25, 0.25},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReduceLongitude(c.in), c.out) << c.in;
        EXPECT_EQ(ReduceByLoops(c.in), c.out) << c.in;
    }
}

TEST(MoonLongitudeTest, StaysWithinOneTurnOverTheSupportedYears)
{
    for (double T = -1.0; T <= 0.51; T += 0.0001) {
        const double lon = MoonTropicalLongitude(T);
        ASSERT_GE(lon, 0.0) << T;
        ASSERT_LE(lon, 360.0) << T;
    }
}

}  // namespace
