#include "core/MansionVocabulary.h"

#include "core/MansionArabicNames.h"
#include "core/SafeFileName.h"

#include <gtest/gtest.h>

namespace {

// Mansion k holds the whole minutes of arc above floor(5400 (k-1) / 7) up to
// floor(5400 k / 7), as the readings cut a position to its minute: 771′ (the
// floor of 5400/7) is mansion 1's last minute, all of it to 771′59.9″.
TEST(MansionVocabularyTest, MansionOfALongitudeByWholeMinutesOfArc)
{
    const struct {
        double arcMinutes;
        int mansion;
    } cases[] = {
        {0, 1}, {771, 1}, {771.99, 1}, {772, 2}, {1542.5, 2}, {1543, 3},
        {5400 * 27 / 7 + 0.999, 27}, {5400 * 27 / 7 + 1, 28}, {21599.99, 28},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MansionOfLongitude(c.arcMinutes / 60.0), c.mansion) << c.arcMinutes << "'";
}

TEST(MansionVocabularyTest, NamesAndItems)
{
    EXPECT_EQ(FirstLatinName(7), "Aldimiach");
    EXPECT_EQ(FirstLatinName(1), "Alnath");
    EXPECT_EQ(SignName(0), "Aries");
    EXPECT_EQ(SignName(11), "Pisces");
    EXPECT_EQ(SignName(12), "");
    const std::vector<std::string_view> items = FieldItems(3, FavorableCircumstances);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[1], "To save and protect sailors at sea");
    EXPECT_EQ(FieldItems(3, ArabicName), std::vector<std::string_view>{"Al Thurayya"});
    EXPECT_EQ(MansionByLatinName(15), "mansion 15, Agrapha or Algarpha");
}

// The Arabic names as the standard lists give them (Kunitzsch, "al-Manazil"),
// at both ends, where the table's transliteration differs most, and outside.
TEST(MansionVocabularyTest, ArabicNamesInArabicScript)
{
    const struct {
        int mansion;
        std::string_view name;
    } cases[] = {
        {1, "الشرطان"}, {17, "الإكليل"}, {18, "القلب"}, {22, "سعد الذابح"}, {27, "الفرغ المؤخر"}, {28, "بطن الحوت"},
        {0, ""}, {29, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MansionArabicName(c.mansion), c.name) << c.mansion;
}

// A title offered as a file name keeps what a file name can hold, spaces
// and dashes included, and turns the rest into "-".
TEST(MansionVocabularyTest, TitlesAsFileNames)
{
    const struct {
        const char* title;
        const char* name;
    } cases[] = {
        {"Mansion Calendar \u2014 February 2026 \u2014 Australia/Sydney", "Mansion Calendar \u2014 February 2026 \u2014 Australia-Sydney"},
        {"Reading for Ana (UTC+5:45)", "Reading for Ana (UTC+5-45)"},
        {"a\\b*c?d\"e<f>g|h", "a-b-c-d-e-f-g-h"},
        {"tab\there\nline", "tab-here-line"},
        {"..", "Qamarel"},
        {"", "Qamarel"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SafeFileName(c.title), c.name) << c.title;
}

}  // namespace
