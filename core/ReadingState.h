#pragma once

#include "core/BirthMoment.h"
#include "core/ChartRecord.h"
#include "core/MansionRecord.h"
#include "core/MansionChoice.h"
#include "core/MansionPassage.h"

#include <optional>
#include <string>
#include <string_view>

// Everything a run of the program remembers between readings: the birth data
// and engine values of the last reading, the degrees and minutes read from the
// last position text, and the ten texts of the mansion shown.
struct ReadingState {
    ChartRecord chart;
    MansionSignState sign;
    MansionRecord currentMansion;
    // Of a reading computed from birth data: the birth at its place on its
    // clocks, and the Moon's passage through the mansion on those clocks. A
    // reading opened from a file has neither.
    std::optional<BirthMoment> birth;
    std::optional<MansionPassage> passage;
};

// ChooseCurrentMansion — make the mansion of a position text the current one
// Inputs:  text  a position text, freshly computed or read from a file
// Returns: the status of the text. When WellFormed, CurrentMansion holds the
//          mansion's ten texts; when Malformed, nothing in `state` has changed
//          (the caller refuses the text instead of showing an older reading).
PositionTextStatus ChooseCurrentMansion(ReadingState& state, std::string_view text);
