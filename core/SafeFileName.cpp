#include "core/SafeFileName.h"

std::string SafeFileName(std::string_view title)
{
    std::string name;
    name.reserve(title.size());
    for (const char c : title) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unfit = byte < 0x20 || byte == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        name += unfit ? '-' : c;
    }
    if (name.find_first_not_of(". ") == std::string::npos)
        return "Qamarel";
    return name;
}
