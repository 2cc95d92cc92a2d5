// The place finder driven from the form: typing a place, choosing it by
// keyboard, and the reading it gives against the same universal time typed
// by hand.
#include "WindowTestSupport.h"

#include "core/ReadingState.h"
#include "windows/frmMain.h"
#include "shell/WindowTurns.h"
#include "ui/WebLinks.h"
#include "places/PlaceSearch.h"
#include "windows/frmPlaceFinder.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

class PlaceFinderTest : public QObject {
    Q_OBJECT

    ReadingState state;
    WindowTurns turns{state};
    MessageRecorder* messages = nullptr;
    QList<QUrl> opened;

    frmMain* FreshForm(const QDateTime& birth)
    {
        DeleteAllWindows();
        frmMain* main = turns.ShowMainWindow();
        Type(main, "txtName", QStringLiteral("Ana"));
        Choose(main, "cboYear", QString::number(birth.date().year()));
        Choose(main, "cboMonth", QLocale(QLocale::English).monthName(birth.date().month()));
        Choose(main, "cboDate", QString::number(birth.date().day()));
        Choose(main, "cboHH", QString::number(birth.time().hour()));
        Choose(main, "cboMM", QString::number(birth.time().minute()));
        return main;
    }

    // Types the place, opens the finder and acts on it once it is up.
    template <typename Act>
    void Find(frmMain* main, const QString& city, const QString& place, const QString& country, Act act)
    {
        Control<QLineEdit>(main, "txtMCity")->setText(city);
        Control<QLineEdit>(main, "txtMState")->setText(place);
        Control<QLineEdit>(main, "txtMCountry")->setText(country);
        QTimer::singleShot(0, this, [act] {
            QWidget* finder = QApplication::activeModalWidget();
            QVERIFY(finder && finder->objectName() == QLatin1String("frmPlaceFinder"));
            const std::unique_ptr<QWidget, void (*)(QWidget*)> closer(finder, [](QWidget* w) { w->close(); });
            act(finder, Control<QTableWidget>(finder, "lstPlaces"));
        });
        Control<QPushButton>(main, "cmdBrowser")->click();
    }

    // The same by keyboard: the place typed into City alone, the button pressed with Space.
    template <typename Act>
    void FindByKeyboard(frmMain* main, const QString& typed, Act act)
    {
        Type(main, "txtMCity", typed);
        QTimer::singleShot(0, this, [act] {
            QWidget* finder = QApplication::activeModalWidget();
            QVERIFY(finder && finder->objectName() == QLatin1String("frmPlaceFinder"));
            const std::unique_ptr<QWidget, void (*)(QWidget*)> closer(finder, [](QWidget* w) { w->close(); });
            act(finder, Control<QTableWidget>(finder, "lstPlaces"));
        });
        QTest::keyClick(Control<QPushButton>(main, "cmdBrowser"), Qt::Key_Space);
    }

    QString Box(frmMain* main, const char* name) { return Control<QLineEdit>(main, name)->text(); }

    QString PlaceZone(frmMain* main) { return Control<QLabel>(main, "lblPlaceZone")->text(); }

    std::string Calculate(frmMain* main)
    {
        QTest::mouseClick(Control<QPushButton>(main, "cmdCalculate"), Qt::LeftButton);
        return state.chart.MoonPositionText;
    }

private slots:
    void init()
    {
        ForgetRecentLists();
        messages = new MessageRecorder;
        opened.clear();
        WebLinks::SetOpener([this](const QUrl& url) { opened << url; });
    }

    void cleanup()
    {
        DeleteAllWindows();
        WebLinks::SetOpener({});
        delete messages;
    }

    void choosingAPlaceGivesTheRightInstant_data()
    {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("place");  // the typed state
        QTest::addColumn<QString>("country");
        QTest::addColumn<QDateTime>("birth");  // local date and time
        QTest::addColumn<QString>("zone");     // the boxes and DST as the finder fills them
        QTest::addColumn<int>("offsetMinutes");
        QTest::addColumn<QString>("used");
        auto at = [](int y, int m, int d, int h, int min) { return QDateTime(QDate(y, m, d), QTime(h, min)); };
        QTest::newRow("London 1969") << "London" << "England" << "UK" << at(1969, 1, 15, 12, 0) << "-1 0" << 60 << "London, England: UTC+1 on 15 January 1969 at 12:00 (BST)";
        QTest::newRow("Berlin 1945") << "Berlin" << "Berlin" << "Germany" << at(1945, 6, 1, 12, 0) << "3 0" << 180
                                     << "Berlin, Germany: UTC+3 on 1 June 1945 at 12:00 (CEMT, summer time of 2:00: the zone boxes hold all of UTC+3, DST unticked)";
        QTest::newRow("Kolkata 1943") << "Kolkata" << "West Bengal" << "India" << at(1943, 6, 1, 12, 0) << "5 30 DST" << 390 << "UTC+6:30";
        QTest::newRow("Kathmandu 1990") << "Kathmandu" << "Bagmati" << "Nepal" << at(1990, 1, 1, 12, 0) << "5 45" << 345 << "UTC+5:45";
        QTest::newRow("Madrid 1975") << "Madrid" << "Madrid" << "Spain" << at(1975, 7, 1, 12, 0) << "-1 0 DST" << 120
                                     << "Madrid, Spain: UTC+2 on 1 July 1975 at 12:00 (Central European Summer Time)";
        QTest::newRow("New York 1950") << "New York" << "New York" << "USA" << at(1950, 7, 1, 12, 0) << "5 0 DST" << -240 << "UTC\u22124 on 1 July 1950";
        QTest::newRow("Beirut 1987") << "Beirut" << "Beirut" << "Lebanon" << at(1987, 3, 21, 12, 0) << "2 0" << 120 << "UTC+2 on 21 March 1987";
        QTest::newRow("Paris 1986, no such time") << "Paris" << "Ile" << "France" << at(1986, 3, 30, 2, 30) << "1 0" << 60
                                                  << "That time did not exist there";
        QTest::newRow("New York 2008, twice") << "New York" << "NY" << "United States" << at(2008, 11, 2, 1, 30) << "5 0 DST"
                                              << -240 << "That time happened twice there";
        QTest::newRow("Chatham, Ontario") << "Chatham" << "Ontario" << "Canada" << at(2000, 1, 1, 12, 0) << "5 0" << -300 << "Chatham, Ontario: UTC\u22125";
        QTest::newRow("Chatham, England") << "Chatham" << "Kent" << "United Kingdom" << at(2000, 1, 1, 12, 0) << "0 0" << 0 << "Chatham, England: UTC+0";
    }

    void choosingAPlaceGivesTheRightInstant()
    {
        QFETCH(QString, city);
        QFETCH(QString, place);
        QFETCH(QString, country);
        QFETCH(QDateTime, birth);
        QFETCH(QString, zone);
        QFETCH(int, offsetMinutes);
        QFETCH(QString, used);
        frmMain* main = FreshForm(birth);
        // By keyboard: the best match is selected, Enter chooses it.
        Find(main, city, place, country, [](QWidget*, QTableWidget* list) {
            QCOMPARE(list->currentRow(), 0);
            QTest::keyClick(list, Qt::Key_Return);
        });
        QVERIFY(!QApplication::activeModalWidget());
        const QString filled = Box(main, "txtZoneHour") + QLatin1Char(' ') + Box(main, "txtZoneMinute") +
                               (Control<QCheckBox>(main, "chkDST")->isChecked() ? QStringLiteral(" DST") : QString());
        QCOMPARE(filled, zone);
        QVERIFY2(Control<QLabel>(main, "lblPlaceZone")->text().contains(used),
                 qPrintable(Control<QLabel>(main, "lblPlaceZone")->text()));
        const QString lonD = Box(main, "txtLonD"), lonM = Box(main, "txtLonM");
        const bool west = Control<QRadioButton>(main, "optLong_1")->isChecked();
        const std::string found = Calculate(main);
        QVERIFY(messages->shown.empty());

        // By hand: the same universal time, zone 0, the same longitude.
        frmMain* byHand = FreshForm(QDateTime(birth.date(), birth.time(), Qt::UTC).addSecs(-offsetMinutes * 60));
        Type(byHand, "txtLonD", lonD);
        Type(byHand, "txtLonM", lonM);
        if (west)
            Control<QRadioButton>(byHand, "optLong_1")->click();
        for (const char* box : {"txtLatD", "txtLatM", "txtZoneHour", "txtZoneMinute"})
            Type(byHand, box, QStringLiteral("0"));
        QCOMPARE(Calculate(byHand), found);
    }

    // The zone follows the birth date until the user sets it.
    void zoneFollowsTheDateUntilSetByHand()
    {
        frmMain* main = FreshForm(QDateTime(QDate(1975, 7, 1), QTime(12, 0)));
        Find(main, QStringLiteral("Madrid"), QStringLiteral("Madrid"), QStringLiteral("Spain"),
             [](QWidget*, QTableWidget* list) { QTest::keyClick(list, Qt::Key_Return); });
        QCOMPARE(Box(main, "txtZoneHour"), QStringLiteral("-1"));
        QVERIFY(Control<QCheckBox>(main, "chkDST")->isChecked());
        Choose(main, "cboMonth", QStringLiteral("January"));
        QCOMPARE(Box(main, "txtZoneHour"), QStringLiteral("-1"));
        QVERIFY(!Control<QCheckBox>(main, "chkDST")->isChecked());  // no summer time from another date
        QVERIFY(Control<QLabel>(main, "lblPlaceZone")->text().contains(QStringLiteral("1 January 1975")));

        Type(main, "txtZoneHour", QStringLiteral("2"));  // typed: the zone is the user's now
        Choose(main, "cboMonth", QStringLiteral("July"));
        QCOMPARE(Box(main, "txtZoneHour"), QStringLiteral("-12"));
        QVERIFY(!Control<QCheckBox>(main, "chkDST")->isChecked());
        QVERIFY(Control<QLabel>(main, "lblPlaceZone")->isHidden());
    }

    // What people type into City alone, chosen by keyboard: the form shows
    // which place it is, the focus waits on the reading's button.
    void typedPlacesByKeyboard_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("firstRow");  // the list's first row as shown
        QTest::addColumn<QStringList>("place");  // City, State and Country after choosing
        QTest::addColumn<QString>("words");      // the zone's sentence
        QTest::newRow("state code") << "Springfield, IL" << "Springfield"
                                    << QStringList{"Springfield", "Illinois", "United States of America"}
                                    << "Springfield, Illinois: UTC\u22125 on 1 June 1969 at 12:00 (Central Daylight Time)";
        QTest::newRow("postal code") << "Paris, TX" << "Paris" << QStringList{"Paris", "Texas", "United States of America"}
                                     << "Paris, Texas: UTC\u22125 on 1 June 1969 at 12:00 (Central Daylight Time)";
        QTest::newRow("former name") << "Bombay" << "Mumbai (Bombay)" << QStringList{"Mumbai", "Maharashtra", "India"}
                                     << "Mumbai, India: UTC+5:30 on 1 June 1969 at 12:00 (India Standard Time)";
        QTest::newRow("city, country") << "Washington, DC, USA" << "Washington D.C."
                                       << QStringList{"Washington D.C.", "District of Columbia", "United States of America"}
                                       << "Washington D.C., District of Columbia: UTC\u22124 on 1 June 1969 at 12:00 (Eastern Daylight Time)";
    }

    void typedPlacesByKeyboard()
    {
        QFETCH(QString, typed);
        QFETCH(QString, firstRow);
        QFETCH(QStringList, place);
        QFETCH(QString, words);
        frmMain* main = FreshForm(QDateTime(QDate(1969, 6, 1), QTime(12, 0)));
        FindByKeyboard(main, typed, [firstRow](QWidget*, QTableWidget* list) {
            QCOMPARE(list->item(0, 0)->text(), firstRow);
            QTest::keyClick(list, Qt::Key_Return);
        });
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE((QStringList{Box(main, "txtMCity"), Box(main, "txtMState"), Box(main, "txtMCountry")}), place);
        QCOMPARE(PlaceZone(main), words);
        QCOMPARE(main->focusWidget(), Control<QPushButton>(main, "cmdCalculate"));
        QVERIFY(messages->shown.empty());
    }

    // The places chosen before come first, in the finder and in City's own
    // list, while the typed city begins their names, and all of them with
    // City empty; the last chosen first.
    void placesChosenBeforeComeFirst()
    {
        for (const char* place : {"Paris, TX", "Springfield, MA"}) {
            frmMain* main = FreshForm(QDateTime(QDate(1969, 6, 1), QTime(12, 0)));
            FindByKeyboard(main, QString::fromLatin1(place), [](QWidget*, QTableWidget* list) { QTest::keyClick(list, Qt::Key_Return); });
        }
        frmMain* main = FreshForm(QDateTime(QDate(1969, 6, 1), QTime(12, 0)));
        FindByKeyboard(main, QStringLiteral("Paris"), [](QWidget* finder, QTableWidget* list) {
            QCOMPARE((QStringList{list->item(0, 0)->text(), list->item(0, 1)->text()}), (QStringList{"Paris", "Texas"}));
            QCOMPARE((QStringList{list->item(1, 0)->text(), list->item(1, 2)->text()}), (QStringList{"Paris", "France"}));
            auto* box = Control<QLineEdit>(finder, "txtPlace");
            box->clear();
            QTest::keyClicks(box, QStringLiteral("Springfield"));
            QCOMPARE(list->item(0, 1)->text(), QStringLiteral("Massachusetts"));  // not Illinois, the capital
            QCOMPARE(list->item(1, 1)->text(), QStringLiteral("Illinois"));
            QTest::keyClick(finder, Qt::Key_Escape);
        });
        // City empty: the finder lists the places chosen before, with no message.
        Control<QLineEdit>(main, "txtMCity")->clear();
        FindByKeyboard(main, QString(), [](QWidget* finder, QTableWidget* list) {
            QCOMPARE(list->rowCount(), 2);
            QCOMPARE((QStringList{list->item(0, 1)->text(), list->item(1, 1)->text()}), (QStringList{"Massachusetts", "Texas"}));
            QVERIFY(Control<QLabel>(finder, "lblMessage")->isHidden());
            QTest::keyClick(finder, Qt::Key_Escape);
        });
        QVERIFY(messages->shown.empty());
    }

    // The list follows each keystroke in the finder's box: letters typed in
    // the list go on in the box, Backspace rubs out, Down from the box moves
    // into the list, Enter chooses. Each row: what is rubbed out of the first
    // search and typed instead, the first row after the whole of it (and its
    // state), and the place then chosen by keyboard.
    void listFollowsEachKeystroke_data()
    {
        QTest::addColumn<QString>("opened");   // typed into City before the finder opens
        QTest::addColumn<int>("rubbedOut");    // Backspaces, typed in the list
        QTest::addColumn<QString>("typed");    // then typed, letter by letter
        QTest::addColumn<QStringList>("firstRow");  // place and state of the first row
        QTest::addColumn<QString>("chosen");   // City after Down, Up and Enter: the first row
        QTest::newRow("another city") << "Springfield" << 11 << "Paris, TX" << QStringList{"Paris", "Texas"} << "Paris";
        QTest::newRow("a state added") << "London" << 0 << ", ON" << QStringList{"London", "Ontario"} << "London";
        QTest::newRow("a misspelling mended") << "Lodnon" << 4 << "ndon" << QStringList{"London", "England"} << "London";
        QTest::newRow("another name") << "Paris" << 5 << "Bombay" << QStringList{"Mumbai (Bombay)", "Maharashtra"} << "Mumbai";
    }

    void listFollowsEachKeystroke()
    {
        QFETCH(QString, opened);
        QFETCH(int, rubbedOut);
        QFETCH(QString, typed);
        QFETCH(QStringList, firstRow);
        QFETCH(QString, chosen);
        frmMain* main = FreshForm(QDateTime(QDate(1969, 6, 1), QTime(12, 0)));
        FindByKeyboard(main, opened, [&](QWidget* finder, QTableWidget* list) {
            auto* box = Control<QLineEdit>(finder, "txtPlace");
            QCOMPARE(box->text(), opened);
            // Rubbed out and the first letter typed in the list, the rest in the box.
            for (int i = 0; i < rubbedOut; ++i)
                QTest::keyClick(list, Qt::Key_Backspace);
            QString expected = opened.left(opened.size() - rubbedOut);
            QCOMPARE(box->text(), expected);
            for (const QChar c : typed) {
                QTest::keyClicks(c == typed.front() ? static_cast<QWidget*>(list) : box, QString(c));
                expected += c;
                QCOMPARE(box->text(), expected);
                // Each keystroke's list is the search of the box as it stands.
                const PlaceSearch search = FindPlaces(expected);
                const QList<Place>& shown = search.status == PlaceSearch::Status::Found ? search.places : search.suggestions;
                QCOMPARE(list->rowCount(), static_cast<int>(shown.size()));
                if (!shown.isEmpty())
                    QCOMPARE(list->item(0, 0)->text(), ShownName(shown.first()));
            }
            QVERIFY(list->rowCount() >= 1);
            QCOMPARE((QStringList{list->item(0, 0)->text(), list->item(0, 1)->text()}), firstRow);
            QVERIFY(Control<QLabel>(finder, "lblMessage")->isHidden());
            QTest::keyClick(box, Qt::Key_Down);  // into the list, on the second row where there is one
            QCOMPARE(list->currentRow(), std::min(1, list->rowCount() - 1));
            QTest::keyClick(list, Qt::Key_Up);
            QTest::keyClick(list, Qt::Key_Return);
        });
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(Box(main, "txtMCity"), chosen);
        QVERIFY(this->opened.isEmpty());  // no web search unless asked
    }

    // Typed into City, a letter at a time: the list under it follows each
    // keystroke, best first, with the places the search finds; Down and Enter
    // in it choose one, as the finder would.
    void cityListFollowsEachKeystroke_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("first");  // the list's first entry after the whole
        QTest::addColumn<QStringList>("place");  // City, State and Country after Down and Enter
        QTest::newRow("a state") << "Paris, TX" << "Paris, Texas" << QStringList{"Paris", "Texas", "United States of America"};
        QTest::newRow("another name") << "Bombay" << "Mumbai (Bombay), India" << QStringList{"Mumbai", "Maharashtra", "India"};
        QTest::newRow("a capital") << "Washington" << "Washington D.C., District of Columbia"
                                   << QStringList{"Washington D.C.", "District of Columbia", "United States of America"};
    }

    void cityListFollowsEachKeystroke()
    {
        QFETCH(QString, typed);
        QFETCH(QString, first);
        QFETCH(QStringList, place);
        frmMain* main = FreshForm(QDateTime(QDate(1969, 6, 1), QTime(12, 0)));
        auto* city = Control<QLineEdit>(main, "txtMCity");
        city->setFocus();
        for (qsizetype n = 1; n <= typed.size(); ++n) {
            QTest::keyClicks(city, typed.mid(n - 1, 1));
            const PlaceSearch search = FindPlaces(typed.left(n));
            const QList<Place> found = search.status == PlaceSearch::Status::Found ? search.places.mid(0, 10) : QList<Place>();
            auto* list = main->findChild<QAbstractItemView*>(QStringLiteral("lstCityPlaces"));
            QVERIFY(list);
            QCOMPARE(list->model()->rowCount(), static_cast<int>(found.size()));
            if (!found.isEmpty())
                QCOMPARE(list->model()->index(0, 0).data().toString().section(QLatin1Char(','), 0, 0), ShownName(found.first()));
        }
        auto* list = main->findChild<QAbstractItemView*>(QStringLiteral("lstCityPlaces"));
        QCOMPARE(list->model()->index(0, 0).data().toString(), first);
        QVERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE((QStringList{Box(main, "txtMCity"), Box(main, "txtMState"), Box(main, "txtMCountry")}), place);
        QVERIFY(!list->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(messages->shown.empty());
    }

    // A misspelling: the finder says so and lists the nearest names to choose.
    void misspellingOffersTheNearestNames()
    {
        frmMain* main = FreshForm(QDateTime(QDate(1969, 6, 1), QTime(12, 0)));
        FindByKeyboard(main, QStringLiteral("Lodnon"), [](QWidget* finder, QTableWidget* list) {
            QCOMPARE(Control<QLabel>(finder, "lblMessage")->text(),
                     QStringLiteral("No place called Lodnon. Did you mean London, England; London, Ontario or Lādnūn, India?"));
            QVERIFY(Control<QLabel>(finder, "lblMessage")->isVisibleTo(finder));
            QCOMPARE(list->rowCount(), 3);
            QCOMPARE(list->item(1, 1)->text(), QStringLiteral("Ontario"));
            QTest::keyClick(list, Qt::Key_Down);  // London, Ontario
            QTest::keyClick(list, Qt::Key_Return);
        });
        QCOMPARE((QStringList{Box(main, "txtMCity"), Box(main, "txtMState"), Box(main, "txtMCountry")}),
                 (QStringList{"London", "Ontario", "Canada"}));
        QCOMPARE(Box(main, "txtZoneHour"), QStringLiteral("5"));
        QVERIFY(Control<QCheckBox>(main, "chkDST")->isChecked());
        QVERIFY(opened.isEmpty());  // no web search unless asked
    }

    // A typed state that none of the places of that name lie in: no place
    // elsewhere, and a message.
    void stateThatMatchesNothing()
    {
        frmMain* main = FreshForm(QDateTime(QDate(1969, 6, 1), QTime(12, 0)));
        Find(main, QStringLiteral("London"), QStringLiteral("Texas"), QString(), [](QWidget* finder, QTableWidget* list) {
            QCOMPARE(Control<QLabel>(finder, "lblMessage")->text(),
                     QStringLiteral("No place called London, Texas. Did you mean London, England; London, Ontario or Ondo, Nigeria?"));
            QCOMPARE(list->rowCount(), 3);
            QTest::keyClick(list, Qt::Key_Escape);
        });
        QVERIFY(Box(main, "txtLonD").isEmpty());
        QCOMPARE(Box(main, "txtMState"), QStringLiteral("Texas"));  // as typed: nothing was chosen
    }

    // New coordinates or a new city end the link to the chosen place.
    void editingThePlaceEndsTheLink_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("city") << "txtMCity";
        QTest::newRow("state") << "txtMState";
        QTest::newRow("longitude minutes") << "txtLonM";
        QTest::newRow("latitude degrees") << "txtLatD";
    }

    void editingThePlaceEndsTheLink()
    {
        QFETCH(QString, box);
        frmMain* main = FreshForm(QDateTime(QDate(1975, 7, 1), QTime(12, 0)));
        FindByKeyboard(main, QStringLiteral("Madrid, Spain"), [](QWidget*, QTableWidget* list) { QTest::keyClick(list, Qt::Key_Return); });
        QVERIFY(Control<QLabel>(main, "lblPlaceZone")->isVisibleTo(main));
        Type(main, qPrintable(box), QStringLiteral("1"));
        QVERIFY(Control<QLabel>(main, "lblPlaceZone")->isHidden());
        Choose(main, "cboMonth", QStringLiteral("January"));  // the zone no longer follows the date
        QVERIFY(Control<QCheckBox>(main, "chkDST")->isChecked());
        QCOMPARE(Box(main, "txtZoneHour"), QStringLiteral("-1"));
    }

    void hemisphereClickEndsTheLink()
    {
        frmMain* main = FreshForm(QDateTime(QDate(1975, 7, 1), QTime(12, 0)));
        FindByKeyboard(main, QStringLiteral("Madrid, Spain"), [](QWidget*, QTableWidget* list) { QTest::keyClick(list, Qt::Key_Return); });
        Control<QRadioButton>(main, "optLat_1")->click();
        QVERIFY(Control<QLabel>(main, "lblPlaceZone")->isHidden());
    }

    // Run as PlaceFinderTestWithoutPlaceList, with a file that is not a place
    // index given in its place: the finder says the index could not be read.
    void placeListUnavailable()
    {
        if (FindPlaces(QStringLiteral("London")).status != PlaceSearch::Status::ListUnavailable)
            QSKIP("the place list loads here");
        frmMain* main = FreshForm(QDateTime(QDate(1969, 6, 1), QTime(12, 0)));
        FindByKeyboard(main, QStringLiteral("London"), [](QWidget* finder, QTableWidget* list) {
            const QString message = Control<QLabel>(finder, "lblMessage")->text();
            QCOMPARE(message, QStringLiteral("The place index could not be read: places.index is not a Qamarel place index"));
            QVERIFY(!message.contains(QStringLiteral("No place called")));
            QVERIFY(list->isHidden());
            Control<QPushButton>(finder, "cmdWeb")->click();
        });
        QCOMPARE(opened.size(), 1);  // the web search, when asked
        QVERIFY(Box(main, "txtLonD").isEmpty());
    }

    // The finder opens about ten rows high and within the screen; Enter on a
    // focused Choose or Cancel presses it; closed, it gives the focus back to
    // the form's button that opened it (run without a window manager too).
    void finderSizeKeysAndFocus()
    {
        frmMain* main = FreshForm(QDateTime(QDate(1975, 7, 1), QTime(12, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(main->isActiveWindow(), 5000);
        Control<QPushButton>(main, "cmdBrowser")->setFocus();
        Find(main, QStringLiteral("Springfield"), QString(), QString(), [](QWidget* finder, QTableWidget* list) {
            QCOMPARE(finder->windowTitle(), QStringLiteral("Place of Birth \u2014 Qamarel"));
            QVERIFY(list->rowCount() > 10);
            const int rows = (list->viewport()->height()) / list->verticalHeader()->defaultSectionSize();
            QVERIFY2(rows >= 9 && rows <= 12, qPrintable(QString::number(rows)));
            QVERIFY(finder->frameGeometry().width() <= finder->screen()->availableGeometry().width());
            auto* cancel = Control<QPushButton>(finder, "cmdCancel");
            cancel->setFocus();
            QTest::keyClick(cancel, Qt::Key_Return);
        });
        QVERIFY(Box(main, "txtLonD").isEmpty());  // cancelled
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::focusWidget() == Control<QPushButton>(main, "cmdBrowser"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(main->isActiveWindow(), 5000);

        Find(main, QStringLiteral("Madrid"), QStringLiteral("Madrid"), QStringLiteral("Spain"), [](QWidget* finder, QTableWidget*) {
            auto* choose = Control<QPushButton>(finder, "cmdChoose");
            choose->setFocus();
            QTest::keyClick(choose, Qt::Key_Enter);
        });
        QCOMPARE(Box(main, "txtLonD"), QStringLiteral("3"));  // chosen
    }

    // A name of 300 letters that matches nothing: the finder's message wraps,
    // the finder and its buttons within the screen.
    void longNameMessageWithinTheScreen()
    {
        frmPlaceFinder finder(FindPlaces(QString(300, QLatin1Char('q'))));
        finder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finder));
        QVERIFY(Control<QLabel>(&finder, "lblMessage")->isVisible());
        const QRect screen = finder.screen()->availableGeometry();
        QVERIFY2(finder.frameGeometry().width() <= screen.width(),
                 qPrintable(QStringLiteral("%1 of %2").arg(finder.frameGeometry().width()).arg(screen.width())));
        for (const char* button : {"cmdChoose", "cmdCancel"}) {
            auto* b = Control<QPushButton>(&finder, button);
            QVERIFY2(screen.contains(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())), button);
        }
    }

    void webSearchOnlyWhenAsked()
    {
        frmMain* main = FreshForm(QDateTime(QDate(1975, 7, 1), QTime(12, 0)));
        Find(main, QStringLiteral("Madrid"), QStringLiteral("Madrid"), QStringLiteral("Spain"),
             [](QWidget* finder, QTableWidget*) { Control<QPushButton>(finder, "cmdWeb")->click(); });
        QCOMPARE(opened.size(), 1);
        QVERIFY(Box(main, "txtLonD").isEmpty());  // nothing filled

        Find(main, QStringLiteral("Madrid"), QStringLiteral("Madrid"), QStringLiteral("Spain"),
             [](QWidget*, QTableWidget* list) { QTest::keyClick(list, Qt::Key_Escape); });
        QCOMPARE(opened.size(), 1);
        QVERIFY(Box(main, "txtLonD").isEmpty());

        // Nothing matches: the finder says so, and the web only when asked.
        Find(main, QStringLiteral("Xqzzyville"), QString(), QString(), [](QWidget* finder, QTableWidget* list) {
            QCOMPARE(Control<QLabel>(finder, "lblMessage")->text(), QStringLiteral("No place called Xqzzyville."));
            QVERIFY(list->isHidden());
            QVERIFY(!Control<QPushButton>(finder, "cmdChoose")->isEnabled());
        });
        QCOMPARE(opened.size(), 1);
        Find(main, QStringLiteral("Xqzzyville"), QString(), QString(),
             [](QWidget* finder, QTableWidget*) { QTest::keyClick(Control<QPushButton>(finder, "cmdWeb"), Qt::Key_Space); });
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[1].toString().contains(QStringLiteral("Xqzzyville")));
    }
};

QTEST_MAIN(PlaceFinderTest)
#include "PlaceFinderTest.moc"
