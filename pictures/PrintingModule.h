#pragma once

#include "base/CompanionModules.h"

#include <string>

class QWidget;
struct ReadingSheet;
struct CalendarSheet;

// The result window's and the Mansion Calendar's Print: the module libqamarel-printing.so, loaded when
// first needed (see CompanionModules.h), so that the program starts without Qt
// Print Support and the print system's libraries.
struct PrintingModuleEntry {
    static constexpr const char* Library = "libqamarel-printing.so";
    static constexpr const char* Kind = "printing";
    static constexpr std::uint32_t Layout = 2;  // 2: the calendar's print

    ModuleHeader header;  // first, so that the loader's check sees it
    // Asks for a printer and prints: PrintReadingWithDialog (SheetPrinting.h).
    bool (*printWithDialog)(QWidget* parent, const ReadingSheet& sheet, std::string& problem);
    // The Mansion Calendar's Print: PrintCalendarWithDialog (SheetPrinting.h).
    bool (*printCalendarWithDialog)(QWidget* parent, const CalendarSheet& sheet, std::string& problem);
};
