#include "ui/ProgramSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The messages' translation context (a function of their own would hide them from lupdate).
struct ProgramSettingsText {
    Q_DECLARE_TR_FUNCTIONS(ProgramSettingsText)
};

// Why the settings file at `path` and its lock are not to be touched, or "".
// lstat: a link is seen as a link, never followed to what it names.
QString SettingsProblem(const QString& path)
{
    if (path.isEmpty())
        return ProgramSettingsText::tr("there is no home folder to keep them in (HOME is not set)");
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0) {
        if (S_ISLNK(info.st_mode))
            return ProgramSettingsText::tr("%1 is a symbolic link").arg(path);
        if (!S_ISREG(info.st_mode) || info.st_size > SettingsFileLimit)
            return ProgramSettingsText::tr("%1 is not a small regular file").arg(path);
    }
    // The lock is read by whoever finds it taken: a pipe would never answer,
    // and a lock of another user's is not ours to break.
    const QString lockPath = path + QStringLiteral(".lock");  // the lock QSettings takes to write
    if (::lstat(QFile::encodeName(lockPath).constData(), &info) == 0 &&
        (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()))
        return ProgramSettingsText::tr("its lock %1 is not a regular file of this user's").arg(lockPath);
    return {};
}

// Said once a run: a program that keeps no settings says so at its first try.
void SayOnce(const QString& problem)
{
    static bool said = false;
    if (said || problem.isEmpty())
        return;
    said = true;
    qWarning("%s", qPrintable(ProgramSettingsText::tr("%1: the settings are not kept: %2").arg(QCoreApplication::applicationName(), problem)));
}

}  // namespace

QString ProgramSettingsPath(const QString& program)
{
    // As the XDG base directory rules have it: $XDG_CONFIG_HOME, else
    // ~/.config, each only when it is an absolute path. (Qt's own answer
    // without a home is "/.config", the root's.)
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(folder)) {
        const QString home = qEnvironmentVariable("HOME");
        folder = QDir::isAbsolutePath(home) ? QDir(home).filePath(QStringLiteral(".config")) : QString();
    }
    return folder.isEmpty() ? QString() : QDir(folder).filePath(program + QStringLiteral(".ini"));
}

std::unique_ptr<QSettings> SettingsToRead(const QString& path, QString& problem)
{
    problem = SettingsProblem(path);
    if (!problem.isEmpty())
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

std::unique_ptr<QSettings> SettingsToWrite(const QString& path, QString& problem)
{
    problem = SettingsProblem(path);
    if (!problem.isEmpty())
        return nullptr;
    // A new account may have no settings folder yet: it is made, for the
    // user alone, as the desktop's own folders are, so that the lock can be taken.
    QStringList unmade;
    for (QString folder = QFileInfo(path).absolutePath(); !QFileInfo::exists(folder) && !QDir(folder).isRoot();
         folder = QFileInfo(folder).absolutePath())
        unmade.prepend(folder);
    for (const QString& folder : unmade)
        QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!lock.tryLock(SettingsLockWaitMs)) {
        problem = lock.error() == QLockFile::LockFailedError ? ProgramSettingsText::tr("its lock %1 is held by another program").arg(lockPath)
                                                              : ProgramSettingsText::tr("its lock %1 cannot be made").arg(lockPath);
        return nullptr;
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

std::unique_ptr<QSettings> ProgramSettingsToRead()
{
    QString problem;
    std::unique_ptr<QSettings> settings = SettingsToRead(ProgramSettingsPath(QCoreApplication::applicationName()), problem);
    SayOnce(problem);
    return settings;
}

std::unique_ptr<QSettings> ProgramSettingsToWrite()
{
    QString problem;
    std::unique_ptr<QSettings> settings = SettingsToWrite(ProgramSettingsPath(QCoreApplication::applicationName()), problem);
    SayOnce(problem);
    return settings;
}
