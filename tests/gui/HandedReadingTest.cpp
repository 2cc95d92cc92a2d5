// A reading handed over by a second start while a modal dialog is open: it
// waits for the dialog (a message box, the place finder, a file dialog),
// which the user closes with Escape, and is then shown; of two handed over
// meanwhile, only the later one is.
#include "WindowTestSupport.h"

#include "core/modArabicLunarMansionInformation.h"
#include "core/ReadingState.h"
#include "shell/WindowTurns.h"
#include "ui/FileDialogs.h"
#include "windows/FileSaving.h"
#include "windows/frmMain.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

class HandedReadingTest : public QObject {
    Q_OBJECT

    ReadingState state;
    WindowTurns turns{state};
    QTemporaryDir dir;
    std::unique_ptr<MessageRecorder> messages;

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
};

QTEST_MAIN(HandedReadingTest)
#include "HandedReadingTest.moc"
