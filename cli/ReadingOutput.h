#pragma once

#include "base/Utf8Text.h"
#include "core/MansionPassage.h"
#include "core/MansionReading.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// A JSON string literal (quotes included) for any bytes.
std::string JsonString(std::string_view bytes);

// The reading as the result window's captions and values, one line each; list
// items each on a line of their own, indented by two spaces.
// With a passage, two lines more at the end: when the Moon entered the
// mansion and when it left it, ISO 8601 local times, each with the offset
// of the clocks at that moment.
void WriteReadingText(std::ostream& out, const MansionReading& reading,
                      const std::optional<std::string>& name, const PassageClocks* passage = nullptr);

// The reading as one JSON object on one line (no line end). `name` adds a
// "name" key; `line` adds a "line" key (batch output); `place`, a JSON
// object, adds a "place" key.
// `passage` adds "passage": {"entered", "left"} after "mansion".
std::string ReadingJson(const MansionReading& reading, const std::optional<std::string>& name,
                        std::optional<std::size_t> line = std::nullopt, std::string_view place = {},
                        const PassageClocks* passage = nullptr);
