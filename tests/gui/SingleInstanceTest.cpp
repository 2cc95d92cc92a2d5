// The single-instance rule across real processes.
#include "shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString probe;

    // Starts a copy and returns its first line of output ("first" or "running").
    QString Start(QProcess& process, const QString& lock)
    {
        process.start(probe, {lock});
        if (!process.waitForStarted(10000) || !process.waitForReadyRead(10000))
            return QStringLiteral("<no answer>");
        return QString::fromLatin1(process.readLine()).trimmed();
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

    void lockThatCannotBeMadeLetsTheProgramStart()
    {
        QProcess copy;
        QCOMPARE(Start(copy, dir.filePath(QStringLiteral("no-such-folder/c.lock"))), QStringLiteral("first"));
        copy.closeWriteChannel();
        QVERIFY(copy.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
