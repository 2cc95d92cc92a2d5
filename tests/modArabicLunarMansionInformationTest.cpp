#include "core/modArabicLunarMansionInformation.h"

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

TEST(modArabicLunarMansionInformationTest, IrregularTextsStandAsListed)
{
    const auto& t = MansionTable();
    EXPECT_EQ(t[23][ArabicName], "Al Sad Al");
    EXPECT_EQ(t[23][ArabicName].size(), 9u);
    EXPECT_EQ(t[23][EnglishMeaning], "The Luckiest of the Su'udLucky");
    EXPECT_EQ(t[13][LunarMansionName], "Achurethor Arimet or Azimeth or Alhumech or Alcheymech");
    EXPECT_EQ(t[24][Attributes],
              "You may attract people who may interfere with your business. You will humble and modest.");
    EXPECT_EQ(t[16][FavorableCircumstances],
              "To save and protect sailors at sea\r\nGood time for love between partners\r\n"
              "To develop and maintain buildings\r\nTo improve friendship\r\n"
              "To promote love between man and woman\r\nTo help the deceived");
    EXPECT_EQ(t[26][UnfavorableCircumstances], "General problems\r\nHindrance in buildings\r\nDanger to seamen");
}

// The table's regularities: constellations by row, the planetary cycle, the angels.
TEST(modArabicLunarMansionInformationTest, ColumnsFollowTheirRules)
{
    const char* constellations[] = {"Aries", "Aries", "Aries", "Taurus", "Taurus", "Gemini", "Gemini",
                                    "Cancer", "Cancer", "Cancer", "Leo", "Leo", "Virgo", "Virgo",
                                    "Libra", "Libra", "Libra", "Scorpio", "Scorpio", "Sagittarius",
                                    "Sagittarius", "Capricorn", "Capricorn", "Capricorn", "Aquarius",
                                    "Aquarius", "Pisces", "Pisces"};
    const char* rulers[] = {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};
    std::set<std::string_view> names;
    for (int r = 0; r < MansionCount; ++r) {
        const MansionRecord& row = MansionTable()[static_cast<std::size_t>(r)];
        EXPECT_EQ(row[Constellation], constellations[r]) << r;
        EXPECT_EQ(row[PlanetaryRuler], rulers[r % 7]) << r;
        EXPECT_EQ(row[Angel] == "Not Applicable", r >= 24) << r;
        names.insert(row[LunarMansionName]);
        for (std::size_t f = 0; f < MansionFieldCount; ++f) {
            EXPECT_FALSE(row[f].empty()) << r << "/" << f;
            for (const char c : row[f]) {
                EXPECT_TRUE((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n') << r << "/" << f;
            }
            if (f != FavorableCircumstances && f != UnfavorableCircumstances) {
                EXPECT_EQ(row[f].find_first_of("\r\n"), std::string_view::npos) << r << "/" << f;
            }
        }
        const int favorable = ItemCount(std::string(row[FavorableCircumstances]));
        const int unfavorable = ItemCount(std::string(row[UnfavorableCircumstances]));
        EXPECT_TRUE(favorable >= 1 && favorable <= 6) << r;
        EXPECT_TRUE(unfavorable >= 1 && unfavorable <= 3) << r;
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

TEST(modArabicLunarMansionInformationTest, SecondLookupReplacesEveryField)
{
    MansionRecord current;
    current[LunarMansionName] = "Alnath";
    FillCurrentMansion(current);
    current[LunarMansionName] = "Alchil";
    EXPECT_EQ(FillCurrentMansion(current), 16);
    EXPECT_EQ(current[ArabicName], "Iklil Al Jabhah");
    EXPECT_EQ(current[UnfavorableCircumstances], "Short temper");
    EXPECT_EQ(current[Constellation], "Libra");
}

TEST(modArabicLunarMansionInformationTest, RowByNumber)
{
    EXPECT_EQ(MansionRowFor(1)[LunarMansionName], "Alnath");
    EXPECT_EQ(MansionRowFor(28)[LunarMansionName], "Albotham or Alchalcy");
    EXPECT_TRUE(MansionRowFor(0)[LunarMansionName].empty());
    EXPECT_TRUE(MansionRowFor(29)[ArabicName].empty());
}

}  // namespace
