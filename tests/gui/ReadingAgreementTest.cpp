// One birth through every view: the result window's line, the wheel, the
// page (window and tool), the Mansion Calendar opened from the form and from
// the reading, and the tool's text, JSON, CSV, calendar and iCalendar. Each
// must tell the Moon's passage as the same two instants on the same clocks.
#include "WindowTestSupport.h"

#include "core/ReadingState.h"
#include "shell/WindowTurns.h"
#include "ui/FileDialogs.h"
#include "windows/frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

// The tool's output of one run, or the reason it failed.
QString Tool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(QAMAREL_READING_TOOL), arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QStringLiteral("<tool failed: %1>").arg(QString::fromUtf8(tool.readAllStandardError()));
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QString PdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

// "20130330T100700Z" of an ISO local time with its offset.
QString IcsUtc(const QString& iso)
{
    return QDateTime::fromString(iso, Qt::ISODate).toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmm'00Z'"));
}

}  // namespace

class ReadingAgreementTest : public QObject {
    Q_OBJECT

    ReadingState state;
    WindowTurns turns{state};
    QTemporaryDir dir;

private slots:
    void cleanup() { DeleteAllWindows(); }

    void everyViewTellsTheSamePassage_data()
    {
        QTest::addColumn<QStringList>("place");  // city and country for the finder; empty: typed
        QTest::addColumn<QDateTime>("birth");
        QTest::addColumn<QString>("entered");    // ISO 8601 on the clocks of the moment
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("enteredClock");  // as people read it
        QTest::addColumn<QString>("leftClock");
        // London the night the clocks went forward: entered in GMT, left in BST.
        QTest::newRow("London") << QStringList{"London", "United Kingdom"} << QDateTime({2013, 3, 31}, {0, 30})
                                << "2013-03-30T10:07+00:00" << "2013-03-31T08:38+01:00"
                                << "10:07 GMT on 30 March" << "08:38 BST on 31 March";
        // Amsterdam's mean time, +0:19:32 in the database, rounded once to +0:20.
        QTest::newRow("Amsterdam") << QStringList{"Amsterdam", "Netherlands"} << QDateTime({1901, 1, 1}, {0, 30})
                                   << "1901-01-01T00:09+00:20" << "1901-01-01T22:04+00:20"
                                   << "00:09 AMT on 1 January" << "22:04 AMT on 1 January";
        // Dublin's mean time, -0:25:21 in the database: behind, with seconds, rounded once.
        QTest::newRow("Dublin") << QStringList{"Dublin", "Ireland"} << QDateTime({1910, 1, 15}, {12, 0})
                                << "1910-01-15T08:18-00:25" << "1910-01-16T06:06-00:25"
                                << "08:18 DMT on 15 January" << "06:06 DMT on 16 January";
        // A zone with 45 minutes and no lettered abbreviation.
        QTest::newRow("Kathmandu") << QStringList{"Kathmandu", "Nepal"} << QDateTime({1986, 1, 1}, {12, 0})
                                   << "1986-01-01T00:35+05:45" << "1986-01-01T23:54+05:45"
                                   << "00:35 UTC+5:45 on 1 January" << "23:54 UTC+5:45 on 1 January";
        // Typed: 74°00'W, zone 5 behind universal time.
        QTest::newRow("typed") << QStringList{} << QDateTime({1990, 6, 15}, {10, 0}) << "1990-06-15T06:41-05:00"
                               << "1990-06-16T05:31-05:00" << "06:41 UTC\u22125 on 15 June" << "05:31 UTC\u22125 on 16 June";
    }

    void everyViewTellsTheSamePassage()
    {
        QFETCH(QStringList, place);
        QFETCH(QDateTime, birth);
        QFETCH(QString, entered);
        QFETCH(QString, left);
        QFETCH(QString, enteredClock);
        QFETCH(QString, leftClock);
        const QString date = birth.date().toString(Qt::ISODate), time = birth.time().toString(QStringLiteral("HH:mm"));
        const QStringList where = place.isEmpty() ? QStringList{"--longitude", "74:00W", "--latitude", "40:42N", "--zone", "5:00"}
                                                  : QStringList{"--place", place.join(QStringLiteral(", "))};
        const QStringList born = QStringList{"--date", date, "--time", time, "--name", "Ana"} + where;
        const QString enteredLine = QStringLiteral("Entered this mansion: %1\nLeft this mansion: %2\n").arg(entered, left);

        // The tool: text, JSON, a batch row, the calendar and its iCalendar file, the page.
        QVERIFY2(Tool(born).contains(enteredLine), qPrintable(Tool(born)));
        QVERIFY(Tool(born + QStringList{"--json"}).contains(QStringLiteral("\"passage\":{\"entered\":\"%1\",\"left\":\"%2\"}").arg(entered, left)));
        const QString batch = dir.filePath(QStringLiteral("batch.csv"));
        QFile rows(batch);
        QVERIFY(rows.open(QIODevice::WriteOnly));
        rows.write(place.isEmpty() ? QStringLiteral("name,date,time,longitude,latitude,zone,dst\nAna,%1,%2,74:00W,40:42N,5:00,0\n").arg(date, time).toUtf8()
                                   : QStringLiteral("name,date,time,place\nAna,%1,%2,\"%3\"\n").arg(date, time, place.join(QStringLiteral(", "))).toUtf8());
        rows.close();
        QVERIFY(Tool({"--batch", batch}).contains(QStringLiteral(",%1,%2,,").arg(entered, left)));
        const QString span = QStringLiteral("%1..%2").arg(entered.left(10), left.left(10));
        const QStringList calendarWhere = place.isEmpty() ? QStringList{"--zone", "-5:00"} : QStringList{"--place", place.join(QStringLiteral(", "))};
        QVERIFY(Tool(QStringList{"--calendar", span} + calendarWhere).contains(QStringLiteral("%1  %2  mansion").arg(entered, left)));
        const QString ics = dir.filePath(QStringLiteral("stays.ics"));
        Tool(QStringList{"--calendar", span, "--ics", ics} + calendarWhere);
        const QString events = QString::fromUtf8(FileBytes(ics));
        QVERIFY2(events.contains(QStringLiteral("DTSTART:%1\r\nDTEND:%2").arg(IcsUtc(entered), IcsUtc(left))), qPrintable(events.left(600)));
        const QString toolPage = dir.filePath(QStringLiteral("tool.pdf"));
        Tool(born + QStringList{"--picture", toolPage});
        const QString toolText = PdfText(toolPage);
        for (const QString& clock : {enteredClock, leftClock})
            if (clock.endsWith(QLocale(QLocale::English).toString(birth.date(), QStringLiteral("d MMMM"))))
                QVERIFY2(toolText.contains(QStringLiteral(" at %1").arg(clock.section(QStringLiteral(" on "), 0, 0))), qPrintable(toolText));

        // The form, with the place chosen in the finder (or typed).
        DeleteAllWindows();
        frmMain* form = turns.ShowMainWindow();
        Type(form, "txtName", QStringLiteral("Ana"));
        Choose(form, "cboYear", QString::number(birth.date().year()));
        Choose(form, "cboMonth", QLocale(QLocale::English).monthName(birth.date().month()));
        Choose(form, "cboDate", QString::number(birth.date().day()));
        Choose(form, "cboHH", QString::number(birth.time().hour()));
        Choose(form, "cboMM", QString::number(birth.time().minute()));
        if (place.isEmpty()) {
            for (const auto& [box, text] : {std::pair{"txtLonD", "74"}, {"txtLonM", "0"}, {"txtLatD", "40"}, {"txtLatM", "42"},
                                            {"txtZoneHour", "5"}, {"txtZoneMinute", "0"}})
                Type(form, box, QString::fromLatin1(text));
            Control<QRadioButton>(form, "optLong_1")->click();
        } else {
            Control<QLineEdit>(form, "txtMCity")->setText(place.first());
            Control<QLineEdit>(form, "txtMCountry")->setText(place.last());
            QTimer::singleShot(0, this, [] {
                QWidget* finder = QApplication::activeModalWidget();
                QVERIFY(finder);
                QTest::keyClick(Control<QTableWidget>(finder, "lstPlaces"), Qt::Key_Return);
            });
            Control<QPushButton>(form, "cmdBrowser")->click();
            // The calendar from the form, before the reading: the place's clocks.
            Control<QAction>(form, "mnuCalendar")->trigger();
            ExpectCalendarRows(birth.date(), enteredClock, leftClock);
        }
        QTest::mouseClick(Control<QPushButton>(form, "cmdCalculate"), Qt::LeftButton);
        QWidget* result = OpenWindow("frmArabicLunarMansionResult");
        QVERIFY(result);
        QVERIFY2(Control<QLabel>(result, "lblReadingLine")->text().endsWith(QStringLiteral(" \u2014 in it from %1 to %2").arg(enteredClock, leftClock)),
                 qPrintable(Control<QLabel>(result, "lblReadingLine")->text()));

        // Ctrl+C: the reading as the tool's text tells it (but the place's
        // lines, which the window does not show).
        QVERIFY(QTest::qWaitForWindowActive(result));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QStringList toolLines = Tool(born).split(QLatin1Char('\n'));
        toolLines.removeIf([](const QString& l) { return l.startsWith(QStringLiteral("Place: ")) || l.startsWith(QStringLiteral("Time zone: ")); });
        QCOMPARE(QApplication::clipboard()->text(), toolLines.join(QLatin1Char('\n')));

        // The wheel and the window's page tell the passage as the tool's page does.
        Control<QAction>(result, "mnuWheel")->trigger();
        const QString legend = Control<QLabel>(OpenWindow("frmMansionWheel"), "lblPassage")->text();
        const QString windowPage = dir.filePath(QStringLiteral("window-%1").arg(QString::fromLatin1(QTest::currentDataTag())));
        FileDialogs::SetHandler([&](const QString&) { return windowPage; });
        Control<QAction>(result, "mnuExportPdf")->trigger();
        FileDialogs::SetHandler({});
        const QString windowText = PdfText(windowPage + QStringLiteral(".pdf"));
        const QString passage = toolText.mid(toolText.indexOf(QStringLiteral("On ")));
        const QString sentence = passage.left(passage.indexOf(QLatin1Char('.'), passage.indexOf(QStringLiteral("mansion "), 30)) + 1);
        QVERIFY2(sentence.startsWith(QStringLiteral("On ")) && windowText.contains(sentence), qPrintable(sentence + QStringLiteral(" | ") + windowText));
        QVERIFY2(legend.simplified().contains(sentence), qPrintable(legend));
        const QString bornLine = toolText.mid(toolText.indexOf(QStringLiteral("Born on")), 40);
        QVERIFY2(bornLine.startsWith(QStringLiteral("Born on")) && windowText.contains(bornLine), qPrintable(bornLine));

        // The calendar from the reading: the reading's own clocks.
        DeleteWindow("frmMansionCalendar");
        Control<QAction>(result, "mnuCalendar")->trigger();
        ExpectCalendarRows(birth.date(), enteredClock, leftClock);
    }

private:
    void DeleteWindow(const char* name)
    {
        if (QWidget* w = OpenWindow(name))
            delete w;
    }

    // The open calendar, turned to the birth's month, lists a stay entered at
    // `entered` and the next entered at `left`, in the clocks those texts name.
    void ExpectCalendarRows(const QDate& month, const QString& entered, const QString& left)
    {
        QWidget* calendar = OpenWindow("frmMansionCalendar");
        QVERIFY(calendar);
        Control<QSpinBox>(calendar, "spnYear")->setValue(month.year());
        auto* months = Control<QComboBox>(calendar, "cboMonth");
        months->setCurrentIndex(month.month() - 1);
        emit months->activated(month.month() - 1);
        auto* table = Control<QTableWidget>(calendar, "tblStays");
        // "10:07 GMT on 30 March" is the cell "30 Mar 10:07 GMT".
        auto cell = [](const QString& clock) {
            const QString day = clock.section(QStringLiteral(" on "), 1);
            return QStringLiteral("%1 %2 %3").arg(day.section(QLatin1Char(' '), 0, 0), day.section(QLatin1Char(' '), 1).left(3),
                                                 clock.section(QStringLiteral(" on "), 0, 0));
        };
        QStringList cells;
        for (int r = 0; r < table->rowCount(); ++r)
            cells << table->item(r, 0)->text();
        const qsizetype at = cells.indexOf(cell(entered));
        QVERIFY2(at >= 0 && at + 1 < cells.size() && cells[at + 1] == cell(left),
                 qPrintable(cell(entered) + QStringLiteral(" then ") + cell(left) + QStringLiteral(" in ") + cells.join(QStringLiteral(" | "))));
        delete calendar;
    }
};

QTEST_MAIN(ReadingAgreementTest)
#include "ReadingAgreementTest.moc"
