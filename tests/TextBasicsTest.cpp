#include "base/TextBasics.h"

#include <gtest/gtest.h>

namespace {

TEST(TextBasicsTest, DigitsAreTheTenAsciiDigitsOnly)
{
    for (int c = -128; c < 128; ++c)
        EXPECT_EQ(IsAsciiDigit(static_cast<char>(c)), c >= '0' && c <= '9') << c;
}

TEST(TextBasicsTest, TrimSpacesRemovesOnlyOuterSpaces)
{
    const struct {
        std::string_view in, out;
    } cases[] = {
        {"", ""},           {"   ", ""},         {"a", "a"},           {"  a b  ", "a b"},
        {"\ta\t", "\ta\t"}, {" x", "x"},         {"x ", "x"},          {" \xC2\xA0 ", "\xC2\xA0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrimSpaces(c.in), c.out) << '[' << c.in << ']';
}

TEST(TextBasicsTest, Endings)
{
    const struct {
        std::string_view text, ending;
        bool exact, anyCase;
    } cases[] = {
        {"reading.qmz", "qmz", true, true},   {"reading.QMZ", "qmz", false, true},
        {"wheel.Png", ".png", false, true},   {"png", ".png", false, false},
        {"", "", true, true},                 {"a.pdf", ".png", false, false},
        {"x.p\xC3\x89", ".p\xC3\xA9", false, false},  // ASCII letters only change case
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EndsWith(c.text, c.ending), c.exact) << c.text << " / " << c.ending;
        EXPECT_EQ(EndsWithIgnoringCase(c.text, c.ending), c.anyCase) << c.text << " / " << c.ending;
    }
}

}  // namespace
