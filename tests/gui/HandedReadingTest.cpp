// A reading handed over by a second start while a modal dialog is open: it
// waits for the dialog (a message box, the place finder, a file dialog),
// which the user closes with Escape, and is then shown; of two handed over
// meanwhile, only the later one is. What the user typed in the form comes
// back with Back, and a reading the user chose in the Open dialog meanwhile
// stays on screen, the handed one offered.
#include "WindowTestSupport.h"

#include "core/modArabicLunarMansionInformation.h"
#include "core/ReadingState.h"
#include "shell/WindowTurns.h"
#include "ui/FileDialogs.h"
#include "windows/FileSaving.h"
#include "windows/frmMain.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

class HandedReadingTest : public QObject {
    Q_OBJECT

    ReadingState state;
    WindowTurns turns{state};
    QTemporaryDir dir;
    std::unique_ptr<MessageRecorder> messages;

    // Runs `act` on the first modal dialog once it is up (at most 10 s),
    // while `open` opens it and waits for it; returns the dialog's class.
    template <typename Act>
    QString WithDialog(const std::function<void()>& open, Act act)
    {
        QString seen;
        QTimer watch;
        int ticks = 0;
        connect(&watch, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal && ++ticks < 500)
                return;
            watch.stop();
            if (!modal)
                return;
            seen = QString::fromLatin1(modal->metaObject()->className());
            act(modal);
        });
        watch.start(20);
        open();
        return seen;
    }

    QString ShownMansionName()
    {
        QWidget* result = OpenWindow("frmArabicLunarMansionResult");
        return result ? Control<QLabel>(result, "lblResult_0")->text() : QStringLiteral("<no reading>");
    }

    static QString MansionName(int mansion)
    {
        return QString::fromStdString(
            std::string(modArabicLunarMansionInformation::MansionRowFor(mansion)[LunarMansionName]));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // Real message boxes and file dialogs: nothing answers for the user.
        Messages::SetHandler({});
        FileDialogs::SetHandler({});
    }

    void cleanup()
    {
        messages.reset();
        DeleteAllWindows();
    }

    void readingWaitsForTheDialog_data()
    {
        QTest::addColumn<QString>("city");     // "" brings up the message "Please Enter City"
        QTest::addColumn<QString>("button");   // what opens the dialog
        QTest::addColumn<QString>("dialog");   // its class
        QTest::newRow("message box") << "" << "cmdBrowser" << "QMessageBox";
        QTest::newRow("place finder") << "Madrid" << "cmdBrowser" << "frmPlaceFinder";
        QTest::newRow("file dialog") << "" << "cmdOpen" << "QFileDialog";
    }

    void readingWaitsForTheDialog()
    {
        QFETCH(QString, city);
        QFETCH(QString, button);
        QFETCH(QString, dialog);
        // A file that is no reading first (shown, it would bring a message),
        // then mansion 12: only the later is to be shown.
        const QString earlier = dir.filePath(QStringLiteral("earlier.qmz"));
        const QString later = dir.filePath(QStringLiteral("later.qmz"));
        WriteFile(earlier, "no reading\n");
        QCOMPARE(SaveReadingFile(later, "0\xC2\xB0 0' 0\" Vir"), QString());

        frmMain* main = turns.ShowMainWindow();
        Control<QLineEdit>(main, "txtMCity")->setText(city);
        Control<QLineEdit>(main, "txtMState")->setText(city);
        Control<QLineEdit>(main, "txtMCountry")->setText(city.isEmpty() ? QString() : QStringLiteral("Spain"));

        // Once the dialog is up: the two readings come, nothing shows under
        // it, and the user presses Escape.
        QString seen;
        bool shownUnder = true;
        auto* watch = new QTimer(this);
        int ticks = 0;
        connect(watch, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal && ++ticks < 500)
                return;  // not up yet (at most 10 s)
            watch->stop();
            if (!modal)
                return;
            seen = QString::fromLatin1(modal->metaObject()->className());
            turns.OpenReadingFile(earlier);
            turns.OpenReadingFile(later);
            QCoreApplication::processEvents();
            shownUnder = OpenWindow("frmArabicLunarMansionResult") != nullptr;
            messages = std::make_unique<MessageRecorder>();  // from here on, messages are recorded
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        watch->start(20);
        Control<QPushButton>(main, qPrintable(button))->click();  // returns once the dialog is closed
        delete watch;

        QCOMPARE(seen, dialog);
        QVERIFY(!shownUnder);
        QTRY_VERIFY_WITH_TIMEOUT(OpenWindow("frmArabicLunarMansionResult"), 10000);
        QCOMPARE(Control<QLabel>(OpenWindow("frmArabicLunarMansionResult"), "lblResult_0")->text().toStdString(),
                 std::string(modArabicLunarMansionInformation::MansionRowFor(12)[LunarMansionName]));
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 1);
        QCOMPARE(OpenWindowCount("frmMain"), 0);
        QVERIFY(messages && messages->texts().isEmpty());
    }

    // A reading handed over while the user chooses a place in the finder,
    // the name typed: the reading shows, and Back brings the form as the
    // user left it, the place chosen in it.
    void formUnderTheReadingComesBackWithBack()
    {
        const QString handed = dir.filePath(QStringLiteral("handed.qmz"));
        QCOMPARE(SaveReadingFile(handed, "0\xC2\xB0 0' 0\" Vir"), QString());
        messages = std::make_unique<MessageRecorder>();
        frmMain* main = turns.ShowMainWindow();
        Type(main, "txtName", QStringLiteral("Amira"));
        Type(main, "txtMCity", QStringLiteral("Madrid"));
        Type(main, "txtMCountry", QStringLiteral("Spain"));
        const QString seen = WithDialog([main] { Control<QPushButton>(main, "cmdBrowser")->click(); },
                                        [&](QWidget* finder) {
                                            turns.OpenReadingFile(handed);
                                            QTest::keyClick(Control<QTableWidget>(finder, "lstPlaces"), Qt::Key_Return);
                                        });
        QCOMPARE(seen, QStringLiteral("frmPlaceFinder"));
        QTRY_COMPARE_WITH_TIMEOUT(ShownMansionName(), MansionName(12), 10000);
        QCOMPARE(OpenWindowCount("frmMain"), 0);

        Control<QPushButton>(OpenWindow("frmArabicLunarMansionResult"), "cmdBack")->click();
        QWidget* form = OpenWindow("frmMain");
        QVERIFY(form);
        QCOMPARE(Control<QLineEdit>(form, "txtName")->text(), QStringLiteral("Amira"));
        QCOMPARE(Control<QLineEdit>(form, "txtMCity")->text(), QStringLiteral("Madrid"));
        QCOMPARE(Control<QLineEdit>(form, "txtLatD")->text(), QStringLiteral("40"));
        QVERIFY(Control<QLabel>(form, "lblPlaceZone")->isVisibleTo(form));
        QVERIFY(messages->texts().isEmpty());
    }

    // A reading handed over while the Open dialog is up, then a file the user
    // chooses in it: the user's reading stays on screen, and the handed one
    // is offered; Yes shows it.
    void ownChoiceInTheOpenDialogStays_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("shown");  // the mansion on screen at the end
        QTest::newRow("No") << int(Messages::Answer::No) << 1;
        QTest::newRow("Yes") << int(Messages::Answer::Yes) << 12;
    }

    void ownChoiceInTheOpenDialogStays()
    {
        QFETCH(int, answer);
        QFETCH(int, shown);
        const QString handed = dir.filePath(QStringLiteral("handed.qmz"));
        const QString own = dir.filePath(QStringLiteral("own.qmz"));
        QCOMPARE(SaveReadingFile(handed, "0\xC2\xB0 0' 0\" Vir"), QString());
        QCOMPARE(SaveReadingFile(own, "1\xC2\xB0 0' 0\" Ari"), QString());
        frmMain* main = turns.ShowMainWindow();
        const QString seen = WithDialog([main] { Control<QPushButton>(main, "cmdOpen")->click(); },
                                        [&](QWidget* dialog) {
                                            turns.OpenReadingFile(handed);
                                            messages = std::make_unique<MessageRecorder>();
                                            messages->answer = Messages::Answer(answer);
                                            auto* name = Control<QLineEdit>(dialog, "fileNameEdit");
                                            name->setText(own);
                                            QTest::keyClick(name, Qt::Key_Return);  // Open
                                        });
        QCOMPARE(seen, QStringLiteral("QFileDialog"));
        QTRY_VERIFY_WITH_TIMEOUT(messages && !messages->shown.empty(), 10000);
        const QString offer = QStringLiteral("Another start of the program asked to show %1.\r"
                                             "Show it in place of the reading you chose?");
        QCOMPARE(messages->texts(), QStringList{offer.arg(handed)});
        QCOMPARE(messages->shown[0].buttons, Messages::Buttons::YesNo);
        QTRY_COMPARE_WITH_TIMEOUT(ShownMansionName(), MansionName(shown), 10000);
        QCOMPARE(OpenWindowCount("frmArabicLunarMansionResult"), 1);
    }
};

QTEST_MAIN(HandedReadingTest)
#include "HandedReadingTest.moc"
