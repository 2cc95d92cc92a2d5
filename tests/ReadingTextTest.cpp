#include "core/ReadingText.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The reading of 0° Aries as the tool prints it and the result window
// copies it: the texts as the table holds them, read by hand.
TEST(ReadingTextTest, TextShowsCaptionsAndOneItemALine)
{
    std::ostringstream out;
    WriteReadingText(out, ReadingForPositionText("0\xC2\xB0 0' 0\" Ari"), std::string("Ada"));
    const std::string text = out.str();
    EXPECT_EQ(text.rfind("Name: Ada\nPosition: 0\xC2\xB0 0' 0\" Ari\nMansion: 1\nLunar Mansion Name: Alnath\n"
                         "Arabic Name: Al Sharatain\n",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("\nFavorable Circumstances:\n  To travel or go on a long journey\n"
                        "  To take medications or undergo surgery\nUnfavorable Circumstances:\n  Discords\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find('\r'), std::string::npos);
}

}  // namespace
