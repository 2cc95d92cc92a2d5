#pragma once

#include "pictures/ReadingSheet.h"

#include <string>

class QPrinter;
class QWidget;

// PrintReadingSheet — the reading's page, black on white, on the printer's
// paper (A4, Letter...). False when the printer could not be written.
bool PrintReadingSheet(QPrinter& printer, const ReadingSheet& sheet);

// PrintReadingWithDialog — asks for a printer (the system's print dialog over
// `parent`) and prints the page
// Returns: true when printed or cancelled; false with `problem` set when the
//          printer could not be written
bool PrintReadingWithDialog(QWidget* parent, const ReadingSheet& sheet, std::string& problem);

// PrintCalendarWithDialog — the same for the Mansion Calendar's month: its
// page (CalendarHtml) on the printer's paper, landscape.
bool PrintCalendarWithDialog(QWidget* parent, const struct CalendarSheet& sheet, std::string& problem);
