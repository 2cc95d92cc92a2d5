// The shell around the readings: the update reminder, the web links, the
// location lookup and the about box.
#include "WindowTestSupport.h"

#include "core/ReadingState.h"
#include "windows/frmMain.h"
#include "shell/UpdateReminder.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramWidgets.h"
#include "ui/WebLinks.h"
#include "shell/WindowTurns.h"

#include <QAction>
#include <QImageReader>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>
#include <QtPlugin>

#include <memory>

Q_IMPORT_PLUGIN(PngReadingPlugin)

class ShellTest : public QObject {
    Q_OBJECT

    ReadingState state;
    WindowTurns turns{state};
    MessageRecorder* messages = nullptr;
    QList<QUrl> opened;
    QTemporaryDir dir;

    const QString key = QStringLiteral("Settings/\u00A1\u00D2\u00CF\u00BE\u00D1\u00C6\u00CC\u00CB");  // "Duration" shifted

    static QString Shifted(const QString& text)
    {
        QString out;
        for (QChar c : text)
            out += QChar(c.unicode() + 93);
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        WebLinks::SetOpener([this](const QUrl& url) { opened << url; });
    }

    void init()
    {
        opened.clear();
        messages = new MessageRecorder;
    }

    void cleanup()
    {
        DeleteAllWindows();
        delete messages;
    }

    // The program's icon and Qt's own pictures of the form (the menu bar's,
    // the frames') are read without one image-format plugin loaded, and a
    // picture read so is the picture Qt's PNG reader reads.
    void picturesLoadNoImageFormatPlugin()
    {
        const QIcon icon = ProgramIcon();
        QCOMPARE(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
        QWidget* form = turns.ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(!form->grab().isNull());
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY2(!mapped.contains("/imageformats/"), mapped.constData());

        QImageReader qtOwn(QStringLiteral(":/icons/qamarel-48.png"), "png");
        qtOwn.setAutoDetectImageFormat(false);
        const QImage expected = qtOwn.read();
        QVERIFY(!expected.isNull());
        QCOMPARE(QImage(QStringLiteral(":/icons/qamarel-48.png")), expected);
        QImageReader byName(QStringLiteral(":/icons/qamarel-48.png"));
        QCOMPARE(byName.format(), QByteArray("png"));
    }

    void reminder_data()
    {
        QTest::addColumn<QString>("stored");  // the date last asked, "" for none
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("after");   // the date stored afterwards
        QTest::addColumn<bool>("download");
        const int yes = int(Messages::Answer::Yes), no = int(Messages::Answer::No);
        QTest::newRow("first run") << "" << yes << false << "2026-12-07" << false;
        QTest::newRow("14 days before") << "2026-11-23" << yes << false << "2026-11-23" << false;
        QTest::newRow("15 days before, Yes") << "2026-11-22" << yes << true << "2026-12-07" << true;
        QTest::newRow("15 days before, No") << "2026-11-22" << no << true << "2026-12-07" << false;
        QTest::newRow("15 days after") << "2026-12-22" << no << true << "2026-12-07" << false;
        QTest::newRow("14 days after") << "2026-12-21" << yes << false << "2026-12-21" << false;
    }

    void reminder()
    {
        QFETCH(QString, stored);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(QString, after);
        QFETCH(bool, download);
        const QString file = dir.filePath(QStringLiteral("qamarel-%1.ini").arg(QTest::currentDataTag()));
        {
            QSettings settings(file, QSettings::IniFormat);
            if (!stored.isEmpty())
                settings.setValue(key, Shifted(stored));
        }
        messages->answer = Messages::Answer(answer);
        QSettings settings(file, QSettings::IniFormat);
        RemindOfUpdate(settings, QDate(2026, 12, 7));

        QCOMPARE(!messages->shown.empty(), asked);
        if (asked) {
            QCOMPARE(messages->shown[0].text, QStringLiteral("There maybe an update to this software available\r"
                                                             "Do you want to check for an update?"));
            QCOMPARE(messages->shown[0].icon, Messages::Icon::Information);
            QCOMPARE(messages->shown[0].buttons, Messages::Buttons::YesNo);
        }
        QCOMPARE(QSettings(file, QSettings::IniFormat).value(key).toString(), Shifted(after));
        QCOMPARE(opened, download ? QList<QUrl>{QUrl(WebLinks::DownloadPage())} : QList<QUrl>{});
    }

    void reminderIgnoresWhatIsNoDate()
    {
        const QString file = dir.filePath(QStringLiteral("garbage.ini"));
        QSettings(file, QSettings::IniFormat).setValue(key, QStringLiteral("\u00FF\u0001garbage"));
        QSettings settings(file, QSettings::IniFormat);
        RemindOfUpdate(settings, QDate(2026, 12, 7));
        QVERIFY(messages->shown.empty());
        QCOMPARE(QSettings(file, QSettings::IniFormat).value(key).toString(), QStringLiteral("\u00FF\u0001garbage"));
    }

    void menusAndLabelsOpenTheirPages()
    {
        frmMain* main = turns.ShowMainWindow();
        Control<QAction>(main, "mnuOnline")->trigger();
        Control<QAction>(main, "mnuVisit")->trigger();
        Control<QAction>(main, "mnuUpdate")->trigger();
        // The links as a mouse follows them: a click anywhere on the text.
        auto click = [](QLabel* link) { QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center()); };
        click(Control<QLabel>(main, "Label11"));
        main->ChoosePromotionLabel(1);
        click(Control<QLabel>(main, "lblCobrand"));
        main->ChoosePromotionLabel(2);
        click(Control<QLabel>(main, "lblFullBrand"));
        QCOMPARE(opened, (QList<QUrl>{QUrl(WebLinks::HelpPage()), QUrl(WebLinks::HomePage()),
                                      QUrl(WebLinks::DownloadPage()), QUrl(WebLinks::HomePage()),
                                      QUrl(WebLinks::PromotionPage(1)), QUrl(WebLinks::PromotionPage(2))}));
        for (const QUrl& url : opened)
            QVERIFY(url.toString().startsWith(WebLinks::HomePage()));

        // A press that leaves the link before it is let go follows nothing.
        QLabel* link = Control<QLabel>(main, "Label11");
        // It looks like one: underlined in the link colour.
        const QImage drawn = link->grab().toImage();
        int inLinkColour = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                inLinkColour += drawn.pixelColor(x, y) == link->palette().color(QPalette::Link);
        QVERIFY2(inLinkColour >= link->fontMetrics().horizontalAdvance(link->text()) / 2, qPrintable(QString::number(inLinkColour)));
        // A wrapped link narrower than its text goes on in a second line.
        std::unique_ptr<QLabel> wrapped(MakeLinkLabel(link->text(), QStringLiteral("wrapped"), nullptr, Qt::red));
        wrapped->setWordWrap(true);
        wrapped->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const int half = wrapped->fontMetrics().horizontalAdvance(link->text()) / 2 + 20;
        wrapped->resize(half, wrapped->heightForWidth(half));
        const QImage lines = wrapped->grab().toImage();
        int redBelow = 0;
        for (int y = wrapped->fontMetrics().lineSpacing() + 1; y < lines.height(); ++y)
            for (int x = 0; x < lines.width(); ++x)
                redBelow += lines.pixelColor(x, y) == QColor(Qt::red);
        QVERIFY(redBelow > half / 4);
        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().bottomRight() + QPoint(5, 5));
        QCOMPARE(opened.size(), 6);
    }

    void promotionLabelChoice()
    {
        frmMain* main = turns.ShowMainWindow();
        for (int n = 1; n <= 6; ++n) {
            main->ChoosePromotionLabel(n);
            QCOMPARE(Control<QLabel>(main, "lblFullBrand")->isVisibleTo(main), n % 2 == 0);
            QCOMPARE(Control<QLabel>(main, "lblCobrand")->isVisibleTo(main), n % 2 == 1);
        }
    }

    void lookupAsksForThePlaceInOrder_data()
    {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        // Only the city is needed: the place finder takes State and Country as optional.
        QTest::newRow("all empty") << "" << "" << "" << "Please Enter City" << "txtMCity";
        QTest::newRow("state and country given") << "" << "Maharashtra" << "India" << "Please Enter City" << "txtMCity";
        QTest::newRow("only spaces") << "   " << "" << "" << "Please Enter City" << "txtMCity";
    }

    void lookupAsksForThePlaceInOrder()
    {
        QFETCH(QString, city);
        QFETCH(QString, state);
        QFETCH(QString, country);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        frmMain* main = turns.ShowMainWindow();
        Control<QLineEdit>(main, "txtMCity")->setText(city);
        Control<QLineEdit>(main, "txtMState")->setText(state);
        Control<QLineEdit>(main, "txtMCountry")->setText(country);
        Control<QPushButton>(main, "cmdBrowser")->click();
        QCOMPARE(messages->texts(), QStringList{message});
        QCOMPARE(messages->shown[0].icon, Messages::Icon::Information);
        QCOMPARE(main->focusWidget()->objectName(), focus);
        QVERIFY(opened.isEmpty());
    }

    void lookupSearchesForTheQuery_data()
    {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("query");
        QTest::newRow("Pune") << "Pune" << "Maharashtra" << "Pune Maharashtra India Latitude Longitude";
        QTest::newRow("blank state") << "Pune" << " " << "Pune   India Latitude Longitude";
        QTest::newRow("hostile") << "A&b=c#d" << "x\ny" << "A&b=c#d x\ny India Latitude Longitude";
        QTest::newRow("right to left") << QStringLiteral("\u0628\u064A\u0631\u0648\u062A\u200F") << "e\u0301\u0301"
                                       << QStringLiteral("\u0628\u064A\u0631\u0648\u062A\u200F e\u0301\u0301 India Latitude Longitude");
        const QString longCity(20000, QLatin1Char('%'));
        QTest::newRow("very long") << longCity << "?" << longCity + QStringLiteral(" ? India Latitude Longitude");
    }

    void lookupSearchesForTheQuery()
    {
        QFETCH(QString, city);
        QFETCH(QString, state);
        QFETCH(QString, query);
        frmMain* main = turns.ShowMainWindow();
        Control<QLineEdit>(main, "txtMCity")->setText(city);
        Control<QLineEdit>(main, "txtMState")->setText(state);
        Control<QLineEdit>(main, "txtMCountry")->setText(QStringLiteral("India"));
        // Where the place list knows the city, its finder comes first: ask for the web.
        QTimer::singleShot(0, this, [] {
            QWidget* finder = QApplication::activeModalWidget();
            if (finder && finder->objectName() == QLatin1String("frmPlaceFinder"))
                Control<QPushButton>(finder, "cmdWeb")->click();
        });
        Control<QPushButton>(main, "cmdBrowser")->click();
        QVERIFY(messages->shown.empty());
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].toString().startsWith(QStringLiteral("https://www.google.com/maps/search/")));
        QCOMPARE(QUrlQuery(opened[0]).queryItemValue(QStringLiteral("query"), QUrl::FullyDecoded), query);
    }

    void aboutBox()
    {
        frmMain* main = turns.ShowMainWindow();
        QTimer::singleShot(0, this, [this]() {
            QWidget* about = QApplication::activeModalWidget();
            QVERIFY(about && about->objectName() == QLatin1String("frmAbout"));
            QCOMPARE(about->windowTitle(), QStringLiteral("Qamarel v1.15"));
            QCOMPARE(Control<QLabel>(about, "Label2")->text(), QStringLiteral("Qamarel v1.15"));
            QVERIFY(!Control<QLabel>(about, "Picture1")->pixmap().isNull());
            QVERIFY(Control<QLabel>(about, "Label1")->text().startsWith(QStringLiteral("Qamarel gives a detailed report")));
            QVERIFY(Control<QLabel>(about, "lblCredits")->text().contains(QStringLiteral("GeoNames (geonames.org), CC BY 4.0")));
            QVERIFY(Control<QLabel>(about, "lblHomePage")->text().contains(
                QStringLiteral("Click here to visit ") + WebLinks::HomePage()));
            emit Control<QLabel>(about, "lblCoBrand")->linkActivated(QString());
            QCOMPARE(opened, QList<QUrl>{QUrl(WebLinks::PromotionPage(2))});
            Control<QPushButton>(about, "cmdOK")->click();
        });
        Control<QAction>(main, "mnuAbout")->trigger();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(opened.size(), 1);
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
