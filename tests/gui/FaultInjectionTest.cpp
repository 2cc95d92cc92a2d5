// What the program meets on a bad day: folders it cannot write, a full disk,
// a save cut short by a kill, a settings file that is garbage or no file,
// reading files that are pipes or a gigabyte long. It keeps working, says
// what it could not do where that matters, and loses nothing.
#include "WindowTestSupport.h"

#include "core/ReadingFile.h"
#include "windows/ReadingFileSave.h"
#include "core/ReadingState.h"
#include "windows/frmMain.h"
#include "ui/FileDialogs.h"
#include "shell/UpdateReminder.h"
#include "shell/WindowTurns.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

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

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

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
        Release(folder);
        QVERIFY2(!problem.isEmpty(), "a failed save must say so");
        QCOMPARE(kept, oldBytes);
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
        for (const QString& path : {fifo, huge})
            RemindOfUpdate(path, QDate(2026, 12, 7));  // returns at once
        QVERIFY(messages.shown.empty());
        QCOMPARE(QFileInfo(huge).lastModified(), hugeWritten);
        QCOMPARE(QFileInfo(huge).size(), SettingsFileLimit + 1);

        // A small file, or none yet, is read and written as always.
        const QString fresh = dir.filePath(QStringLiteral("fresh.ini"));
        RemindOfUpdate(fresh, QDate(2026, 12, 7));
        QVERIFY(QFileInfo(fresh).isFile());
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
