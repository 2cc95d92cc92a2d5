// Saving a reading from the result window and opening it from the main
// window; every file a window writes, and what it meets where it goes.
#include "WindowTestSupport.h"
#include "../WriteTargets.h"

#include "base/UniqueFd.h"
#include "core/ReadingFile.h"
#include "core/modArabicLunarMansionInformation.h"
#include "core/ReadingState.h"
#include "pictures/ReadingSheet.h"
#include "pictures/SheetPrinting.h"
#include "places/ZoneClocks.h"
#include "windows/frmMain.h"
#include "windows/frmMansionCalendar.h"
#include "ui/FileDialogs.h"
#include "ui/FileNameText.h"
#include "shell/WindowTurns.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QMenu>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

namespace fs = std::filesystem;

class ReadingFileWindowsTest : public QObject {
    Q_OBJECT

    ReadingState state;
    WindowTurns turns{state};
    MessageRecorder* messages = nullptr;
    QTemporaryDir dir;
    QStringList chosenPaths;  // what the file dialog answers, one each time it comes up; then Cancel
    int dialogs = 0;          // how often it came up

    QString Path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }


    // Shows the reading of a position text, as a calculation would.
    void ShowReading(const std::string& position)
    {
        state.chart.MoonPositionText = position;
        QVERIFY(turns.ShowMainWindow()->ShowMansionReading(position) == PositionTextStatus::WellFormed);
        SettleWindows();
    }

    void Save(const QStringList& paths)
    {
        chosenPaths = paths;
        dialogs = 0;
        QTest::mouseClick(Control<QPushButton>(OpenWindow("frmArabicLunarMansionResult"), "cmdSave"), Qt::LeftButton);
    }

    void Open(const QString& path)
    {
        chosenPaths = QStringList{path};
        QTest::mouseClick(Control<QPushButton>(OpenWindow("frmMain"), "cmdOpen"), Qt::LeftButton);
        SettleWindows();
    }

    // Every writer of a window: the result window's Save and Export as PDF,
    // the Mansion Calendar's Export as PDF and Export to Calendar, and a
    // page printed to a file (as the print dialog sets the printer up).
    static constexpr const char* Writers[] = {"Save", "Export as PDF", "Mansion Calendar: Export as PDF",
                                              "Export to Calendar", "Print to File"};

    // Writes the J2000 reading with `writer` to `path`, chosen once in the
    // file dialog (Cancel should it come back); what the printer said, if it printed.
    std::string Export(const QString& writer, const QString& path)
    {
        ShowReading("19\xC2\xB0 27' 45\" Lib");
        chosenPaths = QStringList{path};
        dialogs = 0;
        std::string problem;
        if (writer == QLatin1String("Save")) {
            QTest::mouseClick(Control<QPushButton>(OpenWindow("frmArabicLunarMansionResult"), "cmdSave"), Qt::LeftButton);
        } else if (writer == QLatin1String("Export as PDF")) {
            Control<QAction>(OpenWindow("frmArabicLunarMansionResult"), "mnuExportPdf")->trigger();
        } else if (writer == QLatin1String("Print to File")) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            PrintReading(printer, SheetForReading(state.chart.MoonPositionText, state.currentMansion, state.birth, state.passage),
                         problem);
        } else {
            frmMansionCalendar calendar(PlaceClocks{std::nullopt, ClocksOfZone("UTC")}, 14, 1771236000);
            Control<QAction>(&calendar, writer == QLatin1String("Export to Calendar") ? "mnuExportCalendar" : "mnuExportPdf")
                ->trigger();
        }
        return problem;
    }

    // A folder's names and what each is, for comparing before and after.
    static QStringList Listed(const std::map<std::string, std::string>& tree)
    {
        QStringList lines;
        for (const auto& [name, what] : tree)
            lines << QString::fromLatin1(name + ": " + what);
        return lines;
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
        FileDialogs::SetHandler([this](const QString&) {
            ++dialogs;
            return chosenPaths.isEmpty() ? QString() : chosenPaths.takeFirst();
        });
    }

    void init()
    {
        ForgetRecentLists();
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
            Save({Path("reading.qmz")});
            Control<QAction>(OpenWindow("frmArabicLunarMansionResult"), "mnuBack")->trigger();
            SettleWindows();

            Open(Path("reading.qmz"));
            QCOMPARE(ShownFields(), saved);
            QCOMPARE(OpenWindowCount("frmMain"), 0);
            const QByteArray first = FileBytes(Path("reading.qmz"));
            Save({Path("again")});  // no extension typed: one is added
            QCOMPARE(FileBytes(Path("again.qmz")), first);
            DeleteAllWindows();
        }
        // Only the questions before replacing reading.qmz and again.qmz, each about its final name.
        QCOMPARE(messages->shown.size(), std::size_t(2 * 27));
        for (const Messages::Message& m : messages->shown) {
            QVERIFY(m.text.endsWith(QStringLiteral(".qmz already exists.\nDo you want to replace it?")));
            QCOMPARE(m.buttons, Messages::Buttons::YesNo);
        }
    }

    // File > Open Recent: the readings saved and opened, newest first, each
    // once, at most ten; one found gone is dropped when the menu opens, and
    // an entry opens its reading.
    void openRecentHoldsTheLastReadings()
    {
        ShowReading("19\xC2\xB0 27' 45\" Lib");
        for (int i = 0; i < 11; ++i)
            Save({Path(qPrintable(QStringLiteral("r%1.qmz").arg(i)))});
        Save({Path("r3.qmz")});  // again: first, and once
        Control<QAction>(OpenWindow("frmArabicLunarMansionResult"), "mnuBack")->trigger();
        SettleWindows();
        QVERIFY(QFile::remove(Path("r9.qmz")));
        auto recentEntries = [this] {
            auto* main = OpenWindow("frmMain");
            auto* file = main->findChild<QMenu*>(QStringLiteral("mnuFile"));
            emit file->aboutToShow();
            QStringList entries;
            for (QAction* a : main->findChild<QMenu*>(QStringLiteral("mnuRecent"))->actions())
                entries << a->text();
            return entries;
        };
        QCOMPARE(recentEntries(), (QStringList{QStringLiteral("&1 r3.qmz"), QStringLiteral("&2 r10.qmz"),
                                               QStringLiteral("&3 r8.qmz"), QStringLiteral("&4 r7.qmz"),
                                               QStringLiteral("&5 r6.qmz"), QStringLiteral("&6 r5.qmz"),
                                               QStringLiteral("&7 r4.qmz"), QStringLiteral("&8 r2.qmz"),
                                               QStringLiteral("&9 r1.qmz")}));
        OpenWindow("frmMain")->findChild<QMenu*>(QStringLiteral("mnuRecent"))->actions().at(8)->trigger();
        SettleWindows();
        QCOMPARE(ShownFields().first().toStdString(),
                 std::string(modArabicLunarMansionInformation::MansionRowFor(16)[LunarMansionName]));
        QVERIFY(messages->texts().filter(QStringLiteral("Check")).isEmpty());
    }

    // A name with dots, or ending in one, is saved with .qmz all the same; the
    // question before replacing is about that name, and No brings the dialog back.
    void savedNamesAlwaysEndInQmz()
    {
        ShowReading("19\xC2\xB0 27' 45\" Lib");
        const struct {
            const char* typed;
            const char* saved;
        } names[] = {{"Amira 21.03.1987", "Amira 21.03.1987.qmz"},
                     {"Reading for Dr. Smith", "Reading for Dr. Smith.qmz"},
                     {"dotted.", "dotted.qmz"},
                     {"given.qmz", "given.qmz"}};
        for (const auto& n : names) {
            Save({Path(n.typed)});
            QCOMPARE(FileBytes(Path(n.saved)), QByteArray("\x8E\x96\x7D\x8F\x94\x84\x7D\x91\x92\x7F\x7D\xA9\xC6\xBF\r\n"));
        }
        QVERIFY(messages->shown.empty());

        const QByteArray kept("\x8E\x7D\x8D\x84\x7D\x8D\x7F\x7D\x9E\xCF\xC6\r\n");
        WriteFile(Path("dotted.qmz"), kept);
        messages->answer = Messages::Answer::No;
        Save({Path("dotted."), QString()});
        QCOMPARE(messages->texts(),
                 QStringList{QDir::toNativeSeparators(Path("dotted.qmz")) + QStringLiteral(" already exists.\nDo you want to replace it?")});
        QCOMPARE(dialogs, 2);
        QCOMPARE(FileBytes(Path("dotted.qmz")), kept);

        // A folder that does not exist is said before anything is written, and
        // the dialog comes back to choose again.
        messages->shown.clear();
        Save({Path("no-such-folder/reading"), Path("elsewhere")});
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("The folder of %1 does not exist.\nPlease choose another folder.")
                                                    .arg(QDir::toNativeSeparators(Path("no-such-folder/reading.qmz")))});
        QCOMPARE(dialogs, 2);
        QVERIFY(QFileInfo::exists(Path("elsewhere.qmz")));

        // A name that is only a folder is said to be one, and the dialog comes
        // back: no hidden ".qmz" is written in it.
        messages->shown.clear();
        const QStringList folders{dir.path() + QStringLiteral("/"), dir.path() + QStringLiteral("/."),
                                  dir.path() + QStringLiteral("/sub/..")};
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        Save(folders + QStringList{Path("named")});
        QStringList said;
        for (const QString& folder : folders)
            said << QDir::toNativeSeparators(folder) + QStringLiteral(" is a folder.\nPlease choose another name.");
        QCOMPARE(messages->texts(), said);
        QCOMPARE(dialogs, 4);
        QVERIFY(QFileInfo::exists(Path("named.qmz")));
        QVERIFY(!QFileInfo::exists(Path(".qmz")));
    }

    // Every file a window writes meets what its name leads to by the one
    // policy the tool follows too: each kind of target a row (WriteTargets.h),
    // each row for every writer. The dialog says at once what cannot be
    // written and asks before a file is replaced; the printer, set up by
    // Qt's dialog, refuses what the tool refuses.
    void everyExportMeetsEveryKindOfTarget_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<int>("target");
        const auto& targets = WriteTargets::Targets();
        for (const char* writer : Writers)
            for (int t = 0; t < int(targets.size()); ++t)
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(writer), QLatin1String(targets[t].kind))))
                    << QString::fromLatin1(writer) << t;
    }

    void everyExportMeetsEveryKindOfTarget()
    {
        using namespace WriteTargets;
        QFETCH(QString, writer);
        QFETCH(int, target);
        const Target& row = Targets()[std::size_t(target)];
        const bool printed = writer == QLatin1String("Print to File");
        const std::string ending = writer == QLatin1String("Save")                 ? ".qmz"
                                   : writer == QLatin1String("Export to Calendar") ? ".ics"
                                                                                   : ".pdf";
        const std::string start = ending == ".qmz" ? "\x8E\x96\x7D" : ending == ".ics" ? "BEGIN:VCALENDAR\r\n" : "%PDF-";
        static int rows = 0;
        const fs::path folder = fs::path(QFile::encodeName(dir.path()).toStdString()) / ("target" + std::to_string(++rows));
        fs::create_directory(folder);
        const std::optional<fs::path> written = row.make(folder, "target" + ending);
        if (!written)
            QSKIP("a device is made only by root");
        const QString path = QFile::decodeName(QByteArray::fromStdString((folder / ("target" + ending)).string()));
        const QString shown = QDir::toNativeSeparators(path);
        // A faulty printer opening a pipe would wait for a reader: one is there,
        // with room for the whole page, so that a fault fails and never hangs.
        const UniqueFd reader(row.outcome == Outcome::NotAFile && fs::is_fifo(fs::symlink_status(folder / ("target" + ending)))
                                  ? ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)
                                  : -1);
        if (reader.valid())
            ::fcntl(reader.get(), F_SETPIPE_SZ, 1 << 20);
        const auto before = Tree(folder);
        const UmaskForTest umask;
        messages->answer = Messages::Answer::Yes;

        if (row.outcome == Outcome::Written) {
            const std::string problem = Export(writer, path);
            QCOMPARE(QString::fromStdString(problem), QString());
            const QStringList asked{shown + QStringLiteral(" already exists.\nDo you want to replace it?")};
            QCOMPARE(messages->texts(), row.oldMode != 0 && !printed ? asked : QStringList());
            const std::string content = FileBytes(QFile::decodeName(written->c_str())).toStdString();
            QCOMPARE(content.substr(0, start.size()), start);
            // Only the file the name leads to changed: links stay links, nothing is left beside it.
            QCOMPARE(Listed(Tree(folder)), Listed(TreeAfterWrite(before, folder, *written, WrittenMode(row), content)));
        } else if (printed) {
            const std::string why = row.outcome == Outcome::ReadOnly ? " is read-only" : " is not a regular file";
            QCOMPARE(QString::fromStdString(Export(writer, path)), path + QString::fromStdString(why));
            QVERIFY(messages->shown.empty());
            QCOMPARE(Listed(Tree(folder)), Listed(before));
        } else if (row.outcome == Outcome::ReadOnly) {
            // Asked, saying so: No brings the dialog back and changes nothing; Yes replaces it, its mode kept.
            const QStringList asked{shown + QStringLiteral(" is read-only.\nDo you want to replace it?")};
            messages->answer = Messages::Answer::No;
            Export(writer, path);
            QCOMPARE(messages->texts(), asked);
            QCOMPARE(dialogs, 2);
            QCOMPARE(Listed(Tree(folder)), Listed(before));
            messages->shown.clear();
            messages->answer = Messages::Answer::Yes;
            Export(writer, path);
            QCOMPARE(messages->texts(), asked);
            const std::string content = FileBytes(QFile::decodeName(written->c_str())).toStdString();
            QCOMPARE(content.substr(0, start.size()), start);
            QCOMPARE(Listed(Tree(folder)), Listed(TreeAfterWrite(before, folder, *written, row.oldMode, content)));
        } else {
            // Said at once, and the dialog comes back: nothing is written.
            Export(writer, path);
            QCOMPARE(messages->texts(), QStringList{shown + (row.outcome == Outcome::Folder
                                                                 ? QStringLiteral(" is a folder.\nPlease choose another name.")
                                                                 : QStringLiteral(" is not a regular file.\nPlease choose another name."))});
            QCOMPARE(messages->shown[0].icon, Messages::Icon::Error);
            QCOMPARE(dialogs, 2);
            QCOMPARE(Listed(Tree(folder)), Listed(before));
        }
    }

    // A name that is not UTF-8 (Latin-1 "été", a stray byte) opens as any other.
    void readingWhoseNameIsNotUtf8Opens()
    {
        const QByteArray folder = QFile::encodeName(dir.path());
        for (const QByteArray& name : {QByteArray("\xE9t\xE9.qmz"), QByteArray("a\xFF\xC3.qmz"), QByteArray("\xED\xA0\x80.qmz")}) {
            const QByteArray path = folder + '/' + name;
            const std::string bytes = ReadingFileBytes("19\xC2\xB0 27' 45\" Lib").value();
            {
                const UniqueFd file(::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
                QVERIFY(file.valid());
                QCOMPARE(::write(file.get(), bytes.data(), bytes.size()), ssize_t(bytes.size()));
            }
            QCOMPARE(FileNameBytes(FileNameText(path)), path);  // both ways without loss
            DeleteAllWindows();
            turns.ShowMainWindow();
            turns.OpenReadingFile(FileNameText(path));
            QVERIFY2(OpenWindow("frmArabicLunarMansionResult"), path.constData());
            QCOMPARE(ShownFields().first().toStdString(),
                     std::string(modArabicLunarMansionInformation::MansionRowFor(16)[LunarMansionName]));
            QVERIFY(messages->shown.empty());
        }
        // UTF-8 names are the plain text they hold.
        QCOMPARE(FileNameText("/home/\xD8\xB9\xD9\x84\xD9\x8A/r.qmz"), QStringLiteral("/home/\u0639\u0644\u064A/r.qmz"));
        QCOMPARE(FileNameBytes(QStringLiteral("/home/\u0639\u0644\u064A/r.qmz")), QByteArray("/home/\xD8\xB9\xD9\x84\xD9\x8A/r.qmz"));
    }

    // One shifted byte per character, the degree sign left out, then CR LF.
    void savedFileIsByteExact()
    {
        ShowReading("19\xC2\xB0 27' 45\" Lib");
        Save({Path("j2000.qmz")});
        QCOMPARE(FileBytes(Path("j2000.qmz")), QByteArray("\x8E\x96\x7D\x8F\x94\x84\x7D\x91\x92\x7F\x7D\xA9\xC6\xBF\r\n"));
    }

    void cancelledDialogsDoNothing()
    {
        ShowReading("1\xC2\xB0 0' 0\" Ari");
        Save({});
        Control<QAction>(OpenWindow("frmArabicLunarMansionResult"), "mnuBack")->trigger();
        SettleWindows();
        Open(QString());
        QCOMPARE(OpenWindowCount("frmMain"), 1);
        QVERIFY(messages->shown.empty());
    }

    // Each refused with "Please Check The File.", the file's name and the
    // reason in the box's detail; opened by Ctrl+O (File > Open) on the form.
    void refusesWhatIsNotAReading_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray good("\x8E\x96\x7D\x8F\x94\x84\x7D\x91\x92\x7F\x7D\xA9\xC6\xBF\r\n");
        const QString notReading = QStringLiteral("%1 does not hold a saved reading");
        QTest::newRow("upper-case extension") << "upper.QMZ" << good << "upper.QMZ is not a saved reading (.qmz)";
        QTest::newRow("empty first line") << "blank.qmz" << (QByteArray("\r\n") + good) << notReading.arg("blank.qmz");
        QTest::newRow("empty file") << "empty.qmz" << QByteArray() << notReading.arg("empty.qmz");
        QTest::newRow("damaged text") << "damaged.qmz" << QByteArray("\x8E\x96\x7D\x8F\x94\r\n") << notReading.arg("damaged.qmz");
        QTest::newRow("plain text") << "plain.qmz" << QByteArray("19 27' 45\" Lib\r\n") << notReading.arg("plain.qmz");
        QTest::newRow("huge line") << "huge.qmz" << QByteArray(64 << 20, '\x8E') << notReading.arg("huge.qmz");
        QTest::newRow("a folder") << "folder.qmz" << QByteArray() << "folder.qmz is a folder";
        QTest::newRow("missing") << "nosuch.qmz" << QByteArray() << "nosuch.qmz does not exist";
    }

    void refusesWhatIsNotAReading()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        if (name == QLatin1String("folder.qmz"))
            QVERIFY(QDir(dir.path()).mkpath(name));
        else if (name != QLatin1String("nosuch.qmz"))
            WriteFile(Path(qPrintable(name)), bytes);
        // A reading shown before must not come back as the file's.
        state.chart.MoonPositionText = "5\xC2\xB0 0' 0\" Leo";
        ChooseCurrentMansion(state, state.chart.MoonPositionText);
        frmMain* form = turns.ShowMainWindow();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        chosenPaths = QStringList{Path(qPrintable(name))};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
        SettleWindows();
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Please Check The File.")});
        QCOMPARE(messages->shown[0].icon, Messages::Icon::Error);
        QCOMPARE(messages->shown[0].detail, reason);
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
        Save({Path("kept.qmz")});
        setrlimit(RLIMIT_FSIZE, &before);

        QCOMPARE(FileBytes(Path("kept.qmz")), old);
        QCOMPARE(messages->shown.size(), std::size_t(2));  // the question before replacing, then the failure
        QVERIFY(messages->shown[1].text.startsWith(QStringLiteral("The reading was not saved to ")));
        QCOMPARE(messages->shown[1].icon, Messages::Icon::Error);
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 1);  // the reading is still there to save elsewhere
    }
};

QTEST_MAIN(ReadingFileWindowsTest)
#include "ReadingFileWindowsTest.moc"
