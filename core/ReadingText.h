#pragma once

#include "core/MansionPassage.h"
#include "core/MansionReading.h"

#include <optional>
#include <ostream>
#include <string>

// The reading as plain text: the tool's text output and the result window's
// copy, one writer for both.

// WriteReadingText — the reading as the result window's captions and values
// Inputs:  reading  a WellFormed reading; name  the person's, first when given;
//          passage  when given, two lines more at the end
// Notes:   1) One line each; list items each on a line of their own, indented
//             by two spaces; a name is made one line.
//          2) The passage's lines: when the Moon entered the mansion and when
//             it left it, ISO 8601 local times, each with the offset of the
//             clocks at that moment.
void WriteReadingText(std::ostream& out, const MansionReading& reading,
                      const std::optional<std::string>& name, const MansionPassage* passage = nullptr);
