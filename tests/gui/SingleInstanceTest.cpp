// The single-instance rule across real processes.
#include "shell/SingleInstance.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
