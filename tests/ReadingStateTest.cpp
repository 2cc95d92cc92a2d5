#include "core/ReadingState.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadingStateTest, WellFormedTextBecomesTheCurrentMansion)
{
    ReadingState state;
    EXPECT_EQ(ChooseCurrentMansion(state, "15\xC2\xB0 30' 0\" Cap"), PositionTextStatus::WellFormed);
    EXPECT_EQ(state.currentMansion[LunarMansionName], "Zabadola or Zobrach");
    EXPECT_EQ(state.currentMansion[ArabicName], "Al Sad Al Bulah");
    EXPECT_EQ(state.sign.MoonSignDegrees, 15);
    EXPECT_EQ(state.sign.MoonSignMinutes, 30);
}

// A damaged text changes nothing: no older mansion is shown as if it were its own.
TEST(ReadingStateTest, DamagedTextChangesNothing)
{
    ReadingState state;
    ChooseCurrentMansion(state, "0\xC2\xB0 0' 0\" Ari");
    const ReadingState before = state;
    for (const char* text : {"", "7 8' 9\" Xyz", "45 0' 0\" Ari", "x"}) {
        EXPECT_EQ(ChooseCurrentMansion(state, text), PositionTextStatus::Malformed) << text;
        EXPECT_EQ(state.currentMansion.fields, before.currentMansion.fields) << text;
        EXPECT_EQ(state.sign.MoonSignDegrees, before.sign.MoonSignDegrees) << text;
    }
}

}  // namespace
