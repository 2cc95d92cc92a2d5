// Saving a reading from the result window and opening it from the main window.
#include "WindowTestSupport.h"

#include "mansions/modArabicLunarMansionInformation.h"
#include "reading/ReadingState.h"
#include "reading/frmMain.h"
#include "ui/FileDialogs.h"
#include "shell/WindowTurns.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>

class ReadingFileWindowsTest : public QObject {
    Q_OBJECT

    ReadingState state;
    WindowTurns turns{state};
    MessageRecorder* messages = nullptr;
    QTemporaryDir dir;
    QString chosenPath;  // what the file dialog answers

    QString Path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }


    // Shows the reading of a position text, as a calculation would.
    void ShowReading(const std::string& position)
    {
        state.chart.MoonPositionText = position;
        QVERIFY(turns.ShowMainWindow()->ShowMansionReading(position) == PositionTextStatus::WellFormed);
        SettleWindows();
    }

    void Save(const QString& path)
    {
        chosenPath = path;
        QTest::mouseClick(Control<QPushButton>(OpenWindow("frmArabicLunarMansionResult"), "cmdSave"), Qt::LeftButton);
    }

    void Open(const QString& path)
    {
        chosenPath = path;
        QTest::mouseClick(Control<QPushButton>(OpenWindow("frmMain"), "cmdOpen"), Qt::LeftButton);
        SettleWindows();
    }

    QStringList ShownFields()
    {
        QStringList fields;
        if (QWidget* result = OpenWindow("frmArabicLunarMansionResult"))
            for (int i = 0; i < 10; ++i)
                fields << Control<QLabel>(result, qPrintable(QStringLiteral("lblResult_%1").arg(i)))->text();
        return fields;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        FileDialogs::SetHandler([this](const QString&) { return chosenPath; });
    }

    void init()
    {
        state = ReadingState{};
        messages = new MessageRecorder;
    }

    void cleanup()
    {
        DeleteAllWindows();
        delete messages;
    }

    // For every mansion: save, go back, open: the same ten fields, and saving
    // the opened reading again gives the very same file.
    void saveThenOpenEveryMansion()
    {
        const char* signs[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
        for (int mansion = 1; mansion <= 28; ++mansion) {
            // A minute inside the mansion, as the engine would write it.
            const int p = (5400 * (mansion - 1)) / 7 + 100;
            const std::string position = std::to_string((p % 1800) / 60) + "\xC2\xB0 " + std::to_string(p % 60) +
                                         "' 17\" " + signs[p / 1800];
            ShowReading(position);
            const QStringList saved = ShownFields();
            QCOMPARE(saved.first().toStdString(),
                     std::string(modArabicLunarMansionInformation::MansionRowFor(mansion)[LunarMansionName]));
            Save(Path("reading.qmz"));
            Control<QAction>(OpenWindow("frmArabicLunarMansionResult"), "mnuBack")->trigger();
            SettleWindows();

            Open(Path("reading.qmz"));
            QCOMPARE(ShownFields(), saved);
            QCOMPARE(OpenWindowCount("frmMain"), 0);
            const QByteArray first = FileBytes(Path("reading.qmz"));
            Save(Path("again"));  // no extension typed: one is added
            QCOMPARE(FileBytes(Path("again.qmz")), first);
            DeleteAllWindows();
        }
        QVERIFY(messages->shown.empty());
    }

    // One shifted byte per character, the degree sign left out, then CR LF.
    void savedFileIsByteExact()
    {
        ShowReading("19\xC2\xB0 27' 45\" Lib");
        Save(Path("j2000.qmz"));
        QCOMPARE(FileBytes(Path("j2000.qmz")), QByteArray("\x8E\x96\x7D\x8F\x94\x84\x7D\x91\x92\x7F\x7D\xA9\xC6\xBF\r\n"));
    }

    void cancelledDialogsDoNothing()
    {
        ShowReading("1\xC2\xB0 0' 0\" Ari");
        Save(QString());
        Control<QAction>(OpenWindow("frmArabicLunarMansionResult"), "mnuBack")->trigger();
        SettleWindows();
        Open(QString());
        QCOMPARE(OpenWindowCount("frmMain"), 1);
        QVERIFY(messages->shown.empty());
    }

    void refusesWhatIsNotAReading_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good("\x8E\x96\x7D\x8F\x94\x84\x7D\x91\x92\x7F\x7D\xA9\xC6\xBF\r\n");
        QTest::newRow("upper-case extension") << "upper.QMZ" << good;
        QTest::newRow("empty first line") << "blank.qmz" << (QByteArray("\r\n") + good);
        QTest::newRow("empty file") << "empty.qmz" << QByteArray();
        QTest::newRow("damaged text") << "damaged.qmz" << QByteArray("\x8E\x96\x7D\x8F\x94\r\n");
        QTest::newRow("plain text") << "plain.qmz" << QByteArray("19 27' 45\" Lib\r\n");
        QTest::newRow("huge line") << "huge.qmz" << QByteArray(64 << 20, '\x8E');
        QTest::newRow("a folder") << "folder.qmz" << QByteArray();
        QTest::newRow("missing") << "missing.qmz" << QByteArray();
    }

    void refusesWhatIsNotAReading()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        if (name == QLatin1String("folder.qmz"))
            QVERIFY(QDir(dir.path()).mkpath(name));
        else if (name != QLatin1String("missing.qmz"))
            WriteFile(Path(qPrintable(name)), bytes);
        // A reading shown before must not come back as the file's.
        state.chart.MoonPositionText = "5\xC2\xB0 0' 0\" Leo";
        ChooseCurrentMansion(state, state.chart.MoonPositionText);
        turns.ShowMainWindow();
        Open(Path(qPrintable(name)));
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Please Check The File.")});
        QCOMPARE(messages->shown[0].icon, Messages::Icon::Error);
        QCOMPARE(OpenWindowCount("frmMain"), 1);
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 0);
        QCOMPARE(state.chart.MoonPositionText, std::string("5\xC2\xB0 0' 0\" Leo"));
    }

    // A save that fails says so and leaves the old file as it was: here the
    // write runs into a file-size limit, as on a full disk.
    void failedSaveKeepsTheOldFile()
    {
        const QByteArray old("\x8E\x7D\x8D\x84\x7D\x8D\x7F\x7D\x9E\xCF\xC6\r\n");
        WriteFile(Path("kept.qmz"), old);
        ShowReading("19\xC2\xB0 27' 45\" Lib");

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit tight = before;
        tight.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &tight);
        Save(Path("kept.qmz"));
        setrlimit(RLIMIT_FSIZE, &before);

        QCOMPARE(FileBytes(Path("kept.qmz")), old);
        QCOMPARE(messages->shown.size(), std::size_t(1));
        QVERIFY(messages->shown[0].text.startsWith(QStringLiteral("The reading was not saved to ")));
        QCOMPARE(messages->shown[0].icon, Messages::Icon::Error);
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 1);  // the reading is still there to save elsewhere

        messages->shown.clear();
        Save(Path("no-such-folder/reading.qmz"));
        QCOMPARE(messages->shown.size(), std::size_t(1));
    }
};

QTEST_MAIN(ReadingFileWindowsTest)
#include "ReadingFileWindowsTest.moc"
