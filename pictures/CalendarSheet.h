#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The Mansion Calendar's month as a page: a title, the "Now" line, and one
// row a stay (the window's columns), the reading's own mansion marked.
struct CalendarSheet {
    QString title;    // "Mansion Calendar — February 2026 (UTC+11:00)"
    QString now;      // "The Moon is in mansion 14, …"
    QStringList header;
    QList<QStringList> rows;
    QList<bool> marked;  // per row: the reading's own mansion
};

// CalendarHtml — the page as HTML, for a printer or a PDF writer
QString CalendarHtml(const CalendarSheet& sheet);

// CalendarPdf — the page as a PDF document (A4 landscape, selectable text, titled)
QByteArray CalendarPdf(const CalendarSheet& sheet);
