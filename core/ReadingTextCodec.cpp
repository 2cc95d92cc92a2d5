#include "core/ReadingTextCodec.h"

std::string EncodeReadingText(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const int code = static_cast<unsigned char>(c) + ReadingTextShift;
        if (code <= 255)
            out += static_cast<char>(code);
    }
    return out;
}

std::string DecodeReadingText(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const int code = static_cast<unsigned char>(c) - ReadingTextShift;
        if (code >= 0)
            out += static_cast<char>(code);
    }
    return out;
}
