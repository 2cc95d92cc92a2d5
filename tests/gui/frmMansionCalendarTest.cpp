// The Mansion Calendar, driven by keyboard: months, the "Now" line, the
// filters, and Enter opening the reading of a moment through the shell.
#include "WindowTestSupport.h"

#include "../ChartFixture.h"
#include "core/MansionReading.h"
#include "core/ReadingState.h"
#include "shell/WindowTurns.h"
#include "windows/frmMain.h"
#include "windows/frmMansionCalendar.h"
#include "places/ZoneClocks.h"
#include "ui/FileDialogs.h"

#include <QAction>
#include <QDateTime>
#include <QPushButton>
#include <QTimeZone>
#include <QHeaderView>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>

#include <cmath>

namespace {

// The mansion a plain reading gives for a local clock time at an offset.
int ReadingMansion(int year, int month, int day, int hour, int minute, int offsetMinutes)
{
    const int size = std::abs(offsetMinutes);
    ChartRecord chart = MakeChart(year, month, day, hour, minute, 0, 0, offsetMinutes > 0 ? 'E' : 'W', size / 60,
                                  size % 60);
    return ReadingForChart(chart).mansion;
}

// 2026-02-16 10:00 UTC: 21:00 in Sydney (summer time, UTC+11:00).
constexpr qint64 SydneyEvening = 1771236000;

// A zone's clocks, with no place.
PlaceClocks ZoneClocks(const char* zone)
{
    return {std::nullopt, ClocksOfZone(zone)};
}

}  // namespace

class frmMansionCalendarTest : public QObject {
    Q_OBJECT

    QTableWidget* table(QWidget* w) { return Control<QTableWidget>(w, "tblStays"); }
    QString cell(QWidget* w, int row, int column) { return table(w)->item(row, column)->text(); }

private slots:
    void cleanup() { DeleteAllWindows(); }

    // "Now": the mansion of the moment and the minute it leaves, in the
    // place's clocks; the minutes around that one read plainly.
    void nowLine()
    {
        frmMansionCalendar calendar(ZoneClocks("Australia/Sydney"), 14, SydneyEvening);
        const QString now = Control<QLabel>(&calendar, "lblNow")->text();
        const QRegularExpression form(QStringLiteral(
            "^The Moon is in mansion (\\d+), ([^(]+) \\(([^)]+)\\), until (\\d\\d):(\\d\\d) AEDT on (\\d+) February$"));
        const QRegularExpressionMatch m = form.match(now);
        QVERIFY2(m.hasMatch(), qPrintable(now));
        const int mansion = m.captured(1).toInt(), hour = m.captured(4).toInt(), minute = m.captured(5).toInt(),
                  day = m.captured(6).toInt();
        QCOMPARE(ReadingMansion(2026, 2, 16, 21, 0, 660), mansion);
        QCOMPARE(ReadingMansion(2026, 2, day, hour, minute, 660), mansion % 28 + 1);
        const int before = hour * 60 + minute - 1;
        QCOMPARE(ReadingMansion(2026, 2, before < 0 ? day - 1 : day, (before + 1440) % 1440 / 60, (before + 1440) % 60, 660),
                 mansion);
        QCOMPARE(calendar.year(), 2026);
        QCOMPARE(calendar.month(), 2);
    }

    // Page Down and Page Up move a month, across the year; arrows move the
    // row; each row's entry minute is in its mansion and the minute before not.
    void monthsByKeyboard()
    {
        frmMansionCalendar calendar(ZoneClocks("Australia/Sydney"), 14, SydneyEvening);
        calendar.show();
        QTableWidget* stays = table(&calendar);
        stays->setFocus();
        auto* month = Control<QComboBox>(&calendar, "cboMonth");
        auto* year = Control<QSpinBox>(&calendar, "spnYear");
        QCOMPARE(month->currentText(), QStringLiteral("February"));
        const struct {
            Qt::Key key;
            int presses;
            QString month;
            int year;
        } moves[] = {
            {Qt::Key_PageDown, 1, QStringLiteral("March"), 2026},
            {Qt::Key_PageUp, 3, QStringLiteral("December"), 2025},
            {Qt::Key_PageDown, 1, QStringLiteral("January"), 2026},
        };
        for (const auto& move : moves) {
            for (int i = 0; i < move.presses; ++i)
                QTest::keyClick(stays, move.key);
            QCOMPARE(month->currentText(), move.month);
            QCOMPARE(year->value(), move.year);
            QVERIFY(stays->rowCount() >= 28 && stays->rowCount() <= 34);  // about 1.03 stays a day, and the edges
        }
        // January 2026: the first row is the stay holding midnight on the 1st.
        QCOMPARE(cell(&calendar, 0, 0), QStringLiteral("31 Dec 07:56 AEDT"));
        QCOMPARE(cell(&calendar, 1, 0), QStringLiteral("1 Jan 04:44 AEDT"));
        QCOMPARE(cell(&calendar, 1, 1), QStringLiteral("4"));
        QCOMPARE(ReadingMansion(2026, 1, 1, 4, 44, 660), 4);
        QCOMPARE(ReadingMansion(2026, 1, 1, 4, 43, 660), 3);
        QCOMPARE(cell(&calendar, 1, 2), QStringLiteral("Aldebaram or Aldelamen"));
        // The reading's own mansion is marked.
        for (int r = 0; r < stays->rowCount(); ++r)
            QCOMPARE(cell(&calendar, r, 1).startsWith(QStringLiteral("\u2605 ")), cell(&calendar, r, 1).endsWith(QStringLiteral(" 14")));
        QTest::keyClick(stays, Qt::Key_Down);
        QTest::keyClick(stays, Qt::Key_Down);
        QCOMPARE(stays->currentRow(), 2);

        QSignalSpy opened(&calendar, &frmMansionCalendar::readingRequested);
        QTest::keyClick(stays, Qt::Key_Return);
        QCOMPARE(opened.count(), 1);
        // 2 Jan 01:17 at UTC+11:00 is 1 Jan 14:17 UTC.
        QCOMPARE(cell(&calendar, 2, 0), QStringLiteral("2 Jan 01:17 AEDT"));
        QCOMPARE(opened.at(0).at(0).toLongLong(), (QDate(2026, 1, 1).startOfDay(Qt::UTC).toSecsSinceEpoch() / 60) + 14 * 60 + 17);
    }

    void favoursAndHinders()
    {
        frmMansionCalendar calendar(ZoneClocks("Europe/London"), 0, SydneyEvening);
        calendar.show();
        Type(&calendar, "txtFavours", QStringLiteral("Medicine"));
        QTableWidget* stays = table(&calendar);
        QVERIFY(stays->rowCount() >= 3);
        for (int r = 0; r < stays->rowCount(); ++r) {
            QVERIFY(QList<QString>({QStringLiteral("14"), QStringLiteral("22"), QStringLiteral("23"), QStringLiteral("27")})
                        .contains(cell(&calendar, r, 1)));
            QVERIFY(cell(&calendar, r, 5).contains(QStringLiteral("medicine"), Qt::CaseInsensitive));
        }
        auto* warning = Control<QLabel>(&calendar, "lblWarning");
        QVERIFY(warning->isHidden());
        Type(&calendar, "txtHinders", QStringLiteral("journey"));
        int hindering = 0;
        for (int r = 0; r < stays->rowCount(); ++r) {
            const bool hinders = cell(&calendar, r, 1) == QStringLiteral("14");  // of 14, 22, 23, 27 only 14 hinders journeys
            QCOMPARE(cell(&calendar, r, 6), hinders ? QStringLiteral("\u26A0 Hinders journeys by land") : QString());
            hindering += hinders;
        }
        QVERIFY(hindering >= 1);
        QVERIFY(warning->isVisible());
        QCOMPARE(warning->text(), QStringLiteral("\u26A0 %1 stay(s) shown hinder \u201Cjourney\u201D.").arg(hindering));
        Control<QLineEdit>(&calendar, "txtFavours")->clear();
        QVERIFY(stays->rowCount() >= 27);
    }

    // London's clocks in March 2026: GMT before 01:00 UTC on the 29th, BST
    // after; each row's clock time is in the mansion by a plain reading at
    // the offset then in force, and the minute before is not.
    void clockChangeInTheMonth()
    {
        frmMansionCalendar calendar(ZoneClocks("Europe/London"), 0, SydneyEvening);
        calendar.ShowMonth(2026, 3);
        QTableWidget* stays = table(&calendar);
        const QRegularExpression when(QStringLiteral("^(\\d+) (\\w{3}) (\\d\\d):(\\d\\d) (GMT|BST)$"));
        int summer = 0;
        for (int r = 1; r < stays->rowCount(); ++r) {
            const QRegularExpressionMatch m = when.match(cell(&calendar, r, 0));
            QVERIFY2(m.hasMatch(), qPrintable(cell(&calendar, r, 0)));
            const int day = m.captured(1).toInt(), month = m.captured(2) == QStringLiteral("Apr") ? 4 : 3;
            const int hour = m.captured(3).toInt(), minute = m.captured(4).toInt();
            // After 01:00 GMT (02:00 BST) on the 29th the clocks are an hour ahead.
            const int offset = (month == 4 || day > 29 || (day == 29 && hour >= 2)) ? 60 : 0;
            QCOMPARE(m.captured(5), offset == 60 ? QStringLiteral("BST") : QStringLiteral("GMT"));
            summer += offset == 60;
            const int mansion = cell(&calendar, r, 1).toInt();
            QCOMPARE(ReadingMansion(2026, month, day, hour, minute, offset), mansion);
            const int before = hour * 60 + minute - 1;
            if (before >= 0)
                QCOMPARE(ReadingMansion(2026, month, day, before / 60, before % 60, offset), mansion == 1 ? 28 : mansion - 1);
        }
        QVERIFY(summer >= 2);
    }

    // Previous and Next lead anywhere in 1901-2050 and no further: both
    // enabled but in January 1901 and December 2050.
    void monthButtonsAtTheEndsOfTheYears()
    {
        frmMansionCalendar calendar(ZoneClocks("Europe/London"), 0, SydneyEvening);
        auto* previous = Control<QPushButton>(&calendar, "cmdPrevious");
        auto* next = Control<QPushButton>(&calendar, "cmdNext");
        const struct {
            int year, month;
            bool previous, next;
        } months[] = {
            {1901, 1, false, true}, {1901, 2, true, true},  {1901, 12, true, true}, {2026, 6, true, true},
            {2049, 12, true, true}, {2050, 1, true, true},  {2050, 2, true, true},  {2050, 6, true, true},
            {2050, 11, true, true}, {2050, 12, true, false},
        };
        for (const auto& m : months) {
            calendar.ShowMonth(m.year, m.month);
            const QByteArray shown = QByteArray::number(m.year) + "-" + QByteArray::number(m.month);
            QVERIFY2(previous->isEnabled() == m.previous, shown.constData());
            QVERIFY2(next->isEnabled() == m.next, shown.constData());
        }
        // Next from November 2050 reaches December, and stops there.
        calendar.ShowMonth(2050, 11);
        next->click();
        QCOMPARE(calendar.year() * 100 + calendar.month(), 205012);
        QVERIFY(!calendar.shownStays().empty());
    }

    // A month runs from 00:00 on its first day to 00:00 on the next month's
    // first, each on the clocks of its moment: a change of the clocks in the
    // first hours of the month (Sydney, 1 April 2018, 03:00 AEDT back to 02:00
    // AEST) or at its end, a local mean time of seconds (Amsterdam, +0:19:32),
    // minutes West (St. John's). The first stay holds the first minute, the
    // last the last; each stay's clocks are the database's offset then, to the
    // nearest minute.
    void monthEndsOnThePlacesClocks()
    {
        const struct {
            const char* zone;
            int year, month;
            const char* first;  // ISO 8601, as a person at the place reads it
            const char* end;
        } months[] = {
            {"Australia/Sydney", 2018, 4, "2018-04-01T00:00+11:00", "2018-05-01T00:00+10:00"},
            {"Australia/Sydney", 2018, 9, "2018-09-01T00:00+10:00", "2018-10-01T00:00+10:00"},
            {"Australia/Sydney", 2018, 10, "2018-10-01T00:00+10:00", "2018-11-01T00:00+11:00"},
            {"Europe/London", 2026, 3, "2026-03-01T00:00+00:00", "2026-04-01T00:00+01:00"},
            {"Europe/London", 2026, 12, "2026-12-01T00:00+00:00", "2027-01-01T00:00+00:00"},
            {"Europe/Amsterdam", 1920, 1, "1920-01-01T00:00+00:20", "1920-02-01T00:00+00:20"},
            {"America/St_Johns", 1990, 2, "1990-02-01T00:00-03:30", "1990-03-01T00:00-03:30"},
            {"Africa/Monrovia", 1950, 1, "1950-01-01T00:00-00:45", "1950-02-01T00:00-00:45"},
        };
        for (const auto& m : months) {
            const QByteArray shown = QByteArray(m.zone) + " " + m.first;
            frmMansionCalendar calendar(ZoneClocks(m.zone), 0, SydneyEvening);
            calendar.ShowMonth(m.year, m.month);
            const std::vector<MansionStay>& stays = calendar.shownStays();
            QVERIFY2(stays.size() >= 27, shown.constData());
            auto minute = [](const char* iso) { return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch() / 60; };
            QVERIFY2(stays.front().entered.utcMinute <= minute(m.first) && stays.front().left.utcMinute > minute(m.first), shown.constData());
            QVERIFY2(stays.back().entered.utcMinute < minute(m.end) && stays.back().left.utcMinute >= minute(m.end), shown.constData());
            const QTimeZone tz(m.zone);
            for (std::size_t i = 0; i < stays.size(); ++i) {
                const ClockTime& at = stays[i].entered;
                const int seconds = tz.offsetFromUtc(QDateTime::fromSecsSinceEpoch(at.utcMinute * 60, QTimeZone::utc()));
                QVERIFY2(at.offsetMinutes == static_cast<int>(std::lround(seconds / 60.0)), shown.constData());
                if (i + 1 < stays.size())
                    QVERIFY2(stays[i].left.utcMinute == stays[i + 1].entered.utcMinute, shown.constData());
            }
        }
    }

    // File > Export as PDF and Export to Calendar write the month shown (after
    // the favours filter).
    void exports()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        MessageRecorder messages;
        frmMansionCalendar calendar(ZoneClocks("Australia/Sydney"), 14, SydneyEvening);
        calendar.show();
        Type(&calendar, "txtFavours", QStringLiteral("travel"));
        const int rows = table(&calendar)->rowCount();
        QVERIFY(rows >= 8);
        QString asked;
        FileDialogs::SetHandler([&](const QString& title) {
            asked = title;
            return dir.filePath(title == QStringLiteral("Export as PDF") ? QStringLiteral("february.pdf")
                                                                         : QStringLiteral("february.ics"));
        });
        calendar.findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();
        QCOMPARE(asked, QStringLiteral("Export as PDF"));
        // Offered under the title, the zone's "/" turned into "-".
        QCOMPARE(QFileInfo(FileDialogs::LastSuggestion()).fileName(),
                 QStringLiteral("Mansion Calendar \u2014 February 2026 \u2014 Australia-Sydney.pdf"));
        const QByteArray pdf = FileBytes(dir.filePath(QStringLiteral("february.pdf")));
        QVERIFY(pdf.startsWith("%PDF-"));
        calendar.findChild<QAction*>(QStringLiteral("mnuExportCalendar"))->trigger();
        QCOMPARE(asked, QStringLiteral("Export to Calendar"));
        const QByteArray ics = FileBytes(dir.filePath(QStringLiteral("february.ics")));
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
        QCOMPARE(ics.count("BEGIN:VEVENT\r\n"), rows);
        QVERIFY(messages.shown.empty());

        FileDialogs::SetHandler({});
    }

    // Asked for again, from the form or the reading, the one calendar comes
    // to the front with the focus: never a second window.
    void openedAgainComesForward()
    {
        ReadingState state;
        WindowTurns turns(state);
        frmMain* form = turns.ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        auto* ask = Control<QAction>(form, "mnuCalendar");
        ask->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(OpenWindow("frmMansionCalendar") != nullptr, 5000);
        QWidget* calendar = OpenWindow("frmMansionCalendar");
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), calendar, 5000);
        for (int again = 0; again < 2; ++again) {
            form->activateWindow();
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), form, 5000);
            ask->trigger();
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), calendar, 5000);
            SettleWindows();
            QCOMPARE(OpenWindowCount("frmMansionCalendar"), 1);
        }
    }

    // Ctrl+L on the form opens the calendar through the shell; Enter on a row
    // shows that moment's reading in the result window, without a name.
    void openedFromTheFormAndOpeningAReading()
    {
        ReadingState state;
        WindowTurns turns(state);
        frmMain* form = turns.ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        // From the box that has the focus, as a user presses it.
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused != nullptr);
        QTest::keyClick(focused, Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(OpenWindow("frmMansionCalendar") != nullptr, 5000);
        QWidget* calendar = OpenWindow("frmMansionCalendar");
        QTableWidget* stays = table(calendar);
        stays->setFocus();
        QTest::keyClick(stays, Qt::Key_Down);
        const int row = stays->currentRow();
        const QString latin = cell(calendar, row, 2);
        QTest::keyClick(stays, Qt::Key_Enter);
        QTRY_VERIFY_WITH_TIMEOUT(OpenWindow("frmArabicLunarMansionResult") != nullptr, 5000);
        QWidget* result = OpenWindow("frmArabicLunarMansionResult");
        QCOMPARE(Control<QLabel>(result, "lblResult_0")->text(), latin);
        QVERIFY(state.birth && state.birth->name.empty());
        SettleWindows();
        QCOMPARE(OpenWindowCount("frmMain"), 0);
        QVERIFY(OpenWindow("frmMansionCalendar") != nullptr);  // the calendar stays open

        // Another moment over that reading: the same one window shows it, and
        // a wheel open for the first is made again for the second.
        Control<QAction>(result, "mnuWheel")->trigger();
        QTest::keyClick(stays, Qt::Key_Down);
        const QString next = cell(calendar, stays->currentRow(), 2);
        QVERIFY(next != latin);
        QTest::keyClick(stays, Qt::Key_Enter);
        SettleWindows();
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 1);
        QCOMPARE(Control<QLabel>(OpenWindow("frmArabicLunarMansionResult"), "lblResult_0")->text(), next);
        QCOMPARE(OpenWindowCount("frmMansionWheel"), 1);
        const QString line = Control<QLabel>(OpenWindow("frmArabicLunarMansionResult"), "lblReadingLine")->text();
        const QString position = line.section(QStringLiteral(" \u2014 "), 0, 0).mid(8);  // after "Moon at "
        QVERIFY2(Control<QLabel>(OpenWindow("frmMansionWheel"), "lblPassage")->text().startsWith(
                     QStringLiteral("The Moon at %1, in mansion").arg(position)),
                 qPrintable(line));
    }
};

QTEST_MAIN(frmMansionCalendarTest)
#include "frmMansionCalendarTest.moc"
