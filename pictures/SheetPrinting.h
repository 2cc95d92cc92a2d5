#pragma once

#include "pictures/ReadingSheet.h"

#include <string>

class QPrinter;
class QWidget;

// PrintReadingSheet — the reading's page, black on white, on the printer's
// paper (A4, Letter...). False when the printer could not be written.
bool PrintReadingSheet(QPrinter& printer, const ReadingSheet& sheet);

// PrintReading, PrintCalendar — print the reading's page, or the Mansion
// Calendar's month (CalendarHtml, landscape), on a printer set up by the
// print dialog
// Returns: true when printed; false with `problem` set (one line) when not
// Notes:   a printer that prints to a file (the dialog's Print to File)
//          writes it by the program's one policy (files/FileWriting.h): a
//          chosen file that is read-only or not a regular file (a pipe would
//          block the printer) is refused before anything is printed, a link
//          is followed, and the page goes into a fresh private file beside
//          the chosen one that takes its place when whole. Before that, Qt's
//          own dialog asks before replacing a file and refuses one it cannot
//          open to append to (it opens the chosen file to find out, which is
//          Qt's doing); a file set read-only is refused here for root too.
bool PrintReading(QPrinter& printer, const ReadingSheet& sheet, std::string& problem);
bool PrintCalendar(QPrinter& printer, const struct CalendarSheet& sheet, std::string& problem);

// PrintReadingWithDialog — asks for a printer (the system's print dialog over
// `parent`) and prints the page
// Returns: true when printed or cancelled; false with `problem` set when the
//          printer or its file could not be written
bool PrintReadingWithDialog(QWidget* parent, const ReadingSheet& sheet, std::string& problem);

// PrintCalendarWithDialog — the same for the Mansion Calendar's month.
bool PrintCalendarWithDialog(QWidget* parent, const CalendarSheet& sheet, std::string& problem);
