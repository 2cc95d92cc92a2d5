#include "core/SignPosition.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    double longitude;
    const char* text;
};

TEST(SignPositionTest, FormatsReferenceLongitudes)
{
    const FormatCase cases[] = {
        {0.0, "0° 0' 0\" Ari"},
        {30.0, "0° 0' 0\" Tau"},
        {45.5125, "15° 30' 45\" Tau"},
        {100.0, "10° 0' 0\" Can"},
        {123.456, "3° 27' 21\" Leo"},
        {359.75, "29° 45' 0\" Pis"},
        {199.4626, "19° 27' 45\" Lib"},
        {29.999999, "29° 59' 59\" Ari"},  // fractions drop; nothing carries
        {330.0, "0° 0' 0\" Pis"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatSignPosition(c.longitude), c.text) << c.longitude;
}

TEST(SignPositionTest, EachSignHasItsAbbreviation)
{
    const char* signs[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    for (int k = 0; k < 12; ++k) {
        const std::string text = FormatSignPosition(30.0 * k + 12.5);
        EXPECT_EQ(text, std::string("12° 30' 0\" ") + signs[k]);
    }
}

TEST(SignPositionTest, UsesTheUtf8DegreeSign)
{
    EXPECT_EQ(FormatSignPosition(1.0).substr(1, 3), "\xC2\xB0 ");
}

}  // namespace
