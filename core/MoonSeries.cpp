#include "core/MoonSeries.h"

#include "core/MoonLongitude.h"
#include "core/MoonLongitudeTerms.h"
#include "core/SiderealOffset.h"

#include <array>
#include <cmath>

namespace {

constexpr double MinutesPerCentury = 1440.0 * 36525.0;

// A unit complex number, multiplied by hand: std::complex's product checks
// for infinities on every call.
struct Turn {
    double c = 1.0, s = 0.0;  // cos, sin
};

Turn operator*(const Turn& a, const Turn& b) { return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s}; }

// e^(i k x) for k = -Low..High from e^(ix).
template <int Low, int High>
struct Powers {
    std::array<Turn, Low + High + 1> p;
    explicit Powers(const Turn& x)
    {
        p[Low] = Turn{};
        for (int k = 1; k <= High; ++k)
            p[static_cast<std::size_t>(Low + k)] = p[static_cast<std::size_t>(Low + k - 1)] * x;
        for (int k = 1; k <= Low; ++k) {
            const Turn& up = p[static_cast<std::size_t>(Low + k)];
            p[static_cast<std::size_t>(Low - k)] = {up.c, -up.s};
        }
    }
    const Turn& operator[](double k) const { return p[static_cast<std::size_t>(Low + static_cast<int>(k))]; }
};

Turn TurnOf(double radians) { return {std::cos(radians), std::sin(radians)}; }

// Each term's argument rate, radians a minute.
const std::array<double, MoonLongitudeTerms.size()>& TermRates()
{
    static const std::array<double, MoonLongitudeTerms.size()> rates = [] {
        std::array<double, MoonLongitudeTerms.size()> r{};
        for (std::size_t i = 0; i < r.size(); ++i) {
            const MoonLongitudeTerm& t = MoonLongitudeTerms[i];
            r[i] = (t.d * MoonElongation.rate + t.m * SunMeanAnomaly.rate + t.mp * MoonMeanAnomaly.rate +
                    t.f * MoonArgumentOfLatitude.rate) *
                   DegreesToRadians / MinutesPerCentury;
        }
        return r;
    }();
    return rates;
}

}  // namespace

MoonMotionAt MoonSeriesAt(double T)
{
    // The fundamental arguments exactly as the engine forms them; the table's
    // multipliers stay within D 0..4, M -1..1, M' -2..3, F -2..2.
    const Powers<0, 4> D(TurnOf((MoonElongation.at0 + MoonElongation.rate * T) * DegreesToRadians));
    const Powers<1, 1> M(TurnOf((SunMeanAnomaly.at0 + SunMeanAnomaly.rate * T) * DegreesToRadians));
    const Powers<2, 3> Mp(TurnOf((MoonMeanAnomaly.at0 + MoonMeanAnomaly.rate * T) * DegreesToRadians));
    const Powers<2, 2> F(TurnOf((MoonArgumentOfLatitude.at0 + MoonArgumentOfLatitude.rate * T) * DegreesToRadians));
    const double E = EccentricityFactor(T);
    const auto& rates = TermRates();

    double sum = 0.0, speed = 0.0, acceleration = 0.0;
    for (std::size_t i = 0; i < MoonLongitudeTerms.size(); ++i) {
        const MoonLongitudeTerm& t = MoonLongitudeTerms[i];
        const Turn z = D[t.d] * M[t.m] * Mp[t.mp] * F[t.f];
        const double k = t.m != 0.0 ? t.c * E : t.c;
        sum += k * z.s;
        speed += k * rates[i] * z.c;
        acceleration -= k * rates[i] * rates[i] * z.s;
    }
    const double offset = SiderealOffsetAt(T);
    const double offsetRate = SiderealOffsetRate(T) / MinutesPerCentury;  // degrees a minute

    MoonMotionAt at;
    const double longitude = MoonMeanLongitude.at0 + MoonMeanLongitude.rate * T + sum + offset;
    at.longitude = longitude - 360.0 * std::floor(longitude / 360.0);
    if (at.longitude >= 360.0)
        at.longitude -= 360.0;
    at.speed = MoonMeanLongitude.rate / MinutesPerCentury + speed + offsetRate;
    at.acceleration = acceleration;
    return at;
}
