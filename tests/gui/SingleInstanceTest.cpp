// The single-instance rule across real processes.
#include "base/UniqueFd.h"
#include "shell/HandOver.h"
#include "shell/SingleInstance.h"
#include "ui/FileNameText.h"
#include "windows/FileSaving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A raw connection to the hand-over socket at `path` (not waiting when the
// queue is full: then it owns nothing).
UniqueFd ConnectTo(const QString& path)
{
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        fd.reset();
    return fd;
}

// The processor time process `pid` has used so far, in clock ticks.
qint64 CpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // After the command's closing parenthesis: state is field 3, utime 14, stime 15.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLongLong() + fields[12].toLongLong() : -1;
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

    // Sockets want short paths: under a long $TMPDIR the test's folder is made in /tmp.
    static QString FolderTemplate()
    {
        const QString temporary = QDir::tempPath();
        return (temporary.size() > 30 ? QStringLiteral("/tmp") : temporary) + QStringLiteral("/SingleInstanceTest-XXXXXX");
    }

    QTemporaryDir dir{FolderTemplate()};
    QString probe;

    // Starts a copy that takes hand-overs at `socket`, with at most `files`
    // descriptors when given.
    bool StartTaking(QProcess& first, const QString& lock, const QString& socket, rlim_t files = 0)
    {
        if (files > 0)
            first.setChildProcessModifier([files] {
                const rlimit limit{files, files};
                ::setrlimit(RLIMIT_NOFILE, &limit);
            });
        first.start(probe, {lock, socket});
        if (!first.waitForStarted(10000) || !first.waitForReadyRead(10000))
            return false;
        return QString::fromLatin1(first.readLine()).trimmed() == QStringLiteral("first");
    }

    // A real second start handing over `file`: what it printed.
    QString HandOver(const QString& lock, const QString& socket, const QString& file)
    {
        QProcess second;
        second.start(probe, {lock, socket, file});
        if (!second.waitForFinished(10000))
            return QStringLiteral("<no answer>");
        return QString::fromLocal8Bit(second.readAllStandardOutput());
    }

    // The next line the first copy printed (a hand-over it took).
    static QString NextLine(QProcess& first)
    {
        for (int i = 0; i < 20 && !first.canReadLine(); ++i)
            first.waitForReadyRead(500);
        return QString::fromLocal8Bit(first.readLine()).trimmed();
    }

    // A socket at `path`, listening (a running copy that never accepts) or
    // connected to it; -1 when it cannot be made.
    static int LocalSocket(const QString& path, bool listen)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), std::min<std::size_t>(name.size(), sizeof address.sun_path - 1));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const auto* at = reinterpret_cast<const sockaddr*>(&address);
        if (fd >= 0 && (listen ? ::bind(fd, at, sizeof address) == 0 && ::listen(fd, 4) == 0 : ::connect(fd, at, sizeof address) == 0))
            return fd;
        if (fd >= 0)
            ::close(fd);
        return -1;
    }

    // Starts a copy and returns its first line of output ("first" or "running").
    QString Start(QProcess& process, const QString& lock)
    {
        process.start(probe, {lock});
        if (!process.waitForStarted(10000) || !process.waitForReadyRead(10000))
            return QStringLiteral("<no answer>");
        return QString::fromLatin1(process.readLine()).trimmed();
    }

    // A copy that finds its own runtime folder (probe --own) in `environment`,
    // started in `folder`: its first line of output.
    QString StartOwn(QProcess& process, const QProcessEnvironment& environment, const QString& folder,
                     const QStringList& file = {})
    {
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder);
        process.start(probe, QStringList{QStringLiteral("--own")} + file);
        if (!process.waitForStarted(10000) || !process.waitForReadyRead(10000))
            return QStringLiteral("<no answer>") + QString::fromLocal8Bit(process.readAllStandardError());
        return QString::fromLocal8Bit(process.readLine()).trimmed();
    }

    // The environment of a user with the home `home`, the temporary folder
    // `temporary` and the runtime folder `runtime` ("" for none).
    static QProcessEnvironment UserEnvironment(const QString& home, const QString& temporary, const QString& runtime)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_CACHE_HOME"));
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        environment.remove(QStringLiteral("HOME"));
        if (!home.isEmpty())
            environment.insert(QStringLiteral("HOME"), home);
        if (!runtime.isEmpty())
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        environment.insert(QStringLiteral("TMPDIR"), temporary);
        return environment;
    }

    // Whether `folder` is an absolute path to a folder of this user's alone.
    static bool IsPrivateFolder(const QString& folder)
    {
        struct stat info {};
        return QDir::isAbsolutePath(folder) && ::lstat(QFile::encodeName(folder).constData(), &info) == 0 &&
               S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        probe = QCoreApplication::applicationDirPath() + QStringLiteral("/single_instance_probe");
    }

    void secondCopyFindsTheFirstRunning()
    {
        const QString lock = dir.filePath(QStringLiteral("a.lock"));
        QProcess first, second;
        QCOMPARE(Start(first, lock), QStringLiteral("first"));
        QCOMPARE(Start(second, lock), QStringLiteral("running"));
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 3);
        QCOMPARE(first.state(), QProcess::Running);  // the first copy runs on, untouched
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));

        QProcess third;  // once it has ended, a new copy starts
        QCOMPARE(Start(third, lock), QStringLiteral("first"));
        third.closeWriteChannel();
        QVERIFY(third.waitForFinished(10000));
    }

    void killedCopyDoesNotBlockTheNext()
    {
        const QString lock = dir.filePath(QStringLiteral("b.lock"));
        QProcess first;
        QCOMPARE(Start(first, lock), QStringLiteral("first"));
        first.kill();  // SIGKILL: the lock file stays behind
        QVERIFY(first.waitForFinished(10000));
        QVERIFY(QFile::exists(lock));

        QProcess next;
        QCOMPARE(Start(next, lock), QStringLiteral("first"));
        next.closeWriteChannel();
        QVERIFY(next.waitForFinished(10000));
    }

    // A lock file left with anything in it, or nothing, blocks nobody: only a
    // live copy holds the lock.
    void leftoverLockFilesDoNotBlock()
    {
        for (const QByteArray& content : {QByteArray(), QByteArray("garbage\n\xFF"), QByteArray("999999\nhost\nqamarel\n")}) {
            const QString lock = dir.filePath(QStringLiteral("left.lock"));
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(content);
            file.close();
            QProcess copy;
            QCOMPARE(Start(copy, lock), QStringLiteral("first"));
            copy.closeWriteChannel();
            QVERIFY(copy.waitForFinished(10000));
        }
    }

    // The lock's folder is the user's alone: a folder others may write in, one
    // of another user's, or a link is passed over; a new one is made 0700.
    void lockFolderIsTheUsersAlone()
    {
        const QString shared = dir.filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkpath(shared));
        QVERIFY(QFile::setPermissions(shared, QFile::Permissions(0x7777)));
        const QString mine = dir.filePath(QStringLiteral("mine"));
        const QString link = dir.filePath(QStringLiteral("link"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("target"))));
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("target")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("target")), link));
        QStringList candidates{QString(), shared, link, dir.filePath(QStringLiteral("no/such/parent"))};
        if (::geteuid() == 0) {  // as root, a folder of another user's can be made
            const QString foreign = dir.filePath(QStringLiteral("foreign"));
            QVERIFY(QDir().mkpath(foreign));
            QCOMPARE(::chmod(QFile::encodeName(foreign).constData(), 0700), 0);
            QCOMPARE(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
            candidates << foreign;
        }
        QCOMPARE(PrivateFolder(candidates + QStringList{mine}), mine);
        QCOMPARE(QFileInfo(mine).permissions() & 0x0077, QFile::Permissions());
        QCOMPARE(PrivateFolder(candidates), QString());
    }

    // A second start hands its file (or a raise) to the first, which takes it.
    void secondStartHandsOver()
    {
        const QString lock = dir.filePath(QStringLiteral("h.lock"));
        const QString socket = dir.filePath(QStringLiteral("h.socket"));
        QProcess first;
        first.start(probe, {lock, socket});
        QVERIFY(first.waitForStarted(10000) && first.waitForReadyRead(10000));
        QCOMPARE(QString::fromLatin1(first.readLine()).trimmed(), QStringLiteral("first"));
        for (const QString& file : {QStringLiteral("/home/a user/Amira 21.03.1987.qmz"), QString()}) {
            QProcess second;
            second.start(probe, {lock, socket, file});
            QVERIFY(second.waitForFinished(10000));
            QCOMPARE(QString::fromLocal8Bit(second.readAllStandardOutput()), QStringLiteral("running\nhanded\n"));
            while (!first.canReadLine())
                QVERIFY(first.waitForReadyRead(10000));
            QCOMPARE(QString::fromLocal8Bit(first.readLine()).trimmed(),
                     file.isEmpty() ? QStringLiteral("raise") : QStringLiteral("open ") + file);
        }
        // A name that is not UTF-8 reaches the running copy byte for byte
        // (given through the shell: QProcess would recode it).
        QProcess latin1;
        latin1.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$1\" \"$2\" \"$(printf '/tmp/\\351t\\351.qmz')\""),
                                                 probe, lock, socket});
        QVERIFY(latin1.waitForFinished(10000));
        QCOMPARE(latin1.readAllStandardOutput(), QByteArray("running\nhanded\n"));
        while (!first.canReadLine())
            QVERIFY(first.waitForReadyRead(10000));
        QCOMPARE(first.readLine(), QByteArray("open /tmp/\xE9t\xE9.qmz\n"));
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));

        // With no copy taking hand-overs, the second start says it was not handed.
        QProcess quiet, second;
        QCOMPARE(Start(quiet, lock), QStringLiteral("first"));
        second.start(probe, {lock, dir.filePath(QStringLiteral("none.socket")), QStringLiteral("/x.qmz")});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(QString::fromLocal8Bit(second.readAllStandardOutput()), QStringLiteral("running\nnot handed\n"));
        quiet.closeWriteChannel();
        QVERIFY(quiet.waitForFinished(10000));
    }

    // Any name the system allows reaches the running copy byte for byte: a
    // newline in it, a name of 4096 bytes, bytes that are not UTF-8.
    void namesReachTheRunningCopyByteForByte_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("newline") << QByteArray("/home/a/Amira\nopen /etc/x.qmz");
        QTest::newRow("4096 bytes") << QByteArray("/") + QByteArray(4091, 'n') + QByteArray(".qmz");
        QTest::newRow("not UTF-8") << QByteArray("/tmp/\xE9t\xE9 \xFF\x80.qmz");
    }

    void namesReachTheRunningCopyByteForByte()
    {
        QFETCH(QByteArray, name);
        const QString socket = dir.filePath(QStringLiteral("n.socket"));
        HandOverServer server;
        QVERIFY(server.Listen(socket));
        QSignalSpy opened(&server, &HandOverServer::readingFileReceived);
        std::future<bool> handed =
            std::async(std::launch::async, [socket, name] { return HandToRunningCopy(socket, FileNameText(name)); });
        QTRY_COMPARE_WITH_TIMEOUT(int(opened.size()), 1, 10000);
        QVERIFY(handed.get());
        QCOMPARE(FileNameBytes(opened.at(0).at(0).toString()), name);
    }

    // A second start that leaves before the answer (given up, killed) leaves
    // the running copy running; what it asked for is still done.
    void peerLeavingBeforeTheAnswerIsHarmless()
    {
        const QString lock = dir.filePath(QStringLiteral("p.lock"));
        const QString socket = dir.filePath(QStringLiteral("p.socket"));
        QProcess first;
        QVERIFY(StartTaking(first, lock, socket));
        for (int i = 0; i < 3; ++i) {
            UniqueFd peer = ConnectTo(socket);
            QVERIFY(peer.valid());
            QCOMPARE(::send(peer.get(), "raise\n", 6, MSG_NOSIGNAL), ssize_t(6));
            peer.reset();  // gone before the answer
            QCOMPARE(NextLine(first), QStringLiteral("raise"));
        }
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(HandOver(lock, socket, QStringLiteral("/a.qmz")), QStringLiteral("running\nhanded\n"));
        QCOMPARE(NextLine(first), QStringLiteral("open /a.qmz"));
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    }

    // 100 connections that send half a line and wait: each is dropped within
    // the connection deadline, and a real second start still gets through in
    // its 5 s, with descriptors to spare and with the copy out of descriptors.
    void idleConnectionsDoNotShutOutASecondStart_data()
    {
        QTest::addColumn<int>("files");
        QTest::newRow("descriptors to spare") << 64;
        QTest::newRow("out of descriptors") << 20;
    }

    void idleConnectionsDoNotShutOutASecondStart()
    {
        QFETCH(int, files);
#ifdef __SANITIZE_ADDRESS__
        // The sanitizers check a pointer by writing it to a pipe of their own;
        // out of descriptors, that fails and they report a fault that is not there.
        if (files < 64)
            QSKIP("the sanitizers need descriptors of their own");
#endif
        const QString lock = dir.filePath(QStringLiteral("i.lock"));
        const QString socket = dir.filePath(QStringLiteral("i.socket"));
        QProcess first;
        QVERIFY(StartTaking(first, lock, socket, rlim_t(files)));
        // Each connection is tried again while the copy's queue is full, so
        // that the copy takes them; the copy that cannot take more stops them.
        std::vector<UniqueFd> idle;
        for (int tries = 0; idle.size() < 100 && tries < 20;) {
            UniqueFd peer = ConnectTo(socket);
            if (!peer.valid()) {
                ++tries;
                QTest::qWait(10);
                continue;
            }
            tries = 0;
            ::send(peer.get(), "open 9\n/ha", 10, MSG_NOSIGNAL);  // fails when the copy closed it at once
            idle.push_back(std::move(peer));
        }
        QVERIFY(idle.size() > 16);
        const qint64 cpuBefore = CpuTicks(first.processId());
        QCOMPARE(HandOver(lock, socket, QStringLiteral("/b.qmz")), QStringLiteral("running\nhanded\n"));
        QCOMPARE(NextLine(first), QStringLiteral("open /b.qmz"));
        // Every idle connection is closed, unanswered.
        for (const UniqueFd& peer : idle) {
            pollfd wait{peer.get(), POLLIN, 0};
            QCOMPARE(::poll(&wait, 1, 10000), 1);
            char byte;
            QVERIFY(::recv(peer.get(), &byte, 1, 0) <= 0);  // the end, or a reset: no answer
        }
        // Out of descriptors, it waited rather than spun: a spinning copy
        // burns a core for the 2 s the idle connections are kept.
        QVERIFY2(CpuTicks(first.processId()) - cpuBefore < ::sysconf(_SC_CLK_TCK) / 2, "the copy spun");
        QCOMPARE(first.state(), QProcess::Running);
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));
    }

    // Two copies started from two folders find each other through a runtime
    // folder of the user's alone, whatever $XDG_RUNTIME_DIR holds: a path too
    // long for a socket's address, or a relative one (ignored, and not made).
    void runtimeFolderFromTheEnvironment_data()
    {
        QTest::addColumn<QString>("runtime");  // "long": a private folder of 120 characters
        QTest::newRow("long") << "long";
        QTest::newRow("relative") << "relrun";
    }

    void runtimeFolderFromTheEnvironment()
    {
        QFETCH(QString, runtime);
        const QString root = dir.filePath(QStringLiteral("env-%1").arg(QTest::currentDataTag()));
        for (const char* folder : {"home", "tmp", "a", "b"})
            QVERIFY(QDir().mkpath(root + QLatin1Char('/') + QLatin1String(folder)));
        if (runtime == QLatin1String("long")) {
            runtime = root + QLatin1Char('/');
            runtime += QString(120 - runtime.size(), QLatin1Char('r'));
            QVERIFY(QDir().mkpath(runtime));
            QCOMPARE(::chmod(QFile::encodeName(runtime).constData(), 0700), 0);
        }
        const QProcessEnvironment user =
            UserEnvironment(root + QStringLiteral("/home"), root + QStringLiteral("/tmp"), runtime);
        QProcess first, second;
        const QString started = StartOwn(first, user, root + QStringLiteral("/a"));
        QVERIFY2(started.startsWith(QStringLiteral("first ")), qPrintable(started));
        QVERIFY2(IsPrivateFolder(started.mid(6)), qPrintable(started));
        QCOMPARE(StartOwn(second, user, root + QStringLiteral("/b"), {QStringLiteral("/x.qmz")}),
                 QStringLiteral("running"));
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(QString::fromLocal8Bit(second.readAll()).trimmed(), QStringLiteral("handed"));
        QCOMPARE(NextLine(first), QStringLiteral("open /x.qmz"));
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/a/relrun")));
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/b/relrun")));
    }

    // Without a runtime or a cache folder, "qamarel-UID" in the temporary
    // folder, made first by another user, is passed over: the copies find each
    // other in a folder of the program's own making beside it. A folder of
    // another user's is made as root by a change of owner, else under a user
    // namespace with root's folder "/" bound in its place.
    void foreignTemporaryFolderIsPassedOver()
    {
        const QString temporary = dir.filePath(QStringLiteral("foreign-tmp"));
        QVERIFY(QDir().mkpath(temporary));
        const QProcessEnvironment user = UserEnvironment(QString(), temporary, QString());
        QProcess first, second;
        QString started;
        if (::geteuid() == 0) {
            const QByteArray taken = QFile::encodeName(temporary + QStringLiteral("/qamarel-0"));
            QCOMPARE(::mkdir(taken.constData(), 0755), 0);
            if (::chown(taken.constData(), 65534, 65534) != 0)
                QSKIP("no folder of another user's can be made here (no user 65534)");
            started = StartOwn(first, user, temporary);
            QCOMPARE(StartOwn(second, user, temporary, {QStringLiteral("/x.qmz")}), QStringLiteral("running"));
            QVERIFY(second.waitForFinished(10000));
        } else {
            // In the namespace this user is root (UID 0), and "/", owned by
            // the real root, is owned by nobody that is mapped.
            first.setProcessEnvironment(user);
            const QString bind = QStringLiteral("mkdir \"$1\" && mount --rbind / \"$1\" && exec \"$2\" --own");
            const QString taken = temporary + QStringLiteral("/qamarel-0");
            first.start(QStringLiteral("unshare"),
                        QStringLiteral("--user --map-root-user --mount /bin/sh -c").split(QLatin1Char(' ')) +
                            QStringList{bind, QStringLiteral("sh"), taken, probe});
            if (!first.waitForStarted(10000) || (!first.waitForReadyRead(10000) && first.exitCode() != 0))
                QSKIP(qPrintable(QStringLiteral("no user namespace can be made here: ") +
                                 QString::fromLocal8Bit(first.readAllStandardError())));
            started = QString::fromLocal8Bit(first.readLine()).trimmed();
            second.setProcessEnvironment(user);
            second.start(QStringLiteral("nsenter"),
                         QStringLiteral("--preserve-credentials --user --mount --target").split(QLatin1Char(' ')) +
                             QStringList{QString::number(first.processId()), probe, QStringLiteral("--own"),
                                         QStringLiteral("/x.qmz")});
            QVERIFY(second.waitForFinished(10000));
            QCOMPARE(QString::fromLocal8Bit(second.readLine()).trimmed(), QStringLiteral("running"));
        }
        const QString made = started.mid(6);  // "first FOLDER"
        QVERIFY2(started.startsWith(QStringLiteral("first ")) && IsPrivateFolder(made), qPrintable(started));
        QCOMPARE(QFileInfo(made).path(), temporary);
        QVERIFY2(QFileInfo(made).fileName().startsWith(QStringLiteral("qamarel-0-")), qPrintable(made));
        QCOMPARE(QFileInfo(made).fileName().size(), QStringLiteral("qamarel-0-XXXXXX").size());
        QCOMPARE(QString::fromLocal8Bit(second.readAll()).trimmed(), QStringLiteral("handed"));
        QCOMPARE(NextLine(first), QStringLiteral("open /x.qmz"));
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));
    }

    // A reading the running copy does not take (here it takes no hand-over
    // at all) is shown by the program's second start itself, which says why
    // on standard error, rather than lost behind "Application is already
    // running".
    void readingNotTakenIsShownInACopyOfItsOwn()
    {
        const QString root = dir.filePath(QStringLiteral("untaken"));
        const QString runtime = root + QStringLiteral("/run");
        QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(root + QStringLiteral("/home")));
        QCOMPARE(::chmod(QFile::encodeName(runtime).constData(), 0700), 0);
        const QString reading = root + QStringLiteral("/r.qmz");
        QCOMPARE(SaveReadingFile(reading, "0\xC2\xB0 0' 0\" Vir"), QString());
        QProcess holder;
        QCOMPARE(Start(holder, runtime + QStringLiteral("/qamarel.lock")), QStringLiteral("first"));

        QProcessEnvironment user = UserEnvironment(root + QStringLiteral("/home"), root, runtime);
        user.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        user.insert(QStringLiteral("QAMAREL_QUIT_AFTER_FIRST_EXPOSE"), QStringLiteral("1"));
        QProcess second;
        second.setProcessEnvironment(user);
        second.start(QStringLiteral(QAMAREL_PROGRAM), {reading});
        const bool ended = second.waitForFinished(20000);
        if (!ended) {
            second.kill();
            second.waitForFinished(10000);
        }
        QVERIFY2(ended, "the second start waits on (behind a message?)");
        QCOMPARE(second.exitCode(), 0);
        const QStringList said = QString::fromLocal8Bit(second.readAllStandardError()).split(QLatin1Char('\n'));
        const QString why = QStringLiteral("qamarel: the running copy did not take %1: it is shown in a copy of its own");
        QVERIFY2(said.contains(why.arg(reading)), qPrintable(said.join(QLatin1Char('\n'))));
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
    }

    void lockThatCannotBeMadeLetsTheProgramStart()
    {
        QProcess copy;
        QCOMPARE(Start(copy, dir.filePath(QStringLiteral("no-such-folder/c.lock"))), QStringLiteral("unlocked"));
        copy.closeWriteChannel();
        QVERIFY(copy.waitForFinished(10000));
    }
    // The runtime folder must be the user's alone: group or others with any
    // access to an existing folder make it unfit.
    void runtimeFolderModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("taken");
        QTest::newRow("0700") << 0700 << true;
        QTest::newRow("0750") << 0750 << false;
        QTest::newRow("0755") << 0755 << false;
        QTest::newRow("0710") << 0710 << false;
        QTest::newRow("0701") << 0701 << false;
        QTest::newRow("0770") << 0770 << false;
    }

    void runtimeFolderModes()
    {
        QFETCH(int, mode);
        QFETCH(bool, taken);
        const QString folder = dir.filePath(QStringLiteral("runtime-%1").arg(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), mode_t(mode)), 0);
        QCOMPARE(PrivateFolder({folder}), taken ? folder : QString());
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(folder).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), mode);  // looked at, never changed
    }

    // Each check the lock and the hand-over make before they trust a file or
    // a peer, met by one that fails it. The lock is taken only as a regular
    // file of this user's, reached without a link; only a lock another copy
    // holds means another copy (any other refusal lets this one run, without
    // the rule); a peer of another user, or one the system cannot tell, gets
    // no answer. Where a real case cannot be made (another user, an error of
    // the system's), the system's answer is bent (TrustAnswers).
    void trustChecks_data()
    {
        QTest::addColumn<QString>("check");     // "lock" or "peer"
        QTest::addColumn<QString>("plant");     // in the lock's place: "held" (locked by another), "link"
                                                // (to a lock another holds), "folder", "pipe"; "" nothing
        QTest::addColumn<bool>("foreign");      // the system says: another user's (the lock file, the peer)
        QTest::addColumn<int>("error");         // the system refuses with this error (the lock, the peer's user)
        QTest::addColumn<QString>("expected");  // lock: taken, held, unlocked; peer: answered, unanswered
        QTest::newRow("lock free") << "lock" << "" << false << 0 << "taken";
        QTest::newRow("lock held by another copy") << "lock" << "held" << false << 0 << "held";
        QTest::newRow("lock a link to a held lock") << "lock" << "link" << false << 0 << "unlocked";
        QTest::newRow("lock a folder") << "lock" << "folder" << false << 0 << "unlocked";
        QTest::newRow("lock a pipe") << "lock" << "pipe" << false << 0 << "unlocked";
        QTest::newRow("lock of another user") << "lock" << "" << true << 0 << "unlocked";
        QTest::newRow("lock refused: no locks here") << "lock" << "" << false << int(ENOLCK) << "unlocked";
        QTest::newRow("lock refused: interrupted") << "lock" << "" << false << int(EINTR) << "unlocked";
        QTest::newRow("peer of this user") << "peer" << "" << false << 0 << "answered";
        QTest::newRow("peer of another user") << "peer" << "" << true << 0 << "unanswered";
        QTest::newRow("peer's user unknown") << "peer" << "" << false << int(EINVAL) << "unanswered";
    }

    void trustChecks()
    {
        QFETCH(QString, check);
        QFETCH(QString, plant);
        QFETCH(bool, foreign);
        QFETCH(int, error);
        QFETCH(QString, expected);
        TrustAnswers answers = SystemAnswers();
        answers.fileStatus = [foreign](int fd, struct stat& info) {
            const int status = SystemAnswers().fileStatus(fd, info);
            if (foreign)
                info.st_uid = ::geteuid() + 1;
            return status;
        };
        if (error != 0)
            answers.tryLock = [error](int) {
                errno = error;
                return -1;
            };
        answers.peerUser = [foreign, error](int fd, uid_t& user) {
            if (error != 0) {
                errno = error;
                return -1;
            }
            const int status = SystemAnswers().peerUser(fd, user);
            if (foreign)
                user = ::geteuid() + 1;
            return status;
        };
        const QString root = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(root));

        if (check == QLatin1String("peer")) {
            const QString socket = root + QStringLiteral("/t.socket");
            HandOverServer server(nullptr, answers);
            QVERIFY(server.Listen(socket));
            QSignalSpy raised(&server, &HandOverServer::raiseRequested);
            const int fd = LocalSocket(socket, false);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, "raise\n", 6), ssize_t(6));
            ::fcntl(fd, F_SETFL, O_NONBLOCK);
            QByteArray answer;
            QTRY_VERIFY_WITH_TIMEOUT(([&] {
                char buffer[16];
                const ssize_t got = ::read(fd, buffer, sizeof buffer);
                if (got > 0)
                    answer.append(buffer, got);
                return got == 0 || (got < 0 && errno != EAGAIN);
            }()), 5000);
            ::close(fd);
            QCOMPARE(answer.isEmpty() ? QStringLiteral("unanswered") : QStringLiteral("answered"), expected);
            QTRY_COMPARE_WITH_TIMEOUT(int(raised.size()), expected == QLatin1String("answered") ? 1 : 0, 2000);
            return;
        }

        const QString held = root + QStringLiteral("/held.lock");  // another copy's lock, held here
        UniqueFd holder(::open(QFile::encodeName(held).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
        QCOMPARE(::flock(holder.get(), LOCK_EX | LOCK_NB), 0);
        const QString lock = plant == QLatin1String("held") ? held : root + QStringLiteral("/t.lock");
        const QByteArray name = QFile::encodeName(lock);
        if (plant == QLatin1String("link"))
            QVERIFY(QFile::link(held, lock));
        else if (plant == QLatin1String("folder"))
            QCOMPARE(::mkdir(name.constData(), 0700), 0);
        else if (plant == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        SingleInstance instance(lock, answers);
        const SingleInstance::Lock state = instance.TakeLock();
        const QString outcome = state == SingleInstance::Lock::Taken  ? QStringLiteral("taken")
                                : state == SingleInstance::Lock::Held ? QStringLiteral("held")
                                                                      : QStringLiteral("unlocked");
        QCOMPARE(outcome, expected);
        QCOMPARE(instance.problem().isEmpty(), expected != QLatin1String("unlocked"));
    }

    // A hand-over counts only when the running copy answers "ok": a copy that
    // takes no connection, or answers anything else, is no hand-over, and the
    // second start gives up within its time instead of waiting.
    void unansweredHandOver_data()
    {
        QTest::addColumn<QByteArray>("answer");  // "" never accepted
        QTest::newRow("never accepted") << QByteArray();
        QTest::newRow("accepted, closed") << QByteArray("-");
        QTest::newRow("something else") << QByteArray("no\n");
        QTest::newRow("ok without line end") << QByteArray("ok");
    }

    void unansweredHandOver()
    {
        QFETCH(QByteArray, answer);
        const QString socket = dir.filePath(QStringLiteral("u.socket"));
        QFile::remove(socket);
        const int listening = LocalSocket(socket, true);
        QVERIFY(listening >= 0);
        auto handed = std::make_shared<std::promise<bool>>();
        std::future<bool> result = handed->get_future();
        std::thread([socket, handed] { handed->set_value(HandToRunningCopy(socket, QStringLiteral("/x.qmz"), 300)); }).detach();
        if (!answer.isEmpty()) {
            const int connection = ::accept(listening, nullptr, nullptr);
            QVERIFY(connection >= 0);
            if (answer != "-")
                QCOMPARE(::write(connection, answer.constData(), std::size_t(answer.size())), ssize_t(answer.size()));
            ::close(connection);
        }
        QVERIFY2(result.wait_for(std::chrono::seconds(10)) == std::future_status::ready, "the second start waits on");
        QVERIFY(!result.get());
        ::close(listening);
    }

    // The running copy's side: its socket is the user's alone, it answers
    // "ok" to a request of its own and says nothing to anything else.
    void handOverServerAnswersOnlyItsRequests()
    {
        const QString socket = dir.filePath(QStringLiteral("s.socket"));
        HandOverServer server;
        QVERIFY(server.Listen(socket));
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(socket).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 077), 0);
        QSignalSpy raised(&server, &HandOverServer::raiseRequested);
        QSignalSpy opened(&server, &HandOverServer::readingFileReceived);

        const struct {
            QByteArray request, answer;
            int raises, opens;
        } cases[] = {
            {"raise\n", "ok\n", 1, 0},
            {"open 10\n/a b/c.qmz", "ok\n", 0, 1},
            {"bogus\n", "", 0, 0},
            {"open 0\n", "", 0, 0},
            {"raise now\n", "", 0, 0},
            {"open /a b/c.qmz\n", "", 0, 0},     // no length
            {"open 010\n/a b/c.qmz", "", 0, 0},  // a length written otherwise
            {"open 9\n/a b/c.qmz", "", 0, 0},    // more than it says
            {"open 11\n/a b/c.qmz", "", 0, 0},   // less, and the end
        };
        for (const auto& c : cases) {
            raised.clear();
            opened.clear();
            const int fd = LocalSocket(socket, false);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, c.request.constData(), std::size_t(c.request.size())), ssize_t(c.request.size()));
            ::shutdown(fd, SHUT_WR);  // all of it sent
            ::fcntl(fd, F_SETFL, O_NONBLOCK);
            QByteArray answer;
            bool closed = false;
            QTRY_VERIFY_WITH_TIMEOUT(([&] {
                char buffer[16];
                const ssize_t got = ::read(fd, buffer, sizeof buffer);
                if (got > 0)
                    answer.append(buffer, got);
                closed = got == 0;
                return closed;
            }()), 5000);
            ::close(fd);
            QCOMPARE(answer, c.answer);
            QTRY_COMPARE_WITH_TIMEOUT(int(raised.size() + opened.size()), c.raises + c.opens, 2000);
            QCOMPARE(int(raised.size()), c.raises);
            QCOMPARE(int(opened.size()), c.opens);
            if (c.opens)
                QCOMPARE(opened.at(0).at(0).toString(), QStringLiteral("/a b/c.qmz"));
        }
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
