#include "shell/HandOver.h"

#include "shell/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QPointer>

namespace {

constexpr qint64 LineLimit = 64 * 1024;  // a path, with room to spare
const QByteArray Raise = "raise";
const QByteArray Open = "open ";
const QByteArray Ok = "ok\n";

}  // namespace

bool HandOverServer::Listen(const QString& socketPath)
{
    if (socketPath.isEmpty())
        return false;
    QLocalServer::removeServer(socketPath);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath))
        return false;
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection())
            Serve(socket);
    });
    return true;
}

void HandOverServer::Serve(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > LineLimit)
                socket->abort();  // no line end in sight: not one of ours
            return;
        }
        const QByteArray line = socket->readLine(LineLimit).chopped(1);
        const bool raise = line == Raise;
        const bool open = line.startsWith(Open) && line.size() > Open.size();
        if (!raise && !open) {
            socket->abort();
            return;
        }
        // Answer first, then act: the reading may bring up a message box
        // that waits for the user, and the second start must not wait for it.
        socket->write(Ok);
        socket->flush();
        socket->disconnectFromServer();
        const QString path = open ? QString::fromUtf8(line.mid(Open.size())) : QString();
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
}

bool HandToRunningCopy(const QString& socketPath, const QString& readingFile, int timeoutMs)
{
    if (socketPath.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(readingFile.isEmpty() ? Raise + '\n' : Open + readingFile.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine() == Ok;
}

QString HandOverSocketPath()
{
    const QString folder = ProgramRuntimeFolder();
    return folder.isEmpty() ? QString()
                            : QDir(folder).filePath(QCoreApplication::applicationName() + QStringLiteral(".socket"));
}
