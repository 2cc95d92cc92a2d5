#pragma once

#include "core/ChartRecord.h"
#include "core/MansionRecord.h"
#include "core/MansionChoice.h"

#include <string>
#include <string_view>

// A whole reading: the Moon position text, its mansion and the mansion's ten texts.
struct MansionReading {
    PositionTextStatus status = PositionTextStatus::Malformed;  // if Malformed, ignore the rest
    std::string position;  // UTF-8 position text
    int mansion = 0;       // 1..28
    MansionRecord texts;   // the ten texts of the mansion (constant data)
};

// ReadingForChart — compute a reading from birth data
// Inputs:  chart  the fourteen inputs, already validated by the caller
// Returns: a WellFormed reading; writes the engine's working values into `chart`
MansionReading ReadingForChart(ChartRecord& chart);

// ReadingForPositionText — the reading of a position text, as opened from a file
// Returns: Malformed (and nothing else) unless the text is a well-formed position text
MansionReading ReadingForPositionText(std::string_view text);
