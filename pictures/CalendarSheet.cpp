#include "pictures/CalendarSheet.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

QString CalendarHtml(const CalendarSheet& sheet)
{
    QString html = QStringLiteral("<html><body style=\"font-family: 'DejaVu Sans'; font-size: 8pt\"><h2>%1</h2><p>%2</p>")
                       .arg(sheet.title.toHtmlEscaped(), sheet.now.toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>");
    for (const QString& h : sheet.header)
        html += QStringLiteral("<th align=\"left\">%1</th>").arg(h.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (qsizetype r = 0; r < sheet.rows.size(); ++r) {
        const bool marked = r < sheet.marked.size() && sheet.marked[r];
        html += marked ? QStringLiteral("<tr style=\"font-weight: bold\">") : QStringLiteral("<tr>");
        for (const QString& cell : sheet.rows[r])
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
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
        document.setHtml(CalendarHtml(sheet));
        document.print(&writer);
    }
    return pdf;
}
