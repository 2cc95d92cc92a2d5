// The exit window: placeholders, the referral's checks and address, the links.
#include "WindowTestSupport.h"

#include "ui/WebLinks.h"
#include "shell/frmExit.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>

class frmExitTest : public QObject {
    Q_OBJECT

    frmExit* window = nullptr;
    MessageRecorder* messages = nullptr;
    QList<QUrl> opened;

    QLineEdit* Box(const char* name) { return Control<QLineEdit>(window, name); }
    void Fill(const char* box, const QString& text)
    {
        if (QLatin1String(box) == QLatin1String("txtMessage"))
            Control<QPlainTextEdit>(window, box)->setPlainText(text);
        else
            Box(box)->setText(text);
    }
    void Submit() { Control<QPushButton>(window, "cmdSubmit")->click(); }

private slots:
    void initTestCase() { WebLinks::SetOpener([this](const QUrl& url) { opened << url; }); }

    void init()
    {
        opened.clear();
        messages = new MessageRecorder;
        window = new frmExit;
        window->show();
        // It shows without taking the focus; the tests type into it, so it is activated.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    void cleanup()
    {
        DeleteAllWindows();
        delete messages;
    }

    void opensOnTopWithPlaceholders()
    {
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(window->windowTitle(), QStringLiteral("Qamarel v1.15"));
        QCOMPARE(Box("txtName")->text(), QStringLiteral("Your Name"));
        QCOMPARE(Box("txtEmail")->text(), QStringLiteral("Your Email Address"));
        QCOMPARE(Box("txtFriendName")->text(), QStringLiteral("Friend's Name"));
        QCOMPARE(Box("txtFriendEmail")->text(), QStringLiteral("Friend's Email Address"));
        QCOMPARE(Control<QPlainTextEdit>(window, "txtMessage")->toPlainText(), QStringLiteral("Your Message"));
        QCOMPARE(Control<QPushButton>(window, "cmdSubmit")->text(), QStringLiteral("Refer A Friend &Now"));
        QCOMPARE(Control<QPushButton>(window, "cmdClose")->text(), QStringLiteral("E&xit"));
    }

    void placeholdersComeAndGo()
    {
        QLineEdit* name = Box("txtName");
        QLineEdit* email = Box("txtEmail");
        name->setFocus();
        QCOMPARE(name->text(), QString());
        name->setText(QStringLiteral("   "));
        email->setFocus();  // leaving it blank puts the placeholder back
        QCOMPARE(name->text(), QStringLiteral("Your Name"));
        QCOMPARE(email->text(), QString());
        email->setText(QStringLiteral("ada@example.org"));
        name->setFocus();
        QCOMPARE(email->text(), QStringLiteral("ada@example.org"));  // the user's own text stays
    }

    void noBlankInAnAddress()
    {
        for (const char* box : {"txtEmail", "txtFriendEmail"}) {
            messages->shown.clear();
            Box(box)->setFocus();
            QTest::keyClicks(Box(box), QStringLiteral("a b"));
            QCOMPARE(Box(box)->text(), QStringLiteral("ab"));
            QCOMPARE(messages->texts(), QStringList{QStringLiteral("Email Address Cannot Contain Space")});
            QCOMPARE(messages->shown[0].icon, Messages::Icon::Error);
            QCOMPARE(window->focusWidget(), Box(box));
        }
        Box("txtName")->setFocus();
        QTest::keyClicks(Box("txtName"), QStringLiteral("Ada Lovelace"));
        QCOMPARE(Box("txtName")->text(), QStringLiteral("Ada Lovelace"));
    }

    void checksInTheirOrder_data()
    {
        QTest::addColumn<QStringList>("values");  // name, email, message, friend's name, friend's email
        QTest::addColumn<QString>("message");
        QTest::newRow("untouched form") << QStringList{} << "Please Enter Proper Email Address";
        QTest::newRow("same addresses") << QStringList{"", "a@b.c", "", "", "a@b.c"}
                                        << "Please Enter Distinct Email Addresses";
        QTest::newRow("no @") << QStringList{"A", "ab.c", "M", "F", "f@g.h"} << "Please Enter Proper Email Address";
        QTest::newRow("no dot") << QStringList{"A", "a@b.c", "M", "F", "f@gh"} << "Please Enter Proper Email Address";
        QTest::newRow("name still placeholder") << QStringList{"Your Name", "a@b.c", "M", "F", "f@g.h"}
                                                << "Please Enter Your Name";
        QTest::newRow("no message") << QStringList{"A", "a@b.c", "  ", "F", "f@g.h"} << "Please Enter Your Message";
        QTest::newRow("no friend's name") << QStringList{"A", "a@b.c", "M", "Friend's Name", "f@g.h"}
                                          << "Please Enter Your Friend's Name";
    }

    void checksInTheirOrder()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        const char* boxes[] = {"txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail"};
        for (int i = 0; i < values.size(); ++i)
            Fill(boxes[i], values[i]);
        Submit();
        QCOMPARE(messages->texts(), QStringList{message});
        QCOMPARE(messages->shown[0].icon, Messages::Icon::Error);
        QVERIFY(opened.isEmpty());
    }

    // Every value arrives whole, whatever it holds: "&", "#", "=", blanks, line breaks.
    void referralAddressCarriesTheValues()
    {
        const QString name = QStringLiteral("Ada & Bob=1 #x"), message = QStringLiteral("Hi,\nsee this?  100% true");
        Fill("txtName", QStringLiteral("  ") + name + QStringLiteral(" "));  // trimmed when sent
        Fill("txtEmail", QStringLiteral("ada@example.org"));
        Fill("txtMessage", message);
        Fill("txtFriendName", QStringLiteral("Zoë"));
        Fill("txtFriendEmail", QStringLiteral("zoe+1@example.org"));
        Submit();
        QVERIFY(messages->shown.empty());
        QCOMPARE(opened.size(), 1);
        const QUrl url = opened[0];
        QCOMPARE(url.toString(QUrl::RemoveQuery), WebLinks::ReferralPage());
        const QUrlQuery query(url);
        const QStringList expected{name, QStringLiteral("ada@example.org"), message, QStringLiteral("Zoë"),
                                   QStringLiteral("zoe+1@example.org"), WebLinks::ProductSite()};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(query.queryItemValue(QStringLiteral("taf%1").arg(i + 1), QUrl::FullyDecoded), expected[i]);
        QCOMPARE(query.queryItems().size(), 6);
        QVERIFY(OpenWindow("frmExit"));  // the window stays, the boxes keep their texts
        QCOMPARE(Box("txtFriendName")->text(), QStringLiteral("Zoë"));
    }

    void checkBoxNeverStaysTicked()
    {
        auto* check = Control<QCheckBox>(window, "Check1");
        check->click();
        QVERIFY(!check->isChecked());
        QCOMPARE(opened, QList<QUrl>{QUrl(WebLinks::HomePage())});
        emit Control<QLabel>(window, "lblGoToHome")->linkActivated(QString());
        QCOMPARE(opened.last(), QUrl(WebLinks::CataloguePage()));
    }

    void exitEndsTheProgram()
    {
        auto* other = new QWidget;  // a hidden window, still loaded
        Q_UNUSED(other);
        Control<QPushButton>(window, "cmdClose")->click();
        SettleWindows();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void closeBoxEndsTheProgram()
    {
        window->close();
        SettleWindows();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(frmExitTest)
#include "frmExitTest.moc"
