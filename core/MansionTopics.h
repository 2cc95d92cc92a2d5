#pragma once

#include "core/MansionRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The topics a person plans by, and which of the mansions' favourable and
// unfavourable lines speak of each: the filters of the calendar and of
// --favours/--hinders search by meaning, not by letters ("hinders travel"
// finds "Bad for journeys" as well as "Problems in traveling"). The lines
// themselves stay as the table holds them; this is an index beside them,
// each line assigned to its topics by hand.

enum class Topic {
    Travel,
    Sea,
    LoveAndMarriage,
    Friendship,
    TradeAndMoney,
    HealthAndMedicine,
    BuildingAndLand,
    FarmingAndFood,
    EnemiesAndConflict,
    AuthorityAndJustice,
    Learning,
    FamilyAndHome,
    Temper,
};

struct TopicInfo {
    Topic topic;
    std::string_view name;                 // "travel and journeys", as the lists show it
    std::vector<std::string_view> words;   // the words that name it, lower case: "travel", "journey", ...
};

// Every topic, in the order the lists show them.
const std::vector<TopicInfo>& Topics();

// "travel and journeys": a topic's name as the lists show it.
std::string_view TopicName(Topic topic);
// "travel and journeys, the sea, love and marriage, ...": every topic's name.
std::string TopicList();

// FindTopic — the topic a word or a topic's name names: whole words, any
// case ("Journeys", "travel and journeys"); none for any other word.
std::optional<Topic> FindTopic(std::string_view word);

// The lines of a mansion's favourable (or unfavourable) field on a topic, in
// the table's order; views of the table's text.
std::vector<std::string_view> LinesOnTopic(int mansion, MansionField field, Topic topic);

// Whether a line of the table is assigned to a topic, or is marked general
// (it speaks of nothing one plans by: "Too risky to be reliable.").
bool IsIndexedLine(std::string_view line);
