#include "core/modArabicLunarMansionInformation.h"

#include "core/MansionReading.h"
#include "core/SignPosition.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace modArabicLunarMansionInformation;

namespace {

int ItemCount(const std::string& text)
{
    int items = 1;
    for (std::size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2))
        ++items;
    return items;
}

TEST(modArabicLunarMansionInformationTest, AlnathFillsRowZero)
{
    MansionRecord current;
    current[LunarMansionName] = "Alnath";
    EXPECT_EQ(FillCurrentMansion(current), 0);
    EXPECT_EQ(current[ArabicName], "Al Sharatain");
    EXPECT_EQ(current[EnglishMeaning], "The Two Signs");
    EXPECT_EQ(current[Constellation], "Aries");
    EXPECT_EQ(current[PlanetaryRuler], "Sun");
    EXPECT_EQ(current[Angel], "Geniel");
    EXPECT_EQ(current[Attributes], "This is good for business. You will be involved in legal battles.");
    EXPECT_EQ(current[FavorableCircumstances],
              "To travel or go on a long journey\r\nTo take medications or undergo surgery");
    EXPECT_EQ(current[UnfavorableCircumstances], "Discords");
}

TEST(modArabicLunarMansionInformationTest, LastRowKeepsItsDoubleSpaces)
{
    MansionRecord current;
    current[LunarMansionName] = "Albotham or Alchalcy";
    EXPECT_EQ(FillCurrentMansion(current), 27);
    EXPECT_EQ(current[ArabicName], "Al Batn al  Hut");
    EXPECT_EQ(current[EnglishMeaning], "The Belly of the  Fish");
    EXPECT_EQ(current[Angel], "Not Applicable");
}

// Row 16's favourable text: six items, from the first to the last named.
TEST(modArabicLunarMansionInformationTest, RowSixteenListsSixFavourableItems)
{
    const std::string text(MansionTable()[16][FavorableCircumstances]);
    EXPECT_EQ(ItemCount(text), 6);
    EXPECT_EQ(text.rfind("To save and protect sailors at sea\r\n", 0), 0u);
    EXPECT_EQ(text.substr(text.rfind("\r\n") + 2), "To help the deceived");
}

// What every row must hold: ten texts, none empty, one line each but the two
// lists, printable; a Latin name the mansion choice gives for the middle of
// that row's mansion, which the lookup takes back to the same row; the sign
// the mansion begins in as its constellation; the planets in their cycle; an
// angel up to row 23.
TEST(modArabicLunarMansionInformationTest, EveryRowIsWhole)
{
    const char* rulers[] = {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};
    const double width = 360.0 / 28;
    std::set<std::string_view> names;
    for (int r = 0; r < MansionCount; ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        const MansionRecord& row = MansionTable()[static_cast<std::size_t>(r)];
        for (std::size_t f = 0; f < MansionFieldCount; ++f) {
            EXPECT_FALSE(row[f].empty()) << f;
            EXPECT_EQ(row[f].find_first_not_of(" "), row[f].empty() ? std::string_view::npos : 0u) << f;
            for (const char c : row[f])
                EXPECT_TRUE((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n') << f;
            if (f != FavorableCircumstances && f != UnfavorableCircumstances) {
                EXPECT_EQ(row[f].find_first_of("\r\n"), std::string_view::npos) << f;
            }
        }
        const MansionReading middle = ReadingForPositionText(FormatSignPosition((r + 0.5) * width));
        EXPECT_EQ(middle.mansion, r + 1);
        EXPECT_EQ(middle.texts[LunarMansionName], row[LunarMansionName]);
        MansionRecord current;
        current[LunarMansionName] = row[LunarMansionName];
        EXPECT_EQ(FillCurrentMansion(current), r);

        const std::string start = FormatSignPosition(r * width + 1.0 / 60);  // its first whole minute
        EXPECT_EQ(row[Constellation].substr(0, 3), start.substr(start.size() - 3));
        EXPECT_EQ(row[PlanetaryRuler], rulers[r % 7]);
        EXPECT_EQ(row[Angel] == "Not Applicable", r >= 24);
        const int favorable = ItemCount(std::string(row[FavorableCircumstances]));
        const int unfavorable = ItemCount(std::string(row[UnfavorableCircumstances]));
        EXPECT_TRUE(favorable >= 1 && favorable <= 6);
        EXPECT_TRUE(unfavorable >= 1 && unfavorable <= 3);
        names.insert(row[LunarMansionName]);
    }
    EXPECT_EQ(names.size(), 28u);  // the lookup key is unique
}

TEST(modArabicLunarMansionInformationTest, NearMissesMatchNothing)
{
    for (const char* name : {"alnath", "Alnath ", " Alnath", "ALNATH", "Alnat", ""}) {
        MansionRecord current;
        current[LunarMansionName] = "Alhanna or Alchaya";
        FillCurrentMansion(current);
        const MansionRecord before = current;
        current[LunarMansionName] = name;
        EXPECT_EQ(FillCurrentMansion(current), -1) << name;
        for (std::size_t f = 1; f < MansionFieldCount; ++f)
            EXPECT_EQ(current[f], before[f]) << name;
    }
}

// A second lookup leaves nothing of the first: every field is the new row's.
TEST(modArabicLunarMansionInformationTest, SecondLookupReplacesEveryField)
{
    for (int r = 1; r < MansionCount; ++r) {
        MansionRecord current;
        current[LunarMansionName] = "Alnath";
        FillCurrentMansion(current);
        current[LunarMansionName] = MansionTable()[static_cast<std::size_t>(r)][LunarMansionName];
        EXPECT_EQ(FillCurrentMansion(current), r);
        for (std::size_t f = 0; f < MansionFieldCount; ++f)
            EXPECT_EQ(current[f], MansionTable()[static_cast<std::size_t>(r)][f]) << r << "/" << f;
    }
}

TEST(modArabicLunarMansionInformationTest, RowByNumber)
{
    EXPECT_EQ(MansionRowFor(1)[LunarMansionName], "Alnath");
    EXPECT_EQ(MansionRowFor(28)[LunarMansionName], "Albotham or Alchalcy");
    EXPECT_TRUE(MansionRowFor(0)[LunarMansionName].empty());
    EXPECT_TRUE(MansionRowFor(29)[ArabicName].empty());
}

}  // namespace
