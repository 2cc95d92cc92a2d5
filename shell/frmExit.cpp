#include "shell/frmExit.h"

#include "base/QtStdText.h"
#include "base/TextBasics.h"
#include "ui/MessageBox.h"
#include "shell/QuitApplication.h"
#include "core/ReferralForm.h"
#include "ui/ProgramWidgets.h"
#include "ui/LinkOpening.h"
#include "ui/WebLinks.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

namespace {

// The boxes' placeholders as lupdate finds them; the core keeps them without Qt.
constexpr const char* PlaceholderTexts[] = {
    QT_TRANSLATE_NOOP("frmExit", "Your Name"),
    QT_TRANSLATE_NOOP("frmExit", "Your Email Address"),
    QT_TRANSLATE_NOOP("frmExit", "Friend's Name"),
    QT_TRANSLATE_NOOP("frmExit", "Friend's Email Address"),
    QT_TRANSLATE_NOOP("frmExit", "Your Message"),
};
static_assert(std::string_view(PlaceholderTexts[0]) == NamePlaceholder &&
                  std::string_view(PlaceholderTexts[1]) == EmailPlaceholder &&
                  std::string_view(PlaceholderTexts[2]) == FriendNamePlaceholder &&
                  std::string_view(PlaceholderTexts[3]) == FriendEmailPlaceholder &&
                  std::string_view(PlaceholderTexts[4]) == MessagePlaceholder,
              "the placeholders lupdate finds are the core's");

const char* const SupportMessages[] = {
    QT_TRANSLATE_NOOP("frmExit", "Thank you for using Qamarel. If your reading spoke to you, tell a friend about it."),
    QT_TRANSLATE_NOOP("frmExit", "Your support keeps Qamarel growing: visit us for more readings and software."),
    QT_TRANSLATE_NOOP("frmExit", "Share Qamarel with the people you care about, and help us make more like it."),
    QT_TRANSLATE_NOOP("frmExit", "Enjoyed Qamarel? Recommend it to a friend and support its makers."),
};

// Which referral check failed, in the user's words.
QString CheckMessage(ReferralCheck check)
{
    switch (check) {
    case ReferralCheck::SameAddresses: return QObject::tr("Please Enter Distinct Email Addresses");
    case ReferralCheck::ImproperAddress: return QObject::tr("Please Enter Proper Email Address");
    case ReferralCheck::NameMissing: return QObject::tr("Please Enter Your Name");
    case ReferralCheck::EmailMissing: return QObject::tr("Please Enter Your Email");
    case ReferralCheck::MessageMissing: return QObject::tr("Please Enter Your Message");
    case ReferralCheck::FriendNameMissing: return QObject::tr("Please Enter Your Friend's Name");
    case ReferralCheck::FriendEmailMissing: return QObject::tr("Please Enter Your Friend's Email");
    case ReferralCheck::Ready: break;
    }
    return {};
}

}  // namespace

frmExit::frmExit(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    SetUpProgramWindow(this, "frmExit");
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);

    programTitle = new QLabel(InWindowDirection(this, ProgramCaption), this);
    programTitle->setObjectName(QStringLiteral("Label1"));
    QFont title = programTitle->font();
    title.setBold(true);
    title.setPointSize(title.pointSize() + 2);
    programTitle->setFont(title);
    const int k = static_cast<int>(QRandomGenerator::system()->bounded(4));
    supportMessage = new QLabel(tr(SupportMessages[k]), this);
    supportMessage->setObjectName(QStringLiteral("Label2"));
    supportMessage->setWordWrap(true);

    auto* otherProgramsFrame = new QGroupBox(tr("More From Us"), this);
    otherProgramsFrame->setObjectName(QStringLiteral("Frame6"));
    otherProgramsNote = new QLabel(tr("Discover the publisher's other astrology and divination programs."), otherProgramsFrame);
    otherProgramsNote->setObjectName(QStringLiteral("Label3"));
    otherProgramsNote->setWordWrap(true);
    lblGoToHome = MakeLinkLabel(tr("Browse our software"), QStringLiteral("lblGoToHome"), otherProgramsFrame);
    auto* more = new QVBoxLayout(otherProgramsFrame);
    more->addWidget(otherProgramsNote);
    more->addWidget(lblGoToHome);

    auto* Frame2 = new QGroupBox(tr("Refer A Friend"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto box = [Frame2](const char* name) {
        auto* edit = new QLineEdit(Frame2);
        edit->setObjectName(QString::fromLatin1(name));
        return edit;
    };
    txtName = box("txtName");
    txtEmail = box("txtEmail");
    txtFriendName = box("txtFriendName");
    txtFriendEmail = box("txtFriendEmail");
    txtMessage = new QPlainTextEdit(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    for (QWidget* b : {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail),
                       static_cast<QWidget*>(txtFriendName), static_cast<QWidget*>(txtFriendEmail),
                       static_cast<QWidget*>(txtMessage)})
        SetBoxText(b, Placeholder(b));
    txtMessage->setTabChangesFocus(true);
    txtMessage->setFixedHeight(fontMetrics().lineSpacing() * 4 + 12);
    // A screen reader would name every box by the frame's title; each its own.
    txtName->setAccessibleName(tr("Your name"));
    txtEmail->setAccessibleName(tr("Your email address"));
    txtFriendName->setAccessibleName(tr("Friend's name"));
    txtFriendEmail->setAccessibleName(tr("Friend's email address"));
    txtMessage->setAccessibleName(tr("Your message"));
    cmdSubmit = new QPushButton(tr("Refer A Friend &Now"), Frame2);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    auto* form = new QGridLayout(Frame2);
    form->addWidget(txtName, 0, 0);
    form->addWidget(txtEmail, 0, 1);
    form->addWidget(txtFriendName, 1, 0);
    form->addWidget(txtFriendEmail, 1, 1);
    form->addWidget(txtMessage, 2, 0, 1, 2);
    form->addWidget(cmdSubmit, 3, 1, Qt::AlignRight);

    Check1 = new QCheckBox(tr("Visit our web site for news and new releases"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    cmdClose = new QPushButton(tr("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* page = new QVBoxLayout(this);
    page->addWidget(programTitle);
    page->addWidget(supportMessage);
    page->addWidget(otherProgramsFrame);
    page->addWidget(Frame2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Check1);
    bottom->addStretch();
    bottom->addWidget(cmdClose);
    page->addLayout(bottom);
    setFixedWidth(fontMetrics().averageCharWidth() * 80);

    for (QWidget* w : {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail),
                       static_cast<QWidget*>(txtFriendName), static_cast<QWidget*>(txtFriendEmail),
                       static_cast<QWidget*>(txtMessage)})
        w->installEventFilter(this);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmExit::cmdSubmit_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmExit::cmdClose_Click);
    connect(Check1, &QCheckBox::clicked, this, &frmExit::Check1_Click);
    connect(lblGoToHome, &QLabel::linkActivated, this, &frmExit::lblGoToHome_Click);
    cmdClose->setFocus();
}

QString frmExit::BoxText(QWidget* box) const
{
    if (box == txtMessage)
        return txtMessage->toPlainText();
    return static_cast<QLineEdit*>(box)->text();
}

void frmExit::SetBoxText(QWidget* box, const QString& text)
{
    if (box == txtMessage)
        txtMessage->setPlainText(text);
    else
        static_cast<QLineEdit*>(box)->setText(text);
}

std::string_view frmExit::EnglishPlaceholder(QWidget* box) const
{
    if (box == txtName) return NamePlaceholder;
    if (box == txtEmail) return EmailPlaceholder;
    if (box == txtFriendName) return FriendNamePlaceholder;
    if (box == txtFriendEmail) return FriendEmailPlaceholder;
    return MessagePlaceholder;
}

QString frmExit::Placeholder(QWidget* box) const
{
    return tr(std::string(EnglishPlaceholder(box)).c_str());
}

bool frmExit::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const QString trimmed = ToQString(TrimSpaces(ToStdString(BoxText(box))));
        if (event->type() == QEvent::FocusIn && trimmed == Placeholder(box))
            SetBoxText(box, QString());
        else if (event->type() == QEvent::FocusOut && trimmed.isEmpty())
            SetBoxText(box, Placeholder(box));
    } else if (event->type() == QEvent::KeyPress && (box == txtEmail || box == txtFriendEmail) &&
               static_cast<QKeyEvent*>(event)->text() == QLatin1String(" ")) {
        Messages::Show(this, tr("Email Address Cannot Contain Space"), Messages::Icon::Error);
        box->setFocus();
        return true;  // the blank is discarded
    }
    return QWidget::eventFilter(watched, event);
}

void frmExit::cmdSubmit_Click()
{
    // A box that still shows its placeholder, in whatever language, is
    // passed on with the English one, which the checks know.
    auto value = [this](QWidget* box) {
        const std::string typed(TrimSpaces(ToStdString(BoxText(box))));
        return ToQString(typed) == Placeholder(box) ? std::string(EnglishPlaceholder(box)) : typed;
    };
    const Referral referral{value(txtName), value(txtEmail), value(txtMessage), value(txtFriendName),
                            value(txtFriendEmail)};
    const ReferralCheck check = CheckReferral(referral);
    if (check != ReferralCheck::Ready) {
        Messages::Show(this, CheckMessage(check), Messages::Icon::Error);
        return;
    }
    const std::string address = ReferralAddress(WebLinks::ReferralPage().toStdString(), referral,
                                                WebLinks::ProductSite().toStdString());
    WebLinks::OpenWebPage(QString::fromStdString(address));
}

void frmExit::Check1_Click()
{
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    OpenPageOrSay(this, WebLinks::HomePage());
}

void frmExit::lblGoToHome_Click()
{
    OpenPageOrSay(this, WebLinks::CataloguePage());
}

void frmExit::cmdClose_Click()
{
    QuitApplication();
}

void frmExit::closeEvent(QCloseEvent* event)
{
    event->accept();
    QuitApplication();
}
