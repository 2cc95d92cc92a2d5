#include "shell/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#define QAMAREL_ADVISORY_LOCKS 1
#endif

SingleInstance::SingleInstance(const QString& lockPath) : path_(lockPath) {}

// Closing the locked file releases the lock; the file stays, harmless.
SingleInstance::~SingleInstance() = default;

bool SingleInstance::IsAnotherRunning()
{
    if (path_.isEmpty())
        return false;
#ifdef QAMAREL_ADVISORY_LOCKS
    // flock: held by an open file, released by the system when the holder
    // ends. O_NOFOLLOW: a link planted in the lock's place is not followed.
    const QByteArray name = QFile::encodeName(path_);
    fd_.reset(::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600));
    if (!fd_.valid())
        return false;
    struct stat info {};
    if (::fstat(fd_.get(), &info) != 0 || !S_ISREG(info.st_mode) || ::flock(fd_.get(), LOCK_EX | LOCK_NB) == 0)
        return false;
    const bool held = errno == EWOULDBLOCK;
    fd_.reset();
    return held;
#else
    fallback_ = std::make_unique<QLockFile>(path_);
    fallback_->setStaleLockTime(0);
    if (fallback_->tryLock(0))
        return false;
    return fallback_->error() == QLockFile::LockFailedError;
#endif
}

QString PrivateFolder(const QStringList& candidates)
{
    for (const QString& folder : candidates) {
        if (folder.isEmpty())
            continue;
#ifdef QAMAREL_ADVISORY_LOCKS
        const QByteArray name = QFile::encodeName(folder);
        if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
            continue;
        struct stat info {};
        if (::lstat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
            (info.st_mode & 077) == 0)
            return folder;
#else
        if (QDir().mkpath(folder))
            return folder;
#endif
    }
    return {};
}

QString ProgramRuntimeFolder()
{
    const QString program = QCoreApplication::applicationName();
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QStringList candidates{qEnvironmentVariable("XDG_RUNTIME_DIR")};
    if (!cache.isEmpty()) {
        QDir().mkpath(cache);  // ~/.cache itself may not exist yet on a fresh account
        candidates << QDir(cache).filePath(program);
    }
#ifdef QAMAREL_ADVISORY_LOCKS
    candidates << QDir(QDir::tempPath()).filePath(QStringLiteral("%1-%2").arg(program).arg(::geteuid()));
#endif
    return PrivateFolder(candidates);
}

QString LockPathIn(const QString& folder)
{
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QCoreApplication::applicationName() + QStringLiteral(".lock"));
}
