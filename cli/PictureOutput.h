#pragma once

#include "core/BirthMoment.h"
#include "core/MansionPassage.h"
#include "core/MansionReading.h"

#include <optional>
#include <string>

// WriteReadingPicture — the mansion wheel as PNG (a name ending in .png) or
// the reading's page as PDF (.pdf), written whole in place of any old file
// Inputs:  birth and passage only for a reading from birth data
// Returns: "" when written, else why not (one line)
// Notes:   draws offscreen: no display is needed.
std::string WriteReadingPicture(const std::string& path, const MansionReading& reading,
                                const std::optional<BirthMoment>& birth, const std::optional<MansionPassage>& passage);
