#include "core/MoonSeries.h"

#include "core/MoonLongitude.h"
#include "core/SiderealOffset.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double Engine(double T) { return ToSidereal(MoonTropicalLongitude(T), SiderealOffsetAt(T)); }

double Towards(double from, double to) { return std::fmod(to - from + 540.0, 360.0) - 180.0; }

constexpr double MinuteInCenturies = 1.0 / (1440.0 * 36525.0);

// The searches trust the series to 1e-8 degrees against a reading; here it is
// held to 1e-9 over the years the program takes and a little beyond.
TEST(MoonSeriesTest, AgreesWithTheEngine)
{
    for (int i = 0; i <= 2000; ++i) {
        const double T = -0.99 + 1.5 * i / 2000.0 + 0.000123 * (i % 7);  // 1901 to 2051
        const MoonMotionAt at = MoonSeriesAt(T);
        ASSERT_NEAR(Towards(Engine(T), at.longitude), 0.0, 1e-9) << T;
        ASSERT_GE(at.longitude, 0.0);
        ASSERT_LT(at.longitude, 360.0);
        // Speed and acceleration against central differences of the engine
        // over two minutes (their own error is some 1e-11 degrees a minute).
        const double h = 2.0;
        const double before = Engine(T - h * MinuteInCenturies), after = Engine(T + h * MinuteInCenturies);
        const double speed = Towards(before, after) / (2 * h);
        const double acceleration = (Towards(Engine(T), after) - Towards(before, Engine(T))) / (h * h);
        ASSERT_NEAR(at.speed, speed, 2e-10) << T;
        ASSERT_NEAR(at.acceleration, acceleration, 2e-10) << T;
        // 11.8 to 15.4 degrees a day.
        ASSERT_GT(at.speed * 1440.0, 11.5) << T;
        ASSERT_LT(at.speed * 1440.0, 15.6) << T;
    }
}

}  // namespace
