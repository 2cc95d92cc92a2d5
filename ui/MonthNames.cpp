#include "ui/MonthNames.h"

#include "core/CivilCalendar.h"

#include <QCoreApplication>

#include <string>

namespace {

// The names for the translators: lupdate gathers them from here, and a month
// is looked up by core's English name, which these are.
[[maybe_unused]] constexpr const char* const ForTranslators[] = {
    QT_TRANSLATE_NOOP("MonthNames", "January"), QT_TRANSLATE_NOOP("MonthNames", "February"),
    QT_TRANSLATE_NOOP("MonthNames", "March"),   QT_TRANSLATE_NOOP("MonthNames", "April"),
    QT_TRANSLATE_NOOP("MonthNames", "May"),     QT_TRANSLATE_NOOP("MonthNames", "June"),
    QT_TRANSLATE_NOOP("MonthNames", "July"),    QT_TRANSLATE_NOOP("MonthNames", "August"),
    QT_TRANSLATE_NOOP("MonthNames", "September"), QT_TRANSLATE_NOOP("MonthNames", "October"),
    QT_TRANSLATE_NOOP("MonthNames", "November"), QT_TRANSLATE_NOOP("MonthNames", "December"),
};

}  // namespace

QString ShownMonthName(int month)
{
    const std::string name(MonthName(month));
    return name.empty() ? QString() : QCoreApplication::translate("MonthNames", name.c_str());
}
