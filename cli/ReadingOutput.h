#pragma once

#include "reading/MansionReading.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// Valid UTF-8 for any bytes: each byte that does not start or continue a valid
// sequence becomes U+FFFD, so what the tool prints is always well-formed text.
std::string SanitizeUtf8(std::string_view bytes);

// A JSON string literal (quotes included) for any bytes.
std::string JsonString(std::string_view bytes);

// The reading as the result window's captions and values, one line each; list
// items each on a line of their own, indented by two spaces.
void WriteReadingText(std::ostream& out, const MansionReading& reading,
                      const std::optional<std::string>& name);

// The reading as one JSON object on one line (no line end). `name` adds a
// "name" key; `line` adds a "line" key (batch output).
std::string ReadingJson(const MansionReading& reading, const std::optional<std::string>& name,
                        std::optional<std::size_t> line = std::nullopt);
