#include "pictures/CalendarSheet.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

QString CalendarHtml(const CalendarSheet& sheet, double points)
{
    // A month (up to 33 stays) on one A4 page across: small type, tight
    // cells; the header row in a <thead>, which each further page of a longer
    // span repeats. The "Now" line only when the sheet has one.
    QString html = QStringLiteral("<html><body style=\"font-family: 'DejaVu Sans'; font-size: %2pt\"><p style=\"font-size: 9pt; font-weight: bold\">%1</p>")
                       .arg(sheet.title.toHtmlEscaped())
                       .arg(points);
    if (!sheet.now.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(sheet.now.toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\" width=\"100%\"><thead><tr>");
    for (const QString& h : sheet.header)
        html += QStringLiteral("<th align=\"left\">%1</th>").arg(h.toHtmlEscaped());
    html += QStringLiteral("</tr></thead>");
    for (qsizetype r = 0; r < sheet.rows.size(); ++r) {
        const bool marked = r < sheet.marked.size() && sheet.marked[r];
        html += marked ? QStringLiteral("<tr style=\"font-weight: bold\">") : QStringLiteral("<tr>");
        for (const QString& cell : sheet.rows[r])
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table></body></html>");
}

QByteArray CalendarPdf(const CalendarSheet& sheet)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Qamarel"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        QTextDocument document;
        LayOutCalendar(document, sheet, writer);
        document.print(&writer);
    }
    return pdf;
}

void LayOutCalendar(QTextDocument& document, const CalendarSheet& sheet, QPagedPaintDevice& device)
{
    // Laid out in the device's own units on its printable area, as it prints.
    document.documentLayout()->setPaintDevice(&device);
    document.setPageSize(device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    constexpr qsizetype MonthRows = 33;
    for (double points = 6.0;; points -= 0.5) {
        document.setHtml(CalendarHtml(sheet, points));
        if (sheet.rows.size() > MonthRows || document.pageCount() <= 1 || points <= 4.0)
            return;
    }
}
