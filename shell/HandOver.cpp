#include "shell/HandOver.h"

#include "ui/FileNameText.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

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

constexpr int RetryPauseMs = 50;  // between two tries of a second start
constexpr int HeaderLimit = 16;   // "open " and the length, with its line end
const QByteArray Raise = "raise\n";
const QByteArray Open = "open ";
const QByteArray Ok = "ok\n";

// What a second start sends: "raise\n", or "open N\n" and the N bytes of the
// name. The name goes by its length, not to a line end: a file name may hold
// any byte but the zero byte, a line end included.
QByteArray Request(const QString& readingFile)
{
    if (readingFile.isEmpty())
        return Raise;
    const QByteArray name = FileNameBytes(readingFile);
    return Open + QByteArray::number(name.size()) + '\n' + name;
}

// The request of a second start read from `received`: Whole with the name
// ("" for a raise), Partial while more may come, Foreign when it is no
// request of ours (bytes after it included).
enum class Reading { Whole, Partial, Foreign };
Reading ReadRequest(const QByteArray& received, QByteArray& name)
{
    const qsizetype end = received.indexOf('\n');
    if (end < 0)
        return received.size() < HeaderLimit ? Reading::Partial : Reading::Foreign;
    const QByteArray header = received.left(end + 1);
    if (header == Raise) {
        name.clear();
        return received.size() == header.size() ? Reading::Whole : Reading::Foreign;
    }
    if (!header.startsWith(Open))
        return Reading::Foreign;
    // The length: digits alone, no sign or leading zero, at most NameLimit.
    const QByteArray digits = header.mid(Open.size(), header.size() - Open.size() - 1);
    bool number = !digits.isEmpty() && digits[0] != '0';
    for (const char c : digits)
        number = number && c >= '0' && c <= '9';
    const qsizetype length = number ? digits.toLongLong() : 0;
    if (length <= 0 || length > HandOverServer::NameLimit)
        return Reading::Foreign;
    if (received.size() < header.size() + length)
        return Reading::Partial;
    if (received.size() > header.size() + length)
        return Reading::Foreign;
    name = received.mid(header.size());
    return Reading::Whole;
}

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

// Waits until `fd` is ready for `events`, at most until `deadline`.
bool Ready(int fd, short events, const QDeadlineTimer& deadline)
{
    pollfd wait{fd, events, 0};
    int result;
    do
        result = ::poll(&wait, 1, static_cast<int>(deadline.remainingTime()));
    while (result < 0 && errno == EINTR);
    return result > 0;
}

// Sends all of `bytes` on a non-blocking socket by `deadline`. MSG_NOSIGNAL: a
// peer gone away is an error here, never a signal that ends the process.
bool SendAll(int fd, const QByteArray& bytes, const QDeadlineTimer& deadline)
{
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t put = ::send(fd, bytes.constData() + sent, static_cast<std::size_t>(bytes.size() - sent), MSG_NOSIGNAL);
        if (put > 0)
            sent += put;
        else if (put < 0 && errno == EINTR)
            continue;
        else if (put < 0 && errno == EAGAIN && Ready(fd, POLLOUT, deadline))
            continue;
        else
            return false;
    }
    return true;
}

enum class Exchange { Answered, Unanswered, Failed };

// One connection of a second start: connect, send the request, read the answer.
Exchange TryOnce(const sockaddr_un& address, const QByteArray& request, const QDeadlineTimer& deadline)
{
    // Non-blocking, so that a copy whose queue is full cannot hold the start in connect().
    const UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.valid())
        return Exchange::Failed;
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno == EAGAIN)
            return Exchange::Unanswered;  // the queue is full: try again
        if (errno != EINPROGRESS || !Ready(fd.get(), POLLOUT, deadline))
            return Exchange::Failed;  // nobody listens
    }
    if (!SendAll(fd.get(), request, deadline))
        return Exchange::Unanswered;
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < Ok.size() && Ready(fd.get(), POLLIN, deadline)) {
        char buffer[16];
        const ssize_t got = ::recv(fd.get(), buffer, sizeof buffer, 0);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0)
            break;
        answer.append(buffer, static_cast<int>(got));
    }
    return answer == Ok ? Exchange::Answered : Exchange::Unanswered;
}
#endif

}  // namespace

HandOverServer::~HandOverServer()
{
#ifdef QAMAREL_LOCAL_SOCKETS
    if (listening_.valid())
        ::unlink(QFile::encodeName(path_).constData());
#endif
}

bool HandOverServer::Listen(const QString& socketPath)
{
#ifdef QAMAREL_LOCAL_SOCKETS
    sockaddr_un address{};
    if (socketPath.isEmpty() || !SocketAddress(socketPath, address))
        return false;
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.valid())
        return false;
    ::unlink(address.sun_path);  // a crashed copy's socket
    const mode_t previous = ::umask(0077);  // born owner-only
    const bool bound = ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(previous);
    if (!bound || ::listen(fd.get(), 8) != 0)
        return false;
    listening_ = std::move(fd);
    path_ = socketPath;
    notifier_ = new QSocketNotifier(listening_.get(), QSocketNotifier::Read, this);
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
        UniqueFd connection(::accept4(listening_.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (!connection.valid()) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                // Out of descriptors: the waiting connection stays queued and
                // would wake the notifier at once, again and again. Pause.
                notifier_->setEnabled(false);
                QTimer::singleShot(AcceptPauseMs, this, [this] { notifier_->setEnabled(true); });
            }
            return;  // EAGAIN: none left
        }
        if (open_ >= ConnectionLimit)
            continue;  // too many at once: closed unanswered
        // Only the user's own programs hand over.
        uid_t peer = 0;
        if (answers_.peerUser(connection.get(), peer) != 0 || peer != ::geteuid())
            continue;
        Serve(std::move(connection));
    }
#endif
}

#ifdef QAMAREL_LOCAL_SOCKETS
namespace {

// One connection being served: its descriptor, the request so far, and the
// notifier and deadline timer that are its children.
class HandOverConnection : public QObject {
public:
    HandOverConnection(UniqueFd fd, QObject* parent) : QObject(parent), fd(std::move(fd)) {}
    UniqueFd fd;
    QByteArray received;
};

}  // namespace
#endif

void HandOverServer::Serve(UniqueFd fd)
{
#ifdef QAMAREL_LOCAL_SOCKETS
    auto* connection = new HandOverConnection(std::move(fd), this);
    ++open_;
    connect(connection, &QObject::destroyed, this, [this] { --open_; });
    auto* readable = new QSocketNotifier(connection->fd.get(), QSocketNotifier::Read, connection);
    // A peer that never ends its request is dropped, unanswered.
    auto* deadline = new QTimer(connection);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, connection, [readable, connection] {
        readable->setEnabled(false);
        connection->deleteLater();
    });
    deadline->start(ConnectionDeadlineMs);
    connect(readable, &QSocketNotifier::activated, connection, [this, readable, connection] {
        char buffer[4096];
        const ssize_t got = ::recv(connection->fd.get(), buffer, sizeof buffer, 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        QByteArray& received = connection->received;
        if (got > 0)
            received.append(buffer, static_cast<int>(got));
        QByteArray name;
        const Reading request = ReadRequest(received, name);
        if (request == Reading::Partial && got > 0)
            return;  // more to come
        readable->setEnabled(false);
        connection->deleteLater();  // closes the connection
        if (request != Reading::Whole)
            return;  // not one of ours, or cut short
        // Answer first, then act: the reading may bring up a message box that
        // waits for the user, and the second start must not wait for it. A
        // peer gone already is no reason not to act on what it asked.
        SendAll(connection->fd.get(), Ok, QDeadlineTimer(0));
        const QString path = FileNameText(name);  // the name's own bytes
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
    Q_UNUSED(fd);
#endif
}

bool HandToRunningCopy(const QString& socketPath, const QString& readingFile, int timeoutMs)
{
#ifdef QAMAREL_LOCAL_SOCKETS
    sockaddr_un address{};
    if (socketPath.isEmpty() || !SocketAddress(socketPath, address))
        return false;
    const QByteArray request = Request(readingFile);
    if (request.size() > HeaderLimit + HandOverServer::NameLimit)
        return false;  // a name no running copy takes
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        switch (TryOnce(address, request, deadline)) {
        case Exchange::Answered: return true;
        case Exchange::Failed: return false;
        case Exchange::Unanswered: break;
        }
        if (deadline.remainingTime() <= RetryPauseMs)
            return false;
        QThread::msleep(RetryPauseMs);
    }
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
