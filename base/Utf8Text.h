#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One character of UTF-8: its code point and the number of bytes it takes.
struct Utf8Char {
    char32_t codePoint = 0;
    std::size_t length = 0;  // 0: the bytes at that place start no well-formed character
};

// DecodeUtf8At — the character that starts at byte `i` of `text`
// Notes: well-formed as Unicode defines it (RFC 3629): no overlong forms, no
//        surrogates, nothing beyond U+10FFFF, no sequence cut short by the end.
Utf8Char DecodeUtf8At(std::string_view text, std::size_t i);

// Valid UTF-8 for any bytes: each byte that does not start or continue a valid
// sequence becomes U+FFFD, so that what the tool prints is always well-formed
// text, whatever a name or a file held.
std::string SanitizeUtf8(std::string_view bytes);
void AppendSanitizedUtf8(std::string& out, std::string_view bytes);

// The same for a CSV field: NUL bytes, which spreadsheets and C programs take
// for the end of the text, become U+FFFD too.
void AppendCsvText(std::string& out, std::string_view bytes);

// The same on one line for a terminal: control characters (C0 such as line
// ends, tabs and escapes, DEL, and C1 such as U+009B, which terminals take as
// the start of a command), line and paragraph separators and the
// bidirectional embeddings, overrides and isolates (which reorder what
// follows on screen) each become "?", so that a message or a name quoting the
// user's input stays one line of plain text that shows what it holds.
std::string OneLineText(std::string_view bytes);
