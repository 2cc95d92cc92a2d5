#include "core/modArabicLunarMansionInformation.h"

#include "core/MansionReading.h"
#include "core/SignPosition.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace modArabicLunarMansionInformation;

namespace {

// The items of a list field, split at CR LF.
std::vector<std::string_view> Items(std::string_view text)
{
    std::vector<std::string_view> items;
    for (std::size_t from = 0;;) {
        const std::size_t end = text.find("\r\n", from);
        items.push_back(text.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
        if (end == std::string_view::npos)
            return items;
        from = end + 2;
    }
}

// What a reader of every row expects: ten texts, none empty, none beginning
// or ending in a space, one line each but the two lists, whose items are
// lines of their own (CR LF between, none empty or blank-edged); the reading
// of the middle of that row's mansion gives that mansion and all ten texts,
// and the lookup takes its Latin name back to the same row; as its
// constellation the sign its span of the zodiac begins in, one of the signs
// the span lies in; the planets in their cycle; an angel up to row 23.
TEST(modArabicLunarMansionInformationTest, EveryRowIsWhole)
{
    const char* rulers[] = {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};
    const double width = 360.0 / 28;
    std::set<std::string_view> names;
    for (int r = 0; r < MansionCount; ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        const MansionRecord& row = MansionTable()[static_cast<std::size_t>(r)];
        for (std::size_t f = 0; f < MansionFieldCount; ++f) {
            const bool list = f == FavorableCircumstances || f == UnfavorableCircumstances;
            for (const std::string_view line : list ? Items(row[f]) : std::vector<std::string_view>{row[f]}) {
                EXPECT_FALSE(line.empty()) << f;
                EXPECT_TRUE(line.empty() || (line.front() != ' ' && line.back() != ' ')) << f << ": " << line;
                for (const char c : line)
                    EXPECT_TRUE(c >= 0x20 && c < 0x7F) << f << ": " << line;
            }
        }
        const MansionReading middle = ReadingForPositionText(FormatSignPosition((r + 0.5) * width));
        EXPECT_EQ(middle.mansion, r + 1);
        for (std::size_t f = 0; f < MansionFieldCount; ++f)
            EXPECT_EQ(middle.texts[f], row[f]) << f;
        MansionRecord current;
        current[LunarMansionName] = row[LunarMansionName];
        EXPECT_EQ(FillCurrentMansion(current), r);

        // The span of the zodiac [r, r + 1) mansion widths: the sign of its
        // first whole minute, and of its last unless the span crosses a sign.
        const std::string start = FormatSignPosition(r * width + 1.0 / 60);
        const std::string end = FormatSignPosition((r + 1) * width - 1.0 / 60);
        EXPECT_EQ(row[Constellation].substr(0, 3), start.substr(start.size() - 3));
        EXPECT_TRUE(row[Constellation].substr(0, 3) == end.substr(end.size() - 3) ||
                    static_cast<int>((r + 1) * width) / 30 != static_cast<int>(r * width) / 30);
        EXPECT_EQ(row[PlanetaryRuler], rulers[r % 7]);
        EXPECT_EQ(row[Angel] == "Not Applicable", r >= 24);
        const std::size_t favorable = Items(row[FavorableCircumstances]).size();
        const std::size_t unfavorable = Items(row[UnfavorableCircumstances]).size();
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

// Each number 1..28 is its row of the table; other numbers have ten empty texts.
TEST(modArabicLunarMansionInformationTest, RowByNumber)
{
    for (int mansion = -1; mansion <= MansionCount + 1; ++mansion) {
        const bool inTable = mansion >= 1 && mansion <= MansionCount;
        for (std::size_t f = 0; f < MansionFieldCount; ++f)
            EXPECT_EQ(MansionRowFor(mansion)[f],
                      inTable ? MansionTable()[static_cast<std::size_t>(mansion - 1)][f] : std::string_view())
                << mansion << "/" << f;
    }
}

}  // namespace
