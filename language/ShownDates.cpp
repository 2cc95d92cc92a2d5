#include "language/ShownDates.h"

#include "core/ClockText.h"

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

// The short names, English's first three letters; the same source as a long
// name ("May") is told apart by its comment.
constexpr struct {
    const char* source;
    const char* comment;
} ShortNames[] = {
    QT_TRANSLATE_NOOP3("MonthNames", "Jan", "short month"), QT_TRANSLATE_NOOP3("MonthNames", "Feb", "short month"),
    QT_TRANSLATE_NOOP3("MonthNames", "Mar", "short month"), QT_TRANSLATE_NOOP3("MonthNames", "Apr", "short month"),
    QT_TRANSLATE_NOOP3("MonthNames", "May", "short month"), QT_TRANSLATE_NOOP3("MonthNames", "Jun", "short month"),
    QT_TRANSLATE_NOOP3("MonthNames", "Jul", "short month"), QT_TRANSLATE_NOOP3("MonthNames", "Aug", "short month"),
    QT_TRANSLATE_NOOP3("MonthNames", "Sep", "short month"), QT_TRANSLATE_NOOP3("MonthNames", "Oct", "short month"),
    QT_TRANSLATE_NOOP3("MonthNames", "Nov", "short month"), QT_TRANSLATE_NOOP3("MonthNames", "Dec", "short month"),
};

// The day of the month: French writes the first as "1er".
QString DayOfMonth(int day)
{
    return day == 1 ? QCoreApplication::translate("ShownDates", "%1", "the first day of a month").arg(1) : QString::number(day);
}

}  // namespace

QString ShownMonthName(int month)
{
    const std::string name(MonthName(month));
    return name.empty() ? QString() : QCoreApplication::translate("MonthNames", name.c_str());
}

QString ShownShortMonthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    const auto& name = ShortNames[month - 1];
    return QCoreApplication::translate("MonthNames", name.source, name.comment);
}

QString ShownDay(const CivilDate& date)
{
    return QCoreApplication::translate("ShownDates", "%1 %2 %3", "day, month, year")
        .arg(DayOfMonth(date.day), ShownMonthName(date.month), QString::number(date.year));
}

QString ShownClockAndDay(const ClockTime& time)
{
    const LocalMinute local = time.Local();
    return QCoreApplication::translate("ShownDates", "%1 on %2 %3", "clock time, day, month")
        .arg(QString::fromStdString(ClockText(time)), DayOfMonth(local.day), ShownMonthName(local.month));
}

QString ShownShortClockAndDay(const ClockTime& time)
{
    const LocalMinute local = time.Local();
    return QCoreApplication::translate("ShownDates", "%1 %2 %3", "day, short month, clock time")
        .arg(DayOfMonth(local.day), ShownShortMonthName(local.month), QString::fromStdString(ClockText(time)));
}
