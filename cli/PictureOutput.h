#pragma once

#include "core/BirthMoment.h"
#include "core/MansionPassage.h"
#include "core/MansionReading.h"

#include <optional>
#include <string>

// DrawReadingPicture — the mansion wheel as PNG (a name ending in .png) or
// the reading's page as PDF (.pdf), for a file of that name
// Inputs:  birth and passage only for a reading from birth data
// Returns: the picture's bytes; "" with `problem` set (one line) when it
//          could not be drawn
// Notes:   draws offscreen: no display is needed. The caller writes the file.
std::string DrawReadingPicture(const std::string& name, const MansionReading& reading,
                               const std::optional<BirthMoment>& birth, const std::optional<MansionPassage>& passage,
                               std::string& problem);
