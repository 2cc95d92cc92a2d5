#pragma once

#include "core/BirthMoment.h"
#include "core/MansionPassage.h"
#include "core/MansionReading.h"
#include "base/CompanionModules.h"

#include <optional>
#include <string>

// The reading tool's --picture: the module libqamarel-pictures.so, loaded
// when first needed (see CompanionModules.h), and its entry.

struct PictureRequest {
    std::string name;  // of the file it is for: ending in .png (the wheel) or .pdf (the page)
    MansionReading reading;
    std::optional<BirthMoment> birth;  // none for a reading opened from a file
    std::optional<MansionPassage> passage;
};

struct PicturesModuleEntry {
    static constexpr const char* Library = "libqamarel-pictures.so";
    static constexpr const char* Kind = "pictures";
    static constexpr std::uint32_t Layout = 3;  // 3: the picture's bytes, written by the tool

    ModuleHeader header;  // first, so that the loader's check sees it
    // Draws the picture into `bytes`; `problem` stays "" when drawn, else says why not.
    void (*drawPicture)(const PictureRequest& request, std::string& bytes, std::string& problem);
};
