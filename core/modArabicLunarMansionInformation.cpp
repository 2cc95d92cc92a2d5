#include "core/modArabicLunarMansionInformation.h"

namespace modArabicLunarMansionInformation {

namespace {

// Rows in zodiac order. The texts are the program's reference data and are
// shown as they stand, double spaces included; list items are joined by CR LF.
constexpr std::array<MansionRecord, MansionCount> Table{{
    // 0
    {{"Alnath",
      "Al Sharatain", "The Two Signs",
      "Aries", "Sun", "Geniel",
      "This is good for business. You will be involved in legal battles.",
      "Charles III",
      "To travel or go on a long journey" "\r\n"
         "To take medications or undergo surgery",
      "Discords"}},
    // 1
    {{"Allothaim or Albochan",
      "Al Butain", "The Belly",
      "Aries", "Moon", "Enediel",
      "You will be reckless and rash by nature. You may be ready to try out innovative solutions.",
      "Ronald Reagan",
      "To do all tasks for which you need to look down like digging wells, looking for lost treasure, etc." "\r\n"
         "To stock up food and resources" "\r\n"
         "To strengthen your resources to fight battles",
      "Too risky to be reliable."}},
    // 2
    {{"Achaomazon or Athoray",
      "Al Thurayya", "The Many Little Ones",
      "Aries", "Mars", "Amixie",
      "You will be inclined towards sciences. This mansion is not for love. You are a hard worker.",
      "Mick Jagger",
      "To strengthen your resources to fight battles" "\r\n"
         "To save and protect sailors at sea" "\r\n"
         "To make discoveries in alchemy" "\r\n"
         "All kind of work to do with fire" "\r\n"
         "Good time for love between partners",
      "Not a good sign for marriage."}},
    // 3
    {{"Aldebaram or Aldelamen",
      "Al Dabaran", "The Follower",
      "Taurus", "Mercury", "Azariel",
      "You will be very passionate. This does not mean you will have a happy marriage or good relationships. You will be practical and not depend on anyone.",
      "Tina Turner",
      "To make a master shrink back from the servant",
      "Discords" "\r\n"
         "Problems in buildings and construction"}},
    // 4
    {{"Alchatay or Albachay",
      "Al Hak'ah", "A White Spot",
      "Taurus", "Jupiter", "Gabiel",
      "This is a good mansion for education. You will be an introvert and be happy to be with your books. This is good for relationships and marriages. You will be interested in arts.",
      "Bette Davis",
      "Good time for love between partners" "\r\n"
         "To teach boys to learn skills" "\r\n"
         "To safeguard travellers" "\r\n"
         "To develop and maintain buildings",
      "You may be reserved and not be a public person."}},
    // 5
    {{"Alhanna or Alchaya",
      "Al Hanah", "A Brand or Mark",
      "Gemini", "Venus", "Dirachiel",
      "You will be social by nature. You will enjoy goodwill.",
      "Taylor Swift",
      "To save and protect sailors at sea" "\r\n"
         "To improve friendship",
      "Bad time for medical treatments" "\r\n"
         "Financial Loss" "\r\n"
         "Induces revenge and enmity"}},
    // 6
    {{"Aldimiach or Alarzach",
      "Al Dhira", "The Forearm",
      "Gemini", "Saturn", "Scheliel",
      "This mansion is good for family and home. You will be friendly, loving and affectionate.",
      "Paul Simon",
      "To improve friendship" "\r\n"
         "To increase trade and profit" "\r\n"
         "To increase crops" "\r\n"
         "To remove unwanted elements, social occasions" "\r\n"
         "To gain favour of Kings, authorities",
      "Destroys balance in justice"}},
    // 7
    {{"Alnaza or Anatchtraya",
      "Al Nathrah", "The Gap or Crib",
      "Cancer", "Sun", "Amnediel",
      "You will be attached to family and children.",
      "Jimi Hendrix",
      "To travel or go on a long journey" "\r\n"
         "To strengthen your resources to fight battles" "\r\n"
         "To improve friendship" "\r\n"
         "To remove unwanted elements, social occasions",
      "Overemotional"}},
    // 8
    {{"Archaam or Arcaph",
      "Al Tarf", "The Glance of the Lion's Eye",
      "Cancer", "Moon", "Barbiel",
      "You will have an agreeable and generous personality.",
      "Elizabeth II",
      "To protect yourself from another man's claims",
      "Discords" "\r\n"
         "Problems in traveling" "\r\n"
         "Problems in agriculture"}},
    // 9
    {{"Algelioche or Albgebh",
      "Al Jabhah", "The Forehead",
      "Cancer", "Mars", "Ardesiel",
      "This mansion is good for love, family, profession, education and happiness. You will be sensitive to others' feelings. You will be extremely social with many friends.",
      "Anne Frank",
      "To strengthen your resources to fight battles" "\r\n"
         "To develop and maintain buildings" "\r\n"
         "To improve friendship" "\r\n"
         "To promote love between man and woman",
      "Abuse of drugs"}},
    // 10
    {{"Azobra or Ardurf",
      "Al Zubrah", "The Mane of the Lion",
      "Leo", "Mercury", "Neciel",
      "This is a favorable mansion where you can become wealthy due to the efforts of someone else. This mansion is good for business, marriage and love.",
      "Elon Musk",
      "To develop and maintain buildings" "\r\n"
         "To increase trade and profit" "\r\n"
         "To release captives" "\r\n"
         "To travel safely in hot places" "\r\n"
         "To increase the wealth of allies",
      "Ill health"}},
    // 11
    {{"Alzarpha or Azarpha",
      "Al Sarfah", "The Changer of the Weather",
      "Leo", "Jupiter", "Abdizuel",
      "You will be prosperous only when you do service to others. You may be better off employed than starting your own business.",
      "Serena Williams",
      "To increase crops" "\r\n"
         "To help friends, authorities and servants",
      "Bad for seamen"}},
    // 12
    {{"Alhaire",
      "Al Awwa", "The Barker",
      "Virgo", "Venus", "Jazeriel",
      "You will travel a lot. You may seem rude and arrogant but actually have a kind heart. You will be good at understanding others.",
      "Werner Heisenberg",
      "To increase trade and profit" "\r\n"
         "To increase crops" "\r\n"
         "To gain favour of Kings, authorities" "\r\n"
         "To release captives" "\r\n"
         "To travel safely in hot places",
      "Rude behavior"}},
    // 13
    {{"Achurethor Arimet or Azimeth or Alhumech or Alcheymech",
      "Al Simak", "The Unarmed",
      "Virgo", "Saturn", "Ergediel",
      "You will be sensible and have the capacity to analyze and logically make decisions. You will be interested in divination.",
      "Walt Disney",
      "To save and protect sailors at sea" "\r\n"
         "To improve friendship" "\r\n"
         "To promote love between man and woman" "\r\n"
         "To heal the sick by drugs, medicines" "\r\n"
         "To destroy lust" "\r\n"
         "To improve the luck of kings",
      "Hinders journeys by land"}},
    // 14
    {{"Agrapha or Algarpha",
      "Al Ghafr", "The Covering",
      "Libra", "Sun", "Ataliel",
      "This mansion is good for hostile takeovers and treasure hunting.",
      "George Harrison",
      "To do all tasks for which you need to look down like digging wells, looking for lost treasure, etc." "\r\n"
         "To scatter your enemies",
      "Divorce" "\r\n"
         "Discords" "\r\n"
         "Destruction of family and home"}},
    // 15
    {{"Azubene or Ahubene",
      "Al Jubana", "The Claws",
      "Libra", "Moon", "Azeruel",
      "This mansion is good for speculation and breeding animals. You have a sound judgment and excellent observation.",
      "Bruce Lee",
      "To do all tasks for which you need to look down like digging wells, looking for lost treasure, etc.",
      "Bad for journeys" "\r\n"
         "Bad for marriage"}},
    // 16
    {{"Alchil",
      "Iklil Al Jabhah", "The Crown of the Forehead",
      "Libra", "Mars", "Adriel",
      "You will have a happy marriage. You will also have a position of responsibility.",
      "Bob Marley",
      "To save and protect sailors at sea" "\r\n"
         "Good time for love between partners" "\r\n"
         "To develop and maintain buildings" "\r\n"
         "To improve friendship" "\r\n"
         "To promote love between man and woman" "\r\n"
         "To help the deceived",
      "Short temper"}},
    // 17
    {{"Alchas or Altob",
      "Al Kalb", "The Heart",
      "Scorpio", "Mercury", "Egibiel",
      "You will be successful in exposing enemies.",
      "Michael Jordan",
      "To develop and maintain buildings" "\r\n"
         "To release captives",
      "Discords" "\r\n"
         "Conspiracies" "\r\n"
         "Revenge"}},
    // 18
    {{"Allatha or Achala or Hycula or Axala",
      "Al Shaula", "The Sting",
      "Scorpio", "Jupiter", "Amutiel",
      "This sign is good for personal development but not for career.",
      "Carl Sagan",
      "To safeguard travellers" "\r\n"
         "To increase crops",
      "Destruction, battles"}},
    // 19
    {{"Abnahaya",
      "Al Na'am", "The Ostriches",
      "Sagittarius", "Venus", "Kyriel",
      "You will do well in love. You will also be successful and prosperous. You may not have a happy married life. You may change your residence frequently.",
      "Freddie Mercury",
      "To strengthen your resources to fight battles" "\r\n"
         "To safeguard travellers" "\r\n"
         "To tame wild and vicious beasts" "\r\n"
         "For people you want to come to you" "\r\n"
         "For introducing good men to each other",
      "Bringing down of society and wealth"}},
    // 20
    {{"Abeda or Albeldach",
      "Al Baldah", "The City or District",
      "Sagittarius", "Saturn", "Bethnael",
      "This mansion is good for traveling. But it also makes one listen to everyone else.",
      "Tim Berners-Lee",
      "To safeguard travellers" "\r\n"
         "To develop and maintain buildings" "\r\n"
         "To increase trade and profit" "\r\n"
         "To increase crops",
      "Divorce" "\r\n"
         "Imprudent"}},
    // 21
    {{"Sadahacha or Zodeboluch or Zandeldena",
      "Al Sad Al Dhabih", "The Lucky One of The Slaughterers",
      "Capricorn", "Sun", "Geliel",
      "This mansion is good for power and fortune but not for marriage. Someone else will bear the consequences of your actions.",
      "Indira Gandhi",
      "To heal the sick by drugs, medicines" "\r\n"
         "For introducing good men to each other",
      "Bad for marriage"}},
    // 22
    {{"Zabadola or Zobrach",
      "Al Sad Al Bulah", "The Good Fortune of The Swallower",
      "Capricorn", "Moon", "Requiel",
      "This mansion is good for politicians, doctors and lawyers. You may not have a very happy marital life.",
      "Muhammad Ali",
      "To improve friendship" "\r\n"
         "To heal the sick by drugs, medicines" "\r\n"
         "For introducing good men to each other",
      "Divorce"}},
    // 23
    {{"Sadabath or Chadezoad",
      "Al Sad Al", "The Luckiest of the Su'udLucky",
      "Capricorn", "Mars", "Abrinael",
      "You may not have a very prosperous career.",
      "Diana, Princess of Wales",
      "Good time for love between partners" "\r\n"
         "To increase trade and profit" "\r\n"
         "For soldiers to report victory",
      "Prevention in execution of government and policies"}},
    // 24
    {{"Sadalbracha or Sadalachia",
      "Al Sad Al Ahbiya", "The Lucky Star of Hidden Things",
      "Aquarius", "Mercury", "Not Applicable",
      "You may attract people who may interfere with your business. You will humble and modest.",
      "Audrey Hepburn",
      "To develop and maintain buildings",
      "Revenge" "\r\n"
         "Discords" "\r\n"
         "Divorce"}},
    // 25
    {{"Alpharg or Phragol Mocaden",
      "Al Farch Al Mukdim", "The Forespout of the Waterbucket",
      "Aquarius", "Jupiter", "Not Applicable",
      "This mansion is good for business, marriage and trade but not for travels. You will have problems with your siblings.",
      "Grace Kelly",
      "To strengthen your resources to fight battles" "\r\n"
         "To safeguard travellers" "\r\n"
         "To develop and maintain buildings" "\r\n"
         "To improve friendship",
      "Destroys buildings"}},
    // 26
    {{"Alcharya or Alhalgalmoad",
      "Al Fargh Al Thani", "The Lower Spout of the Waterbucket",
      "Pisces", "Venus", "Not Applicable",
      "This mansion is good for marriage and business. You will enjoy social gatherings.",
      "Salvador Dali",
      "To increase trade and profit" "\r\n"
         "To heal the sick by drugs, medicines" "\r\n"
         "For introducing good men to each other",
      "General problems" "\r\n"
         "Hindrance in buildings" "\r\n"
         "Danger to seamen"}},
    // 27
    {{"Albotham or Alchalcy",
      "Al Batn al  Hut", "The Belly of the  Fish",
      "Pisces", "Saturn", "Not Applicable",
      "This mansion is good for marriage and business.",
      "Whitney Houston",
      "To strengthen your resources to fight battles" "\r\n"
         "Good time for love between partners" "\r\n"
         "To safeguard travellers" "\r\n"
         "To increase trade and profit" "\r\n"
         "To increase crops",
      "Loss of money"}},}};

}  // namespace

const std::array<MansionRecord, MansionCount>& MansionTable()
{
    return Table;
}

int FillCurrentMansion(MansionRecord& current)
{
    for (int r = 0; r < MansionCount; ++r) {
        const MansionRecord& row = Table[static_cast<std::size_t>(r)];
        if (current[LunarMansionName] == row[LunarMansionName]) {
            current = row;  // the name too: the record then holds only the table's text
            return r;
        }
    }
    return -1;
}

const MansionRecord& MansionRowFor(int mansion)
{
    static constexpr MansionRecord none{};
    if (mansion < 1 || mansion > MansionCount)
        return none;
    return Table[static_cast<std::size_t>(mansion - 1)];
}

}  // namespace modArabicLunarMansionInformation
