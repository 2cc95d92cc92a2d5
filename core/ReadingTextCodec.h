#pragma once

#include <string>
#include <string_view>

// The per-character shift of reading files and of the reminder's setting.
// Both work on single-byte codes (0..255), never on UTF-8.
inline constexpr int ReadingTextShift = 93;

// EncodeReadingText — add the shift to every byte
// Returns: one byte per input byte whose code + 93 is at most 255; the others
//          (codes 163..255, among them the degree sign 176) are left out
std::string EncodeReadingText(std::string_view bytes);

// DecodeReadingText — subtract the shift from every byte
// Returns: one byte per input byte whose code is at least 93; lower codes are left out
std::string DecodeReadingText(std::string_view bytes);
