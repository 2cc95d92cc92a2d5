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

// Rounded to the second with the carry, and each sign by its full name.
TEST(SignPositionTest, InWords)
{
    const struct {
        double longitude;
        const char* words;
    } cases[] = {
        {173.0 + 44.0 / 60 + 31.0 / 3600, "23\xC2\xB0 44\xE2\x80\xB2 31\xE2\x80\xB3 Virgo"},
        {0.0, "0\xC2\xB0 0\xE2\x80\xB2 0\xE2\x80\xB3 Aries"},
        {29.0 + 59.0 / 60 + 59.6 / 3600, "0\xC2\xB0 0\xE2\x80\xB2 0\xE2\x80\xB3 Taurus"},  // carried up
        {359.9999, "0\xC2\xB0 0\xE2\x80\xB2 0\xE2\x80\xB3 Aries"},
        {200.0 + 27.0 / 60 + 45.0 / 3600 - 1e-9, "20\xC2\xB0 27\xE2\x80\xB2 45\xE2\x80\xB3 Libra"},
        {235.5, "25\xC2\xB0 30\xE2\x80\xB2 0\xE2\x80\xB3 Scorpio"},
        {330.25, "0\xC2\xB0 15\xE2\x80\xB2 0\xE2\x80\xB3 Pisces"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SignPositionInWords(c.longitude), c.words) << c.longitude;
    const char* names[] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                           "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(SignPositionInWords(k * 30.0 + 1), std::string("1\xC2\xB0 0\xE2\x80\xB2 0\xE2\x80\xB3 ") + names[k]) << k;
    EXPECT_EQ(SignPositionInWords(360.0), "");
    EXPECT_EQ(SignPositionInWords(-1.0), "");
}
