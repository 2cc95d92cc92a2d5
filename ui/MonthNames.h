#pragma once

#include <QString>

// ShownMonthName — a month's name in the program's language ("Juli" in
// German): core's English name (MonthName) through the translation loaded;
// the English name where none is. 1..12; "" for any other number.
QString ShownMonthName(int month);
