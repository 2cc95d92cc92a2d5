// What the program meets on a bad day: folders it cannot write, a full disk,
// a save cut short by a kill, a settings file that is garbage or no file,
// reading files that are pipes or a gigabyte long. It keeps working, says
// what it could not do where that matters, and loses nothing.
#include "WindowTestSupport.h"

#include "core/ReadingFile.h"
#include "windows/FileSaving.h"
#include "core/ReadingState.h"
#include "windows/frmMain.h"
#include "ui/FileDialogs.h"
#include "shell/UpdateReminder.h"
#include "shell/WindowTurns.h"

#include <QDeadlineTimer>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class FaultInjectionTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    const QByteArray oldBytes{"\x8D\x7D\x8D\x84\x7D\x8D\x7F\x7D\x9E\xCF\xC6\r\n"};  // 0 0' 0" Ari
    const std::string position{"19\xC2\xB0 27' 45\" Lib"};

    // A folder this process cannot write: by its permissions, or for root
    // (whom permissions do not stop) a read-only file system mounted on it.
    // Mounting changes the machine: only in the run of the system tests,
    // which sets QAMAREL_MOUNT_TESTS.
    static bool MayMount() { return qEnvironmentVariableIntValue("QAMAREL_MOUNT_TESTS") == 1; }
    bool MakeUnwritable(const QString& folder, const char* mountOptions)
    {
        QDir().mkpath(folder);
        if (::geteuid() != 0)
            return ::chmod(QFile::encodeName(folder).constData(), 0555) == 0;
        if (!MayMount())
            return false;
        return QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                           QStringLiteral("-o"), QString::fromLatin1(mountOptions),
                                                           QStringLiteral("tmpfs"), folder}) == 0;
    }
    static void Release(const QString& folder)
    {
        if (::geteuid() == 0)
            QProcess::execute(QStringLiteral("umount"), {folder});
        else
            ::chmod(QFile::encodeName(folder).constData(), 0755);
    }

    // Runs the start-up reminder on the settings at `path` in a thread of its
    // own: whether it returned within 5 s. One caught reading the pipe
    // `unblock` is let go by opening the pipe's other end.
    static bool RemindReturns(const QString& path, const QString& unblock = {})
    {
        auto done = std::make_shared<std::atomic<bool>>(false);
        std::thread reminder([path, done] {
            RemindOfUpdate(path, QDate(2026, 12, 7));
            *done = true;
        });
        const QDeadlineTimer deadline(5000);
        while (!*done && !deadline.hasExpired())
            QThread::msleep(10);
        const bool returned = *done;
        if (!returned && !unblock.isEmpty())
            ::close(::open(QFile::encodeName(unblock).constData(), O_WRONLY | O_NONBLOCK));
        if (returned)
            reminder.join();
        else
            reminder.detach();  // hung for good: left to the end of the process
        return returned;
    }

    static void ExpectNotKept(const QString& why)
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^\\S+: the settings are not kept: ") + why + QLatin1Char('$')));
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // A settings file that is a link is not written through: what it names
    // (here, a file of someone else's) stays as it was.
    void settingsLinkIsNotFollowed()
    {
        const QString target = dir.filePath(QStringLiteral("someone-elses.ini"));
        WriteFile(target, "[Settings]\nkept=1\n");
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0600), 0);
        const QString link = dir.filePath(QStringLiteral("link.ini"));
        QVERIFY(QFile::link(target, link));
        MessageRecorder messages;
        ExpectNotKept(QRegularExpression::escape(link) + QStringLiteral(" is a symbolic link"));
        QVERIFY(RemindReturns(link));
        QCOMPARE(FileBytes(target), QByteArray("[Settings]\nkept=1\n"));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(messages.shown.empty());
    }

    // The settings go in $XDG_CONFIG_HOME, else in ~/.config, each only when
    // it is an absolute path; without a home, none are kept, and that is said
    // once (not "/.config", the root's, written or complained about).
    void settingsWithoutAHome_data()
    {
        QTest::addColumn<QByteArray>("home");    // "-" unset
        QTest::addColumn<QByteArray>("config");  // $XDG_CONFIG_HOME, "-" unset
        QTest::addColumn<QString>("expected");
        QTest::newRow("no home") << QByteArray("-") << QByteArray("-") << "";
        QTest::newRow("relative home") << QByteArray("home") << QByteArray("-") << "";
        QTest::newRow("relative config folder") << QByteArray("/h") << QByteArray("config") << "/h/.config/qamarel.ini";
        QTest::newRow("config folder, no home") << QByteArray("-") << QByteArray("/c") << "/c/qamarel.ini";
    }

    void settingsWithoutAHome()
    {
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, config);
        QFETCH(QString, expected);
        const QByteArray homeBefore = qgetenv("HOME"), configBefore = qgetenv("XDG_CONFIG_HOME");
        const auto set = [](const char* name, const QByteArray& value) {
            if (value == "-")
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("HOME", home);
        set("XDG_CONFIG_HOME", config);
        const QString path = ProgramSettingsPath(QStringLiteral("qamarel"));
        qputenv("HOME", homeBefore);
        qputenv("XDG_CONFIG_HOME", configBefore);
        QCOMPARE(path, expected);
        if (!path.isEmpty())
            return;
        MessageRecorder messages;
        ExpectNotKept(QRegularExpression::escape(
            QStringLiteral("there is no home folder to keep them in (HOME is not set)")));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QVERIFY(RemindReturns(path));
        QVERIFY(messages.shown.empty());
    }

    // A lock beside the settings that is a pipe, a folder or a file of another
    // user's is left alone: the start goes on at once, keeping no settings.
    void settingsLockThatIsNoFileOfTheUsers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("folder") << "folder";
        QTest::newRow("another user's file") << "foreign";
    }

    void settingsLockThatIsNoFileOfTheUsers()
    {
        QFETCH(QString, kind);
        const QString settings = dir.filePath(kind + QStringLiteral(".ini"));
        const QString lock = settings + QStringLiteral(".lock");
        const QByteArray lockName = QFile::encodeName(lock);
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(lockName.constData(), 0600), 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(lock));
        } else {
            if (::geteuid() != 0)
                QSKIP("only root can make a file of another user's");
            WriteFile(lock, "1\nqamarel\nhost\n");
            QCOMPARE(::chown(lockName.constData(), 65534, 65534), 0);
        }
        ExpectNotKept(QStringLiteral("its lock ") + QRegularExpression::escape(lock) +
                      QStringLiteral(" is not a regular file of this user's"));
        QVERIFY(RemindReturns(settings, kind == QLatin1String("pipe") ? lock : QString()));
        QVERIFY(!QFile::exists(settings));
        QVERIFY(QFileInfo::exists(lock));
    }

    // A lock some other program holds is waited for 1 s at most.
    void settingsLockHeldIsWaitedForASecondAtMost()
    {
        const QString settings = dir.filePath(QStringLiteral("held.ini"));
        QLockFile held(settings + QStringLiteral(".lock"));
        QVERIFY(held.tryLock(0));
        ExpectNotKept(QStringLiteral("its lock ") + QRegularExpression::escape(settings) +
                      QStringLiteral("\\.lock is held by another program"));
        QVERIFY(RemindReturns(settings));
        QVERIFY(!QFile::exists(settings));

        // A start that only reads the date (asked today already) takes no lock,
        // so a held one costs it nothing and is not mentioned.
        held.unlock();
        QVERIFY(RemindReturns(settings));
        QVERIFY(QFile::exists(settings));
        QVERIFY(held.tryLock(0));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("the settings are not kept")));
        QVERIFY(RemindReturns(settings));
    }

    void saveIntoAFolderWithoutWritePermission()
    {
        const QString folder = dir.filePath(QStringLiteral("locked"));
        if (!MakeUnwritable(folder, "ro,size=64k"))
            QSKIP("cannot make a folder unwritable here (as root: a system test, it mounts)");
        const QString problem = SaveReadingFile(folder + QStringLiteral("/r.qmz"), position);
        Release(folder);
        QVERIFY2(!problem.isEmpty(), "a failed save must say so");
        QVERIFY(!QFile::exists(folder + QStringLiteral("/r.qmz")));
    }

    void saveOntoAFullDevice()
    {
        const QString folder = dir.filePath(QStringLiteral("full"));
        if (::geteuid() != 0 || !MakeUnwritable(folder, "size=4k"))
            QSKIP("needs root to mount a small file system, in the system tests");
        WriteFile(folder + QStringLiteral("/r.qmz"), oldBytes);
        WriteFile(folder + QStringLiteral("/filler"), QByteArray(8192, 'x'));  // fills the rest
        const QString problem = SaveReadingFile(folder + QStringLiteral("/r.qmz"), position);
        const QByteArray kept = FileBytes(folder + QStringLiteral("/r.qmz"));
        const QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        Release(folder);
        QVERIFY2(!problem.isEmpty(), "a failed save must say so");
        QCOMPARE(kept, oldBytes);
        QCOMPARE(left, QStringList({QStringLiteral("filler"), QStringLiteral("r.qmz")}));  // no part of a file left
    }

    // A save killed at any moment leaves a whole file, old or new.
    void saveKilledHalfWayLeavesAWholeFile()
    {
        const QString path = dir.filePath(QStringLiteral("killed.qmz"));
        const QByteArray a = QByteArray::fromStdString(ReadingFileBytes(position).value());
        const QByteArray b = QByteArray::fromStdString(ReadingFileBytes("1\xC2\xB0 2' 3\" Ari").value());
        for (int round = 0; round < 20; ++round) {
            QProcess saver;
            saver.start(QCoreApplication::applicationDirPath() + QStringLiteral("/save_probe"),
                        {path, QString::number(1 + 13 * round)});
            QVERIFY(saver.waitForReadyRead(10000));  // saving in a loop by now
            saver.kill();
            QVERIFY(saver.waitForFinished(10000));
            const QByteArray left = FileBytes(path);
            QVERIFY2(left == a || left == b, left.toHex().constData());
        }
    }

    void settingsThatAreGarbageOrNoFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("garbage") << QByteArray("\x00\xFF[[Settings\n=\x01\x02\n%%%\n", 22);
        QTest::newRow("binary") << QByteArray(4096, '\xFE');
        QTest::newRow("a folder") << QByteArray();
    }

    void settingsThatAreGarbageOrNoFile()
    {
        QFETCH(QByteArray, content);
        const QString file = dir.filePath(QStringLiteral("settings-%1.ini").arg(QTest::currentDataTag()));
        if (content.isEmpty())
            QVERIFY(QDir().mkpath(file));
        else
            WriteFile(file, content);
        MessageRecorder messages;
        QSettings settings(file, QSettings::IniFormat);
        RemindOfUpdate(settings, QDate(2026, 12, 7));  // returns, asks nothing it should not
        QVERIFY(messages.shown.empty());
        ReadingState state;
        WindowTurns turns(state);
        QVERIFY(turns.ShowMainWindow());  // and the program goes on
        DeleteAllWindows();
    }

    // A settings file that is a pipe, or huge, is not read: start-up neither
    // hangs nor reads and rewrites it; nothing is asked.
    void settingsThatAreNoSmallFile()
    {
        const QString fifo = dir.filePath(QStringLiteral("fifo.ini"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString huge = dir.filePath(QStringLiteral("huge.ini"));
        {
            QFile file(huge);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(SettingsFileLimit + 1));
        }
        const QDateTime hugeWritten = QFileInfo(huge).lastModified();
        MessageRecorder messages;
        for (const QString& path : {fifo, huge}) {
            ExpectNotKept(QRegularExpression::escape(path) + QStringLiteral(" is not a small regular file"));
            RemindOfUpdate(path, QDate(2026, 12, 7));  // returns at once
        }
        QVERIFY(messages.shown.empty());
        QCOMPARE(QFileInfo(huge).lastModified(), hugeWritten);
        QCOMPARE(QFileInfo(huge).size(), SettingsFileLimit + 1);

        // A small file, or none yet, is read and written as always, also
        // where the settings folder is still to be made (a new account).
        const QString fresh = dir.filePath(QStringLiteral("fresh.ini"));
        RemindOfUpdate(fresh, QDate(2026, 12, 7));
        QVERIFY(QFileInfo(fresh).isFile());
        const QString unmade = dir.filePath(QStringLiteral("home/.config/qamarel.ini"));
        RemindOfUpdate(unmade, QDate(2026, 12, 7));
        QVERIFY(QFileInfo(unmade).isFile());
        QCOMPARE(QFileInfo(QFileInfo(unmade).path()).permissions(),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    }

    void readingFilesThatAreNotFiles()
    {
        const QString fifo = dir.filePath(QStringLiteral("pipe.qmz"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString huge = dir.filePath(QStringLiteral("huge.qmz"));
        {
            QFile f(huge);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(1) << 30));  // 1 GB without a line end (sparse)
        }
        MessageRecorder messages;
        ReadingState state;
        WindowTurns turns(state);
        frmMain* main = turns.ShowMainWindow();
        for (const QString& path : {fifo, huge}) {
            messages.shown.clear();
            QVERIFY(!main->OpenReadingFile(path));  // returns at once: no blocking, no gigabyte read
            QCOMPARE(messages.texts(), QStringList{QStringLiteral("Please Check The File.")});
        }
        QCOMPARE(OpenWindowCount("frmMain"), 1);
        DeleteAllWindows();
    }
};

QTEST_MAIN(FaultInjectionTest)
#include "FaultInjectionTest.moc"
