// The reading tool's pictures, a module loaded when --picture asks for one:
// it brings Qt GUI, which no other run of the tool needs.
#include "pictures/PictureModule.h"

#include "base/ProgramVersion.h"
#include "base/TextBasics.h"
#include "files/RuntimeFolder.h"
#include "pictures/ReadingSheet.h"

#include <QGuiApplication>

namespace {

// Text needs Qt's font database, which needs a GUI application: one is made
// on the offscreen platform the first time a picture is drawn.
void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a runtime folder of the user's alone; without one (cron, a
    // plain ssh login) it warns and makes one in /tmp. The program's own
    // private folder serves, found as the program finds it.
    const std::string runtime = RuntimeFolder("qamarel");
    if (!runtime.empty())
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
    static int argc = 1;
    static char name[] = "qamarel-reading";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

void DrawReadingPicture(const PictureRequest& request, std::string& bytes, std::string& problem)
{
    const bool png = EndsWithIgnoringCase(request.name, ".png"), pdf = EndsWithIgnoringCase(request.name, ".pdf");
    if (!png && !pdf) {
        problem = "the name must end in .png (the wheel) or .pdf (the reading)";
        return;
    }
    EnsureGuiApplication();
    const MansionReading& reading = request.reading;
    const ReadingSheet sheet = SheetForReading(reading.position, reading.texts, request.birth, request.passage);
    const QByteArray drawn = png ? WheelPng(sheet.wheel) : ReadingPdf(sheet);
    if (drawn.isEmpty())
        problem = "the picture could not be drawn";
    else
        bytes = drawn.toStdString();
}

const PicturesModuleEntry Entry{
    ModuleHeaderOf<PicturesModuleEntry>(QAMAREL_VERSION),
    DrawReadingPicture,
};

}  // namespace

// The module's one export (see CompanionModules.h).
extern "C" Q_DECL_EXPORT const ModuleHeader* QamarelModuleEntry()
{
    return &Entry.header;
}
