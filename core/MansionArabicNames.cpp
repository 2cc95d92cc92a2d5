#include "core/MansionArabicNames.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 28> Names{
    "الشرطان",      "البطين",       "الثريا",   "الدبران",   "الهقعة",     "الهنعة",       "الذراع",
    "النثرة",       "الطرف",        "الجبهة",   "الزبرة",    "الصرفة",     "العواء",       "السماك",
    "الغفر",        "الزبانى",      "الإكليل",  "القلب",     "الشولة",     "النعائم",      "البلدة",
    "سعد الذابح",   "سعد بلع",      "سعد السعود", "سعد الأخبية", "الفرغ المقدم", "الفرغ المؤخر", "بطن الحوت",
};

}  // namespace

std::string_view MansionArabicName(int mansion)
{
    return mansion >= 1 && mansion <= static_cast<int>(Names.size()) ? Names[static_cast<std::size_t>(mansion - 1)]
                                                                      : std::string_view();
}
