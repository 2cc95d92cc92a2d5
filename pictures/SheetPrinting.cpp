#include "pictures/SheetPrinting.h"

#include <QPainter>
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
    printer.setDocName(SheetTitle(sheet));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return true;  // cancelled: nothing to report
    if (PrintReadingSheet(printer, sheet))
        return true;
    problem = "the printer could not be written";
    return false;
}
