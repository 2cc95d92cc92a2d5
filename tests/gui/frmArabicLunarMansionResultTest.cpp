// The result window: its ten fields where the layout puts them, in its colours.
#include "WindowTestSupport.h"

#include "windows/frmArabicLunarMansionResult.h"
#include "core/ReadingState.h"
#include "shell/WindowTurns.h"

#include <QAccessible>
#include <QAction>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>

class frmArabicLunarMansionResultTest : public QObject {
    Q_OBJECT

    ReadingState state;
    WindowTurns turns{state};
    frmArabicLunarMansionResult* result = nullptr;
    double scale = 1.0;

    int Px(int twips) const { return qRound(twips / 15.0 * scale); }
    QLabel* Caption(int i) { return Control<QLabel>(result, qPrintable(QStringLiteral("lblCaption_%1").arg(i))); }
    QLabel* Value(int i) { return Control<QLabel>(result, qPrintable(QStringLiteral("lblResult_%1").arg(i))); }

private slots:
    void init()
    {
        ChooseCurrentMansion(state, "0\xC2\xB0 0' 0\" Pis");  // Alpharg: a long attribute text
        result = turns.ShowResultWindow();
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
                     QString::fromStdString(state.currentMansion[std::size_t(i)]).replace(QStringLiteral("\r\n"),
                                                                                           QStringLiteral("\n")));
        }
        QCOMPARE(Value(0)->text(), QStringLiteral("Alpharg or Phragol Mocaden"));
        QCOMPARE(Value(8)->text(), QStringLiteral("To strengthen your resources to fight battles\nTo safeguard travellers\n"
                                                  "To develop and maintain buildings\nTo improve friendship"));
        QCOMPARE(result->windowTitle(), QStringLiteral("Qamarel v1.15"));
    }

    void fieldsStandWhereTheLayoutPutsThem()
    {
        const struct {
            int i, captionLeft, captionTop, valueLeft, valueTop, width, height;
        } places[] = {{0, 120, 240, 2400, 240, 0, 0},          {5, 120, 1695, 2400, 1695, 0, 0},
                      {6, 120, 1986, 2400, 1986, 5745, 600},   {7, 120, 2685, 2400, 2685, 0, 0},
                      {8, 120, 3000, 120, 3240, 4005, 1500},   {9, 4200, 3000, 4200, 3240, 4005, 1500}};
        for (const auto& p : places) {
            QCOMPARE(Caption(p.i)->pos(), QPoint(Px(p.captionLeft), Px(p.captionTop)));
            QCOMPARE(Value(p.i)->pos(), QPoint(Px(p.valueLeft), Px(p.valueTop)));
            if (p.width) {
                // Boxes keep their size and wrap: what does not fit is cut, nothing scrolls.
                QCOMPARE(Value(p.i)->size(), QSize(Px(p.width), Px(p.height)));
                QVERIFY(Value(p.i)->wordWrap());
            } else {
                // One-line values are as wide as their text.
                QCOMPARE(Value(p.i)->width(), Value(p.i)->sizeHint().width());
                QVERIFY(Value(p.i)->width() > Value(p.i)->fontMetrics().horizontalAdvance(QStringLiteral("Al")));
            }
        }
        QCOMPARE(result->centralWidget()->size(), QSize(Px(8295), Px(6165)));
        QCOMPARE(Control<QGroupBox>(result, "Frame1")->geometry(), QRect(Px(0), Px(480), Px(8295), Px(4815)));
        QCOMPARE(Control<QPushButton>(result, "cmdSave")->geometry(), QRect(Px(7260), Px(5350), Px(975), Px(375)));
        QCOMPARE(Control<QPushButton>(result, "cmdBack")->geometry(), QRect(Px(7260), Px(5775), Px(975), Px(375)));
    }

    void greenOnBlack()
    {
        QCOMPARE(result->centralWidget()->palette().color(QPalette::Window), QColor(0, 0, 0));
        QCOMPARE(Caption(3)->palette().color(QPalette::WindowText), QColor(0, 192, 0));
        QCOMPARE(Value(3)->palette().color(QPalette::WindowText), QColor(192, 255, 192));
        const QString family = QFontInfo(Value(0)->font()).family();  // the face really drawn
        QVERIFY2(family == QLatin1String("Verdana") || family == QLatin1String("DejaVu Sans"), qPrintable(family));
    }

    // The frame's title stands in from the edge, above the first row, on an
    // edge drawn in green; the window keeps its size. (Run at 96 and 144 dpi.)
    void frameTitleAndFirstRowStandClear()
    {
        QVERIFY(QTest::qWaitForWindowExposed(result));
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

    void valuesAreNamedByTheirCaptions()
    {
        for (int i = 0; i < 10; ++i) {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(Value(i));
            QVERIFY(spoken);
            QCOMPARE(spoken->text(QAccessible::Name), Caption(i)->text());
        }
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
                  QStringLiteral("mnuSave=&Save"),
                                       QStringLiteral("mnuHelp"), QStringLiteral("mnuOnline=&Online Help"),
                                       QStringLiteral("mnuVisit=&Visit Us Online"), QStringLiteral("mnuHelp1="),
                                       QStringLiteral("mnuUpdate=Check for Software &Update"),
                                       QStringLiteral("mnuHelp2="), QStringLiteral("mnuAbout=&About Software")}));
    }

    void backMenuOpensTheMainWindow()
    {
        Control<QAction>(result, "mnuBack")->trigger();
        SettleWindows();
        QCOMPARE(OpenWindowCount("frmMain"), 1);
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 0);
    }

    // Closing by the user brings up the exit window, as the main window's close does.
    void closeBoxShowsTheExitWindow()
    {
        result->close();
        SettleWindows();
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 0);
        QCOMPARE(OpenWindowCount("frmMain"), 0);
        QCOMPARE(OpenWindowCount("frmExit"), 1);
    }
};

QTEST_MAIN(frmArabicLunarMansionResultTest)
#include "frmArabicLunarMansionResultTest.moc"
