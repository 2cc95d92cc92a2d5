// The People window by keyboard and mouse, on a book of its own; Add to
// People from the result window, and File > People in the form.
#include "WindowTestSupport.h"

#include "core/ReadingState.h"
#include "people/PeopleBook.h"
#include "people/PeopleImport.h"
#include "shell/WindowTurns.h"
#include "windows/frmMain.h"
#include "windows/frmPeople.h"
#include "core/MansionChoice.h"
#include "core/ReadingFile.h"
#include "files/ReadingFileAccess.h"
#include "ui/FileDialogs.h"

#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <QAbstractButton>
#include <QAction>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

// Ada: 2000-01-01 12:00 at Greenwich, mansion 16 (Azubene or Ahubene), the
// reading tool's reference birth; Omar: 1992-04-12 00:00 there, mansion 9
// (Archaam or Arcaph); Zoe five minutes after Ada, at a place of the list.
Person Born(const char* name, int year, int month, int day, int hour, int minute)
{
    Person p;
    p.name = name;
    p.year = year, p.month = month, p.day = day, p.hour = hour, p.minute = minute;
    p.latitude = 51 + 28 / 60.0;
    return p;
}

std::vector<Person> Everyone()
{
    Person zoe = Born("Zoe", 2000, 1, 1, 12, 5);
    zoe.placeName = "Greenwich", zoe.state = "England", zoe.country = "United Kingdom", zoe.zoneName = "Europe/London";
    return {Born("Ada", 2000, 1, 1, 12, 0), Born("Omar", 1992, 4, 12, 0, 0), zoe};
}

// What the import's preview showed, and the button it was left by.
struct Preview {
    QString summary;
    QStringList problems;  // the Problem column
    bool add = false, addGood = false;  // the buttons offered (shown and enabled)
};

// Answers the next preview with the button named `press`, after noting what it shows.
void AnswerPreview(Preview& seen, const char* press)
{
    QTimer::singleShot(0, [&seen, press] {
        QWidget* preview = QApplication::activeModalWidget();
        if (!preview || preview->objectName() != QLatin1String("frmPeopleImport"))
            return;
        seen.summary = Control<QLabel>(preview, "lblSummary")->text();
        auto* table = Control<QTableWidget>(preview, "tblImport");
        for (int row = 0; row < table->rowCount(); ++row)
            seen.problems << table->item(row, 4)->text();
        const auto offered = [&](const char* name) {
            auto* button = Control<QPushButton>(preview, name);
            return button->isVisible() && button->isEnabled();
        };
        seen.add = offered("cmdAdd"), seen.addGood = offered("cmdAddGood");
        QTest::mouseClick(Control<QPushButton>(preview, press), Qt::LeftButton);
    });
}

QStringList Column(QTableView* table, int column)
{
    QStringList shown;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        if (!table->isRowHidden(row))
            shown << table->model()->index(row, column).data().toString();
    return shown;
}

}  // namespace

class frmPeopleTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString book() const { return dir.filePath(QStringLiteral("qamarel/people.sqlite")); }
    void Fill()
    {
        PeopleBook people;
        QVERIFY(people.Open(book().toStdString()).ok());
        PeopleBook::Added added;
        QVERIFY(people.AddAll(Everyone(), added).ok());
    }
    std::vector<Person> InBook()
    {
        PeopleBook people;
        people.Open(book().toStdString());
        BookResult read;
        return people.List(read);
    }

private slots:
    void init()
    {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    }
    void cleanup() { DeleteAllWindows(); }

    void tableSortsAndTheSearchKeepsWhatIsTyped()
    {
        Fill();
        frmPeople window(book());
        window.show();
        auto* table = Control<QTableView>(&window, "tblPeople");
        QCOMPARE(Column(table, 0), (QStringList{"Ada", "Omar", "Zoe"}));
        QCOMPARE(Column(table, 1), (QStringList{"2000-01-01 12:00 UTC+0", "1992-04-12 00:00 UTC+0", "2000-01-01 12:05 UTC+0"}));
        QCOMPARE(Column(table, 2), (QStringList{"", "", "Greenwich, England, United Kingdom"}));
        QCOMPARE(Column(table, 3).first(), QStringLiteral("16 Azubene or Ahubene"));
        QCOMPARE(Column(table, 3).at(1), QStringLiteral("9 Archaam or Arcaph"));
        // What a screen reader says of a row.
        QCOMPARE(table->model()->index(2, 0).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Zoe, born 2000-01-01 12:05 UTC+0 in Greenwich, England, United Kingdom, mansion 16 Azubene or Ahubene"));

        // By mansion: 9 before 16, by number.
        QTest::mouseClick(table->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(table->horizontalHeader()->sectionViewportPosition(3) + 5, 5));
        QCOMPARE(Column(table, 0).first(), QStringLiteral("Omar"));

        Type(&window, "txtSearch", QStringLiteral("azub"));
        QCOMPARE(Column(table, 0), (QStringList{"Ada", "Zoe"}));
        auto* search = Control<QLineEdit>(&window, "txtSearch");
        search->clear();
        QTest::keyClicks(search, QStringLiteral("GREENW"));
        QCOMPARE(Column(table, 0), (QStringList{"Zoe"}));
        search->clear();
        QTest::keyClicks(search, QStringLiteral("nobody"));
        QCOMPARE(Column(table, 0), QStringList());
    }

    // Tab goes round the whole window and back: the list never keeps it.
    void tabGoesRoundTheWindow()
    {
        Fill();
        frmPeople window(book());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Control<QTableView>(&window, "tblPeople")->selectRow(0);
        const QStringList round = TabRound(&window, Control<QWidget>(&window, "txtSearch"));
        for (const char* name : {"tblPeople", "txtNote", "cmdOpen", "cmdDelete"})
            QVERIFY2(round.contains(QLatin1String(name)) && !round.contains(QStringLiteral("<stuck>")),
                     qPrintable(round.join(QLatin1Char(' '))));
    }

    void enterOpensDeleteAsksFirstEscapeCloses()
    {
        Fill();
        MessageRecorder messages;
        frmPeople window(book());
        window.show();
        auto* table = Control<QTableView>(&window, "tblPeople");
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Down);
        QSignalSpy opened(&window, &frmPeople::readingRequested);
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(QString::fromStdString(window.chosenBirth().name), QStringLiteral("Omar"));

        messages.answer = Messages::Answer::No;
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(messages.texts(), QStringList{"Delete Omar from People?"});
        QCOMPARE(InBook().size(), 3u);
        messages.answer = Messages::Answer::Yes;
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(Column(table, 0), (QStringList{"Ada", "Zoe"}));
        QCOMPARE(InBook().size(), 2u);

        // The note, kept in the book.
        table->selectRow(1);
        Control<QPlainTextEdit>(&window, "txtNote")->setPlainText(QStringLiteral("asks about travel"));
        QTest::mouseClick(Control<QPushButton>(&window, "cmdSaveNote"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(InBook().at(1).note), QStringLiteral("asks about travel"));

        QTest::keyClick(table, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    // Several selected: all of them, asked first with their number; the
    // people the search shows, not those at the same places in the book.
    void deleteTakesEverySelectedPerson()
    {
        Fill();
        MessageRecorder messages;
        frmPeople window(book());
        window.show();
        auto* table = Control<QTableView>(&window, "tblPeople");
        Type(&window, "txtSearch", QStringLiteral("azub"));
        QCOMPARE(Column(table, 0), (QStringList{"Ada", "Zoe"}));
        table->selectAll();
        messages.answer = Messages::Answer::No;
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(messages.texts(), QStringList{"Delete 2 people from People?"});
        QCOMPARE(InBook().size(), 3u);
        messages.answer = Messages::Answer::Yes;
        QTest::keyClick(table, Qt::Key_Delete);
        const std::vector<Person> left = InBook();
        QCOMPARE(left.size(), 1u);
        QCOMPARE(QString::fromStdString(left[0].name), QStringLiteral("Omar"));
        QCOMPARE(Column(table, 0), QStringList());
    }

    // Edit fills the form with the entry's birth; Save to People writes the
    // form over that entry, Cancel Edit leaves it as it was. Each birth saved
    // unchanged comes back the same: a place of the list with its zone, a
    // typed zone ahead and one behind universal time with summer time.
    void editFillsTheFormAndSaveUpdatesTheEntry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("boxes");  // as the form shows them
        // Longitude, latitude, zone, then City.
        QTest::newRow("typed, Greenwich") << "Omar" << QStringList{"0", "0", "51", "28", "0", "0", ""};
        QTest::newRow("place of the list") << "Zoe" << QStringList{"0", "0", "51", "28", "0", "0", "Greenwich"};
        QTest::newRow("zone ahead") << "Ravi" << QStringList{"72", "52", "19", "4", "-5", "30", ""};
        QTest::newRow("zone behind, DST") << "Lena" << QStringList{"73", "57", "40", "47", "+5", "0", ""};
    }
    void editFillsTheFormAndSaveUpdatesTheEntry()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, boxes);
        Fill();
        {
            Person ravi = Born("Ravi", 1980, 5, 5, 5, 30);
            ravi.latitude = 19 + 4 / 60.0, ravi.longitude = 72 + 52 / 60.0, ravi.zoneMinutes = 330;
            Person lena = Born("Lena", 1975, 7, 4, 18, 45);
            lena.latitude = 40 + 47 / 60.0, lena.longitude = -(73 + 57 / 60.0), lena.zoneMinutes = -300, lena.dst = true;
            lena.note = "New York";
            PeopleBook people;
            PeopleBook::Added added;
            QVERIFY(people.Open(book().toStdString()).ok() && people.AddAll({ravi, lena}, added).ok());
        }
        const std::vector<Person> before = InBook();
        const auto entry = [](const std::vector<Person>& people, const QString& who) {
            const auto found = std::find_if(people.begin(), people.end(), [&](const Person& p) { return p.name == who.toStdString(); });
            Person none;
            none.id = -1;
            return found == people.end() ? none : *found;
        };
        MessageRecorder messages;
        ReadingState state;
        WindowTurns turns(state);
        turns.ShowMainWindow()->findChild<QAction*>(QStringLiteral("mnuPeople"))->trigger();
        QWidget* people = OpenWindow("frmPeople");
        auto* table = Control<QTableView>(people, "tblPeople");
        Type(people, "txtSearch", name);
        QTest::mouseClick(Control<QPushButton>(people, "cmdEdit"), Qt::LeftButton);
        QWidget* form = OpenWindow("frmMain");
        QVERIFY(form);
        QCOMPARE(Control<QLineEdit>(form, "txtName")->text(), name);
        QStringList shown;
        for (const char* box : {"txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtZoneHour", "txtZoneMinute", "txtMCity"})
            shown << Control<QLineEdit>(form, box)->text();
        QCOMPARE(shown, boxes);
        const Person was = entry(before, name);
        QCOMPARE(Control<QComboBox>(form, "cboYear")->currentText(), QString::number(was.year));
        QCOMPARE(Control<QComboBox>(form, "cboHH")->currentText(), QString::number(was.hour));
        QCOMPARE(Control<QAbstractButton>(form, "chkDST")->isChecked(), was.dst);
        QCOMPARE(Control<QAbstractButton>(form, "optLong_1")->isChecked(), was.longitude < 0);

        // Saved unchanged: the same entry, nothing added.
        auto* save = Control<QPushButton>(form, "cmdSaveToPeople");
        QVERIFY(save->isVisible());
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList{name + " was saved to People."});
        QVERIFY(!save->isVisible());
        std::vector<Person> after = InBook();
        QCOMPARE(after.size(), before.size());
        Person now = entry(after, name);
        QVERIFY(SameBirth(now, was));
        QCOMPARE(now.id, was.id);
        QCOMPARE(now.note, was.note);
        QCOMPARE(now.placeName + now.zoneName, was.placeName + was.zoneName);

        // Changed and saved: that entry changes; cancelled: it stays.
        QTest::mouseClick(Control<QPushButton>(people, "cmdEdit"), Qt::LeftButton);
        Choose(form, "cboHH", QStringLiteral("3"));
        Control<QLineEdit>(form, "txtName")->setText(name + QStringLiteral(" B."));
        form->findChild<QAction*>(QStringLiteral("mnuSaveToPeople"))->trigger();
        after = InBook();
        QCOMPARE(after.size(), before.size());
        now = entry(after, name + QStringLiteral(" B."));
        QCOMPARE(now.id, was.id);
        QCOMPARE(now.hour, 3);
        QCOMPARE(now.minute, was.minute);
        QVERIFY(Column(table, 0).contains(name + QStringLiteral(" B.")));

        table->selectRow(0);
        QTest::mouseClick(Control<QPushButton>(people, "cmdEdit"), Qt::LeftButton);
        Control<QLineEdit>(form, "txtName")->setText(QStringLiteral("Nobody"));
        QTest::mouseClick(Control<QPushButton>(form, "cmdCancelEdit"), Qt::LeftButton);
        QVERIFY(!Control<QPushButton>(form, "cmdSaveToPeople")->isVisible());
        QVERIFY(!form->findChild<QAction*>(QStringLiteral("mnuSaveToPeople"))->isVisible());
        QCOMPARE(InBook().size(), after.size());
        for (const Person& p : InBook())
            QVERIFY(p.name != "Nobody");
    }

    // A save that fails (the entry deleted meanwhile) is said, and the form
    // keeps the edit to save again.
    void aFailedSaveKeepsTheEdit()
    {
        Fill();
        MessageRecorder messages;
        ReadingState state;
        WindowTurns turns(state);
        turns.ShowMainWindow();
        Person ada = InBook().at(0);
        turns.EditPerson(ada, book());
        {
            PeopleBook other;
            QVERIFY(other.Open(book().toStdString()).ok() && other.Remove(ada.id).ok());
        }
        QWidget* form = OpenWindow("frmMain");
        QTest::mouseClick(Control<QPushButton>(form, "cmdSaveToPeople"), Qt::LeftButton);
        QCOMPARE(messages.shown.size(), 1u);
        QVERIFY2(messages.texts()[0].startsWith("Ada was not saved to People: "), qPrintable(messages.texts()[0]));
        QVERIFY(Control<QPushButton>(form, "cmdSaveToPeople")->isVisible());
        QCOMPARE(InBook().size(), 2u);

        // Asked for the reading while editing: saved first when the user says so.
        messages.shown.clear();
        Person omar = InBook().at(0);
        turns.EditPerson(omar, book());
        Choose(form, "cboHH", QStringLiteral("6"));
        QTest::mouseClick(Control<QPushButton>(form, "cmdCalculate"), Qt::LeftButton);
        QCOMPARE(messages.texts(), (QStringList{"Save the changes to Omar in People first?", "Omar was saved to People."}));
        QCOMPARE(InBook().at(0).hour, 6);
        QVERIFY(OpenWindow("frmArabicLunarMansionResult"));
    }

    // Import: each row's problem in the preview before anything is added;
    // nothing from a file with a problem unless the good rows are chosen.
    void importShowsEachRowsProblemFirst_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("press");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<bool>("addOffered");
        QTest::addColumn<int>("added");
        const QByteArray good = "name,date,time,longitude,latitude,zone,dst\n"
                                "Ravi,1980-05-05,05:30,72:52E,19:04N,+5:30,0\n"
                                "Lena,1975-07-04,18:45,73:57W,40:47N,-5:00,1\n";
        const QByteArray oneBad = good + "Bad,1975-02-30,18:45,73:57W,40:47N,-5:00,1\n";
        const QString noDay = "2/30 ... ";
        QTest::newRow("good rows, added") << good << "people.csv" << QByteArray("cmdAdd") << "2 to add."
                                          << QStringList{"", ""} << true << 2;
        QTest::newRow("a bad row, cancelled") << oneBad << "people.csv" << QByteArray("cmdCancel")
                                              << "2 to add; 1 with a problem: nothing is added unless you choose to add the good rows."
                                              << QStringList{"", "", "date \"1975-02-30\" does not exist"} << false << 0;
        QTest::newRow("a bad row, the good rows chosen") << oneBad << "people.csv" << QByteArray("cmdAddGood")
                                                         << "2 to add; 1 with a problem: nothing is added unless you choose to add the good rows."
                                                         << QStringList{"", "", "date \"1975-02-30\" does not exist"} << false << 2;
        QTest::newRow("already there, twice in the file")
            << QByteArray("name,date,time,longitude,latitude,zone,dst\nAda,2000-01-01,12:00,0:00E,51:28N,0:00,0\n"
                          "Eve,1990-06-15,08:30,0:07W,51:30N,0:00,1\nEve,1990-06-15,08:30,0:07W,51:30N,0:00,1\n"
                          "Ned,1990-06-15\n")
            << "people.csv" << QByteArray("cmdAddGood") << "1 to add; 2 already in People; 1 with a problem: nothing is added unless you choose to add the good rows."
            << QStringList{"Already in People", "", "Already in People", "expected 7 fields, found 2"} << false << 1;
        QTest::newRow("by place") << QByteArray("name,date,time,place\nEve,1990-06-15,08:30,\"London, United Kingdom\"\n"
                                                 "Ned,1990-06-15,08:30,Nowhereville Xq\n")
                                  << "places.csv" << QByteArray("cmdAddGood")
                                  << "1 to add; 1 with a problem: nothing is added unless you choose to add the good rows."
                                  << QStringList{"", "?"} << false << 1;
        QTest::newRow("a reading file") << QByteArray("Moon: 5 Aries 12\n") << "Anna.qmz" << QByteArray("cmdCancel")
                                        << "0 to add; 1 with a problem: nothing is added unless you choose to add the good rows."
                                        << QStringList{"A reading file holds the Moon's position only, no birth: open it with "
                                                       "Open, or type the birth in the form and use Add to People"}
                                        << false << 0;
        QTest::newRow("not a batch file") << QByteArray("a,b\n1,2\n") << "other.csv" << QByteArray("cmdCancel")
                                          << "0 to add; 1 with a problem: nothing is added unless you choose to add the good rows."
                                          << QStringList{"other.csv: the header must be name,date,time,longitude,latitude,zone,dst or name,date,time,place"}
                                          << false << 0;
    }
    void importShowsEachRowsProblemFirst()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, file);
        QFETCH(QByteArray, press);
        QFETCH(QString, summary);
        QFETCH(QStringList, problems);
        QFETCH(bool, addOffered);
        QFETCH(int, added);
        Fill();
        const QString path = dir.filePath(file);
        WriteFile(path, csv);
        MessageRecorder messages;
        frmPeople window(book());
        window.show();
        FileDialogs::SetHandler([&](const QString&) { return path; });
        Preview seen;
        AnswerPreview(seen, press.constData());
        window.findChild<QAction*>(QStringLiteral("mnuImport"))->trigger();
        FileDialogs::SetHandler({});
        QCOMPARE(seen.summary, summary);
        if (problems.value(1) == "?") {  // a place not in the list: the finder's words, and what to do
            QVERIFY2(seen.problems.value(1).contains("Nowhereville Xq"), qPrintable(seen.problems.value(1)));
            QVERIFY2(seen.problems.value(1).endsWith("Give its coordinates and zone for a place not in the list."),
                     qPrintable(seen.problems.value(1)));
            problems[1] = seen.problems.value(1);
        }
        QCOMPARE(seen.problems, problems);
        QCOMPARE(seen.add, addOffered);
        QCOMPARE(InBook().size(), 3u + added);
        QCOMPARE(messages.texts(), added ? QStringList{QStringLiteral("%1 added to People.").arg(added)} : QStringList());
    }

    // Export as CSV, imported into an empty book: the same births. Export as
    // reading files: one a person, none replaced, each read as its mansion.
    void exportsComeBackTheSame()
    {
        Fill();
        MessageRecorder messages;
        const QString csv = dir.filePath(QStringLiteral("out.csv"));
        const QString folder = dir.filePath(QStringLiteral("readings"));
        QDir().mkpath(folder);
        WriteFile(folder + "/Ada.qmz", "kept");
        {
            frmPeople window(book());
            FileDialogs::SetHandler([&](const QString& title) { return title.contains("CSV") ? csv : folder; });
            window.findChild<QAction*>(QStringLiteral("mnuExportCsv"))->trigger();
            window.findChild<QAction*>(QStringLiteral("mnuExportReadings"))->trigger();
            FileDialogs::SetHandler({});
        }
        QCOMPARE(messages.texts(), (QStringList{"3 exported to " + csv + ".", "3 reading files written to " + folder + "."}));
        QCOMPARE(FileBytes(folder + "/Ada.qmz"), QByteArray("kept"));
        const QStringList files = QDir(folder).entryList({"*.qmz"}, QDir::Files, QDir::Name);
        QCOMPARE(files, (QStringList{"Ada (2).qmz", "Ada.qmz", "Omar.qmz", "Zoe.qmz"}));
        const std::pair<const char*, int> mansions[] = {{"Ada (2).qmz", 16}, {"Omar.qmz", 9}, {"Zoe.qmz", 16}};
        for (const auto& [name, mansion] : mansions) {
            const ReadingFileText read = ReadReadingFile(QFile::encodeName(folder + "/" + name).toStdString());
            MansionSignState sign;
            QCOMPARE(ChooseMansion(read.text, sign).mansion, mansion);
        }

        const std::vector<Person> before = InBook();
        const QString other = dir.filePath(QStringLiteral("other/people.sqlite"));
        frmPeople empty(other);
        FileDialogs::SetHandler([&](const QString&) { return csv; });
        Preview seen;
        AnswerPreview(seen, "cmdAdd");
        empty.findChild<QAction*>(QStringLiteral("mnuImport"))->trigger();
        FileDialogs::SetHandler({});
        PeopleBook again;
        QVERIFY(again.Open(other.toStdString()).ok());
        BookResult read;
        const std::vector<Person> after = again.List(read);
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i)
            QVERIFY2(SameBirth(after[i], before[i]), before[i].name.c_str());
    }

    // Another copy adds a person while the window is open (the tool's
    // import, say): the window's import then adds that person no second time,
    // and says so.
    void importAfterAnotherCopyAddedTheSamePerson()
    {
        Fill();
        const QString path = dir.filePath(QStringLiteral("two.csv"));
        WriteFile(path, "name,date,time,longitude,latitude,zone,dst\nRavi,1980-05-05,05:30,72:52E,19:04N,+5:30,0\n"
                        "Lena,1975-07-04,18:45,73:57W,40:47N,-5:00,1\n");
        MessageRecorder messages;
        frmPeople window(book());
        {
            PeopleBook tool;
            PeopleBook::Added added;
            std::vector<Person> ravi;
            for (const ImportRow& row : ReadPeopleFile(path.toStdString(), "two.csv", nullptr))
                if (row.name == "Ravi")
                    ravi.push_back(*row.person);
            QVERIFY(tool.Open(book().toStdString()).ok() && tool.AddAll(ravi, added).ok() && added.added == 1);
        }
        Preview seen;
        AnswerPreview(seen, "cmdAdd");
        window.ImportFiles({path});
        QCOMPARE(seen.summary, QStringLiteral("2 to add."));
        QCOMPARE(messages.texts(), QStringList{"1 added to People. 1 already there."});
        QCOMPARE(Column(Control<QTableView>(&window, "tblPeople"), 0), (QStringList{"Ada", "Lena", "Omar", "Ravi", "Zoe"}));
    }

    // Files dropped on the form or the People window go to the import.
    void droppedFilesAreImported()
    {
        Fill();
        const QString path = dir.filePath(QStringLiteral("one.csv"));
        WriteFile(path, "name,date,time,longitude,latitude,zone,dst\nRavi,1980-05-05,05:30,72:52E,19:04N,+5:30,0\n");
        MessageRecorder messages;
        ReadingState state;
        WindowTurns turns(state);
        frmMain* form = turns.ShowMainWindow();
        const auto drop = [&](QWidget* target) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &dropped);
        };
        Preview onForm;
        AnswerPreview(onForm, "cmdAdd");
        drop(form);
        QCOMPARE(onForm.summary, QStringLiteral("1 to add."));
        QWidget* people = OpenWindow("frmPeople");
        QVERIFY(people);
        QVERIFY(Column(Control<QTableView>(people, "tblPeople"), 0).contains("Ravi"));
        Preview onPeople;
        AnswerPreview(onPeople, "cmdCancel");
        drop(people);
        QCOMPARE(onPeople.summary, QStringLiteral("0 to add; 1 already in People."));
        QCOMPARE(InBook().size(), 4u);
    }

    // A damaged book is said, kept as it is unless the user agrees to set it
    // aside and start a new one.
    void damagedBookIsKeptUnlessTheUserAgrees()
    {
        QDir().mkpath(QFileInfo(book()).path());
        WriteFile(book(), "name,date\n");
        MessageRecorder messages;
        messages.answer = Messages::Answer::No;
        {
            frmPeople window(book());
            QCOMPARE(messages.shown.size(), 1u);
            QVERIFY(messages.shown[0].text.contains(book() + " is damaged"));
            QVERIFY(messages.shown[0].text.endsWith("Keep it aside, as it is, and start a new book?"));
            QVERIFY(Control<QLabel>(&window, "lblBook")->text().contains("is damaged"));
            QVERIFY(!Control<QPushButton>(&window, "cmdDelete")->isEnabled());
        }
        QCOMPARE(FileBytes(book()), QByteArray("name,date\n"));
        messages.answer = Messages::Answer::Yes;
        frmPeople window(book());
        QVERIFY(Control<QLabel>(&window, "lblBook")->text().contains("and a new book started"));
        const QStringList aside = QDir(QFileInfo(book()).path()).entryList({"people-damaged-*.sqlite"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(FileBytes(QFileInfo(book()).dir().filePath(aside[0])), QByteArray("name,date\n"));
    }

    // File > People in the form; a person opened there is read in the result
    // window, whose Add to People says it is in the book already.
    void peopleFromTheFormAndAddToPeopleFromTheResult()
    {
        Fill();
        MessageRecorder messages;
        ReadingState state;
        WindowTurns turns(state);
        frmMain* form = turns.ShowMainWindow();
        form->findChild<QAction*>(QStringLiteral("mnuPeople"))->trigger();
        QWidget* people = OpenWindow("frmPeople");
        QVERIFY(people);
        auto* table = Control<QTableView>(people, "tblPeople");
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);  // Ada
        QWidget* result = OpenWindow("frmArabicLunarMansionResult");
        QVERIFY(result);
        QVERIFY(Control<QLabel>(result, "lblResult_0")->text().startsWith("Azubene"));

        auto* add = result->findChild<QAction*>(QStringLiteral("mnuAddToPeople"));
        QVERIFY(add->isEnabled());
        add->trigger();
        QCOMPARE(messages.texts(), QStringList{"Ada is already in People."});
        QCOMPARE(InBook().size(), 3u);

        // Another birth: added once, then said to be there.
        Person eve = Born("Eve", 1990, 6, 15, 8, 30);
        turns.ShowReadingOfBirth(MomentOfPerson(eve));
        add->trigger();
        add->trigger();
        QCOMPARE(messages.texts(), (QStringList{"Ada is already in People.", "Eve was added to People.",
                                                "Eve is already in People."}));
        QCOMPARE(InBook().size(), 4u);
        QCOMPARE(Column(table, 0), (QStringList{"Ada", "Eve", "Omar", "Zoe"}));
    }
};

QTEST_MAIN(frmPeopleTest)
#include "frmPeopleTest.moc"
