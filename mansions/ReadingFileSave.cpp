#include "mansions/ReadingFileSave.h"

#include "mansions/ReadingFile.h"

#include <QCoreApplication>
#include <QSaveFile>

QString SaveReadingFile(const QString& path, const std::string& positionText)
{
    const std::optional<std::string> bytes = ReadingFileBytes(positionText);
    if (!bytes)
        return QCoreApplication::translate("ReadingFile", "The reading holds a character that a reading file cannot keep.");
    QSaveFile file(path);
    // Unbuffered: a write that fails is seen at once, and commit() then keeps
    // the old file instead of putting a short one in its place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes->data(), static_cast<qint64>(bytes->size())) != static_cast<qint64>(bytes->size()) ||
        !file.commit())
        return file.errorString();
    return {};
}
