#include "core/SingleByteText.h"

#include <gtest/gtest.h>

namespace {

TEST(SingleByteTextTest, DegreeSignIsByte176)
{
    EXPECT_EQ(Utf8ToSingleByte("19\xC2\xB0 27' 45\" Lib"), std::string("19\xB0 27' 45\" Lib"));
    EXPECT_EQ(SingleByteToUtf8("\xB0"), "\xC2\xB0");
}

TEST(SingleByteTextTest, Windows1252HighCodes)
{
    EXPECT_EQ(SingleByteToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(SingleByteToUtf8("\x92"), "\xE2\x80\x99");  // right single quotation mark
    EXPECT_EQ(SingleByteToUtf8("\x81"), "\xC2\x81");      // undefined: C1 control
    EXPECT_EQ(Utf8ToSingleByte("\xE2\x82\xAC"), std::string("\x80"));
}

TEST(SingleByteTextTest, EveryByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToSingleByte(SingleByteToUtf8(byte)), byte) << b;
    }
}

TEST(SingleByteTextTest, RefusesWhatTheSetCannotHold)
{
    for (const char* text : {"\xD8\xB9",          // Arabic letter ain
                             "\xF0\x9F\x8C\x99",  // crescent moon emoji
                             "\xC2",              // cut sequence
                             "\xC0\xB0",          // overlong
                             "\xED\xA0\x80",      // surrogate
                             "\xFF"})
        EXPECT_FALSE(Utf8ToSingleByte(text).has_value()) << text;
}

}  // namespace
