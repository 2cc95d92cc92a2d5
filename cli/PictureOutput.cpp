#include "cli/PictureOutput.h"

#include "mansions/ReadingFileAccess.h"
#include "mansions/ReadingSheet.h"

#include <QGuiApplication>

#include <algorithm>
#include <cctype>

namespace {

bool EndsWith(std::string text, const std::string& ending)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// Text needs Qt's font database, which needs a GUI application: one is made
// on the offscreen platform the first time a picture is drawn.
void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qamarel-reading";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

}  // namespace

std::string WriteReadingPicture(const std::string& path, const MansionReading& reading, const std::string& name,
                                const std::optional<ChartRecord>& birth, const std::optional<MansionPassage>& passage)
{
    const bool png = EndsWith(path, ".png"), pdf = EndsWith(path, ".pdf");
    if (!png && !pdf)
        return "the name must end in .png (the wheel) or .pdf (the reading)";
    EnsureGuiApplication();
    const ReadingSheet sheet = SheetForReading(reading.position, reading.texts, name, birth, passage);
    const QByteArray bytes = png ? WheelPng(sheet.wheel) : ReadingPdf(sheet);
    if (bytes.isEmpty())
        return "the picture could not be drawn";
    return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
