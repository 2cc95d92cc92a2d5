// The result window: its ten fields where the layout puts them, in its colours.
#include "WindowTestSupport.h"

#include "base/QtStdText.h"

#include "windows/frmArabicLunarMansionResult.h"
#include "../ChartFixture.h"
#include "core/MansionPassage.h"
#include "pictures/MansionWheel.h"
#include "core/ReadingState.h"
#include "core/SignPosition.h"
#include "ui/ProgramFont.h"
#include "shell/WindowTurns.h"
#include "ui/FileDialogs.h"
#include "ui/WebLinks.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <utility>
#include <vector>

class frmArabicLunarMansionResultTest : public QObject {
    Q_OBJECT

    ReadingState state;
    WindowTurns turns{state};
    frmArabicLunarMansionResult* result = nullptr;
    double scale = 1.0;

    int Px(int twips) const { return qRound(twips / 15.0 * scale); }
    // A real X server answers when it can: up to half a minute on a loaded machine.
    static constexpr int Patience = 30000;
    QLabel* Caption(int i) { return Control<QLabel>(result, qPrintable(QStringLiteral("lblCaption_%1").arg(i))); }
    QLabel* Value(int i) { return Control<QLabel>(result, qPrintable(QStringLiteral("lblResult_%1").arg(i))); }

private slots:
    void init()
    {
        ChooseCurrentMansion(state, "0\xC2\xB0 0' 0\" Pis");  // Alpharg: a long attribute text
        result = turns.ShowResultWindow();
        // Every case begins with the window on the screen, its size settled.
        QVERIFY(QTest::qWaitForWindowExposed(result, Patience));
        scale = result->screen()->logicalDotsPerInchY() / 96.0;
    }

    void cleanup() { DeleteAllWindows(); }

    void showsTheTenFieldsUnderTheirCaptions()
    {
        const char* captions[] = {"Lunar Mansion Name", "Arabic Name",     "English Meaning", "Constellation",
                                  "Planetary Ruler",    "Angel",           "Attributes",      "Famous Person",
                                  "Favorable Circumstances", "Unfavorable Circumstances"};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(Caption(i)->text(), QString::fromLatin1(captions[i]));
            QCOMPARE(Value(i)->text(),
                     ToQString(state.currentMansion[std::size_t(i)]).replace(QStringLiteral("\r\n"),
                                                                                           QStringLiteral("\n")));
        }
        QCOMPARE(Value(0)->text(), QStringLiteral("Alpharg or Phragol Mocaden"));
        QCOMPARE(Value(8)->text(), QStringLiteral("To strengthen your resources to fight battles\nTo safeguard travellers\n"
                                                  "To develop and maintain buildings\nTo improve friendship"));
        QCOMPARE(result->windowTitle(), QStringLiteral("Qamarel v1.15"));
    }

    // The window's frame and buttons where the layout puts them, the first
    // row and rows 0 to 6 291 twips apart; the three boxes keep their size
    // and wrap, one-line values are as wide as their text.
    void fieldsStandWhereTheLayoutPutsThem()
    {
        QCOMPARE(result->centralWidget()->size(), QSize(Px(8295), Px(6165)));
        QCOMPARE(Control<QGroupBox>(result, "Frame1")->geometry(), QRect(Px(0), Px(480), Px(8295), Px(4815)));
        QCOMPARE(Control<QPushButton>(result, "cmdSave")->geometry(), QRect(Px(7260), Px(5350), Px(975), Px(375)));
        QCOMPARE(Control<QPushButton>(result, "cmdBack")->geometry(), QRect(Px(7260), Px(5775), Px(975), Px(375)));
        QCOMPARE(Caption(0)->pos(), QPoint(Px(120), Px(240)));
        QCOMPARE(Value(0)->pos(), QPoint(Px(2400), Px(240)));
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(Caption(i)->y(), Px(240 + 291 * i));
        const struct {
            int i, width, height;
        } boxes[] = {{6, 5745, 600}, {8, 4005, 1500}, {9, 4005, 1500}};
        for (const auto& box : boxes) {
            QCOMPARE(Value(box.i)->size(), QSize(Px(box.width), Px(box.height)));
            QVERIFY(Value(box.i)->wordWrap());  // what does not fit is cut, nothing scrolls
        }
        for (const int i : {0, 1, 2, 3, 4, 5, 7}) {
            QCOMPARE(Value(i)->width(), Value(i)->sizeHint().width());
            QVERIFY(Value(i)->width() > Value(i)->fontMetrics().horizontalAdvance(QStringLiteral("Al")));
        }
    }

    // For every mansion's texts: each field inside the frame, no two
    // overlapping, each value beside its caption (rows 0 to 7, top to
    // bottom) or under it (the two lists, side by side).
    void fieldsStandClearInsideTheFrame()
    {
        for (int k = 1; k <= 28; ++k) {
            DeleteAllWindows();
            const std::string position = FormatSignPosition((k - 0.5) * 360.0 / 28);
            QCOMPARE(ChooseCurrentMansion(state, position), PositionTextStatus::WellFormed);
            result = turns.ShowResultWindow();
            QVERIFY(QTest::qWaitForWindowExposed(result, Patience));
            const QRect frame = Control<QGroupBox>(result, "Frame1")->rect();
            std::vector<std::pair<QString, QRect>> fields;
            for (int i = 0; i < 10; ++i) {
                fields.emplace_back(QStringLiteral("caption %1").arg(i), Caption(i)->geometry());
                fields.emplace_back(QStringLiteral("value %1").arg(i), Value(i)->geometry());
                const QString where = QStringLiteral("mansion %1, field %2").arg(k).arg(i);
                if (i < 8) {
                    QVERIFY2(Value(i)->y() == Caption(i)->y() && Value(i)->x() > Caption(i)->geometry().right(), qPrintable(where));
                    if (i > 0)
                        QVERIFY2(Caption(i)->y() > Caption(i - 1)->geometry().bottom(), qPrintable(where));
                } else {
                    QVERIFY2(Value(i)->x() == Caption(i)->x() && Value(i)->y() > Caption(i)->geometry().bottom(), qPrintable(where));
                    QVERIFY2(Caption(i)->y() > Value(7)->geometry().bottom(), qPrintable(where));
                }
            }
            QCOMPARE(Caption(8)->y(), Caption(9)->y());
            for (std::size_t a = 0; a < fields.size(); ++a) {
                QVERIFY2(frame.contains(fields[a].second),
                         qPrintable(QStringLiteral("mansion %1: %2 leaves the frame").arg(k).arg(fields[a].first)));
                for (std::size_t b = a + 1; b < fields.size(); ++b)
                    QVERIFY2(!fields[a].second.intersects(fields[b].second),
                             qPrintable(QStringLiteral("mansion %1: %2 overlaps %3").arg(k).arg(fields[a].first, fields[b].first)));
            }
        }
    }

    void greenOnBlack()
    {
        QCOMPARE(result->centralWidget()->palette().color(QPalette::Window), QColor(0, 0, 0));
        QCOMPARE(Caption(3)->palette().color(QPalette::WindowText), QColor(0, 192, 0));
        QCOMPARE(Value(3)->palette().color(QPalette::WindowText), QColor(192, 255, 192));
        const QString family = QFontInfo(Value(0)->font()).family();  // the face really drawn
        QVERIFY2(family == QLatin1String("Verdana") || family == QLatin1String("DejaVu Sans"), qPrintable(family));
    }

    // Captions, values and the frame's title in the program's typeface and
    // size, as the rest of the window (the frame's drawing must not reset them).
    void captionsAndValuesKeepTheProgramTypeface()
    {
        QVERIFY(QTest::qWaitForWindowExposed(result, Patience));
        const QFont program = ProgramFont();
        std::vector<QWidget*> texts{Control<QGroupBox>(result, "Frame1")};
        for (int i = 0; i < 10; ++i)
            texts.insert(texts.end(), {Caption(i), Value(i)});
        for (QWidget* text : texts) {
            const QFontInfo drawn(text->font());
            const QString where = text->objectName() + QLatin1String(": ") + drawn.family();
            QVERIFY2(drawn.family() == QLatin1String("Verdana") || drawn.family() == QLatin1String("DejaVu Sans"),
                     qPrintable(where));
            QCOMPARE(text->font().pointSize(), program.pointSize());
            QCOMPARE(text->font().families(), program.families());
        }
    }

    // The reading in one line under the client area: position, mansion and
    // passage for a computed reading; a reading from a file has no passage.
    void oneLineGivesPositionMansionAndPassage()
    {
        DeleteAllWindows();
        state.chart.MoonPositionText = "23\xC2\xB0 44' 31\" Vir";
        QCOMPARE(ChooseCurrentMansion(state, state.chart.MoonPositionText), PositionTextStatus::WellFormed);
        MansionPassage passage;
        passage.mansion = 14;
        passage.entered = {UtcMinuteOf({2026, 2, 15, 22, 36}, 0), 0, "GMT"};
        passage.left = {UtcMinuteOf({2026, 2, 17, 0, 45}, 345), 345, "+0545"};
        state.passage = passage;
        result = turns.ShowResultWindow();
        QVERIFY(QTest::qWaitForWindowExposed(result, Patience));
        auto* line = Control<QLabel>(result, "lblReadingLine");
        QCOMPARE(line->text(), QStringLiteral("Moon at 23\u00B0 44\u2032 31\u2033 Virgo \u2014 mansion 14 of 28 \u2014 "
                                              "in it from 22:36 GMT on 15 February to 00:45 UTC+5:45 on 17 February"));
        QVERIFY(line->isVisible());
        // Under the client area, whole, and the client area as laid out.
        const QRect client(result->centralWidget()->mapTo(result, QPoint(0, 0)), result->centralWidget()->size());
        const QRect shown(line->mapTo(result, QPoint(0, 0)), line->size());
        QVERIFY(shown.top() >= client.bottom());
        QVERIFY(result->rect().contains(shown));
        // Whole: where the window is narrower than the sentence, it wraps rather than being cut.
        QVERIFY2(line->height() >= line->heightForWidth(line->width()),
                 qPrintable(QStringLiteral("%1 px high for %2").arg(line->height()).arg(line->heightForWidth(line->width()))));
        QCOMPARE(result->centralWidget()->size(), QSize(Px(8295), Px(6165)));

        DeleteAllWindows();
        state.passage.reset();
        state.chart.MoonPositionText = "19 27' 45\" Lib";  // as a file may hold it
        QCOMPARE(ChooseCurrentMansion(state, state.chart.MoonPositionText), PositionTextStatus::WellFormed);
        result = turns.ShowResultWindow();
        QCOMPARE(Control<QLabel>(result, "lblReadingLine")->text(),
                 QStringLiteral("Moon at 19\u00B0 27\u2032 45\u2033 Libra \u2014 mansion 16 of 28"));
    }

    // The frame's title stands in from the edge, above the first row, on an
    // edge drawn in green; the window keeps its size. (Run at 96 and 144 dpi.)
    void frameTitleAndFirstRowStandClear()
    {
        QVERIFY(QTest::qWaitForWindowExposed(result, Patience));
        auto* frame = Control<QGroupBox>(result, "Frame1");
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        QVERIFY2(title.left() >= Px(90), qPrintable(QStringLiteral("title at x=%1").arg(title.left())));
        for (int i = 0; i < 10; ++i)
            QVERIFY2(title.bottom() < Caption(i)->geometry().top(), qPrintable(Caption(i)->text()));
        // The edge, left of the title on its middle line, is green.
        const QImage picture = frame->grab().toImage();
        bool green = false;
        for (int y = 0; y <= title.bottom() && !green; ++y)
            green = picture.pixelColor(title.left() / 2, y) == QColor(0, 96, 0);
        QVERIFY(green);
        QCOMPARE(result->minimumSize(), result->maximumSize());
    }

    // The wheel: one window a result window, raised when shown again, titled
    // by the person; at its first size every mansion's first name whole, in at
    // least the form's text size; nothing cut, the texts under the wheel at
    // their wrapped height. (Run at 96 and 144 dpi.)
    void wheelWindowIsOneWithWholeNames()
    {
        DeleteAllWindows();
        state.chart.MoonPositionText = "0\xC2\xB0 0' 0\" Pis";
        state.birth = MomentOfTypedBirth(MakeChart(2000, 1, 1, 12, 0, 0, 0, 'W', 0, 0), "Ada");
        MansionPassage passage;
        passage.mansion = 26;
        passage.entered = {UtcMinuteOf({2000, 1, 1, 3, 0}, 0), 0, ""};
        passage.left = {UtcMinuteOf({2000, 1, 2, 4, 0}, 0), 0, ""};
        passage.dayStartLongitude = 325;
        passage.dayEndLongitude = 338;
        state.passage = passage;
        result = turns.ShowResultWindow();
        Control<QAction>(result, "mnuWheel")->trigger();
        QWidget* wheel = OpenWindow("frmMansionWheel");
        QVERIFY(wheel);
        QVERIFY(QTest::qWaitForWindowExposed(wheel, Patience));
        Control<QAction>(result, "mnuWheel")->trigger();
        SettleWindows();
        QCOMPARE(OpenWindowCount("frmMansionWheel"), 1);
        QCOMPARE(OpenWindow("frmMansionWheel"), wheel);
        QCOMPARE(wheel->windowTitle(), QStringLiteral("Mansion Wheel \u2014 Ada"));
        QCOMPARE(result->windowTitle(), QStringLiteral("Qamarel v1.15"));

        QWidget* picture = Control<QWidget>(wheel, "picWheel");
        const int side = std::min(picture->width(), picture->height());
        const QRectF square((picture->width() - side) / 2.0, (picture->height() - side) / 2.0, side, side);
        const double formPixels = QFontInfo(ProgramFont()).pixelSize();
        QVERIFY(QFontInfo(WheelMansionFont(picture->font(), square, formPixels)).pixelSize() >= formPixels);
        // Whole on a screen of a desktop's size (the offscreen one is 600 px
        // high: there the wheel is smaller and names show whole on hover).
        if (wheel->screen()->availableGeometry().height() >= 768)
            for (const WheelLabel& label : WheelLabels(square, picture->font(), formPixels))
                QVERIFY2(label.Whole(), qPrintable(QStringLiteral("%1 shown as %2 on a wheel of %3 px (%4 by %5, hint %6)")
                                                   .arg(label.whole, label.text).arg(side).arg(picture->width()).arg(picture->height()).arg(picture->sizeHint().width())));

        for (QWidget* child : wheel->findChildren<QWidget*>()) {
            if (!child->isVisible() || child->isWindow())
                continue;
            QVERIFY2(wheel->rect().contains(child->geometry()), qPrintable(child->objectName()));
        }
        for (const char* name : {"lblLegend", "lblPassage"}) {
            auto* text = Control<QLabel>(wheel, name);
            QVERIFY2(text->height() >= text->heightForWidth(text->width()),
                     qPrintable(QStringLiteral("%1: %2 px of %3").arg(name).arg(text->height()).arg(text->heightForWidth(text->width()))));
        }
        QVERIFY(Control<QLabel>(wheel, "lblLegend")->text().contains(QStringLiteral("tick")));
        QVERIFY(wheel->geometry().height() <= wheel->screen()->availableGeometry().height());
    }

    // A screen reader says "Lunar Mansion Name: Alchil": the value by its
    // text, labelled by its caption.
    void valuesAreLabelledByTheirCaptions()
    {
        for (int i = 0; i < 10; ++i) {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(Value(i));
            QVERIFY(spoken);
            QVERIFY(!Value(i)->text().isEmpty());
            QCOMPARE(spoken->text(QAccessible::Name), Value(i)->text());
            const auto labels = spoken->relations(QAccessible::Label);
            // The caption among them (Qt adds the frame around, as it does for any control in one).
            QVERIFY(std::any_of(labels.begin(), labels.end(),
                                [&](const auto& label) { return label.first->object() == Caption(i); }));
        }
    }

    // At open the focus is on Save: Enter asks where to save. The desktop's
    // keys: Ctrl+S, Ctrl+P, Ctrl+Q, Ctrl+C, as the menus show them; a link no
    // browser opens is said in a message.
    void focusShortcutsAndLinks()
    {
        result->activateWindow();  // no window manager on the X server does it
        QVERIFY(QTest::qWaitForWindowActive(result, Patience));
        QCOMPARE(QApplication::focusWidget(), Control<QPushButton>(result, "cmdSave"));
        QStringList asked;
        FileDialogs::SetHandler([&](const QString& title) {
            asked << title;
            return QString();  // cancelled
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        FileDialogs::SetHandler({});
        QCOMPARE(asked, (QStringList{QStringLiteral("Save"), QStringLiteral("Save")}));
        const struct {
            const char* action;
            const char* keys;
        } shortcuts[] = {{"mnuSave", "Ctrl+S"}, {"mnuPrint", "Ctrl+P"}, {"mnuQuit", "Ctrl+Q"}, {"mnuCopy", "Ctrl+C"}};
        for (const auto& k : shortcuts)
            QCOMPARE(Control<QAction>(result, k.action)->shortcut().toString(), QString::fromLatin1(k.keys));

        MessageRecorder messages;
        WebLinks::SetAnsweringOpener([](const QUrl&) { return false; });
        auto* link = Control<QLabel>(result, "Label61");
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        WebLinks::SetOpener({});
        QCOMPARE(messages.texts(),
                 QStringList{QStringLiteral("The page https://www.qamarel.example/ could not be opened: no web browser answered.")});

        QSignalSpy closed(result, &frmArabicLunarMansionResult::closedByUser);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(closed.count(), 1);
    }

    void menusInTheirOrder()
    {
        QStringList entries;
        for (QAction* menu : result->findChild<QMenuBar*>()->actions()) {
            entries << menu->menu()->objectName();
            for (QAction* a : menu->menu()->actions())
                entries << a->objectName() + QLatin1Char('=') + a->text();
        }
        QCOMPARE(entries, (QStringList{QStringLiteral("mnuFile"), QStringLiteral("mnuBack=&Back"),
                                       QStringLiteral("mnuFile1="), QStringLiteral("mnuWheel=Show the Mansion &Wheel"),
                  QStringLiteral("mnuPrint=&Print\u2026"), QStringLiteral("mnuExportPdf=Export as P&DF\u2026"), QStringLiteral("mnuCalendar=Mansion Ca&lendar\u2026"), QStringLiteral("mnuFile2="),
                  QStringLiteral("mnuSave=&Save"), QStringLiteral("mnuAddToPeople=&Add to People"),
                  QStringLiteral("mnuFile3="), QStringLiteral("mnuQuit=&Quit"),
                  QStringLiteral("mnuEdit"), QStringLiteral("mnuCopy=&Copy"),
                                       QStringLiteral("mnuHelp"), QStringLiteral("mnuOnline=&Online Help"),
                                       QStringLiteral("mnuVisit=&Visit Us Online"), QStringLiteral("mnuHelp1="),
                                       QStringLiteral("mnuUpdate=Check for Software &Update"),
                                       QStringLiteral("mnuHelp2="), QStringLiteral("mnuAbout=&About Software")}));
    }

    void backMenuOpensTheMainWindow()
    {
        Control<QAction>(result, "mnuBack")->trigger();
        SettleWindows();
        QTRY_COMPARE_WITH_TIMEOUT(OpenWindowCount("frmMain"), 1, Patience);
        QTRY_COMPARE_WITH_TIMEOUT(OpenWindowCount("frmArabicLunarMansionResult"), 0, Patience);
    }

    // Closing by the user brings up the exit window, as the main window's close does.
    void closeBoxShowsTheExitWindow()
    {
        result->close();
        SettleWindows();
        QTRY_COMPARE_WITH_TIMEOUT(OpenWindowCount("frmExit"), 1, Patience);
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 0);
        QCOMPARE(OpenWindowCount("frmMain"), 0);
    }
};

QTEST_MAIN(frmArabicLunarMansionResultTest)
#include "frmArabicLunarMansionResultTest.moc"
