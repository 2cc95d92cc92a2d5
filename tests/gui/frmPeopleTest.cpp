// The People window by keyboard and mouse, on a book of its own; Add to
// People from the result window, and File > People in the form.
#include "WindowTestSupport.h"

#include "core/ReadingState.h"
#include "people/PeopleBook.h"
#include "shell/WindowTurns.h"
#include "windows/frmMain.h"
#include "windows/frmPeople.h"

#include <QAction>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
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

QStringList Column(QTableWidget* table, int column)
{
    QStringList shown;
    for (int row = 0; row < table->rowCount(); ++row)
        if (!table->isRowHidden(row))
            shown << table->item(row, column)->text();
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
        auto* table = Control<QTableWidget>(&window, "tblPeople");
        QCOMPARE(Column(table, 0), (QStringList{"Ada", "Omar", "Zoe"}));
        QCOMPARE(Column(table, 1), (QStringList{"2000-01-01 12:00 UTC+0", "1992-04-12 00:00 UTC+0", "2000-01-01 12:05 UTC+0"}));
        QCOMPARE(Column(table, 2), (QStringList{"", "", "Greenwich, England, United Kingdom"}));
        QCOMPARE(Column(table, 3).first(), QStringLiteral("16 Azubene or Ahubene"));
        QCOMPARE(Column(table, 3).at(1), QStringLiteral("9 Archaam or Arcaph"));

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

    void enterOpensDeleteAsksFirstEscapeCloses()
    {
        Fill();
        MessageRecorder messages;
        frmPeople window(book());
        window.show();
        auto* table = Control<QTableWidget>(&window, "tblPeople");
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
        auto* table = Control<QTableWidget>(people, "tblPeople");
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
