#include "core/MansionVocabulary.h"

#include "core/modArabicLunarMansionInformation.h"

#include <array>
#include <cmath>

int MansionOfLongitude(double longitude)
{
    const long arcMinute = static_cast<long>(std::floor(longitude * 60.0));
    int k = static_cast<int>(arcMinute * 7 / 5400) + 1;
    while (k > 1 && arcMinute <= (5400L * (k - 1)) / 7)
        --k;
    while (k < 28 && arcMinute > (5400L * k) / 7)
        ++k;
    return k;
}

std::vector<std::string_view> FieldItems(int mansion, MansionField field)
{
    const std::string_view text = modArabicLunarMansionInformation::MansionRowFor(mansion)[field];
    std::vector<std::string_view> items;
    if (field != FavorableCircumstances && field != UnfavorableCircumstances) {
        items.push_back(text);
        return items;
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find("\r\n", start);
        items.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return items;
        start = end + 2;
    }
}

std::string_view FirstLatinName(int mansion)
{
    const std::string_view names = modArabicLunarMansionInformation::MansionRowFor(mansion)[LunarMansionName];
    return names.substr(0, names.find(" or "));
}

std::string StayTitle(int mansion)
{
    const auto& row = modArabicLunarMansionInformation::MansionRowFor(mansion);
    return "Moon in mansion " + std::to_string(mansion) + " \xE2\x80\x94 " + std::string(row[ArabicName]) + " (" +
           std::string(row[EnglishMeaning]) + ")";
}

std::string MansionByArabicName(int mansion)
{
    const auto& row = modArabicLunarMansionInformation::MansionRowFor(mansion);
    return "mansion " + std::to_string(mansion) + ", " + std::string(row[ArabicName]) + " (" +
           std::string(row[EnglishMeaning]) + ")";
}

std::string MansionByLatinName(int mansion)
{
    return "mansion " + std::to_string(mansion) + ", " +
           std::string(modArabicLunarMansionInformation::MansionRowFor(mansion)[LunarMansionName]);
}

std::string_view SignName(int sign)
{
    static constexpr std::array<std::string_view, 12> names{"Aries", "Taurus",  "Gemini",      "Cancer",
                                                            "Leo",   "Virgo",   "Libra",       "Scorpio",
                                                            "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    return sign >= 0 && sign < 12 ? names[static_cast<std::size_t>(sign)] : std::string_view{};
}
