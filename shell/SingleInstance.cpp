#include "shell/SingleInstance.h"

#include "files/RuntimeFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#define QAMAREL_ADVISORY_LOCKS 1
#endif

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("SingleInstance", text);
}

}  // namespace

SingleInstance::SingleInstance(const QString& lockPath, const TrustAnswers& answers)
    : path_(lockPath), answers_(answers)
{
}

// Closing the locked file releases the lock; the file stays, harmless.
SingleInstance::~SingleInstance() = default;

SingleInstance::Lock SingleInstance::TakeLock()
{
    problem_.clear();
    if (path_.isEmpty()) {
        problem_ = Tr("there is no folder of this user's alone for the lock");
        return Lock::Unavailable;
    }
#ifdef QAMAREL_ADVISORY_LOCKS
    // flock: held by an open file, released by the system when the holder
    // ends. O_NOFOLLOW: a link planted in the lock's place is not followed.
    const QByteArray name = QFile::encodeName(path_);
    fd_.reset(::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600));
    const auto unavailable = [this](const QString& why) {
        problem_ = Tr("the lock %1 %2").arg(path_, why);
        fd_.reset();
        return Lock::Unavailable;
    };
    if (!fd_.valid())
        return unavailable(errno == ELOOP ? Tr("is a symbolic link")
                                          : Tr("cannot be opened: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    struct stat info {};
    if (answers_.fileStatus(fd_.get(), info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
        return unavailable(Tr("is not a regular file of this user's"));
    if (answers_.tryLock(fd_.get()) == 0)
        return Lock::Taken;
    // Only "held by another" means another copy: any other refusal (a file
    // system without locks, say) is no sign of one.
    if (errno == EWOULDBLOCK) {
        fd_.reset();
        return Lock::Held;
    }
    return unavailable(Tr("cannot be locked: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
#else
    fallback_ = std::make_unique<QLockFile>(path_);
    fallback_->setStaleLockTime(0);
    if (fallback_->tryLock(0))
        return Lock::Taken;
    if (fallback_->error() == QLockFile::LockFailedError)
        return Lock::Held;
    problem_ = Tr("the lock %1 cannot be made").arg(path_);
    return Lock::Unavailable;
#endif
}

QString PrivateFolder(const QStringList& candidates)
{
#ifdef QAMAREL_ADVISORY_LOCKS
    std::vector<std::string> names;
    for (const QString& folder : candidates)
        names.push_back(QFile::encodeName(folder).toStdString());
    return QFile::decodeName(QByteArray::fromStdString(PrivateFolder(names)));
#else
    for (const QString& folder : candidates)
        if (!folder.isEmpty() && QDir().mkpath(folder))
            return folder;
    return {};
#endif
}

QString ProgramRuntimeFolder()
{
#ifdef QAMAREL_ADVISORY_LOCKS
    // The socket's name, the longest in the folder, must fit in a socket's address.
    const QByteArray program = QFile::encodeName(QCoreApplication::applicationName());
    const std::size_t socketName = static_cast<std::size_t>(program.size()) + sizeof "/.socket" - 1;
    constexpr std::size_t address = sizeof(sockaddr_un::sun_path) - 1;
    const std::size_t longest = socketName < address ? address - socketName : 0;
    return QFile::decodeName(QByteArray::fromStdString(RuntimeFolder(program.toStdString(), longest)));
#else
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return PrivateFolder({qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir(cache).filePath(QCoreApplication::applicationName())});
#endif
}

QString LockPathIn(const QString& folder)
{
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QCoreApplication::applicationName() + QStringLiteral(".lock"));
}
