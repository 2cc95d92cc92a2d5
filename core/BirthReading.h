#pragma once

#include "core/BirthMoment.h"
#include "core/MansionPassage.h"
#include "core/MansionReading.h"

#include <optional>

// The one way from a birth to what the window and the tool show of it: the
// reading (position, mansion, ten texts) and the Moon's passage on the
// birth's clocks.
struct BirthReading {
    MansionReading reading;
    std::optional<MansionPassage> passage;  // none when left out
};

enum class PassageWanted {
    Whole,      // with the birth day's path, for the wheel and the page
    TimesOnly,  // the two ends alone (a batch row)
    None,       // --no-passage
};

// ReadBirth — the reading of a birth at its place on its clocks
// Inputs:  moment  the chart's fourteen inputs, already validated by the caller
BirthReading ReadBirth(const BirthMoment& moment, PassageWanted passage = PassageWanted::Whole);
