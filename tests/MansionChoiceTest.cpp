#include "core/MansionChoice.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Deg = "\xC2\xB0";

std::string Position(int degrees, int minutes, int seconds, const char* sign)
{
    return std::to_string(degrees) + Deg + " " + std::to_string(minutes) + "' " + std::to_string(seconds) +
           "\" " + sign;
}

int Choose(const std::string& text)
{
    MansionSignState state;
    return ChooseMansion(text, state).mansion;
}

struct BoundaryCase {
    int degrees, minutes, seconds;
    const char* sign;
    int mansion;
};

TEST(MansionChoiceTest, ReferenceBoundaries)
{
    const BoundaryCase cases[] = {
        {0, 0, 0, "Ari", 1},     {29, 59, 59, "Pis", 28}, {12, 51, 0, "Ari", 1},  {12, 51, 59, "Ari", 1},
        {12, 52, 0, "Ari", 2},   {5, 55, 0, "Ari", 1},    {20, 10, 0, "Ari", 2},  {0, 0, 0, "Can", 7},
        {0, 1, 0, "Can", 8},     {0, 0, 59, "Lib", 14},   {0, 1, 0, "Lib", 15},   {0, 0, 0, "Cap", 21},
        {0, 1, 0, "Cap", 22},    {15, 30, 0, "Cap", 23},  {8, 34, 0, "Tau", 3},   {8, 35, 0, "Tau", 4},
        {21, 25, 0, "Tau", 4},   {21, 26, 0, "Tau", 5},   {19, 27, 45, "Lib", 16}, {19, 24, 14, "Can", 9},
        {25, 43, 0, "Cap", 24},  {17, 9, 0, "Pis", 28},   {17, 8, 59, "Pis", 27},
    };
    for (const BoundaryCase& c : cases) {
        const std::string text = Position(c.degrees, c.minutes, c.seconds, c.sign);
        MansionSignState state;
        const MansionChoice choice = ChooseMansion(text, state);
        EXPECT_EQ(choice.mansion, c.mansion) << text;
        EXPECT_EQ(choice.status, PositionTextStatus::WellFormed) << text;
        EXPECT_EQ(state.MoonSignDegrees, c.degrees) << text;
        EXPECT_EQ(state.MoonSignMinutes, c.minutes) << text;
    }
}

// Every whole minute of the zodiac against the closed form: mansion k is the
// smallest with P <= floor(5400 k / 7), P in minutes from 0° Aries.
TEST(MansionChoiceTest, EveryMinuteAgreesWithTheClosedForm)
{
    const char* signs[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    for (int s = 0; s < 12; ++s)
        for (int d = 0; d < 30; ++d)
            for (int m = 0; m < 60; ++m) {
                const int p = 1800 * s + 60 * d + m;
                int expected = 1;
                while (p > 5400 * expected / 7)
                    ++expected;
                ASSERT_EQ(Choose(Position(d, m, 30, signs[s])), expected) << Position(d, m, 30, signs[s]);
            }
}

TEST(MansionChoiceTest, TextWithoutDegreeSignReadsTheSame)
{
    EXPECT_EQ(Choose("15 30' 0\" Cap"), 23);
    MansionSignState state;
    const MansionChoice choice = ChooseMansion("15 30' 0\" Cap", state);
    EXPECT_EQ(state.MoonSignDegrees, 15);
    EXPECT_EQ(choice.status, PositionTextStatus::WellFormed);
}

// What a damaged text does to the state: the lenient reading keeps the
// previous value of a field it cannot read.
TEST(MansionChoiceTest, UnreadableFieldsKeepThePreviousValues)
{
    MansionSignState state;
    ChooseMansion(Position(20, 10, 0, "Ari"), state);

    const struct {
        const char* text;
        int degrees, minutes, mansion;
    } cases[] = {
        {"x° 5' 0\" Ari", 20, 5, 2},           // degrees unreadable: 20 stays
        {"3° y' 0\" Ari", 3, 5, 1},            // minutes unreadable: 5 stays
        {"40000° 7' 0\" Ari", 3, 7, 1},        // beyond 16 bits: 3 stays
        {"45° 0' 0\" Ari", 45, 0, 3},          // above 29: a larger P, the sign's last mansion
        {"12° 90' 0\" Ari", 12, 90, 2},        // above 59 likewise
        {"7", 7, 90, 0},                        // no sign: no mansion
        {"", 7, 90, 0},
        {"1° 2' 3\" ari", 1, 2, 0},            // case-sensitive
    };
    for (const auto& c : cases) {
        const MansionChoice choice = ChooseMansion(c.text, state);
        EXPECT_EQ(state.MoonSignDegrees, c.degrees) << c.text;
        EXPECT_EQ(state.MoonSignMinutes, c.minutes) << c.text;
        EXPECT_EQ(choice.mansion, c.mansion) << c.text;
        EXPECT_EQ(choice.status, PositionTextStatus::Malformed) << c.text;
    }
}

TEST(MansionChoiceTest, WellFormedTexts)
{
    const struct {
        std::string text;
        bool wellFormed;
    } cases[] = {
        {Position(0, 0, 0, "Ari"), true},
        {Position(29, 59, 59, "Pis"), true},
        {"19 27' 45\" Lib", true},              // as read back from a file
        {Position(30, 0, 0, "Ari"), false},
        {Position(1, 60, 0, "Ari"), false},
        {Position(1, 0, 60, "Ari"), false},
        {Position(1, 0, 0, "Xyz"), false},
        {Position(1, 0, 0, "Ari") + " ", false},
        {" " + Position(1, 0, 0, "Ari"), false},
        {"1\xC2\xB0  2' 3\" Ari", false},
        {"1\xC2\xB0 2' 3\"Ari", false},
        {"1\xB0 2' 3\" Ari", false},             // a raw single-byte degree sign
        {"123\xC2\xB0 2' 3\" Ari", false},
        {"-1\xC2\xB0 2' 3\" Ari", false},
        {"", false},
        {"Ari", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsWellFormedPositionText(c.text), c.wellFormed) << c.text;
}

}  // namespace
