#pragma once

#include "core/CivilCalendar.h"
#include "core/Clocks.h"

#include <QString>

// Dates for people, in the program's language: core's English names and
// order through the translation loaded ("1. Juli 1975" in German), the
// English where none is. The tool's outputs for machines keep ISO 8601.

// A month's name ("Juli"); 1..12, "" for any other number.
QString ShownMonthName(int month);
// Its short form, where a table's column has little room ("Jul", "juil.").
QString ShownShortMonthName(int month);
// "21 March 1987".
QString ShownDay(const CivilDate& date);
// "08:38 BST on 31 March": the clock time with its zone and its local day,
// the year left out.
QString ShownClockAndDay(const ClockTime& time);
// "31 Mar 08:38 BST": the same, short, for a table's cell.
QString ShownShortClockAndDay(const ClockTime& time);
