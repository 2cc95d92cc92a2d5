#include "base/TextBasics.h"
#include "base/Utf8Text.h"

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

namespace {

// Well-formed UTF-8 as RFC 3629 defines it, character by character.
TEST(Utf8TextTest, DecodesWellFormedCharactersOnly)
{
    const struct {
        std::string_view bytes;
        char32_t codePoint;
        std::size_t length;
    } cases[] = {
        {"A", 0x41, 1},
        {"\xC3\xA9", 0xE9, 2},
        {"\xE2\x82\xAC", 0x20AC, 3},
        {"\xF0\x9F\x98\x80", 0x1F600, 4},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
        {"\xC0\x80", 0, 0},          // overlong NUL
        {"\xE0\x80\x80", 0, 0},      // overlong
        {"\xED\xA0\x80", 0, 0},      // surrogate
        {"\xF4\x90\x80\x80", 0, 0},  // beyond U+10FFFF
        {"\xE2\x82", 0, 0},          // cut short
        {"\x80", 0, 0},              // continuation without a lead
        {"\xC3\x28", 0, 0},          // lead without a continuation
    };
    for (const auto& c : cases) {
        const Utf8Char got = DecodeUtf8At(c.bytes, 0);
        EXPECT_EQ(got.length, c.length) << testing::PrintToString(c.bytes);
        if (c.length != 0) {
            EXPECT_EQ(static_cast<unsigned long>(got.codePoint), static_cast<unsigned long>(c.codePoint));
        }
    }
}

}  // namespace
