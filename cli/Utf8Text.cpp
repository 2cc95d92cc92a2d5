#include "cli/Utf8Text.h"

void AppendSanitizedUtf8(std::string& out, std::string_view bytes)
{
    std::size_t run = 0;  // start of the valid bytes not yet appended
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;  // range of the second byte
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;   // no overlong forms
            if (lead == 0xED) high = 0x9F;  // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
        }
        bool valid = length > 0 && i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto cont = static_cast<unsigned char>(bytes[i + k]);
            valid = k == 1 ? cont >= low && cont <= high : (cont & 0xC0) == 0x80;
        }
        if (valid) {
            i += length;
        } else {
            out.append(bytes.substr(run, i - run));
            out += "\xEF\xBF\xBD";
            run = ++i;
        }
    }
    out.append(bytes.substr(run));
}

std::string OneLineText(std::string_view bytes)
{
    std::string text = SanitizeUtf8(bytes);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return text;
}

std::string SanitizeUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    AppendSanitizedUtf8(out, bytes);
    return out;
}
