#pragma once

#include "core/ChartRecord.h"
#include "core/MansionPassage.h"
#include "core/MansionReading.h"

#include <optional>
#include <string>

class QWidget;
struct ReadingSheet;

// The entry points of the modules loaded when first needed (see
// CompanionModules.h): their file names, symbols and signatures.

// libqamarel-pictures.so: the reading tool's --picture.
inline constexpr const char* PicturesModule = "libqamarel-pictures.so";
inline constexpr const char* WritePictureSymbol = "QamarelWriteReadingPicture";
struct PictureRequest {
    std::string path;  // ending in .png (the wheel) or .pdf (the page)
    MansionReading reading;
    std::string name;
    std::optional<ChartRecord> birth;
    std::optional<MansionPassage> passage;
};
// Writes the picture whole; `problem` stays "" when written, else says why not.
using WritePictureFunction = void (*)(const PictureRequest& request, std::string& problem);

// libqamarel-printing.so: the result window's Print.
inline constexpr const char* PrintingModule = "libqamarel-printing.so";
inline constexpr const char* PrintSymbol = "QamarelPrintReading";
// Asks for a printer and prints; false (with a reason) when printing failed,
// true when printed or cancelled.
using PrintFunction = bool (*)(QWidget* parent, const ReadingSheet& sheet, std::string& problem);
