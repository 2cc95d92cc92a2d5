// Each window in German, French and Arabic, with the program's translation
// loaded: no text the window shows is left in English where the translation
// has it in the language, no text is cut, the Moon's position reads left to
// right in any sentence, and in Arabic the window runs right to left with no
// two controls over each other; dates as each language writes them, and the
// reading's page mirrored in Arabic. With QAMAREL_GRAB_FOLDER set, each window
// is also saved there as a PNG picture and each page as a PDF (scripts/screenshots).
#include "WindowTestSupport.h"

#include "../ChartFixture.h"
#include "core/BirthReading.h"
#include "core/ReadingState.h"
#include "language/ShownDates.h"
#include "pictures/ReadingSheet.h"
#include "places/PlaceSearch.h"
#include "places/ZoneClocks.h"
#include "shell/frmExit.h"
#include "ui/frmAbout.h"
#include "windows/frmArabicLunarMansionResult.h"
#include "windows/frmMain.h"
#include "windows/frmMansionCalendar.h"
#include "windows/frmMansionWheel.h"
#include "windows/frmPlaceFinder.h"
#include "windows/frmTimeZone.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QTableWidget>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>

#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// A text as it reads, without its access-key marks.
QString Shown(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&')).trimmed();
}

// The English texts of a translation file that it gives otherwise in its language.
QSet<QString> TranslatedSources(const QString& tsPath)
{
    QSet<QString> sources;
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(tsPath));
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            // A text that reads the same in both ("OK", "PDF (*.pdf)") is not English left over.
            if (!translation.trimmed().isEmpty() && Shown(translation) != Shown(source))
                sources << Shown(source);
        }
    }
    return sources;
}

// The texts one control shows.
QStringList TextsOf(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return {label->text()};
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return {button->text()};
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return {frame->title()};
    if (auto* box = qobject_cast<QLineEdit*>(w))
        return {box->text(), box->placeholderText()};
    if (auto* list = qobject_cast<QComboBox*>(w))
        return {list->currentText()};
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        return {plain->toPlainText()};
    QStringList texts;
    if (auto* table = qobject_cast<QTableWidget*>(w))
        for (int c = 0; c < table->columnCount(); ++c)
            texts << table->horizontalHeaderItem(c)->text();
    return texts;
}

// Every text a window shows: its title, menus, labels, buttons, frames,
// boxes and table headings.
QStringList VisibleTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    if (auto* main = qobject_cast<QMainWindow*>(window))
        for (QAction* menu : main->menuBar()->actions()) {
            texts << menu->text();
            if (menu->menu())
                for (QAction* item : menu->menu()->actions())
                    texts << item->text();
        }
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisibleTo(window))
            texts << TextsOf(w);
    return texts;
}

// The controls a user reads or works, each of which must stand clear of the others.
bool IsControl(const QWidget* w)
{
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QGroupBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTableWidget*>(w);
}

// A one-line label, a button or an option narrower than its text.
bool IsCut(QWidget* w)
{
    const int text = w->fontMetrics().horizontalAdvance(Shown(TextsOf(w).value(0)));
    if (const auto* label = qobject_cast<QLabel*>(w))
        return !label->wordWrap() && label->pixmap().isNull() && text > label->contentsRect().width();
    if (qobject_cast<QPushButton*>(w))
        return text + 8 > w->width();  // the button's frame, and the least room beside the text
    return qobject_cast<QAbstractButton*>(w) && w->sizeHint().width() > w->width();
}

// Where each character of `text` stands, left to right, in a paragraph of
// `direction` on one line: its x at the cursor before it.
QList<qreal> VisualPlaces(const QString& text, Qt::LayoutDirection direction, const QFont& font)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(direction);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(100000);
    layout.endLayout();
    QList<qreal> places;
    for (int i = 0; i < text.size(); ++i)
        places << line.cursorToX(i);
    return places;
}

struct Window {
    const char* name;
    std::function<std::unique_ptr<QWidget>(ReadingState&)> make;
};

}  // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT

    const std::vector<Window> windows{
        {"frmMain", [](ReadingState& s) { return std::make_unique<frmMain>(s); }},
        {"frmMainEditing",  // an entry of People
         [](ReadingState& s) {
             auto form = std::make_unique<frmMain>(s);
             Person ana;
             ana.name = "Ana";
             ana.year = 1975, ana.month = 7, ana.day = 1, ana.hour = 12;
             form->EditPerson(ana);
             return form;
         }},
        {"frmArabicLunarMansionResult",
         [](ReadingState& s) {
             auto result = std::make_unique<frmArabicLunarMansionResult>(s);
             result->ShowReading(s.currentMansion);
             return result;
         }},
        {"frmMansionWheel",
         [](ReadingState& s) {
             return std::make_unique<frmMansionWheel>(
                 SheetForReading(s.chart.MoonPositionText, s.currentMansion, std::nullopt, std::nullopt));
         }},
        {"frmMansionCalendar",
         [](ReadingState&) {
             // 2026-02-16 10:00 UTC, in Cairo's clocks.
             return std::make_unique<frmMansionCalendar>(PlaceClocks{std::nullopt, ClocksOfZone("Africa/Cairo")}, 3,
                                                         1771236000);
         }},
        {"frmPlaceFinder",
         [](ReadingState&) {
             return std::make_unique<frmPlaceFinder>(FindPlaces(QStringLiteral("Cairo"), QString(), QString()));
         }},
        {"frmTimeZone", [](ReadingState&) { return std::make_unique<frmTimeZone>(); }},
        {"frmAbout", [](ReadingState&) { return std::make_unique<frmAbout>(); }},
        {"frmExit", [](ReadingState&) { return std::make_unique<frmExit>(); }},
    };

private slots:
    // Dates as each language writes them, in the windows' sentences and cells.
    void datesInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("day");            // 1 July 1975
        QTest::addColumn<QString>("clockAndDay");    // 2013-04-01 07:38 UTC on London's clocks
        QTest::addColumn<QString>("shortClockAndDay");  // 2013-03-31 07:38 UTC
        const QString lrm = QStringLiteral("\u200E");
        QTest::newRow("en") << "" << "1 July 1975" << "08:38 BST on 1 April" << "31 Mar 08:38 BST";
        QTest::newRow("de") << "de" << "1. Juli 1975" << "08:38 BST am 1. April" << "31. M\u00E4rz 08:38 BST";
        QTest::newRow("fr") << "fr" << "1er juillet 1975" << "08:38 BST le 1er avril" << "31 mars 08:38 BST";
        QTest::newRow("ar") << "ar" << "1 \u064A\u0648\u0644\u064A\u0648 1975"
                            << lrm + "08:38 BST" + lrm + " \u0641\u064A 1 \u0623\u0628\u0631\u064A\u0644"
                            << "31 \u0645\u0627\u0631\u0633 " + lrm + "08:38 BST" + lrm;
    }

    void datesInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, day);
        QFETCH(QString, clockAndDay);
        QFETCH(QString, shortClockAndDay);
        QTranslator translation;
        if (!language.isEmpty()) {
            QVERIFY(translation.load(QStringLiteral(QAMAREL_TRANSLATIONS "/qamarel_%1.qm").arg(language)));
            QCoreApplication::installTranslator(&translation);
        }
        const std::unique_ptr<QTranslator, void (*)(QTranslator*)> removed(
            &translation, [](QTranslator* t) { QCoreApplication::removeTranslator(t); });
        QCOMPARE(ShownDay({1975, 7, 1}), day);
        QCOMPARE(ShownClockAndDay({UtcMinuteOf({2013, 4, 1, 7, 38}, 0), 60, "BST"}), clockAndDay);
        QCOMPARE(ShownShortClockAndDay({UtcMinuteOf({2013, 3, 31, 7, 38}, 0), 60, "BST"}), shortClockAndDay);
        // The page says the birth day so in its birth line, its passage and the wheel's centre.
        const BirthMoment born = MomentOfTypedBirth(MakeChart(1975, 7, 1, 12, 0, 0, 0, 'W', 0, 0));
        const BirthReading read = ReadBirth(born);
        QVERIFY(read.passage);
        const ReadingSheet sheet = SheetForReading(read.reading.position, read.reading.texts, born, read.passage);
        QVERIFY2(sheet.birth.contains(day), qPrintable(sheet.birth));
        QVERIFY2(sheet.passage.contains(day), qPrintable(sheet.passage));
        QVERIFY2(sheet.wheel.centre.join(QLatin1Char('|')).contains(day), qPrintable(sheet.wheel.centre.join(QLatin1Char('|'))));
        // The wheel is drawn left to right; its date still reads in the
        // language's order: in Arabic the day right of the year.
        for (const QString& line : sheet.wheel.centre)
            if (line.contains(QLatin1String("1975"))) {
                const QList<qreal> x = VisualPlaces(line, Qt::LeftToRight, QFont());
                const qreal first = x.at(static_cast<int>(line.indexOf(QLatin1Char('1')))), year = x.at(static_cast<int>(line.indexOf(QLatin1String("1975"))));
                QVERIFY2(language == QLatin1String("ar") ? first > year : first < year, qPrintable(line));
            }

        // The page set in the language's direction: on the line of the
        // mansion's Latin name, the caption at the left margin, or mirrored at the right.
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("page.pdf"));
        WriteFile(pdf, ReadingPdf(sheet));
        if (const QString grabs = qEnvironmentVariable("QAMAREL_GRAB_FOLDER"); !grabs.isEmpty()) {
            const QString kept = QDir(grabs).filePath(QStringLiteral("page-%1.pdf").arg(language.isEmpty() ? QStringLiteral("en") : language));
            QFile::remove(kept);
            QVERIFY(QFile::copy(pdf, kept));
        }
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(20000) && pdftotext.exitCode() == 0);
        const QString boxes = QString::fromUtf8(pdftotext.readAllStandardOutput());
        const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        std::vector<std::tuple<double, double, double, QString>> words;  // left, top, right, text
        for (const QRegularExpressionMatch& m : word.globalMatch(boxes))
            words.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4));
        const QString latin = sheet.texts.value(0).section(QLatin1Char(' '), 0, 0);
        const auto named = std::find_if(words.rbegin(), words.rend(), [&](const auto& w) { return std::get<3>(w) == latin; });  // the last: its row
        QVERIFY2(named != words.rend(), qPrintable(latin));
        double leftmost = 1e9, rightmost = 0;
        for (const auto& [l, top, r, text] : words)
            if (std::abs(top - std::get<1>(*named)) < 3) {
                leftmost = std::min(leftmost, l);
                rightmost = std::max(rightmost, r);
            }
        const bool mirrored = language == QLatin1String("ar");
        QVERIFY2(mirrored ? leftmost > 100 && rightmost > 500 : leftmost < 60, qPrintable(QStringLiteral("%1 to %2").arg(leftmost).arg(rightmost)));
        // Each month its own name and its own short name.
        QSet<QString> names;
        for (int month = 1; month <= 12; ++month)
            names << ShownMonthName(month) << ShownShortMonthName(month);
        const QHash<QString, int> distinct{{QString(), 23}, {QStringLiteral("de"), 20}, {QStringLiteral("fr"), 20}, {QStringLiteral("ar"), 12}};
        QCOMPARE(names.size(), distinct.value(language));
        QCOMPARE(ShownMonthName(13), QString());
        QCOMPARE(ShownShortMonthName(0), QString());
    }

    void windowsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "fr", "ar"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void windowsInTheLanguage()
    {
        QFETCH(QString, language);
        QTranslator translation;
        QVERIFY(translation.load(QStringLiteral(QAMAREL_TRANSLATIONS "/qamarel_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translation);
        const std::unique_ptr<QTranslator, void (*)(QTranslator*)> removed(
            &translation, [](QTranslator* t) { QCoreApplication::removeTranslator(t); });
        const bool rightToLeft = language == QLatin1String("ar");
        QCOMPARE(QApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const QSet<QString> english =
            TranslatedSources(QStringLiteral(QAMAREL_SOURCE "/translations/qamarel_%1.ts").arg(language));
        const QString grabs = qEnvironmentVariable("QAMAREL_GRAB_FOLDER");

        ReadingState state;
        state.chart.MoonPositionText = "19\xC2\xB0 27' 45\" Lib";
        ChooseCurrentMansion(state, state.chart.MoonPositionText);
        QStringList keyFaults, directionFaults;
        for (const Window& made : windows) {
            const std::unique_ptr<QWidget> window = made.make(state);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            for (const QString& text : VisibleTexts(window.get()))
                QVERIFY2(!english.contains(Shown(text)), qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(made.name), text)));
            keyFaults << AccessKeyFaults(window.get());
            // An English text in a right-to-left table keeps its full stop after its last word.
            for (QTableWidget* table : window->findChildren<QTableWidget*>())
                for (int r = 0; rightToLeft && r < table->rowCount(); ++r)
                    for (int c = 0; c < table->columnCount(); ++c) {
                        const QString last = table->item(r, c) ? table->item(r, c)->text().section(QLatin1Char('\n'), -1) : QString();
                        const qsizetype at = last.lastIndexOf(QLatin1Char('.'));
                        if (at < 1 || !last.at(at - 1).isLetter() || last.at(at - 1).script() != QChar::Script_Latin)
                            continue;
                        const QList<qreal> x = VisualPlaces(last, Qt::RightToLeft, table->font());
                        if (x.at(at) < x.at(at - 1))
                            directionFaults << QStringLiteral("%1: %2 (%3)").arg(QLatin1String(made.name), table->objectName(), last);
                    }
            // A web address reads left to right in any sentence.
            for (QLabel* l : window->findChildren<QLabel*>()) {
                const QString text = l->text();
                const qsizetype from = text.indexOf(QLatin1String("https://"));
                if (from < 0)
                    continue;
                const QList<qreal> x = VisualPlaces(text, l->layoutDirection(), l->font());
                qsizetype to = from;
                while (to + 1 < text.size() && !text.at(to + 1).isSpace() && text.at(to + 1) != QChar(0x200E))
                    ++to;
                for (qsizetype i = from + 2; i <= to; ++i)  // the cursor before its first letter stands at a boundary
                    if (x.at(i) <= x.at(i - 1))
                        directionFaults << QStringLiteral("%1: %2 (%3)").arg(QLatin1String(made.name), l->objectName(), text);
            }
            // Every label's text runs in the window's direction, whatever it
            // begins with; the mansion's own texts, English in every language, excepted.
            for (QLabel* l : window->findChildren<QLabel*>())
                if (rightToLeft && l->isVisibleTo(window.get()) && !l->text().isEmpty() && l->pixmap().isNull() &&
                    !l->objectName().startsWith(QLatin1String("lblResult")) && !l->text().isRightToLeft())
                    directionFaults << QStringLiteral("%1: %2 (%3)").arg(QLatin1String(made.name), l->objectName(), l->text());
            if (auto* places = window->findChild<QTableWidget*>(QStringLiteral("lstPlaces")))
                QVERIFY2(!places->selectedItems().isEmpty(), "the finder's best match is not ready for Enter");

            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(window.get()) || !IsControl(w))
                    continue;
                const QString where = QStringLiteral("%1: %2").arg(QLatin1String(made.name), w->objectName());
                QVERIFY2(!IsCut(w), qPrintable(where + QStringLiteral(" is cut")));
                if (!rightToLeft)
                    continue;
                QCOMPARE(w->layoutDirection(), Qt::RightToLeft);
                for (QWidget* other : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    if (other != w && other->isVisibleTo(window.get()) && IsControl(other))
                        QVERIFY2(!w->geometry().intersects(other->geometry()),
                                 qPrintable(where + QStringLiteral(" overlaps ") + other->objectName()));
            }
            // A caption stands before what it names in the reading direction:
            // left of it, or right of it in Arabic (one above the other: either).
            for (QLabel* caption : window->findChildren<QLabel*>()) {
                QWidget* named = caption->buddy();
                if (!named || !caption->isVisibleTo(window.get()) || !named->isVisibleTo(window.get()))
                    continue;
                const QRect c(caption->mapTo(window.get(), QPoint(0, 0)), caption->size()),
                    n(named->mapTo(window.get(), QPoint(0, 0)), named->size());
                if (c.right() >= n.left() && n.right() >= c.left())
                    continue;  // one above the other
                QVERIFY2(rightToLeft ? c.left() > n.right() : c.right() < n.left(),
                         qPrintable(QStringLiteral("%1: %2 is on the wrong side of %3")
                                        .arg(QLatin1String(made.name), caption->text(), named->objectName())));
            }
            // The Moon's position reads left to right within a sentence of any direction.
            for (QLabel* l : window->findChildren<QLabel*>()) {
                const QString text = l->text();
                const int degrees = text.indexOf(QStringLiteral("19\u00B0")), sign = text.indexOf(QStringLiteral("Libra"));
                if (degrees < 0 || sign < 0)
                    continue;
                const QList<qreal> x = VisualPlaces(text, l->layoutDirection(), l->font());
                QVERIFY2(x.at(degrees) < x.at(sign), qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(made.name), text)));
            }
            if (!grabs.isEmpty())
                QVERIFY(window->screen()->grabWindow(window->winId()).save(QDir(grabs).filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(made.name), language))));
        }
        QVERIFY2(keyFaults.isEmpty(), qPrintable(keyFaults.join(QLatin1Char('\n'))));
        QVERIFY2(directionFaults.isEmpty(), qPrintable(directionFaults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "TranslatedWindowsTest.moc"
