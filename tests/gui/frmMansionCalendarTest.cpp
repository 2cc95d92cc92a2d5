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
#include "pictures/CalendarSheet.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
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

#include <algorithm>
#include <tuple>
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

// The table's columns, as their headers name them.
constexpr int NumberColumn = 1, WarningColumn = 2, LatinColumn = 3;

// A PDF's pages (pdfinfo) and one page's text (pdftotext), from Debian's poppler-utils.
int PdfPages(const QString& path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished(30000))
        return -1;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(info.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString PdfText(const QString& path, int page)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                            QString::number(page), path, QStringLiteral("-")});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

// WCAG 2.1's contrast ratio: relative luminances of sRGB, (L1 + 0.05) / (L2 + 0.05).
double Contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

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

    // The people book's people: each stay names those born in its mansion,
    // "Now" those the Moon is with, and the person list keeps the stays of
    // one person's mansion. Omar is born at J2000 (mansion 16), Ada in
    // Sydney at the moment of the "Now" line.
    void peopleOfTheBook()
    {
        frmMansionCalendar calendar(ZoneClocks("Australia/Sydney"), 14, SydneyEvening);
        auto* person = Control<QComboBox>(&calendar, "cboPerson");
        QVERIFY(person->isHidden());
        Person ada;
        ada.name = "Ada";
        std::tie(ada.year, ada.month, ada.day, ada.hour, ada.minute, ada.zoneMinutes) = std::tuple(2026, 2, 16, 21, 0, 660);
        std::tie(ada.latitude, ada.longitude) = std::pair(-33.87, 151.21);
        Person omar;
        omar.name = "Omar";
        std::tie(omar.year, omar.month, omar.day, omar.hour, omar.minute) = std::tuple(2000, 1, 1, 12, 0);
        omar.latitude = 51.47;
        calendar.SetPeople({ada, omar});
        const int adaMansion = ReadingMansion(2026, 2, 16, 21, 0, 660);
        QVERIFY(adaMansion != 16);
        QVERIFY2(Control<QLabel>(&calendar, "lblNow")->text().endsWith(QStringLiteral(" \u2014 the birth mansion of Ada")),
                 qPrintable(Control<QLabel>(&calendar, "lblNow")->text()));
        QTableWidget* stays = table(&calendar);
        int people = -1;
        for (int c = 0; c < stays->columnCount(); ++c)
            if (stays->horizontalHeaderItem(c)->text() == QStringLiteral("People") && !stays->isColumnHidden(c))
                people = c;
        QVERIFY(people >= 0);
        for (int r = 0; r < stays->rowCount(); ++r) {
            const int mansion = calendar.shownStays()[static_cast<std::size_t>(r)].mansion;
            QCOMPARE(stays->item(r, people)->text(), mansion == 16 ? QStringLiteral("Omar")
                                                    : mansion == adaMansion ? QStringLiteral("Ada") : QString());
        }
        QVERIFY(person->isVisible() || !calendar.isVisible());
        QCOMPARE(person->itemText(2), QStringLiteral("Omar (mansion 16)"));
        person->setCurrentIndex(2);
        QVERIFY(!calendar.shownStays().empty());
        for (const MansionStay& stay : calendar.shownStays())
            QCOMPARE(stay.mansion, 16);
        person->setCurrentIndex(0);
        QVERIFY(calendar.shownStays().size() >= 28);
    }

    // Page Down and Page Up move a month, across the year; arrows move the
    // row; each row's entry minute is in its mansion and the minute before
    // not; Tab goes round the window and back, the table never keeping it.
    void monthsByKeyboard()
    {
        frmMansionCalendar calendar(ZoneClocks("Australia/Sydney"), 14, SydneyEvening);
        calendar.show();
        QVERIFY(QTest::qWaitForWindowActive(&calendar));
        const QStringList round = TabRound(&calendar, Control<QWidget>(&calendar, "cboMonth"));
        for (const char* name : {"tblStays", "cmdNext", "cmdToday", "cboFavours"})
            QVERIFY2(round.contains(QLatin1String(name)) && !round.contains(QStringLiteral("<stuck>")),
                     qPrintable(round.join(QLatin1Char(' '))));
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
        QCOMPARE(cell(&calendar, 1, LatinColumn), QStringLiteral("Aldebaram or Aldelamen"));
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

    // The filters by topic, chosen by typing a word of it or its name: the
    // stays kept are those of the mansions that favour it, the warnings those
    // that hinder it, counted; a word of no topic is said and filters nothing.
    // The mansions come from the table's lines, read by hand.
    void favoursAndHinders()
    {
        frmMansionCalendar calendar(ZoneClocks("Europe/London"), 0, SydneyEvening);
        calendar.show();
        QTableWidget* stays = table(&calendar);
        const int all = stays->rowCount();
        auto* warning = Control<QLabel>(&calendar, "lblWarning");
        QVERIFY(warning->isHidden());
        const struct {
            const char* favours;
            const char* hinders;
            QList<int> kept;       // the mansions whose stays are shown (none: every stay)
            QList<int> hindering;  // of those, the ones with a warning
            QString said;          // the warning line, %1 the count of stays warned of
        } cases[] = {
            {"medicine", "", {1, 14, 22, 23, 27}, {}, QString()},
            {"health and medicine", "journey", {1, 14, 22, 23, 27}, {14, 27},
             QStringLiteral("\u26A0 %1 stay(s) shown hinder travel and journeys.")},
            {"", "Travelling", {}, {9, 12, 14, 16, 27}, QStringLiteral("\u26A0 %1 stay(s) shown hinder travel and journeys.")},
            {"", "the sea", {}, {12, 27}, QStringLiteral("\u26A0 %1 stay(s) shown hinder the sea.")},
            {"a", "", {}, {}, QStringLiteral("\u201Ca\u201D is not one of the topics: choose one from the list.")},
        };
        for (const auto& c : cases) {
            const QByteArray shown = QByteArray(c.favours) + " / " + c.hinders;
            for (const auto& [list, text] : {std::pair{"cboFavours", c.favours}, std::pair{"cboHinders", c.hinders}}) {
                QLineEdit* edit = Control<QComboBox>(&calendar, list)->lineEdit();
                edit->setFocus();
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Backspace);
                QTest::keyClicks(edit, QString::fromLatin1(text));
            }
            int hindering = 0;
            QSet<int> mansions;
            for (int r = 0; r < stays->rowCount(); ++r) {
                const int mansion = cell(&calendar, r, NumberColumn).toInt();
                mansions << mansion;
                const bool warned = c.hindering.contains(mansion);
                QVERIFY2(cell(&calendar, r, WarningColumn).startsWith(QStringLiteral("\u26A0 ")) == warned, shown);
                hindering += warned;
            }
            if (c.kept.isEmpty())
                QCOMPARE(stays->rowCount(), all);
            else
                QVERIFY2(mansions == QSet<int>(c.kept.begin(), c.kept.end()), shown);
            QCOMPARE(warning->isVisible(), !c.said.isEmpty());
            QCOMPARE(warning->text(), c.said.contains(QStringLiteral("%1")) ? c.said.arg(hindering) : c.said);
        }
        QCOMPARE(cell(&calendar, 0, WarningColumn).isEmpty(), true);  // "the sea" then "a": no warnings left
    }

    // What is seen in the favours and warning columns, and where: the warning
    // of mansion 14 beside its number; every column named.
    void warningBesideTheNumber()
    {
        frmMansionCalendar calendar(ZoneClocks("Europe/London"), 0, SydneyEvening);
        calendar.resize(1000, 640);
        calendar.show();
        Choose(&calendar, "cboHinders", QStringLiteral("travel and journeys"));
        QTableWidget* stays = table(&calendar);
        for (int r = 0; r < stays->rowCount(); ++r)
            if (cell(&calendar, r, NumberColumn) == QStringLiteral("14"))
                QCOMPARE(cell(&calendar, r, WarningColumn), QStringLiteral("\u26A0 Hinders journeys by land"));
        for (int c = 0; c < stays->columnCount(); ++c)
            QVERIFY2(!stays->horizontalHeaderItem(c)->text().trimmed().isEmpty(), qPrintable(QString::number(c)));
    }

    // The keys of the window from the moment it opens, wherever the focus is:
    // Page Down and Page Up a month, Home the month of "Now", Escape closes.
    void keysAtOpen()
    {
        auto* calendar = new frmMansionCalendar(ZoneClocks("Australia/Sydney"), 14, SydneyEvening);
        calendar->setAttribute(Qt::WA_DeleteOnClose);
        calendar->show();
        QVERIFY(QTest::qWaitForWindowActive(calendar));
        QPointer<QWidget> open = calendar;
        const struct {
            Qt::Key key;
            const char* focus;  // the control that has the focus, "" for where the window put it
            int year, month;
        } presses[] = {
            {Qt::Key_PageDown, "", 2026, 3},  {Qt::Key_PageDown, "", 2026, 4},    {Qt::Key_PageUp, "", 2026, 3},
            {Qt::Key_Home, "", 2026, 2},      {Qt::Key_PageUp, "cmdNext", 2026, 1}, {Qt::Key_PageUp, "cboMonth", 2025, 12},
            {Qt::Key_Home, "cmdToday", 2026, 2},
        };
        for (const auto& p : presses) {
            if (*p.focus)
                Control<QWidget>(calendar, p.focus)->setFocus();
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused != nullptr);
            QTest::keyClick(focused, p.key);
            QCOMPARE(calendar->year() * 100 + calendar->month(), p.year * 100 + p.month);
            QCOMPARE(Control<QComboBox>(calendar, "cboMonth")->currentIndex() + 1, p.month);
        }
        // Escape in an open list closes the list, not the window.
        auto* month = Control<QComboBox>(calendar, "cboMonth");
        month->showPopup();
        QTRY_VERIFY_WITH_TIMEOUT(month->view()->isVisible(), 5000);
        QTest::keyClick(month->view(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!month->view()->isVisible(), 5000);
        QVERIFY(!open.isNull() && calendar->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(open.isNull(), 5000);
    }

    // Each menu's entries have access keys of their own, and so have the
    // window's menus and its buttons and labels between them.
    void accessKeysAreDistinct()
    {
        frmMansionCalendar calendar(ZoneClocks("Europe/London"), 0, SydneyEvening);
        const QStringList faults = AccessKeyFaults(&calendar, true);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // At the default size on a 1024 by 768 screen, and at a scale of 1.5
    // (screen_size and scale runs under Xvfb): the window inside the screen,
    // the table no wider than its view.
    void fitsTheScreen()
    {
        frmMansionCalendar calendar(ZoneClocks("Europe/London"), 14, SydneyEvening);
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        Choose(&calendar, "cboHinders", QStringLiteral("travel and journeys"));
        Choose(&calendar, "cboFavours", QStringLiteral("travel and journeys"));
        const QRect screen = calendar.screen()->availableGeometry();
        QVERIFY2(calendar.frameGeometry().width() <= screen.width() && calendar.frameGeometry().height() <= screen.height(),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4").arg(calendar.frameGeometry().width()).arg(calendar.frameGeometry().height())
                                .arg(screen.width()).arg(screen.height())));
        QVERIFY(calendar.minimumSizeHint().width() <= screen.width());
        QTableWidget* stays = table(&calendar);
        QTRY_COMPARE_WITH_TIMEOUT(stays->horizontalScrollBar()->maximum(), 0, 5000);
        QVERIFY(stays->horizontalHeader()->length() <= stays->viewport()->width());
        QVERIFY(calendar.isWindow() && calendar.minimumWidth() < calendar.maximumWidth());  // resizable
    }

    // The month on one page of the PDF; a span longer than a page has the
    // column headers on each page; "Now" only on the current month's page.
    void printedOnOnePage()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        MessageRecorder messages;
        frmMansionCalendar calendar(ZoneClocks("Australia/Sydney"), 14, SydneyEvening);
        const struct {
            int year, month;
            bool now;
            const char* hinders;  // with the warnings of a topic many mansions hinder
        } months[] = {{2026, 2, true, ""}, {2026, 3, false, ""}, {2030, 12, false, "love and marriage"}};
        for (const auto& m : months) {
            Choose(&calendar, "cboHinders", QString::fromLatin1(m.hinders));
            const QString pdf = dir.filePath(QStringLiteral("%1-%2.pdf").arg(m.year).arg(m.month));
            FileDialogs::SetHandler([&](const QString&) { return pdf; });
            calendar.ShowMonth(m.year, m.month);
            calendar.findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();
            QVERIFY2(PdfPages(pdf) == 1, qPrintable(pdf));
            const QString text = PdfText(pdf, 1);
            QCOMPARE(text.contains(QStringLiteral("The Moon is in")), m.now);
            QVERIFY(text.contains(QStringLiteral("Enters")));
        }
        QVERIFY(messages.shown.empty());
        FileDialogs::SetHandler({});

        CalendarSheet longer;
        longer.title = QStringLiteral("A long span");
        longer.header = QStringList{QStringLiteral("Enters"), QStringLiteral("No.")};
        for (int r = 0; r < 150; ++r)
            longer.rows << QStringList{QString::number(r), QString::number(r % 28 + 1)};
        WriteFile(dir.filePath(QStringLiteral("long.pdf")), CalendarPdf(longer));
        const int pages = PdfPages(dir.filePath(QStringLiteral("long.pdf")));
        QVERIFY(pages >= 2);
        for (int page = 1; page <= pages; ++page)
            QVERIFY2(PdfText(dir.filePath(QStringLiteral("long.pdf")), page).contains(QStringLiteral("Enters")),
                     qPrintable(QString::number(page)));
    }

    // The warning's colour against the window's ground, light and dark: at
    // least 4.5:1 (WCAG 2.1's contrast ratio, worked out here from its definition).
    void warningContrast()
    {
        const struct {
            const char* name;
            QColor window, text;
        } palettes[] = {
            {"light", QColor(0xef, 0xef, 0xef), Qt::black},
            {"white", Qt::white, Qt::black},
            {"dark", QColor(0x35, 0x35, 0x35), Qt::white},
            {"black", Qt::black, Qt::white},
        };
        for (const auto& p : palettes) {
            frmMansionCalendar calendar(ZoneClocks("Europe/London"), 0, SydneyEvening);
            QPalette palette = calendar.palette();
            palette.setColor(QPalette::Window, p.window);
            palette.setColor(QPalette::WindowText, p.text);
            calendar.setPalette(palette);
            calendar.show();
            Choose(&calendar, "cboHinders", QStringLiteral("the sea"));
            auto* warning = Control<QLabel>(&calendar, "lblWarning");
            QVERIFY(warning->isVisible());
            const double ratio = Contrast(warning->palette().color(QPalette::WindowText), p.window);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(p.name)).arg(ratio)));
        }
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
        Choose(&calendar, "cboFavours", QStringLiteral("travel and journeys"));
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
    // shows that moment's reading, without a name, in front, in a window of
    // its own: the form stays.
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
        const QString latin = cell(calendar, row, LatinColumn);
        QTest::keyClick(stays, Qt::Key_Enter);
        QTRY_VERIFY_WITH_TIMEOUT(OpenWindow("frmArabicLunarMansionResult") != nullptr, 5000);
        QWidget* moment = OpenWindow("frmArabicLunarMansionResult");
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), moment, 5000);
        QVERIFY(moment->windowTitle().startsWith(QStringLiteral("Reading of a Moment \u2014 ")));
        QCOMPARE(Control<QLabel>(moment, "lblResult_0")->text(), latin);
        QVERIFY(!state.birth);  // the person's reading: still none
        SettleWindows();
        QCOMPARE(OpenWindowCount("frmMain"), 1);
        QVERIFY(OpenWindow("frmMansionCalendar") != nullptr);  // the calendar stays open

        // Another moment over that reading: the same one window shows it, and
        // a wheel open for the first is made again for the second.
        Control<QAction>(moment, "mnuWheel")->trigger();
        QTest::keyClick(stays, Qt::Key_Down);
        const QString next = cell(calendar, stays->currentRow(), LatinColumn);
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
        // Its Back brings the calendar forward, and the program runs on.
        Control<QPushButton>(moment, "cmdBack")->click();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), calendar, 5000);
        QCOMPARE(OpenWindowCount("frmMain"), 1);
        QCOMPARE(OpenWindowCount("frmExit"), 0);
    }

    // Over the person's own reading, a moment opens in front of it in a
    // window of its own; the person's window still shows their reading, and
    // its calendar still marks their mansion.
    void aMomentLeavesThePersonsReading()
    {
        ReadingState state;
        WindowTurns turns(state);
        const std::string position = "23\xC2\xB0 44' 31\" Vir";
        state.chart.MoonPositionText = position;
        QVERIFY(turns.ShowMainWindow()->ShowMansionReading(position) == PositionTextStatus::WellFormed);
        QTRY_VERIFY_WITH_TIMEOUT(OpenWindow("frmArabicLunarMansionResult") != nullptr, 5000);
        QWidget* own = OpenWindow("frmArabicLunarMansionResult");
        const QString ownName = Control<QLabel>(own, "lblResult_0")->text();
        Control<QAction>(own, "mnuCalendar")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(OpenWindow("frmMansionCalendar") != nullptr, 5000);
        QWidget* calendar = OpenWindow("frmMansionCalendar");
        QTableWidget* stays = table(calendar);
        int other = 0;  // a row of another mansion than the person's
        while (cell(calendar, other, LatinColumn) == ownName)
            ++other;
        stays->setFocus();
        stays->setCurrentCell(other, 0);
        QTest::keyClick(stays, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(OpenWindowCount("frmArabicLunarMansionResult"), 2, 5000);
        QWidget* front = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((front = QApplication::activeWindow()) != own && front != calendar && front != nullptr, 5000);
        QCOMPARE(Control<QLabel>(front, "lblResult_0")->text(), cell(calendar, other, LatinColumn));
        QCOMPARE(Control<QLabel>(own, "lblResult_0")->text(), ownName);
        QVERIFY(own->isVisible());
        QCOMPARE(state.chart.MoonPositionText, position);
        // Closed, it leaves the person's window and no exit window.
        front->close();
        SettleWindows();
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 1);
        QCOMPARE(OpenWindowCount("frmExit"), 0);
    }
};

QTEST_MAIN(frmMansionCalendarTest)
#include "frmMansionCalendarTest.moc"
