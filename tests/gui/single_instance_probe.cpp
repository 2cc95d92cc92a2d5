// A stand-in for a starting copy of the program: applies the single-instance
// rule to the lock file given and prints "first", "running" or "unlocked"
// (the lock cannot be had; why, on standard error). The first copy (or an
// unlocked one) holds on until its standard input closes or it is killed;
// given a socket, a first copy also takes hand-overs there and prints each
// ("raise" or "open PATH"). A later copy given a socket hands over the file
// given (or asks for a raise) and prints "handed" or "not handed".
//   single_instance_probe LOCK [SOCKET [FILE]]
// With --own it goes by the name "qamarel" and finds its lock and socket in
// the program's own runtime folder, as the program does; a first copy prints
// "first FOLDER".
//   single_instance_probe --own [FILE]
#include "shell/HandOver.h"
#include "shell/SingleInstance.h"
#include "ui/FileNameText.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const bool own = std::strcmp(argv[1], "--own") == 0;
    QString folder, lock, socket, file;
    if (own) {
        QCoreApplication::setApplicationName(QStringLiteral("qamarel"));
        folder = ProgramRuntimeFolder();
        lock = LockPathIn(folder);
        socket = HandOverSocketIn(folder);
        file = argc > 2 ? FileNameText(QByteArray(argv[2])) : QString();
    } else {
        lock = QString::fromLocal8Bit(argv[1]);
        socket = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
        file = argc > 3 ? FileNameText(QByteArray(argv[3])) : QString();
    }
    SingleInstance instance(lock);
    const SingleInstance::Lock state = instance.TakeLock();
    if (state == SingleInstance::Lock::Held) {
        std::puts("running");
        if (!socket.isEmpty())
            std::puts(HandToRunningCopy(socket, file) ? "handed" : "not handed");
        return 3;
    }
    HandOverServer server;
    QObject::connect(&server, &HandOverServer::raiseRequested, [] {
        std::puts("raise");
        std::fflush(stdout);
    });
    QObject::connect(&server, &HandOverServer::readingFileReceived, [](const QString& path) {
        std::printf("open %s\n", FileNameBytes(path).constData());
        std::fflush(stdout);
    });
    if (state == SingleInstance::Lock::Unavailable) {
        std::fprintf(stderr, "%s\n", qPrintable(instance.problem()));
        std::puts("unlocked");
    } else {
        if (!socket.isEmpty() && !server.Listen(socket))
            std::puts("cannot listen");
        std::puts(own ? qPrintable(QStringLiteral("first ") + folder) : "first");
    }
    std::fflush(stdout);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char byte;
        if (::read(STDIN_FILENO, &byte, 1) <= 0)
            QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
