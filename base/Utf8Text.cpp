#include "base/Utf8Text.h"

Utf8Char DecodeUtf8At(std::string_view text, std::size_t i)
{
    if (i >= text.size())
        return {};
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t codePoint = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead < 0x80) {
        return {lead, 1};
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
    } else {
        return {};
    }
    if (i + length > text.size())
        return {};
    for (std::size_t k = 1; k < length; ++k) {
        const auto cont = static_cast<unsigned char>(text[i + k]);
        if (k == 1 ? cont < low || cont > high : (cont & 0xC0) != 0x80)
            return {};
        codePoint = (codePoint << 6) | (cont & 0x3Fu);
    }
    return {codePoint, length};
}

void AppendSanitizedUtf8(std::string& out, std::string_view bytes)
{
    std::size_t run = 0;  // start of the valid bytes not yet appended
    for (std::size_t i = 0; i < bytes.size();) {
        if (const std::size_t length = DecodeUtf8At(bytes, i).length) {
            i += length;
        } else {
            out.append(bytes.substr(run, i - run));
            out += "\xEF\xBF\xBD";
            run = ++i;
        }
    }
    out.append(bytes.substr(run));
}

void AppendCsvText(std::string& out, std::string_view bytes)
{
    for (std::size_t nul; (nul = bytes.find('\0')) != std::string_view::npos; bytes.remove_prefix(nul + 1)) {
        AppendSanitizedUtf8(out, bytes.substr(0, nul));
        out += "\xEF\xBF\xBD";
    }
    AppendSanitizedUtf8(out, bytes);
}

namespace {

// Length of the sequence at `i` of valid UTF-8 `text` when it is a character a
// terminal line must not show raw, else 0.
std::size_t UnsafeForTerminal(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u; };
    const unsigned lead = byte(0);
    if (lead < 0x20 || lead == 0x7F)
        return 1;
    if (lead == 0xC2 && byte(1) >= 0x80 && byte(1) <= 0x9F)
        return 2;  // C1 controls
    if (lead == 0xE2 && byte(1) == 0x80 && byte(2) >= 0xA8 && byte(2) <= 0xAE)
        return 3;  // U+2028..U+202E: separators, embeddings and overrides
    if (lead == 0xE2 && byte(1) == 0x81 && byte(2) >= 0xA6 && byte(2) <= 0xA9)
        return 3;  // U+2066..U+2069: isolates
    return 0;
}

}  // namespace

std::string OneLineText(std::string_view bytes)
{
    const std::string text = SanitizeUtf8(bytes);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t unsafe = UnsafeForTerminal(text, i)) {
            out += '?';
            i += unsafe;
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string SanitizeUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    AppendSanitizedUtf8(out, bytes);
    return out;
}
