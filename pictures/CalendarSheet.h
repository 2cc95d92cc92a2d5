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

class QPagedPaintDevice;
class QTextDocument;

// CalendarHtml — the page as HTML, its type `points` high
QString CalendarHtml(const CalendarSheet& sheet, double points = 6.0);

// LayOutCalendar — the sheet in `document`, laid out on the pages of
// `device` (a printer or a PDF writer): a month's stays on one page whatever
// fonts its scripts take (an Arabic name's font has taller lines), the type
// made smaller half a point at a time to 4 pt at the least; a longer span
// runs on over pages, its header on each.
void LayOutCalendar(QTextDocument& document, const CalendarSheet& sheet, QPagedPaintDevice& device);

// CalendarPdf — the page as a PDF document (A4 landscape, selectable text, titled)
QByteArray CalendarPdf(const CalendarSheet& sheet);
