#include "core/MansionTopics.h"

#include "core/MansionVocabulary.h"

#include <algorithm>

namespace {

using T = Topic;

constexpr unsigned Bit(Topic t) { return 1u << static_cast<unsigned>(t); }
template <typename... More>
constexpr unsigned Bits(More... topics) { return (0u | ... | Bit(topics)); }

// One line of the table and its topics (a bit each); a line with none is general.
struct IndexedLine {
    std::string_view line;
    unsigned topics;
};

// Every favourable and unfavourable line the table holds, by hand.
const IndexedLine Index[] = {
    // Favourable.
    {"All kind of work to do with fire", 0},
    {"For introducing good men to each other", Bits(T::Friendship)},
    {"For people you want to come to you", Bits(T::Friendship)},
    {"For soldiers to report victory", Bits(T::EnemiesAndConflict)},
    {"Good time for love between partners", Bits(T::LoveAndMarriage)},
    {"To destroy lust", Bits(T::LoveAndMarriage)},
    {"To develop and maintain buildings", Bits(T::BuildingAndLand)},
    {"To do all tasks for which you need to look down like digging wells, looking for lost treasure, etc.",
     Bits(T::BuildingAndLand)},
    {"To gain favour of Kings, authorities", Bits(T::AuthorityAndJustice)},
    {"To heal the sick by drugs, medicines", Bits(T::HealthAndMedicine)},
    {"To help friends, authorities and servants", Bits(T::Friendship, T::AuthorityAndJustice)},
    {"To help the deceived", Bits(T::AuthorityAndJustice)},
    {"To improve friendship", Bits(T::Friendship)},
    {"To improve the luck of kings", Bits(T::AuthorityAndJustice)},
    {"To increase crops", Bits(T::FarmingAndFood)},
    {"To increase the wealth of allies", Bits(T::TradeAndMoney, T::Friendship)},
    {"To increase trade and profit", Bits(T::TradeAndMoney)},
    {"To make a master shrink back from the servant", Bits(T::AuthorityAndJustice)},
    {"To make discoveries in alchemy", Bits(T::Learning)},
    {"To promote love between man and woman", Bits(T::LoveAndMarriage)},
    {"To protect yourself from another man's claims", Bits(T::AuthorityAndJustice, T::EnemiesAndConflict)},
    {"To release captives", Bits(T::AuthorityAndJustice)},
    {"To remove unwanted elements, social occasions", Bits(T::Friendship)},
    {"To safeguard travellers", Bits(T::Travel)},
    {"To save and protect sailors at sea", Bits(T::Sea, T::Travel)},
    {"To scatter your enemies", Bits(T::EnemiesAndConflict)},
    {"To stock up food and resources", Bits(T::FarmingAndFood)},
    {"To strengthen your resources to fight battles", Bits(T::EnemiesAndConflict)},
    {"To take medications or undergo surgery", Bits(T::HealthAndMedicine)},
    {"To tame wild and vicious beasts", Bits(T::FarmingAndFood)},
    {"To teach boys to learn skills", Bits(T::Learning)},
    {"To travel or go on a long journey", Bits(T::Travel)},
    {"To travel safely in hot places", Bits(T::Travel)},
    // Unfavourable.
    {"Abuse of drugs", Bits(T::HealthAndMedicine)},
    {"Bad for journeys", Bits(T::Travel)},
    {"Bad for marriage", Bits(T::LoveAndMarriage)},
    {"Bad for seamen", Bits(T::Sea, T::Travel)},
    {"Bad time for medical treatments", Bits(T::HealthAndMedicine)},
    {"Bringing down of society and wealth", Bits(T::TradeAndMoney)},
    {"Conspiracies", Bits(T::EnemiesAndConflict)},
    {"Danger to seamen", Bits(T::Sea, T::Travel)},
    {"Destroys balance in justice", Bits(T::AuthorityAndJustice)},
    {"Destroys buildings", Bits(T::BuildingAndLand)},
    {"Destruction of family and home", Bits(T::FamilyAndHome)},
    {"Destruction, battles", Bits(T::EnemiesAndConflict)},
    {"Discords", Bits(T::EnemiesAndConflict)},
    {"Divorce", Bits(T::LoveAndMarriage, T::FamilyAndHome)},
    {"Financial Loss", Bits(T::TradeAndMoney)},
    {"General problems", 0},
    {"Hinders journeys by land", Bits(T::Travel)},
    {"Hindrance in buildings", Bits(T::BuildingAndLand)},
    {"Ill health", Bits(T::HealthAndMedicine)},
    {"Imprudent", Bits(T::Temper)},
    {"Induces revenge and enmity", Bits(T::EnemiesAndConflict)},
    {"Loss of money", Bits(T::TradeAndMoney)},
    {"Not a good sign for marriage.", Bits(T::LoveAndMarriage)},
    {"Overemotional", Bits(T::Temper)},
    {"Prevention in execution of government and policies", Bits(T::AuthorityAndJustice)},
    {"Problems in agriculture", Bits(T::FarmingAndFood)},
    {"Problems in buildings and construction", Bits(T::BuildingAndLand)},
    {"Problems in traveling", Bits(T::Travel)},
    {"Revenge", Bits(T::EnemiesAndConflict)},
    {"Rude behavior", Bits(T::Temper)},
    {"Short temper", Bits(T::Temper)},
    {"Too risky to be reliable.", 0},
    {"You may be reserved and not be a public person.", Bits(T::Temper)},
};

const IndexedLine* Find(std::string_view line)
{
    for (const IndexedLine& i : Index)
        if (i.line == line)
            return &i;
    return nullptr;
}

std::string Lowered(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

}  // namespace

const std::vector<TopicInfo>& Topics()
{
    static const std::vector<TopicInfo> topics{
        {T::Travel, "travel and journeys", {"travel", "travels", "traveling", "travelling", "traveller", "travellers",
                                            "journey", "journeys", "voyage", "trip"}},
        {T::Sea, "the sea", {"sea", "seas", "sailor", "sailors", "seaman", "seamen", "ship", "ships", "boat"}},
        {T::LoveAndMarriage, "love and marriage", {"love", "marriage", "marry", "wedding", "partner", "partners",
                                                   "romance", "divorce", "lust"}},
        {T::Friendship, "friendship", {"friend", "friends", "friendship", "company", "guests"}},
        {T::TradeAndMoney, "trade and money", {"trade", "profit", "money", "wealth", "business", "finance",
                                               "financial", "commerce"}},
        {T::HealthAndMedicine, "health and medicine", {"health", "medicine", "medicines", "medical", "surgery",
                                                       "heal", "healing", "drugs", "sick", "illness"}},
        {T::BuildingAndLand, "building and land", {"building", "buildings", "build", "construction", "house",
                                                   "land", "wells", "digging"}},
        {T::FarmingAndFood, "farming and food", {"farming", "farm", "crops", "agriculture", "harvest", "food",
                                                 "animals", "beasts"}},
        {T::EnemiesAndConflict, "enemies and conflict", {"enemy", "enemies", "battle", "battles", "war", "fight",
                                                         "conflict", "discord", "discords", "revenge", "soldiers"}},
        {T::AuthorityAndJustice, "authority and justice", {"authority", "authorities", "king", "kings",
                                                           "government", "justice", "law", "legal", "captives"}},
        {T::Learning, "learning", {"learning", "learn", "teach", "teaching", "education", "skills", "study",
                                   "alchemy", "science"}},
        {T::FamilyAndHome, "family and home", {"family", "home", "children"}},
        {T::Temper, "temper and character", {"temper", "character", "behaviour", "behavior", "mood"}},
    };
    return topics;
}

std::string_view TopicName(Topic topic)
{
    for (const TopicInfo& t : Topics())
        if (t.topic == topic)
            return t.name;
    return {};
}

std::string TopicList()
{
    std::string list;
    for (const TopicInfo& t : Topics())
        list += (list.empty() ? "" : ", ") + std::string(t.name);
    return list;
}

std::optional<Topic> FindTopic(std::string_view word)
{
    const std::string lower = Lowered(word);
    for (const TopicInfo& t : Topics())
        if (t.name == lower || std::find(t.words.begin(), t.words.end(), lower) != t.words.end())
            return t.topic;
    return std::nullopt;
}

std::vector<std::string_view> LinesOnTopic(int mansion, MansionField field, Topic topic)
{
    std::vector<std::string_view> lines;
    for (const std::string_view line : FieldItems(mansion, field))
        if (const IndexedLine* i = Find(line); i && (i->topics & Bit(topic)) != 0)
            lines.push_back(line);
    return lines;
}

bool IsIndexedLine(std::string_view line)
{
    return Find(line) != nullptr;
}
