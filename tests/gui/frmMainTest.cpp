// The main window driven as a person drives it: typing, choosing, clicking.
#include "WindowTestSupport.h"

#include "core/ReadingState.h"
#include "windows/frmMain.h"
#include "shell/WindowTurns.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QUrl>

#include <memory>

#include "ui/WebLinks.h"

class frmMainTest : public QObject {
    Q_OBJECT

    ReadingState state;
    WindowTurns turns{state};
    frmMain* main = nullptr;
    MessageRecorder* messages = nullptr;

    // The J2000 birth of the engine's worked reading: 1 January 2000, 12:00,
    // zone 0:00, 0°00' West, 51°28' North.
    void FillJ2000()
    {
        Type(main, "txtName", QStringLiteral("Ada"));
        Choose(main, "cboYear", QStringLiteral("2000"));
        Choose(main, "cboHH", QStringLiteral("12"));
        Type(main, "txtLonD", QStringLiteral("0"));
        Type(main, "txtLonM", QStringLiteral("0"));
        Control<QRadioButton>(main, "optLong_1")->click();
        Type(main, "txtLatD", QStringLiteral("51"));
        Type(main, "txtLatM", QStringLiteral("28"));
        Type(main, "txtZoneHour", QStringLiteral("0"));
        Type(main, "txtZoneMinute", QStringLiteral("0"));
    }

    QString Result(int i)
    {
        QWidget* result = OpenWindow("frmArabicLunarMansionResult");
        return result ? Control<QLabel>(result, qPrintable(QStringLiteral("lblResult_%1").arg(i)))->text() : QString();
    }

    // Answers the time-zone picker once it is up.
    template <typename Act>
    void WithPicker(Act act)
    {
        QTimer::singleShot(0, this, [act]() {
            QWidget* picker = QApplication::activeModalWidget();
            QVERIFY(picker && picker->objectName() == QLatin1String("frmTimeZone"));
            // Whatever the checks found, the picker does not stay open.
            const std::unique_ptr<QWidget, void (*)(QWidget*)> closer(picker, [](QWidget* w) { w->close(); });
            act(picker);
        });
        QLabel* link = Control<QLabel>(main, "lblTZHelp");
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, link->height() / 2));
    }

private slots:
    void init()
    {
        ForgetRecentLists();
        state = ReadingState{};
        messages = new MessageRecorder;
        main = turns.ShowMainWindow();
    }

    void cleanup()
    {
        DeleteAllWindows();
        delete messages;
    }

    void opensWithDefaults()
    {
        QCOMPARE(main->windowTitle(), QStringLiteral("Qamarel v1.15"));
        const struct {
            const char* list;
            int count;
            const char* first;
            const char* last;
        } lists[] = {{"cboMonth", 12, "January", "December"}, {"cboDate", 31, "1", "31"},
                     {"cboYear", 150, "1901", "2050"},       {"cboHH", 24, "0", "23"},
                     {"cboMM", 60, "0", "59"},               {"cboSS", 60, "0", "59"}};
        for (const auto& l : lists) {
            auto* combo = Control<QComboBox>(main, l.list);
            QCOMPARE(combo->count(), l.count);
            QCOMPARE(combo->currentText(), QString::fromLatin1(l.first));
            QCOMPARE(combo->itemText(l.count - 1), QString::fromLatin1(l.last));
            QVERIFY(!combo->isEditable());
        }
        QCOMPARE(Control<QComboBox>(main, "cboDate")->itemText(6), QStringLiteral("7"));
        for (const char* box : {"txtName", "txtMCity", "txtMState", "txtMCountry", "txtLonD", "txtLonM", "txtLatD",
                                "txtLatM", "txtZoneHour", "txtZoneMinute"})
            QVERIFY2(Control<QLineEdit>(main, box)->text().isEmpty(), box);
        QVERIFY(Control<QRadioButton>(main, "optLong_0")->isChecked());
        QVERIFY(Control<QRadioButton>(main, "optLat_0")->isChecked());
        QVERIFY(!Control<QCheckBox>(main, "chkDST")->isChecked());
        QCOMPARE(main->focusWidget(), Control<QLineEdit>(main, "txtName"));
        QCOMPARE(Control<QPushButton>(main, "cmdCalculate")->text(), QStringLiteral("&Get My Arabic Lunar Mansion"));
        QCOMPARE(Control<QPushButton>(main, "cmdOpen")->text(), QStringLiteral("&Open Previously Saved Reading"));
        QCOMPARE(Control<QPushButton>(main, "cmdBrowser")->text(),
                 QStringLiteral("Click Here To Find Latitude && Longitude"));
        Control<QRadioButton>(main, "optLong_1")->click();
        QVERIFY(!Control<QRadioButton>(main, "optLong_0")->isChecked());
        Control<QRadioButton>(main, "optLat_1")->click();
        QVERIFY(!Control<QRadioButton>(main, "optLat_0")->isChecked());
    }

    // Tab from the name box goes once round every control that takes the
    // focus and back: each reached once, the form's own controls in the
    // form's order, an option pair one stop at its chosen option.
    void tabReachesEveryControlOnceInTheFormsOrder_data()
    {
        QTest::addColumn<bool>("westAndSouth");
        QTest::newRow("East and North chosen") << false;
        QTest::newRow("West and South chosen") << true;
    }

    void tabReachesEveryControlOnceInTheFormsOrder()
    {
        QFETCH(bool, westAndSouth);
        if (westAndSouth) {
            Control<QRadioButton>(main, "optLong_1")->click();
            Control<QRadioButton>(main, "optLat_1")->click();
        }
        QWidget* start = Control<QWidget>(main, "txtName");
        start->setFocus(Qt::OtherFocusReason);
        QStringList reached{start->objectName()};
        for (int presses = 0; presses < 100; ++presses) {
            QTest::keyClick(main->focusWidget(), Qt::Key_Tab);
            if (main->focusWidget() == start)
                break;
            reached << main->focusWidget()->objectName();
        }
        QCOMPARE(main->focusWidget(), start);  // round, not stuck
        QCOMPARE(QSet<QString>(reached.begin(), reached.end()).size(), reached.size());

        for (QWidget* w : main->findChildren<QWidget*>()) {
            const auto* option = qobject_cast<QRadioButton*>(w);
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(main) && w->isEnabled() &&
                !(option && option->autoExclusive() && !option->isChecked()))
                QVERIFY2(reached.contains(w->objectName()), qPrintable(w->objectName() + QStringLiteral(" is never reached")));
        }
        const QString longitude = westAndSouth ? QStringLiteral("optLong_1") : QStringLiteral("optLong_0");
        const QString latitude = westAndSouth ? QStringLiteral("optLat_1") : QStringLiteral("optLat_0");
        const QStringList form{QStringLiteral("txtName"),     QStringLiteral("cboMonth"),     QStringLiteral("cboDate"),
                               QStringLiteral("cboYear"),     QStringLiteral("cboHH"),        QStringLiteral("cboMM"),
                               QStringLiteral("cboSS"),       QStringLiteral("txtLonD"),      QStringLiteral("txtLonM"),
                               longitude,                     QStringLiteral("txtLatD"),      QStringLiteral("txtLatM"),
                               latitude,                      QStringLiteral("txtMCity"),     QStringLiteral("txtMState"),
                               QStringLiteral("txtMCountry"), QStringLiteral("cmdBrowser"),   QStringLiteral("cmdCalculate"),
                               QStringLiteral("txtZoneHour"), QStringLiteral("txtZoneMinute"), QStringLiteral("chkDST"),
                               QStringLiteral("cmdOpen")};
        QStringList inForm;
        for (const QString& name : reached)
            if (form.contains(name))
                inForm << name;
        QCOMPARE(inForm, form);
    }

    // A screen reader names every control that takes the focus, each by a
    // name of its own; the labels beside the boxes are their buddies too.
    void everyControlHasASpokenName()
    {
        QStringList names;
        for (QWidget* control : main->findChildren<QWidget*>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(main))
                continue;
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
            QVERIFY(spoken);
            // A list is spoken by its value on this desktop, and named by its label.
            QString name = spoken->text(QAccessible::Name);
            if (qobject_cast<QComboBox*>(control)) {
                const auto labels = spoken->relations(QAccessible::Label);
                name = labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
            }
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control->objectName() + QStringLiteral(" has no spoken name")));
            QVERIFY2(!names.contains(name), qPrintable(name + QStringLiteral(" names two controls")));
            names << name;
        }
        QVERIFY(names.size() >= 22);
        QAccessibleInterface* city = QAccessible::queryAccessibleInterface(Control<QWidget>(main, "txtMCity"));
        const auto labels = city->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty());
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("City"));
    }

    // Each list is named through one label of its own, as a screen reader
    // on Linux reads it: the relation's label, not the list's value.
    void listsAreNamedByTheirLabels()
    {
        const struct {
            const char *list, *name;
        } lists[] = {{"cboMonth", "Month of birth"}, {"cboDate", "Day of birth"},     {"cboYear", "Year of birth"},
                     {"cboHH", "Hour of birth"},     {"cboMM", "Minute of birth"},    {"cboSS", "Second of birth"}};
        for (const auto& l : lists) {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(Control<QComboBox>(main, l.list));
            QVERIFY(spoken);
            const auto labels = spoken->relations(QAccessible::Label);
            QVERIFY2(labels.size() == 1, qPrintable(QStringLiteral("%1 has %2 labels").arg(l.list).arg(labels.size())));
            QCOMPARE(labels.first().second, QAccessible::Label);
            QCOMPARE(labels.first().first->text(QAccessible::Name), QString::fromLatin1(l.name));
            // The label of its own is out of sight: the form shows one label for three lists.
            QVERIFY(labels.first().first->state().invisible);
        }
        for (const char* shown : {"Date of Birth", "Time of Birth"}) {
            bool found = false;
            for (QLabel* label : main->findChildren<QLabel*>())
                found |= label->text() == QLatin1String(shown) && label->isVisibleTo(main);
            QVERIFY2(found, shown);
        }
    }

    // At the size it asks for, a list shows each of its entries whole, and is
    // no wider than Qt's own measure of them would make it.
    void listsShowEveryEntryWhole()
    {
        for (const char* name : {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"}) {
            auto* list = Control<QComboBox>(main, name);
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.rect = QRect(QPoint(), list->sizeHint());
            const int field =
                list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
            QComboBox qtOwn;
            qtOwn.setFont(list->font());
            for (int i = 0; i < list->count(); ++i) {
                QVERIFY2(list->fontMetrics().boundingRect(list->itemText(i)).width() <= field,
                         qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name), list->itemText(i))));
                qtOwn.addItem(list->itemText(i));
            }
            QVERIFY2(list->sizeHint().width() <= qtOwn.sizeHint().width() + 2, name);
        }
    }

    void numericBoxesTakeDigitsOnly_data()
    {
        QTest::addColumn<QString>("box");
        for (const char* box : {"txtLatD", "txtLatM", "txtLonD", "txtLonM", "txtZoneHour", "txtZoneMinute"})
            QTest::newRow(box) << QString::fromLatin1(box);
    }

    void numericBoxesTakeDigitsOnly()
    {
        QFETCH(QString, box);
        auto* edit = Control<QLineEdit>(main, qPrintable(box));
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("12"));
        QCOMPARE(edit->text(), QStringLiteral("12"));
        QVERIFY(messages->shown.empty());

        QTest::keyClick(edit, Qt::Key_Minus);
        QTest::keyClick(edit, Qt::Key_Period);
        QTest::keyClick(edit, Qt::Key_Space);
        QTest::keyClicks(edit, QStringLiteral("a"));
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_Eacute, QStringLiteral("\u00e9"), Qt::NoModifier);
        QCOMPARE(edit->text(), QStringLiteral("12"));
        QCOMPARE(messages->texts(), QStringList(5, QStringLiteral("Only Numbers Are Accepted")));
        for (const Messages::Message& m : messages->shown)
            QCOMPARE(m.icon, Messages::Icon::Error);
        messages->shown.clear();

        // Keys that edit are no typed characters: Backspace, Delete (text U+007F
        // on X11), and the editing shortcuts.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("1"));
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("12"));
        edit->setCursorPosition(0);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QStringLiteral("2"));
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
        QCOMPARE(edit->text(), QString());
        QVERIFY(messages->shown.empty());

        // Digits of other scripts are the same numbers: Arabic-Indic three, Persian four.
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QStringLiteral("\u0663"), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QStringLiteral("\u06F4"), Qt::NoModifier);
        QCOMPARE(edit->text(), QStringLiteral("34"));
        QVERIFY(messages->shown.empty());
    }

    void enterInTheFormCalculates()
    {
        FillJ2000();
        Control<QLineEdit>(main, "txtLatM")->setFocus();
        QTest::keyClick(Control<QLineEdit>(main, "txtLatM"), Qt::Key_Return);
        SettleWindows();
        QVERIFY(messages->shown.empty());
        QCOMPARE(Result(0), QStringLiteral("Azubene or Ahubene"));
    }

    void enterOnAnotherButtonPressesIt()
    {
        auto* browser = Control<QPushButton>(main, "cmdBrowser");
        browser->setFocus();
        QTest::keyClick(browser, Qt::Key_Enter);
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Please Enter City")});
    }

    void numberTooLargeIsSaidSo()
    {
        FillJ2000();
        Control<QLineEdit>(main, "txtLatD")->setText(QStringLiteral("40000"));
        QTest::mouseClick(Control<QPushButton>(main, "cmdCalculate"), Qt::LeftButton);
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Please Enter A Number From 0 To 32767 For Degree of Latitude")});
        QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("txtLatD"));
    }

    // Each link is one Tab stop with a visible focus, and Enter or Space opens it.
    void linksAreOneTabStopEach()
    {
        QList<QUrl> opened;
        WebLinks::SetOpener([&](const QUrl& url) { opened << url; });
        QWidget* link = Control<QLabel>(main, "lblTZHelp")->nextInFocusChain();
        for (int step = 0; step < 200 && (!(link->focusPolicy() & Qt::TabFocus) || !link->isVisible()); ++step)
            link = link->nextInFocusChain();
        QCOMPARE(link->objectName(), QStringLiteral("Label11"));
        QVERIFY(QTest::qWaitForWindowActive(main));
        link->setFocus(Qt::TabFocusReason);
        QTest::keyClick(link, Qt::Key_Space);
        QTest::keyClick(link, Qt::Key_Return);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0].toString(), WebLinks::HomePage());
        // The focus frame is drawn: the label looks different with the focus.
        const QImage focused = link->grab().toImage();
        Control<QLineEdit>(main, "txtName")->setFocus();
        QVERIFY(link->grab().toImage() != focused);
        WebLinks::SetOpener({});
    }

    void zoneBoxesHaveTheirLengths()
    {
        Type(main, "txtZoneHour", QStringLiteral("1234"));
        Type(main, "txtZoneMinute", QStringLiteral("123"));
        Type(main, "txtLonD", QStringLiteral("12345"));
        QCOMPARE(Control<QLineEdit>(main, "txtZoneHour")->text(), QStringLiteral("123"));
        QCOMPARE(Control<QLineEdit>(main, "txtZoneMinute")->text(), QStringLiteral("12"));
        QCOMPARE(Control<QLineEdit>(main, "txtLonD")->text(), QStringLiteral("12345"));
    }

    void validationTellsTheFirstProblem_data()
    {
        QTest::addColumn<QString>("clear");  // box emptied after filling the J2000 birth
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("focus");
        const int error = int(Messages::Icon::Error), info = int(Messages::Icon::Information);
        QTest::newRow("name") << "txtName" << "January" << "1" << "Please Enter Name" << error << "txtName";
        QTest::newRow("zone minute") << "txtZoneMinute" << "January" << "1"
                                     << "Please Enter Hour and Minute of Time Zone" << error << "txtZoneHour";
        QTest::newRow("longitude degrees") << "txtLonD" << "January" << "1" << "Please Enter Degree of Longitude"
                                           << error << "txtLonD";
        QTest::newRow("longitude minutes") << "txtLonM" << "January" << "1" << "Please Enter Minute of Longitude"
                                           << error << "txtLonM";
        QTest::newRow("latitude degrees") << "txtLatD" << "January" << "1" << "Please Enter Degree of Latitude"
                                          << error << "txtLatD";
        QTest::newRow("latitude minutes") << "txtLatM" << "January" << "1" << "Please Enter Minute of Latitude"
                                          << error << "txtLatM";
        QTest::newRow("30 February") << "" << "February" << "30" << "Please Enter Correct Date Or Month!" << info << "";
        QTest::newRow("31 April") << "" << "April" << "31" << "Please Enter Correct Date Or Month !" << info << "";
    }

    void validationTellsTheFirstProblem()
    {
        QFETCH(QString, clear);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(QString, focus);
        FillJ2000();
        if (!clear.isEmpty())
            Control<QLineEdit>(main, qPrintable(clear))->setText(QStringLiteral("  "));
        Choose(main, "cboMonth", month);
        Choose(main, "cboDate", day);
        Control<QComboBox>(main, "cboSS")->setFocus();
        const ChartRecord before = state.chart;

        Control<QAction>(main, "mnuCalculate")->trigger();
        QCOMPARE(messages->texts(), QStringList{message});
        QCOMPARE(int(messages->shown[0].icon), icon);
        QCOMPARE(main->focusWidget()->objectName(), focus.isEmpty() ? QStringLiteral("cboSS") : focus);
        QCOMPARE(state.chart.BirthYear, before.BirthYear);
        QVERIFY(OpenWindow("frmMain"));
        QVERIFY(!OpenWindow("frmArabicLunarMansionResult"));

        // The button does the very same.
        messages->shown.clear();
        QTest::mouseClick(Control<QPushButton>(main, "cmdCalculate"), Qt::LeftButton);
        QCOMPARE(messages->texts(), QStringList{message});
    }

    void emptyFormTellsOnlyTheName()
    {
        QTest::mouseClick(Control<QPushButton>(main, "cmdCalculate"), Qt::LeftButton);
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Please Enter Name")});
    }

    void readingOfTheWorkedBirths_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("mansion");
        QTest::addColumn<QString>("position");
        QTest::newRow("2000-01-01 12:00") << "2000" << "January" << "1" << "12" << "Azubene or Ahubene"
                                          << QStringLiteral("19° 27' 45\" Lib");
        QTest::newRow("1992-04-12 0:00") << "1992" << "April" << "12" << "0" << "Archaam or Arcaph"
                                         << QStringLiteral("19° 24' 14\" Can");
    }

    void readingOfTheWorkedBirths()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, hour);
        QFETCH(QString, mansion);
        QFETCH(QString, position);
        FillJ2000();
        Choose(main, "cboYear", year);
        Choose(main, "cboMonth", month);
        Choose(main, "cboDate", day);
        Choose(main, "cboHH", hour);
        Choose(main, "cboSS", QStringLiteral("59"));  // seconds take no part
        QTest::mouseClick(Control<QPushButton>(main, "cmdCalculate"), Qt::LeftButton);
        SettleWindows();

        QVERIFY(messages->shown.empty());
        QCOMPARE(QString::fromStdString(state.chart.MoonPositionText), position);
        QCOMPARE(Result(0), mansion);
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 1);
        QCOMPARE(OpenWindowCount("frmMain"), 0);
    }

    void driverStoresTheForm()
    {
        FillJ2000();
        Control<QLineEdit>(main, "txtZoneHour")->setText(QStringLiteral("-5"));  // as the picker writes it
        Control<QLineEdit>(main, "txtZoneMinute")->setText(QStringLiteral("-30"));
        Control<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("27.5"));  // a paste: rounded half to even
        Control<QCheckBox>(main, "chkDST")->click();
        Control<QRadioButton>(main, "optLat_1")->click();
        Choose(main, "cboMM", QStringLiteral("45"));
        QTest::mouseClick(Control<QPushButton>(main, "cmdCalculate"), Qt::LeftButton);
        const ChartRecord& c = state.chart;
        QCOMPARE(int(c.BirthMonth), 1);
        QCOMPARE(int(c.BirthDay), 1);
        QCOMPARE(int(c.BirthYear), 2000);
        QCOMPARE(int(c.BirthHour), 12);
        QCOMPARE(int(c.BirthMinute), 45);
        QCOMPARE(int(c.ZoneHours), 5);
        QCOMPARE(int(c.ZoneMinutes), 30);
        QCOMPARE(int(c.LatitudeMinutes), 28);
        QCOMPARE(int(c.IsDaylightSaving), -1);
        QCOMPARE(int(c.IsEast), 0);
        QCOMPARE(int(c.IsNorth), 0);
    }

    void pastedTextThatIsNoNumberIsRefused()
    {
        FillJ2000();
        Control<QLineEdit>(main, "txtLonD")->setText(QStringLiteral("abc"));
        QTest::mouseClick(Control<QPushButton>(main, "cmdCalculate"), Qt::LeftButton);
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Please Enter A Number For Degree of Longitude")});
        QCOMPARE(messages->shown[0].icon, Messages::Icon::Error);
        QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("txtLonD"));
        QVERIFY(!OpenWindow("frmArabicLunarMansionResult"));
        QVERIFY(state.chart.MoonPositionText.empty());
    }

    void backOpensAFreshForm()
    {
        FillJ2000();
        QTest::mouseClick(Control<QPushButton>(main, "cmdCalculate"), Qt::LeftButton);
        SettleWindows();
        QWidget* first = OpenWindow("frmArabicLunarMansionResult");
        const QString firstFocus = first->focusWidget() ? first->focusWidget()->objectName() : QString();
        Control<QAction>(first, "mnuWheel")->trigger();
        QCOMPARE(OpenWindowCount("frmMansionWheel"), 1);
        QTest::mouseClick(Control<QPushButton>(first, "cmdBack"), Qt::LeftButton);
        SettleWindows();
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 0);
        QCOMPARE(OpenWindowCount("frmMansionWheel"), 0);  // the wheel went with its reading
        QCOMPARE(OpenWindowCount("frmMain"), 1);
        main = static_cast<frmMain*>(OpenWindow("frmMain"));
        QVERIFY(Control<QLineEdit>(main, "txtName")->text().isEmpty());
        QCOMPARE(Control<QComboBox>(main, "cboYear")->currentText(), QStringLiteral("1901"));

        // A new reading shows the new mansion in all ten fields.
        FillJ2000();
        Choose(main, "cboYear", QStringLiteral("1992"));
        Choose(main, "cboMonth", QStringLiteral("April"));
        Choose(main, "cboDate", QStringLiteral("12"));
        Choose(main, "cboHH", QStringLiteral("0"));
        Control<QAction>(main, "mnuCalculate")->trigger();
        SettleWindows();
        QCOMPARE(Result(0), QStringLiteral("Archaam or Arcaph"));
        QCOMPARE(Result(1), QStringLiteral("Al Tarf"));
        QCOMPARE(Result(9), QStringLiteral("Discords\nProblems in traveling\nProblems in agriculture"));
        QWidget* second = OpenWindow("frmArabicLunarMansionResult");
        QCOMPARE(Control<QLabel>(second, "lblReadingLine")->text(),
                 QStringLiteral("Moon at 19\u00b0 24\u2032 14\u2033 Cancer \u2014 mansion 9 of 28 \u2014 in it from 13:00 UTC+0 on 11 "
                                "April to 10:36 UTC+0 on 12 April"));
        QCOMPARE(second->focusWidget() ? second->focusWidget()->objectName() : QString(), firstFocus);  // not Back's

        // The user's close of the result window still ends in the exit window.
        second->close();
        SettleWindows();
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 0);
        QCOMPARE(OpenWindowCount("frmExit"), 1);
    }

    void closingByTheUserShowsTheExitWindow()
    {
        main->close();
        SettleWindows();
        QCOMPARE(OpenWindowCount("frmMain"), 0);
        QCOMPARE(OpenWindowCount("frmExit"), 1);
        OpenWindow("frmExit")->close();  // and closing that ends the program
        SettleWindows();
        QCOMPARE(OpenWindowCount("frmExit"), 0);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void pickerWritesTheChosenZone_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::newRow("EST") << 27 << "5" << "0";
        QTest::newRow("IST +5.3") << 34 << "-5" << "-30";
        QTest::newRow("Iran +3.5") << 37 << "-3" << "-30";
        QTest::newRow("Newfoundland NST") << 50 << "3" << "30";
        QTest::newRow("North Sumatra NST") << 52 << "-6" << "-30";
        QTest::newRow("NZST") << 46 << "-13" << "0";
        QTest::newRow("UT") << 61 << "0" << "0";
    }

    void pickerWritesTheChosenZone()
    {
        QFETCH(int, row);
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        Type(main, "txtZoneMinute", QStringLiteral("45"));
        Control<QCheckBox>(main, "chkDST")->click();
        WithPicker([row](QWidget* picker) {
            auto* list = Control<QListWidget>(picker, "lstTimeZone");
            QCOMPARE(list->count(), 71);
            QCOMPARE(list->currentRow(), -1);
            list->scrollToItem(list->item(row));
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        });
        QCOMPARE(Control<QLineEdit>(main, "txtZoneHour")->text(), hours);
        QCOMPARE(Control<QLineEdit>(main, "txtZoneMinute")->text(), minutes);
        QVERIFY(Control<QCheckBox>(main, "chkDST")->isChecked());  // left as the user set it
        QVERIFY(!QApplication::activeModalWidget());
    }

    // By keyboard: nothing selected or current at first; Enter then keeps the
    // picker open; the first Down selects the first zone; Enter chooses it.
    void pickerByKeyboard()
    {
        Type(main, "txtZoneHour", QStringLiteral("7"));
        WithPicker([](QWidget* picker) {
            auto* list = Control<QListWidget>(picker, "lstTimeZone");
            QVERIFY(QTest::qWaitForWindowActive(picker));
            QCOMPARE(QApplication::focusWidget(), list);
            QVERIFY(!list->currentIndex().isValid());
            QVERIFY(list->selectedItems().isEmpty());
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(QApplication::activeModalWidget(), picker);
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentRow(), 0);
            QVERIFY(list->item(0)->isSelected());
            QTest::keyClick(list, Qt::Key_Return);
        });
        QCOMPARE(Control<QLineEdit>(main, "txtZoneHour")->text(), QStringLiteral("9"));  // Alaska/Hawaii Daylight Time
        QCOMPARE(Control<QLineEdit>(main, "txtZoneMinute")->text(), QStringLiteral("0"));
        QVERIFY(!QApplication::activeModalWidget());

        WithPicker([](QWidget* picker) {
            auto* list = Control<QListWidget>(picker, "lstTimeZone");
            QTest::keyClick(list, Qt::Key_End);
            QTest::keyClick(list, Qt::Key_Home);
            QCOMPARE(list->currentRow(), 0);
            QTest::keyClick(list, Qt::Key_Escape);
        });
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A zone's sign gives its direction: the picker's "Central European Time"
    // ("-1", "0") with Madrid's West longitude is ahead of universal time, as
    // Madrid's clocks are: the same reading as the same universal time typed
    // with zone 0 (1 July 1975, 12:00 CEST = 10:00 UT).
    void signedZoneKeepsItsDirection()
    {
        auto reading = [this](const QString& hour, const QString& zoneHours, bool dst) {
            DeleteAllWindows();
            main = turns.ShowMainWindow();
            Type(main, "txtName", QStringLiteral("Ana"));
            Choose(main, "cboYear", QStringLiteral("1975"));
            Choose(main, "cboMonth", QStringLiteral("July"));
            Choose(main, "cboHH", hour);
            Type(main, "txtLonD", QStringLiteral("3"));
            Type(main, "txtLonM", QStringLiteral("42"));
            Control<QRadioButton>(main, "optLong_1")->click();
            Type(main, "txtLatD", QStringLiteral("40"));
            Type(main, "txtLatM", QStringLiteral("25"));
            Control<QLineEdit>(main, "txtZoneHour")->setText(zoneHours);
            Control<QLineEdit>(main, "txtZoneMinute")->setText(QStringLiteral("0"));
            if (dst)
                Control<QCheckBox>(main, "chkDST")->click();
            QTest::mouseClick(Control<QPushButton>(main, "cmdCalculate"), Qt::LeftButton);
            return state.chart.MoonPositionText;
        };
        const std::string byHand = reading(QStringLiteral("10"), QStringLiteral("0"), false);
        QVERIFY(!byHand.empty());
        QCOMPARE(reading(QStringLiteral("12"), QStringLiteral("-1"), true), byHand);
        QVERIFY(reading(QStringLiteral("12"), QStringLiteral("1"), true) != byHand);  // unsigned: the hemisphere's rule
        QVERIFY(messages->shown.empty());
    }

    void zoneSignsThatDisagreeAreRefused()
    {
        FillJ2000();
        Control<QLineEdit>(main, "txtZoneHour")->setText(QStringLiteral("-5"));
        Control<QLineEdit>(main, "txtZoneMinute")->setText(QStringLiteral("+30"));
        Control<QLineEdit>(main, "txtName")->setFocus();
        QTest::mouseClick(Control<QPushButton>(main, "cmdCalculate"), Qt::LeftButton);
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Please Enter Hour and Minute of Time Zone With The Same Sign")});
        QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("txtZoneHour"));
        QVERIFY(!OpenWindow("frmArabicLunarMansionResult"));
    }

    // A zone by its name, for coordinates the list does not hold: typed in
    // the picker, its offset at the birth in the boxes, followed as the date
    // changes and kept when the longitude is typed; Chatham is ahead of
    // universal time although West, so the boxes carry the sign.
    void pickerZoneByItsName()
    {
        Choose(main, "cboYear", QStringLiteral("2000"));
        Choose(main, "cboMonth", QStringLiteral("March"));
        Choose(main, "cboDate", QStringLiteral("20"));
        Choose(main, "cboHH", QStringLiteral("12"));
        Control<QRadioButton>(main, "optLong_1")->click();
        WithPicker([](QWidget* picker) {
            auto* box = Control<QLineEdit>(picker, "txtZoneName");
            auto* names = Control<QListWidget>(picker, "lstZoneName");
            QTest::keyClicks(box, QStringLiteral("pacific chat"));
            int shown = 0;
            for (int i = 0; i < names->count(); ++i)
                shown += !names->item(i)->isHidden();
            QCOMPARE(shown, 1);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(Control<QLineEdit>(main, "txtZoneHour")->text(), QStringLiteral("-12"));
        QCOMPARE(Control<QLineEdit>(main, "txtZoneMinute")->text(), QStringLiteral("-45"));
        QVERIFY(!Control<QCheckBox>(main, "chkDST")->isChecked());
        QCOMPARE(Control<QLabel>(main, "lblPlaceZone")->text(),
                 QStringLiteral("Pacific/Chatham: UTC+12:45 on 20 March 2000 at 12:00"));
        Type(main, "txtLonD", QStringLiteral("176"));
        Choose(main, "cboDate", QStringLiteral("18"));  // summer time until the 19th
        QCOMPARE(Control<QLineEdit>(main, "txtZoneHour")->text(), QStringLiteral("-12"));
        QCOMPARE(Control<QLineEdit>(main, "txtZoneMinute")->text(), QStringLiteral("-45"));
        QVERIFY(Control<QCheckBox>(main, "chkDST")->isChecked());
        // Down from the box into the list, Enter there; an unknown name chooses nothing.
        WithPicker([](QWidget* picker) {
            QVERIFY(QTest::qWaitForWindowActive(picker));
            auto* box = Control<QLineEdit>(picker, "txtZoneName");
            QTest::keyClicks(box, QStringLiteral("Mars Olympus"));
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(QApplication::activeModalWidget(), picker);
            box->clear();
            QTest::keyClicks(box, QStringLiteral("kathmandu"));
            QTest::keyClick(box, Qt::Key_Down);
            auto* names = Control<QListWidget>(picker, "lstZoneName");
            QCOMPARE(QApplication::focusWidget(), names);
            QTest::keyClick(names, Qt::Key_Return);
        });
        QCOMPARE(Control<QLineEdit>(main, "txtZoneHour")->text(), QStringLiteral("-5"));  // ahead, with a West longitude
        QCOMPARE(Control<QLineEdit>(main, "txtZoneMinute")->text(), QStringLiteral("-45"));
    }

    // A link no browser answers says so; Ctrl+Q closes the form as its close
    // box does (the exit window follows).
    void linksSayWhenNoBrowserAnswersAndCtrlQCloses()
    {
        WebLinks::SetAnsweringOpener([](const QUrl&) { return false; });
        for (const char* link : {"Label11", "lblCobrand"}) {
            auto* label = Control<QLabel>(main, link);
            emit label->linkActivated(QString());
        }
        WebLinks::SetOpener({});
        QCOMPARE(messages->texts(),
                 (QStringList{QStringLiteral("The page https://www.qamarel.example/ could not be opened: no web browser answered."),
                              QStringLiteral("The page %1 could not be opened: no web browser answered.")
                                  .arg(WebLinks::PromotionPage(1))}));
        QCOMPARE(Control<QAction>(main, "mnuQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QSignalSpy closed(main, &frmMain::closedByUser);
        Control<QAction>(main, "mnuQuit")->trigger();
        QCOMPARE(closed.count(), 1);
    }

    void pickerQuitWritesNothing()
    {
        Type(main, "txtZoneHour", QStringLiteral("7"));
        WithPicker([](QWidget* picker) { Control<QPushButton>(picker, "cmdQuit")->click(); });
        WithPicker([](QWidget* picker) {
            auto* list = Control<QListWidget>(picker, "lstTimeZone");
            // Below the last entry: no row chosen.
            list->scrollToBottom();
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 2));
        });
        QCOMPARE(Control<QLineEdit>(main, "txtZoneHour")->text(), QStringLiteral("7"));
        QVERIFY(Control<QLineEdit>(main, "txtZoneMinute")->text().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(frmMainTest)
#include "frmMainTest.moc"
