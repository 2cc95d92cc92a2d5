#include "core/SingleByteText.h"

#include "base/Utf8Text.h"

#include <array>
#include <cstdint>

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252; the rest of the set is Latin-1.
constexpr std::array<char32_t, 32> HighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodePointOfByte(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0)
        return HighControls[b - 0x80u];
    return b;
}

std::optional<unsigned char> ByteOfCodePoint(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::optional<std::string> Utf8ToSingleByte(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Char c = DecodeUtf8At(utf8, i);
        if (c.length == 0)
            return std::nullopt;  // not well-formed UTF-8
        const std::optional<unsigned char> byte = ByteOfCodePoint(c.codePoint);
        if (!byte)
            return std::nullopt;  // a character the set has no byte for
        out += static_cast<char>(*byte);
        i += c.length;
    }
    return out;
}

std::string SingleByteToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes)
        AppendUtf8(out, CodePointOfByte(static_cast<unsigned char>(c)));
    return out;
}
