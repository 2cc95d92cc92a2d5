#include "windows/ReadingFileSave.h"

#include "core/ReadingFile.h"
#include "files/ReadingFileAccess.h"

#include <QCoreApplication>
#include <QFile>

QString SaveReadingFile(const QString& path, const std::string& positionText)
{
    const std::optional<std::string> bytes = ReadingFileBytes(positionText);
    if (!bytes)
        return QCoreApplication::translate("ReadingFile", "The reading holds a character that a reading file cannot keep.");
    // Written beside the old file and flushed to the disk before it takes the
    // old one's place, so even a power cut leaves a whole reading.
    return QString::fromLocal8Bit(WriteFileAtomically(QFile::encodeName(path).toStdString(), *bytes));
}
