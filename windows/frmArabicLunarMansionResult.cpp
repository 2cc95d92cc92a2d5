#include "windows/frmArabicLunarMansionResult.h"

#include "base/QtStdText.h"
#include "people/PeopleBook.h"
#include "windows/FileSaving.h"
#include "windows/RecentLists.h"
#include "language/ShownDates.h"
#include "pictures/PrintingModule.h"
#include "pictures/ReadingSheet.h"
#include "windows/frmMansionWheel.h"
#include "core/ClockText.h"
#include "core/ReadingState.h"
#include "core/ReadingText.h"
#include "core/SignPosition.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/HelpMenu.h"
#include "ui/ProgramWidgets.h"
#include "ui/LinkOpening.h"
#include "ui/WebLinks.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyleOptionGroupBox>

#include <sstream>

namespace {

const QColor Background(0, 0, 0);
const QColor CaptionGreen(0, 192, 0);
const QColor ValueGreen(192, 255, 192);
const QColor FrameGreen(0, 96, 0);

// Where each of the ten fields stands inside the frame, in twips: caption
// left and top, value left and top, and for the three boxes their size (a zero
// width means a one-line value as wide as its text).
struct FieldPlace {
    int captionLeft, captionTop, valueLeft, valueTop, boxWidth, boxHeight;
};

constexpr FieldPlace FieldPlaces[MansionFieldCount] = {
    {120, 240, 2400, 240, 0, 0},       {120, 531, 2400, 531, 0, 0},
    {120, 822, 2400, 822, 0, 0},       {120, 1113, 2400, 1113, 0, 0},
    {120, 1404, 2400, 1404, 0, 0},     {120, 1695, 2400, 1695, 0, 0},
    {120, 1986, 2400, 1986, 5745, 600}, {120, 2685, 2400, 2685, 0, 0},
    {120, 3000, 120, 3240, 4005, 1500}, {4200, 3000, 4200, 3240, 4005, 1500},
};

constexpr int LineHeight = 195;  // twips, captions and one-line values

void Colour(QWidget* widget, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

// The frame as a classic one: a green edge whose top runs through the middle
// of the title, the title set in from the left on a black ground that parts
// the line, and the first row clear below. (The style's own frame takes its
// shades from the background, which on black do not show.) Everything else is
// drawn by the application's style; the frame's children keep that style.
class ClassicFrameStyle : public QProxyStyle {
public:
    ClassicFrameStyle(int titleLeft, int titlePadding) : titleLeft_(titleLeft), titlePadding_(titlePadding) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        if (control != CC_GroupBox)
            return QProxyStyle::subControlRect(control, option, part, widget);
        const auto* box = static_cast<const QStyleOptionGroupBox*>(option);
        const QFontMetrics metrics = widget ? widget->fontMetrics() : option->fontMetrics;
        const QRect whole = option->rect;
        const int titleHeight = metrics.height();
        switch (part) {
        case SC_GroupBoxLabel:
            // Set in from the left, or from the right in a right-to-left window.
            return visualRect(option->direction, whole,
                              QRect(whole.left() + titleLeft_ + titlePadding_, whole.top(),
                                    metrics.horizontalAdvance(box->text), titleHeight));
        case SC_GroupBoxFrame:
            return whole.adjusted(0, titleHeight / 2, 0, 0);
        case SC_GroupBoxContents:
            return whole.adjusted(1, titleHeight, -1, -1);
        default:
            return QProxyStyle::subControlRect(control, option, part, widget);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        if (control != CC_GroupBox) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const auto* box = static_cast<const QStyleOptionGroupBox*>(option);
        const QRect edge = subControlRect(control, option, SC_GroupBoxFrame, widget);
        const QRect title = subControlRect(control, option, SC_GroupBoxLabel, widget);
        painter->save();
        painter->setPen(FrameGreen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(edge.adjusted(0, 0, -1, -1));
        painter->fillRect(title.adjusted(-titlePadding_, 0, titlePadding_, 0), Background);
        painter->setPen(CaptionGreen);
        painter->setFont(widget ? widget->font() : painter->font());
        painter->drawText(title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->text);
        painter->restore();
    }

private:
    int titleLeft_, titlePadding_;
};

}  // namespace

frmArabicLunarMansionResult::frmArabicLunarMansionResult(const ReadingState& state, QWidget* parent)
    : QMainWindow(parent), state_(state)
{
    SetUpProgramWindow(this, "frmArabicLunarMansionResult");
    setAttribute(Qt::WA_DeleteOnClose);
    if (const QScreen* s = screen())
        scale_ = s->logicalDotsPerInchY() / 96.0;
    BuildControls();
    BuildMenus();
    connect(cmdBack, &QPushButton::clicked, this, &frmArabicLunarMansionResult::cmdBack_Click);
    connect(mnuBack, &QAction::triggered, this, &frmArabicLunarMansionResult::cmdBack_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmArabicLunarMansionResult::cmdSave_Click);
    connect(mnuSave, &QAction::triggered, this, &frmArabicLunarMansionResult::cmdSave_Click);
    connect(mnuWheel, &QAction::triggered, this, &frmArabicLunarMansionResult::mnuWheel_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmArabicLunarMansionResult::mnuPrint_Click);
    connect(mnuExportPdf, &QAction::triggered, this, &frmArabicLunarMansionResult::mnuExportPdf_Click);
    connect(mnuCopy, &QAction::triggered, this, &frmArabicLunarMansionResult::mnuCopy_Click);
    connect(homePageLink, &QLabel::linkActivated, this, [this] { OpenLink(WebLinks::HomePage()); });
    connect(coBrandingLink, &QLabel::linkActivated, this, [this] { OpenLink(WebLinks::PromotionPage(1)); });
    connect(lblFullBrand, &QLabel::linkActivated, this, [this] { OpenLink(WebLinks::PromotionPage(2)); });
}

int frmArabicLunarMansionResult::Twips(int twips) const
{
    return qRound(twips / 15.0 * scale_);
}

void frmArabicLunarMansionResult::Place(QWidget* widget, int left, int top, int width, int height) const
{
    // Right to left, the places are mirrored in their parent, as layouts are.
    const int x = isRightToLeft() ? widget->parentWidget()->width() - left - width : left;
    widget->setGeometry(x, top, width, height);
}

void frmArabicLunarMansionResult::BuildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips(8295), Twips(6165));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Background);
    palette.setColor(QPalette::WindowText, CaptionGreen);
    client->setPalette(palette);
    setCentralWidget(client);

    auto place = [this](QWidget* w, int left, int top, int width, int height) {
        Place(w, Twips(left), Twips(top), Twips(width), Twips(height));
    };

    homePageLink = MakeLinkLabel(tr("Visit us online for more astrology software and readings"),
                            QStringLiteral("Label61"), client, ValueGreen);
    homePageLink->setAlignment(Qt::AlignCenter);
    place(homePageLink, 1567, 0, 5160, 390);

    auto* readingFrame = new QGroupBox(tr("Qamarel Result"), client);
    readingFrame->setObjectName(QStringLiteral("Frame1"));
    place(readingFrame, 0, 480, 8295, 4815);
    // The frame drawn as a classic one by a style of its own (a style sheet
    // would also reset the children's typeface and is slow to polish).
    auto* frameStyle = new ClassicFrameStyle(Twips(120), Twips(45));
    frameStyle->setParent(readingFrame);
    readingFrame->setStyle(frameStyle);

    for (std::size_t i = 0; i < MansionFieldCount; ++i) {
        const FieldPlace& at = FieldPlaces[i];
        QLabel* caption = new QLabel(MansionFieldCaption(i), readingFrame);
        caption->setObjectName(QStringLiteral("lblCaption_%1").arg(i));
        Colour(caption, CaptionGreen);
        caption->adjustSize();
        Place(caption, Twips(at.captionLeft), Twips(at.captionTop), caption->width(), Twips(LineHeight));
        caption->setFixedHeight(Twips(LineHeight));

        QLabel* value = new QLabel(readingFrame);
        value->setObjectName(QStringLiteral("lblResult_%1").arg(i));
        value->setTextFormat(Qt::PlainText);
        Colour(value, ValueGreen);
        if (at.boxWidth > 0) {
            // A box of fixed size: the text wraps inside it and what does not fit is cut.
            value->setWordWrap(true);
            value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            place(value, at.valueLeft, at.valueTop, at.boxWidth, at.boxHeight);
        }
        // A screen reader names the value by its text and says what it is by
        // the caption that labels it: "Lunar Mansion Name: Alchil".
        caption->setBuddy(value);
        value->setAccessibleDescription(caption->text());
        lblCaption[i] = caption;
        lblResult[i] = value;
    }

    auto* fraFullBrand = new QWidget(client);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    place(fraFullBrand, 0, 5295, 6900, 855);
    coBrandingLink = MakeLinkLabel(tr("Offer Qamarel to your clients under your own name: ask for co-branded copies"),
                           QStringLiteral("Label1"), fraFullBrand, ValueGreen);
    lblFullBrand = MakeLinkLabel(tr("Make Qamarel your own: ask for fully branded copies"),
                                 QStringLiteral("lblFullBrand"), fraFullBrand, ValueGreen);
    place(coBrandingLink, 120, 60, 6660, 360);
    place(lblFullBrand, 120, 435, 6660, 360);

    cmdSave = new QPushButton(tr("&Save"), client);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdBack = new QPushButton(tr("&Back"), client);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    // The buttons end where they always have; a longer word than the
    // English makes them wider to the left, into the free space there.
    int buttonWidth = Twips(975);
    for (QPushButton* button : {cmdSave, cmdBack})
        buttonWidth = std::max(buttonWidth, button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) + 10);
    Place(cmdSave, Twips(7260 + 975) - buttonWidth, Twips(5350), buttonWidth, Twips(375));
    Place(cmdBack, Twips(7260 + 975) - buttonWidth, Twips(5775), buttonWidth, Twips(375));
    setTabOrder(cmdSave, cmdBack);
    for (QPushButton* button : {cmdSave, cmdBack})
        button->setAutoDefault(true);  // Enter presses the button that has the focus, as in a dialog

    // The reading in one line, under the client area: where the Moon is, its
    // mansion, and when it came in and went on. (At 8 points the longest
    // sentence is a little wider than the client area; it then takes two lines.)
    lblReadingLine = new QLabel(this);
    lblReadingLine->setObjectName(QStringLiteral("lblReadingLine"));
    lblReadingLine->setTextFormat(Qt::PlainText);
    lblReadingLine->setWordWrap(true);  // the sentence is whole even where the window is narrower than it
    lblReadingLine->setContentsMargins(Twips(120), Twips(45), Twips(120), Twips(60));
    lblReadingLine->setAutoFillBackground(true);
    QPalette linePalette = lblReadingLine->palette();
    linePalette.setColor(QPalette::Window, Background);
    linePalette.setColor(QPalette::WindowText, ValueGreen);
    lblReadingLine->setPalette(linePalette);
    QStatusBar* under = statusBar();
    under->setSizeGripEnabled(false);
    under->setAutoFillBackground(true);
    under->setPalette(linePalette);
    under->addPermanentWidget(lblReadingLine, 1);
    // A window of fixed size: the client area is laid out in twips.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmArabicLunarMansionResult::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuBack = file->addAction(tr("&Back"));
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
    file->addSeparator()->setObjectName(QStringLiteral("mnuFile1"));
    mnuWheel = file->addAction(tr("Show the Mansion &Wheel"));
    mnuWheel->setObjectName(QStringLiteral("mnuWheel"));
    mnuPrint = file->addAction(tr("&Print\u2026"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuExportPdf = file->addAction(tr("Export as P&DF\u2026"));
    mnuExportPdf->setObjectName(QStringLiteral("mnuExportPdf"));
    QAction* mnuCalendar = file->addAction(tr("Mansion Ca&lendar\u2026"));
    mnuCalendar->setObjectName(QStringLiteral("mnuCalendar"));
    mnuCalendar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));  // Ctrl+K is a line edit's "delete to end of line"
    connect(mnuCalendar, &QAction::triggered, this, &frmArabicLunarMansionResult::calendarRequested);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFile2"));
    mnuSave = file->addAction(tr("&Save"));
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuSave->setShortcut(QKeySequence::Save);
    mnuAddToPeople = file->addAction(tr("&Add to People"));
    mnuAddToPeople->setObjectName(QStringLiteral("mnuAddToPeople"));
    connect(mnuAddToPeople, &QAction::triggered, this, &frmArabicLunarMansionResult::mnuAddToPeople_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFile3"));
    QAction* mnuQuit = file->addAction(tr("&Quit"));
    mnuQuit->setObjectName(QStringLiteral("mnuQuit"));
    mnuQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(mnuQuit, &QAction::triggered, this, &QWidget::close);  // as the close box: the exit window follows
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    mnuCopy = edit->addAction(tr("&Copy"));
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    mnuCopy->setShortcut(QKeySequence::Copy);
    AddHelpMenu(this);
}

void frmArabicLunarMansionResult::ShowReading(const MansionRecord& mansion)
{
    // The window serves reading after reading: a wheel open for the one
    // before shows this one instead, and the focus starts again where a new
    // window's would.
    const bool wheelWasOpen = CloseWheel();
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    for (std::size_t i = 0; i < MansionFieldCount; ++i) {
        // List items are joined by CR LF: each item begins a line of its own.
        QString text = ToQString(mansion[i]);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        lblResult[i]->setText(text);
        if (!lblResult[i]->wordWrap()) {
            lblResult[i]->adjustSize();
            const FieldPlace& at = FieldPlaces[i];
            Place(lblResult[i], Twips(at.valueLeft), Twips(at.valueTop), lblResult[i]->width(), Twips(LineHeight));
            lblResult[i]->setFixedHeight(Twips(LineHeight));
        }
    }
    ShowReadingLine();
    // A reading opened from a file has no birth to keep.
    mnuAddToPeople->setEnabled(state_.birth.has_value());
    if (wheelWasOpen)
        mnuWheel_Click();
    cmdSave->setFocus();  // Enter saves; the links are a Tab away
}

bool frmArabicLunarMansionResult::CloseWheel()
{
    if (!wheel_)
        return false;
    const bool open = wheel_->isVisible();  // not one closed and about to go
    wheel_->close();  // deletes itself
    wheel_ = nullptr;
    return open;
}

void frmArabicLunarMansionResult::ShowReadingLine()
{
    // A reading opened from a file has no passage: the position and the number only.
    MansionSignState sign;
    const int mansion = ChooseMansion(state_.chart.MoonPositionText, sign).mansion;
    const QString position =
        ToQString(SignPositionInWords(PositionTextLongitude(state_.chart.MoonPositionText).value_or(0)));
    QString line = tr("Moon at %1 \u2014 mansion %2 of 28").arg(position).arg(mansion);
    if (state_.passage)
        line += tr(" \u2014 in it from %1 to %2")
                    .arg(ShownClockAndDay(state_.passage->entered), ShownClockAndDay(state_.passage->left));
    lblReadingLine->setText(line);
}

void frmArabicLunarMansionResult::cmdBack_Click()
{
    // Hidden, not closed: the next reading shows in this window again, which
    // spares making one (most of the time from the click to the result).
    emit backRequested();
    CloseWheel();
    hide();
}

void frmArabicLunarMansionResult::cmdSave_Click()
{
    const QString path = FileDialogs::GetSaveFileName(this, tr("Save"), tr("Qamarel (*.qmz)"), QStringLiteral("qmz"));
    if (path.isEmpty())
        return;  // cancelled
    const QString problem = SaveReadingFile(path, state_.chart.MoonPositionText);
    if (!problem.isEmpty())
        Messages::Show(this, tr("The reading was not saved to %1.\n%2").arg(QDir::toNativeSeparators(path), problem),
                       Messages::Icon::Error);
    else
        RememberReading(path);
}

ReadingSheet frmArabicLunarMansionResult::Sheet() const
{
    return SheetForReading(state_.chart.MoonPositionText, state_.currentMansion, state_.birth, state_.passage);
}

void frmArabicLunarMansionResult::mnuWheel_Click()
{
    // One wheel a result window: shown again, the open one comes to the front.
    if (!wheel_)
        wheel_ = new frmMansionWheel(Sheet(), this);
    wheel_->ShowAgain();
}

void frmArabicLunarMansionResult::mnuPrint_Click()
{
    // Printing is a module of its own, loaded now: the program starts without it.
    std::string problem;
    const PrintingModuleEntry* printing = LoadCompanionModule<PrintingModuleEntry>(problem);
    if (!printing || !printing->printWithDialog(this, Sheet(), problem))
        Messages::Show(this, tr("The reading was not printed.\n%1").arg(QString::fromStdString(problem)),
                       Messages::Icon::Error);
}

void frmArabicLunarMansionResult::mnuExportPdf_Click()
{
    // Offered under the page's title, in the folder the last PDF of this run
    // went to (the home folder at first).
    static QString lastFolder;
    const ReadingSheet sheet = Sheet();
    const QString folder = lastFolder.isEmpty() ? QDir::homePath() : lastFolder;
    const QString path = FileDialogs::GetSaveFileName(this, tr("Export as PDF"), tr("PDF (*.pdf)"), QStringLiteral("pdf"),
                                                      QDir(folder).filePath(SheetFileName(sheet)));
    if (path.isEmpty())
        return;  // cancelled
    // Written whole beside the old file and put in its place, as Save does.
    const QByteArray pdf = ReadingPdf(sheet);
    const QString problem = WriteChosenFile(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    if (problem.isEmpty())
        lastFolder = QFileInfo(path).absolutePath();
    else
        Messages::Show(this, tr("The reading was not exported to %1.\n%2").arg(QDir::toNativeSeparators(path), problem),
                       Messages::Icon::Error);
}

void frmArabicLunarMansionResult::mnuCopy_Click()
{
    // The whole reading as plain text, as the reading tool writes it.
    std::ostringstream text;
    const MansionReading reading = ReadingForPositionText(state_.chart.MoonPositionText);
    if (reading.status != PositionTextStatus::WellFormed)
        return;
    const std::optional<std::string> name =
        state_.birth && !state_.birth->name.empty() ? std::optional<std::string>(state_.birth->name) : std::nullopt;
    WriteReadingText(text, reading, name, state_.passage ? &*state_.passage : nullptr);
    QApplication::clipboard()->setText(QString::fromStdString(text.str()));
}

void frmArabicLunarMansionResult::OpenLink(const QString& address)
{
    OpenPageOrSay(this, address);
}

void frmArabicLunarMansionResult::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closedByUser();
}

void frmArabicLunarMansionResult::mnuAddToPeople_Click()
{
    if (!state_.birth)
        return;
    using namespace Messages;
    const Person person = PersonOfBirth(*state_.birth);
    const QString name = person.name.empty() ? tr("This reading") : ToQString(person.name);
    PeopleBook book;
    BookResult result = book.Open(DefaultBookPath());
    if (result.ok() || result.status == BookStatus::NewerVersion) {
        const std::vector<Person> people = book.List(result);
        for (const Person& there : people)
            if (SameBirth(there, person)) {
                Show(this, tr("%1 is already in People.").arg(name), Icon::Information);
                return;
            }
    }
    if (result.ok()) {
        Person added = person;
        result = book.Add(added);
    }
    if (!result.ok()) {
        Show(this, tr("%1 was not added to People: %2").arg(name, ToQString(result.message)), Icon::Error);
        return;
    }
    Show(this, tr("%1 was added to People.").arg(name), Icon::Information);
    emit addedToPeople();
}
