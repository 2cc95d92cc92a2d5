#include "core/MansionTopics.h"

#include "core/MansionVocabulary.h"

#include <gtest/gtest.h>

namespace {

// Every line the mansions' favourable and unfavourable fields hold is in the
// index, with its topics or marked general: a line changed in the table, or a
// new one, fails here until it is indexed.
TEST(MansionTopicsTest, EveryLineIsIndexed)
{
    for (int k = 1; k <= MansionCount; ++k)
        for (const MansionField field : {FavorableCircumstances, UnfavorableCircumstances})
            for (const std::string_view line : FieldItems(k, field))
                EXPECT_TRUE(IsIndexedLine(line)) << "mansion " << k << ": " << line;
}

// The mansions whose lines speak of a topic, read from the table by hand:
// "hinders travel" finds "Bad for journeys" (16) and "Hinders journeys by
// land" (14) as well as "Problems in traveling" (9).
TEST(MansionTopicsTest, MansionsOfATopic)
{
    const struct {
        const char* word;
        MansionField field;
        std::vector<int> mansions;
    } cases[] = {
        {"travel", FavorableCircumstances, {1, 3, 5, 6, 8, 11, 13, 14, 17, 19, 20, 21, 26, 28}},
        {"Journeys", UnfavorableCircumstances, {9, 12, 14, 16, 27}},
        {"medicine", FavorableCircumstances, {1, 14, 22, 23, 27}},
        {"health", UnfavorableCircumstances, {6, 10, 11}},
        {"marriage", UnfavorableCircumstances, {3, 15, 16, 21, 22, 23, 25}},
        {"the sea", UnfavorableCircumstances, {12, 27}},
        {"trade and money", FavorableCircumstances, {7, 11, 13, 21, 24, 27, 28}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        const std::optional<Topic> topic = FindTopic(c.word);
        ASSERT_TRUE(topic.has_value());
        std::vector<int> mansions;
        for (int k = 1; k <= MansionCount; ++k)
            if (!LinesOnTopic(k, c.field, *topic).empty())
                mansions.push_back(k);
        EXPECT_EQ(mansions, c.mansions);
    }
    EXPECT_EQ(LinesOnTopic(14, UnfavorableCircumstances, Topic::Travel),
              std::vector<std::string_view>{"Hinders journeys by land"});
}

// Whole words and topic names only: letters inside a word name nothing.
TEST(MansionTopicsTest, WordsNameTopics)
{
    EXPECT_EQ(FindTopic("TRAVELLING"), Topic::Travel);
    EXPECT_EQ(FindTopic("Love and Marriage"), Topic::LoveAndMarriage);
    for (const char* word : {"a", "jour", "", "travel ", "seamanship"})
        EXPECT_FALSE(FindTopic(word).has_value()) << word;
    for (const TopicInfo& t : Topics())
        EXPECT_EQ(FindTopic(t.name), t.topic) << t.name;
}

}  // namespace
