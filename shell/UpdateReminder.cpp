#include "shell/UpdateReminder.h"

#include "core/ReadingTextCodec.h"
#include "ui/MessageBox.h"
#include "core/UpdateReminderRule.h"
#include "ui/WebLinks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The setting holds single-byte codes; Latin-1 carries each one as a character.
QString Latin1(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

struct UpdateReminderText {
    Q_DECLARE_TR_FUNCTIONS(UpdateReminderText)
};

// Why the settings file at `path` and its lock are not to be touched, or "".
// lstat: a link is seen as a link, never followed to what it names.
QString SettingsProblem(const QString& path, const QString& lockPath)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0) {
        if (S_ISLNK(info.st_mode))
            return UpdateReminderText::tr("%1 is a symbolic link").arg(path);
        if (!S_ISREG(info.st_mode) || info.st_size > SettingsFileLimit)
            return UpdateReminderText::tr("%1 is not a small regular file").arg(path);
    }
    // The lock is read by whoever finds it taken: a pipe would never answer,
    // and a lock of another user's is not ours to break.
    if (::lstat(QFile::encodeName(lockPath).constData(), &info) == 0 &&
        (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()))
        return UpdateReminderText::tr("its lock %1 is not a regular file of this user's").arg(lockPath);
    return {};
}

QString ReminderKey()
{
    return QStringLiteral("Settings/") + Latin1(ReminderSettingKey());
}

CivilDate Civil(const QDate& day)
{
    return {day.year(), day.month(), day.day()};
}

ReminderAction ActionFor(const QSettings& settings, const QDate& today)
{
    const QByteArray stored = settings.value(ReminderKey()).toString().toLatin1();
    return DecideReminder(DecodeReadingText(stored.toStdString()), Civil(today));
}

}  // namespace

void RemindOfUpdate(QSettings& settings, const QDate& today, QWidget* parent)
{
    const ReminderAction action = ActionFor(settings, today);
    if (action == ReminderAction::Nothing)
        return;

    bool yes = false;
    if (action == ReminderAction::AskAndWrite)
        yes = Messages::Show(parent,
                             QObject::tr("There maybe an update to this software available\r"
                                         "Do you want to check for an update?"),
                             Messages::Icon::Information, Messages::Buttons::YesNo) == Messages::Answer::Yes;
    settings.setValue(ReminderKey(), Latin1(EncodeReadingText(ReminderDateText(Civil(today)))));
    settings.sync();
    if (yes)
        WebLinks::OpenDownloadPage();
}

void RemindOfUpdate(const QString& path, const QDate& today, QWidget* parent)
{
    const QString lockPath = path + QStringLiteral(".lock");  // the lock QSettings takes to write
    QString problem = path.isEmpty() ? UpdateReminderText::tr("there is no home folder to keep them in (HOME is not set)")
                                     : SettingsProblem(path, lockPath);
    // Most starts only read the date, which takes no lock: the lock (whose
    // making syncs the disk) and the folder are for a start that writes.
    if (problem.isEmpty() && ActionFor(QSettings(path, QSettings::IniFormat), today) == ReminderAction::Nothing)
        return;
    if (problem.isEmpty()) {
        // A new account may have no settings folder yet: it is made, for the
        // user alone, as the desktop's own folders are, so that the lock can be taken.
        QStringList unmade;
        for (QString folder = QFileInfo(path).absolutePath(); !QFileInfo::exists(folder) && !QDir(folder).isRoot();
             folder = QFileInfo(folder).absolutePath())
            unmade.prepend(folder);
        for (const QString& folder : unmade)
            QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // QSettings would wait for the lock without end: it is tried here first, for a while.
        QLockFile lock(lockPath);
        if (!lock.tryLock(SettingsLockWaitMs))
            problem = lock.error() == QLockFile::LockFailedError ? UpdateReminderText::tr("its lock %1 is held by another program").arg(lockPath)
                                                                  : UpdateReminderText::tr("its lock %1 cannot be made").arg(lockPath);
    }
    if (!problem.isEmpty()) {
        qWarning("%s", qPrintable(UpdateReminderText::tr("%1: the settings are not kept: %2").arg(QCoreApplication::applicationName(), problem)));
        return;
    }
    QSettings settings(path, QSettings::IniFormat);
    RemindOfUpdate(settings, today, parent);
}

QString UpdateReminderSettingsPath(const QString& program)
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
