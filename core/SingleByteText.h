#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reading files and the reminder's setting store one byte a character in the
// Windows-1252 single-byte set (the degree sign is byte 176); the program's own
// text is UTF-8. These convert between the two.

// UTF-8 text to Windows-1252 bytes.
// Returns: the bytes, or nothing when the text is not valid UTF-8 or holds a
//          character that the single-byte set cannot hold.
std::optional<std::string> Utf8ToSingleByte(std::string_view utf8);

// Windows-1252 bytes to UTF-8 text. Total: every byte has a character (the five
// codes that Windows-1252 leaves undefined map to the C1 controls, as Windows does).
std::string SingleByteToUtf8(std::string_view bytes);
