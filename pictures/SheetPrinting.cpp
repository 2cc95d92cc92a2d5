#include "pictures/SheetPrinting.h"

#include "base/QtStdText.h"
#include "core/SafeFileName.h"

#include "pictures/CalendarSheet.h"

#include <QPainter>
#include <QTextDocument>
#include <QPrintDialog>
#include <QPrinter>

bool PrintReadingSheet(QPrinter& printer, const ReadingSheet& sheet)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The page in points, the printer's resolution underneath.
    const QRectF paper = printer.pageLayout().fullRectPoints();
    painter.setWindow(0, 0, qRound(paper.width()), qRound(paper.height()));
    painter.setViewport(printer.pageLayout().fullRectPixels(printer.resolution()));
    DrawReadingSheet(painter, QRectF(QPointF(0, 0), paper.size()), sheet);
    return painter.end();
}

bool PrintReadingWithDialog(QWidget* parent, const ReadingSheet& sheet, std::string& problem)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQString(SafeFileName(ToStdString(SheetTitle(sheet)))));  // print to file offers it as the name
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return true;  // cancelled: nothing to report
    if (PrintReadingSheet(printer, sheet))
        return true;
    problem = "the printer could not be written";
    return false;
}

bool PrintCalendarWithDialog(QWidget* parent, const CalendarSheet& sheet, std::string& problem)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQString(SafeFileName(ToStdString(sheet.title))));  // print to file offers it as the name
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return true;  // cancelled: nothing to report
    QTextDocument document;
    document.setHtml(CalendarHtml(sheet));
    document.print(&printer);
    if (printer.printerState() != QPrinter::Error)
        return true;
    problem = "the printer could not be written";
    return false;
}
