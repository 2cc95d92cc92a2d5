#pragma once

#include "pictures/ReadingSheet.h"

class QPrinter;

// PrintReadingSheet — the reading's page, black on white, on the printer's
// paper (A4, Letter...). False when the printer could not be written.
bool PrintReadingSheet(QPrinter& printer, const ReadingSheet& sheet);
