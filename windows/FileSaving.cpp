#include "windows/FileSaving.h"

#include "core/ReadingFile.h"
#include "files/FileWriting.h"

#include <QCoreApplication>
#include <QFile>

QString WriteChosenFile(const QString& path, std::string_view bytes)
{
    // The dialog asked before a read-only file is replaced: the user said yes.
    return QFile::decodeName(
        QByteArray::fromStdString(WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes, ReadOnlyFiles::Replace)));
}

QString SaveReadingFile(const QString& path, const std::string& positionText)
{
    const std::optional<std::string> bytes = ReadingFileBytes(positionText);
    if (!bytes)
        return QCoreApplication::translate("ReadingFile", "The reading holds a character that a reading file cannot keep.");
    return WriteChosenFile(path, *bytes);
}
