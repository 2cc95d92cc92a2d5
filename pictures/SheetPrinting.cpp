#include "pictures/SheetPrinting.h"

#include "base/QtStdText.h"
#include "core/SafeFileName.h"
#include "files/FileWriting.h"

#include "pictures/CalendarSheet.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QTextDocument>
#include <QPrintDialog>
#include <QPrinter>

#include <functional>

namespace {

// Runs `print`; a printer that prints to a file prints into a staged file
// beside the chosen one (its name ends in .pdf, which keeps the printer's
// PDF output), put in the chosen one's place when whole.
bool PrintOut(QPrinter& printer, const std::function<bool(QPrinter&)>& print, std::string& problem)
{
    const QString chosen = printer.outputFileName();
    if (chosen.isEmpty()) {
        if (print(printer))
            return true;
        problem = QCoreApplication::translate("SheetPrinting", "the printer could not be written").toStdString();
        return false;
    }
    StagedFile file(QFile::encodeName(chosen).toStdString(), ReadOnlyFiles::Refuse, ".pdf");
    if (file.problem().empty()) {
        printer.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(file.name())));
        const bool printed = print(printer);
        printer.setOutputFileName(chosen);
        if (!printed) {
            problem = QCoreApplication::translate("SheetPrinting", "the page could not be written").toStdString();
            return false;  // the staged file goes with `file`
        }
        file.PutInPlace();
    }
    problem = file.problem();
    return problem.empty();
}

}  // namespace

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

bool PrintReading(QPrinter& printer, const ReadingSheet& sheet, std::string& problem)
{
    return PrintOut(printer, [&sheet](QPrinter& p) { return PrintReadingSheet(p, sheet); }, problem);
}

bool PrintCalendar(QPrinter& printer, const CalendarSheet& sheet, std::string& problem)
{
    return PrintOut(
        printer,
        [&sheet](QPrinter& p) {
            QTextDocument document;
            LayOutCalendar(document, sheet, p);
            document.print(&p);
            return p.printerState() != QPrinter::Error;
        },
        problem);
}

bool PrintReadingWithDialog(QWidget* parent, const ReadingSheet& sheet, std::string& problem)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQString(SafeFileName(ToStdString(SheetTitle(sheet)))));  // print to file offers it as the name
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return true;  // cancelled: nothing to report
    return PrintReading(printer, sheet, problem);
}

bool PrintCalendarWithDialog(QWidget* parent, const CalendarSheet& sheet, std::string& problem)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQString(SafeFileName(ToStdString(sheet.title))));  // print to file offers it as the name
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return true;  // cancelled: nothing to report
    return PrintCalendar(printer, sheet, problem);
}
