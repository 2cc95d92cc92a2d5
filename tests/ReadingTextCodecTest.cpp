#include "core/ReadingTextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadingTextCodecTest, ShiftsEachByteBy93)
{
    // "19° 27' 45\" Lib" in the single-byte set; the degree sign (176) is left out.
    EXPECT_EQ(EncodeReadingText("19\xB0 27' 45\" Lib"),
              "\x8E\x96\x7D\x8F\x94\x84\x7D\x91\x92\x7F\x7D\xA9\xC6\xBF");
    EXPECT_EQ(DecodeReadingText("\x8E\x96\x7D\x8F\x94\x84\x7D\x91\x92\x7F\x7D\xA9\xC6\xBF"),
              "19 27' 45\" Lib");
}

TEST(ReadingTextCodecTest, LeavesOutWhatWouldOverflow)
{
    EXPECT_EQ(EncodeReadingText(std::string("\xA2\xA3\xFF", 3)), "\xFF");  // 162 + 93 = 255 stays
    EXPECT_EQ(DecodeReadingText(std::string("\x5C\x5D\x00", 3)), std::string("\x00", 1));  // 92 out, 93 -> 0
    EXPECT_EQ(EncodeReadingText(""), "");
    EXPECT_EQ(DecodeReadingText(""), "");
}

TEST(ReadingTextCodecTest, RoundTripOfEveryEncodableByte)
{
    std::string all;
    for (int b = 0; b <= 255 - ReadingTextShift; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(EncodeReadingText(all).size(), all.size());
    EXPECT_EQ(DecodeReadingText(EncodeReadingText(all)), all);
}

}  // namespace
