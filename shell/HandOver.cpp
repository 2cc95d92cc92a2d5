#include "shell/HandOver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <memory>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#define QAMAREL_LOCAL_SOCKETS 1
#endif

namespace {

constexpr int LineLimit = 64 * 1024;  // a path, with room to spare
const QByteArray Raise = "raise";
const QByteArray Open = "open ";
const QByteArray Ok = "ok\n";

#ifdef QAMAREL_LOCAL_SOCKETS
bool SocketAddress(const QString& path, sockaddr_un& address)
{
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;  // too long a path for a socket
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return true;
}

// Waits until `fd` is ready for `events`, at most `timeoutMs`.
bool Ready(int fd, short events, int timeoutMs)
{
    pollfd wait{fd, events, 0};
    int result;
    do
        result = ::poll(&wait, 1, timeoutMs);
    while (result < 0 && errno == EINTR);
    return result > 0;
}
#endif

}  // namespace

HandOverServer::~HandOverServer()
{
#ifdef QAMAREL_LOCAL_SOCKETS
    if (listening_ >= 0) {
        ::close(listening_);
        ::unlink(QFile::encodeName(path_).constData());
    }
#endif
}

bool HandOverServer::Listen(const QString& socketPath)
{
#ifdef QAMAREL_LOCAL_SOCKETS
    sockaddr_un address{};
    if (socketPath.isEmpty() || !SocketAddress(socketPath, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    ::unlink(address.sun_path);  // a crashed copy's socket
    const mode_t previous = ::umask(0077);  // born owner-only
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(previous);
    if (!bound || ::listen(fd, 8) != 0) {
        ::close(fd);
        return false;
    }
    listening_ = fd;
    path_ = socketPath;
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &HandOverServer::Accept);
    return true;
#else
    Q_UNUSED(socketPath);
    return false;
#endif
}

void HandOverServer::Accept()
{
#ifdef QAMAREL_LOCAL_SOCKETS
    for (;;) {
        const int connection = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0)
            return;
        // Only the user's own programs hand over.
        ucred peer{};
        socklen_t size = sizeof peer;
        if (::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != ::geteuid()) {
            ::close(connection);
            continue;
        }
        Serve(connection);
    }
#endif
}

void HandOverServer::Serve(int connection)
{
#ifdef QAMAREL_LOCAL_SOCKETS
    auto* readable = new QSocketNotifier(connection, QSocketNotifier::Read, this);
    auto line = std::make_shared<QByteArray>();
    connect(readable, &QSocketNotifier::activated, this, [this, readable, connection, line] {
        char buffer[4096];
        const ssize_t got = ::read(connection, buffer, sizeof buffer);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (got > 0)
            line->append(buffer, static_cast<int>(got));
        const qsizetype end = line->indexOf('\n');
        if (end < 0 && got > 0 && line->size() <= LineLimit)
            return;  // more to come
        readable->setEnabled(false);
        readable->deleteLater();
        const QByteArray request = end < 0 ? QByteArray() : line->left(end);
        const bool raise = request == Raise;
        const bool open = request.startsWith(Open) && request.size() > Open.size();
        // Answer first, then act: the reading may bring up a message box that
        // waits for the user, and the second start must not wait for it.
        if (raise || open) {
            // A lost answer only makes the second start say it is running: nothing to do about it here.
            [[maybe_unused]] const ssize_t answered = ::write(connection, Ok.constData(), static_cast<std::size_t>(Ok.size()));
        }
        ::close(connection);
        if (!raise && !open)
            return;  // not one of ours
        const QString path = open ? QString::fromUtf8(request.mid(Open.size())) : QString();
        QMetaObject::invokeMethod(
            this,
            [this, path] {
                if (path.isEmpty())
                    emit raiseRequested();
                else
                    emit readingFileReceived(path);
            },
            Qt::QueuedConnection);
    });
#else
    Q_UNUSED(connection);
#endif
}

bool HandToRunningCopy(const QString& socketPath, const QString& readingFile, int timeoutMs)
{
#ifdef QAMAREL_LOCAL_SOCKETS
    sockaddr_un address{};
    if (socketPath.isEmpty() || !SocketAddress(socketPath, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const QByteArray request = (readingFile.isEmpty() ? Raise : Open + readingFile.toUtf8()) + '\n';
    bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    for (qsizetype sent = 0; ok && sent < request.size();) {
        const ssize_t put = ::send(fd, request.constData() + sent, static_cast<std::size_t>(request.size() - sent), MSG_NOSIGNAL);
        ok = put > 0 || (put < 0 && errno == EINTR);
        sent += put > 0 ? put : 0;
    }
    QByteArray answer;
    while (ok && !answer.contains('\n') && Ready(fd, POLLIN, timeoutMs)) {
        char buffer[16];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        answer.append(buffer, static_cast<int>(got));
    }
    ::close(fd);
    return ok && answer == Ok;
#else
    Q_UNUSED(socketPath);
    Q_UNUSED(readingFile);
    Q_UNUSED(timeoutMs);
    return false;
#endif
}

QString HandOverSocketIn(const QString& folder)
{
    return folder.isEmpty() ? QString()
                            : QDir(folder).filePath(QCoreApplication::applicationName() + QStringLiteral(".socket"));
}
