#include "shell/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath)
{
    // Never stale by age: the first copy may run for days. A lock whose
    // process has ended is still recognised and taken over.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::IsAnotherRunning()
{
    if (lock_.tryLock(0))
        return false;
    return lock_.error() == QLockFile::LockFailedError;
}

QString DefaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QCoreApplication::applicationName() + QStringLiteral(".lock"));
}
