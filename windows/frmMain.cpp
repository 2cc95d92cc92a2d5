#include "windows/frmMain.h"

#include "base/QtStdText.h"
#include "core/ReadingState.h"
#include "core/modEphemeris.h"
#include "core/ReadingFile.h"
#include "files/ReadingFileAccess.h"
#include "people/PeopleBook.h"
#include "ui/FileNameText.h"
#include "ui/BoxLengthLimit.h"
#include "ui/DroppedFiles.h"
#include "ui/FileDialogs.h"
#include "ui/LocationLookup.h"
#include "core/WebAddresses.h"
#include "ui/LinkOpening.h"
#include "ui/WebLinks.h"
#include "ui/MessageBox.h"
#include "ui/ListBox.h"
#include "ui/HelpMenu.h"
#include "ui/ProgramWidgets.h"
#include "core/TimeZoneTable.h"
#include "windows/frmTimeZone.h"
#include "windows/RecentLists.h"
#include "language/ShownDates.h"
#include "places/PlaceFill.h"
#include "places/PlaceKeys.h"
#include "places/ZoneClocks.h"
#include "windows/frmPlaceFinder.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QStringListModel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct CheckMessage {
    BirthFormCheck check;
    const char* text;
    Messages::Icon icon;
};

// What each failed check tells the user; the focus goes to the box concerned.
constexpr CheckMessage CheckMessages[] = {
    {BirthFormCheck::NameBlank, QT_TRANSLATE_NOOP("frmMain", "Please Enter Name"), Messages::Icon::Error},
    {BirthFormCheck::ZoneBlank, QT_TRANSLATE_NOOP("frmMain", "Please Enter Hour and Minute of Time Zone"), Messages::Icon::Error},
    {BirthFormCheck::LongitudeDegreesBlank, QT_TRANSLATE_NOOP("frmMain", "Please Enter Degree of Longitude"), Messages::Icon::Error},
    {BirthFormCheck::LongitudeMinutesBlank, QT_TRANSLATE_NOOP("frmMain", "Please Enter Minute of Longitude"), Messages::Icon::Error},
    {BirthFormCheck::LatitudeDegreesBlank, QT_TRANSLATE_NOOP("frmMain", "Please Enter Degree of Latitude"), Messages::Icon::Error},
    {BirthFormCheck::LatitudeMinutesBlank, QT_TRANSLATE_NOOP("frmMain", "Please Enter Minute of Latitude"), Messages::Icon::Error},
    {BirthFormCheck::FebruaryTooLong, QT_TRANSLATE_NOOP("frmMain", "Please Enter Correct Date Or Month!"), Messages::Icon::Information},
    {BirthFormCheck::ThirtyDayMonthTooLong, QT_TRANSLATE_NOOP("frmMain", "Please Enter Correct Date Or Month !"), Messages::Icon::Information},
    {BirthFormCheck::ZoneSignsDisagree, QT_TRANSLATE_NOOP("frmMain", "Please Enter Hour and Minute of Time Zone With The Same Sign"), Messages::Icon::Error},
};

// What each numeric box holds, in the words of the checks above.
const char* NumberBoxName(NumberBox box)
{
    switch (box) {
    case NumberBox::LongitudeDegrees: return QT_TRANSLATE_NOOP("frmMain", "Degree of Longitude");
    case NumberBox::LongitudeMinutes: return QT_TRANSLATE_NOOP("frmMain", "Minute of Longitude");
    case NumberBox::LatitudeDegrees: return QT_TRANSLATE_NOOP("frmMain", "Degree of Latitude");
    case NumberBox::LatitudeMinutes: return QT_TRANSLATE_NOOP("frmMain", "Minute of Latitude");
    case NumberBox::ZoneHours: return QT_TRANSLATE_NOOP("frmMain", "Hour of Time Zone");
    case NumberBox::ZoneMinutes: return QT_TRANSLATE_NOOP("frmMain", "Minute of Time Zone");
    }
    return "";
}

QLineEdit* MakeLineEdit(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QComboBox* MakeList(const char* name, QWidget* parent)
{
    auto* list = new ListBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setMaxVisibleItems(12);
    return list;
}

// A label; with a buddy, a screen reader names the buddy by it.
QLabel* MakeLabel(const QString& text, QWidget* parent, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(InWindowDirection(parent, text), parent);
    label->setBuddy(buddy);
    return label;
}

// The layout the longitude, latitude and zone frames share: two labelled boxes
// side by side, and two controls under them, each as wide as a label and its
// box (room for the longer words of other languages).
void LayOutFrame(QGroupBox* frame, const QString& firstLabel, QWidget* firstBox, const QString& secondLabel,
                 QWidget* secondBox, QWidget* underFirst, QWidget* underSecond)
{
    auto* grid = new QGridLayout(frame);
    grid->addWidget(MakeLabel(firstLabel, frame), 0, 0);
    grid->addWidget(firstBox, 0, 1);
    grid->addWidget(MakeLabel(secondLabel, frame), 0, 2);
    grid->addWidget(secondBox, 0, 3);
    grid->addWidget(underFirst, 1, 0, 1, 2);
    grid->addWidget(underSecond, 1, 2, 1, 2);
}

// Why a file was not opened as a reading, with its name: "nosuch.qmz does not exist".
QString UnopenedFileReason(const QString& path, ReadingFileStatus status)
{
    const QFileInfo file(path);
    const QString name = file.fileName();
    if (!file.exists())
        return frmMain::tr("%1 does not exist").arg(name);
    if (file.isDir())
        return frmMain::tr("%1 is a folder").arg(name);
    if (!HasReadingFileExtension(path.toStdString()))
        return frmMain::tr("%1 is not a saved reading (.qmz)").arg(name);
    if (status == ReadingFileStatus::NotAFile)
        return frmMain::tr("%1 is not a regular file").arg(name);
    if (status == ReadingFileStatus::CannotRead)
        return frmMain::tr("%1 cannot be read").arg(name);
    return frmMain::tr("%1 does not hold a saved reading").arg(name);
}

std::string Text(const QLineEdit* box)
{
    return box->text().toStdString();
}

}  // namespace

frmMain::frmMain(ReadingState& state, QWidget* parent) : QMainWindow(parent), state_(state)
{
    SetUpProgramWindow(this, "frmMain");
    setAttribute(Qt::WA_DeleteOnClose);
    BuildControls();
    BuildMenus();
    WireHandlers();
    Form_Load();
    setAcceptDrops(true);  // files dropped go to People's import
}

void frmMain::BuildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);

    auto* intro = new QLabel(tr("Know more about your favorable and unfavorable personality traits based on "
                                "Arabic Lunar Mansions. Enter the details to get your Arabic Lunar Mansion Reading."),
                             central);
    intro->setWordWrap(true);

    txtName = MakeLineEdit("txtName", central);
    cboMonth = MakeList("cboMonth", central);
    cboDate = MakeList("cboDate", central);
    cboYear = MakeList("cboYear", central);
    cboHH = MakeList("cboHH", central);
    cboMM = MakeList("cboMM", central);
    cboSS = MakeList("cboSS", central);
    txtMCity = MakeLineEdit("txtMCity", central);
    txtMState = MakeLineEdit("txtMState", central);
    txtMCountry = MakeLineEdit("txtMCountry", central);
    cmdBrowser = new QPushButton(tr("Click Here To Find Latitude && Longitude"), central);
    cmdBrowser->setObjectName(QStringLiteral("cmdBrowser"));

    // Person, date and time.
    auto* person = new QGridLayout;
    person->addWidget(MakeLabel(tr("Name"), central, txtName), 0, 0);
    person->addWidget(txtName, 0, 1, 1, 3);
    person->addWidget(MakeLabel(tr("Date of Birth"), central), 1, 0);
    person->addWidget(cboMonth, 1, 1);
    person->addWidget(cboDate, 1, 2);
    person->addWidget(cboYear, 1, 3);
    person->addWidget(MakeLabel(tr("HH:MM:SS"), central), 2, 1, Qt::AlignBottom);
    person->addWidget(MakeLabel(tr("Time of Birth"), central), 3, 0);
    person->addWidget(cboHH, 3, 1);
    person->addWidget(cboMM, 3, 2);
    person->addWidget(cboSS, 3, 3);
    person->addWidget(MakeLabel(tr("City"), central, txtMCity), 4, 0);
    person->addWidget(txtMCity, 4, 1, 1, 3);
    person->addWidget(MakeLabel(tr("State"), central, txtMState), 5, 0);
    person->addWidget(txtMState, 5, 1, 1, 3);
    person->addWidget(MakeLabel(tr("Country"), central, txtMCountry), 6, 0);
    person->addWidget(txtMCountry, 6, 1, 1, 3);
    person->addWidget(cmdBrowser, 7, 1, 1, 3);
    person->setColumnStretch(1, 3);
    person->setColumnStretch(2, 2);
    person->setColumnStretch(3, 2);

    // Longitude and latitude: degrees, minutes and hemisphere.
    auto angleFrame = [&](const QString& title, const char* frameName, QLineEdit*& degrees, const char* degreesName,
                          QLineEdit*& minutes, const char* minutesName, QButtonGroup*& group, const char* groupName,
                          QRadioButton*& first, const QString& firstCaption, QRadioButton*& second,
                          const QString& secondCaption) {
        auto* frame = new QGroupBox(title, central);
        frame->setObjectName(QString::fromLatin1(frameName));
        degrees = MakeLineEdit(degreesName, frame);
        minutes = MakeLineEdit(minutesName, frame);
        first = new QRadioButton(firstCaption, frame);
        second = new QRadioButton(secondCaption, frame);
        first->setObjectName(QString::fromLatin1(groupName) + QStringLiteral("_0"));
        second->setObjectName(QString::fromLatin1(groupName) + QStringLiteral("_1"));
        group = new QButtonGroup(frame);
        group->setObjectName(QString::fromLatin1(groupName));
        group->addButton(first, 0);
        group->addButton(second, 1);
        LayOutFrame(frame, tr("Deg"), degrees, tr("Min"), minutes, first, second);
        return frame;
    };
    QGroupBox* longitude = angleFrame(tr("Longitude"), "fraLongitude", txtLonD, "txtLonD", txtLonM, "txtLonM", optLong,
                                      "optLong", optLongEast, tr("East"), optLongWest, tr("West"));
    QGroupBox* latitude = angleFrame(tr("Latitude"), "fraLatitude", txtLatD, "txtLatD", txtLatM, "txtLatM", optLat,
                                     "optLat", optLatNorth, tr("North"), optLatSouth, tr("South"));

    // Time zone.
    fraZone = new QGroupBox(tr("Time Zone"), central);
    fraZone->setObjectName(QStringLiteral("fraZone"));
    txtZoneHour = MakeLineEdit("txtZoneHour", fraZone);
    txtZoneHour->setValidator(new BoxLengthLimit(3, txtZoneHour));
    txtZoneMinute = MakeLineEdit("txtZoneMinute", fraZone);
    txtZoneMinute->setValidator(new BoxLengthLimit(2, txtZoneMinute));
    chkDST = new QCheckBox(tr("DST"), fraZone);
    chkDST->setObjectName(QStringLiteral("chkDST"));
    lblTZHelp = MakeLinkLabel(tr("TZ Help"), QStringLiteral("lblTZHelp"), fraZone);
    LayOutFrame(fraZone, tr("Hour"), txtZoneHour, tr("Min"), txtZoneMinute, chkDST, lblTZHelp);

    auto* places = new QHBoxLayout;
    places->addWidget(longitude);
    places->addWidget(latitude);
    places->addWidget(fraZone);

    cmdCalculate = new QPushButton(tr("&Get My Arabic Lunar Mansion"), central);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setDefault(true);
    cmdOpen = new QPushButton(tr("&Open Previously Saved Reading"), central);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    // Shown while the form edits an entry of the people book.
    cmdSaveToPeople = new QPushButton(tr("&Save to People"), central);
    cmdSaveToPeople->setObjectName(QStringLiteral("cmdSaveToPeople"));
    cmdCancelEdit = new QPushButton(tr("Cancel &Edit"), central);
    cmdCancelEdit->setObjectName(QStringLiteral("cmdCancelEdit"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdOpen);
    buttons->addStretch();
    // While an entry of People is edited, its two buttons in a row of their
    // own: beside the two above, long translations left them no room.
    auto* editingButtons = new QHBoxLayout;
    editingButtons->addStretch();
    editingButtons->addWidget(cmdSaveToPeople);
    editingButtons->addWidget(cmdCancelEdit);
    editingButtons->addStretch();

    // Links to the publisher: the banner, and two promotional labels in one
    // place, of which the one in front is seen.
    homePageLink = MakeLinkLabel(tr("Visit us online for more astrology software and readings"),
                            QStringLiteral("Label11"), central);
    homePageLink->setAlignment(Qt::AlignCenter);
    auto* fraFullBrand = new QGroupBox(central);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    lblCobrand = MakeLinkLabel(tr("Offer Qamarel to your clients under your own name and logo: ask for co-branded copies"),
                               QStringLiteral("lblCobrand"), fraFullBrand);
    lblFullBrand = MakeLinkLabel(tr("Make Qamarel your own: ask for fully branded copies for your business"),
                                 QStringLiteral("lblFullBrand"), fraFullBrand);
    for (QLabel* label : {lblCobrand, lblFullBrand}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
    }
    // Only the label in front shows; the other waits behind it.
    promotionStrip_ = new QStackedLayout(fraFullBrand);
    promotionStrip_->addWidget(lblCobrand);
    promotionStrip_->addWidget(lblFullBrand);

    auto* page = new QVBoxLayout(central);
    page->addWidget(intro);
    page->addSpacing(6);
    page->addLayout(person);
    page->addSpacing(6);
    page->addLayout(places);
    // What the place finder used for the zone, while the zone follows the place.
    lblPlaceZone = new QLabel(central);
    lblPlaceZone->setObjectName(QStringLiteral("lblPlaceZone"));
    lblPlaceZone->setWordWrap(true);
    lblPlaceZone->hide();
    page->addWidget(lblPlaceZone);
    page->addSpacing(6);
    page->addLayout(buttons);
    page->addLayout(editingButtons);
    page->addSpacing(6);
    page->addWidget(homePageLink);
    page->addWidget(fraFullBrand);

    // Keyboard order: person, time, longitude, latitude, place, the two
    // buttons, then the zone and Open; the picker link last.
    QWidget* order[] = {txtName,      cboMonth,    cboDate,     cboYear,      cboHH,       cboMM,
                        cboSS,        txtLonD,     txtLonM,     optLongEast,  optLongWest, txtLatD,
                        txtLatM,      optLatNorth, optLatSouth, txtMCity,     txtMState,   txtMCountry,
                        cmdBrowser,   cmdCalculate, txtZoneHour, txtZoneMinute, chkDST,    cmdOpen,
                        lblTZHelp};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // What a screen reader says for each box and list: the labels beside them
    // are shared ("Deg", "Min") or stand for several controls.
    const struct {
        QWidget* control;
        const char* name;
    } spoken[] = {
        {txtName, QT_TR_NOOP("Name")},
        {cboMonth, QT_TR_NOOP("Month of birth")},
        {cboDate, QT_TR_NOOP("Day of birth")},
        {cboYear, QT_TR_NOOP("Year of birth")},
        {cboHH, QT_TR_NOOP("Hour of birth")},
        {cboMM, QT_TR_NOOP("Minute of birth")},
        {cboSS, QT_TR_NOOP("Second of birth")},
        {txtMCity, QT_TR_NOOP("City")},
        {txtMState, QT_TR_NOOP("State")},
        {txtMCountry, QT_TR_NOOP("Country")},
        {txtLonD, QT_TR_NOOP("Longitude degrees")},
        {txtLonM, QT_TR_NOOP("Longitude minutes")},
        {optLongEast, QT_TR_NOOP("Longitude East")},
        {optLongWest, QT_TR_NOOP("Longitude West")},
        {txtLatD, QT_TR_NOOP("Latitude degrees")},
        {txtLatM, QT_TR_NOOP("Latitude minutes")},
        {optLatNorth, QT_TR_NOOP("Latitude North")},
        {optLatSouth, QT_TR_NOOP("Latitude South")},
        {txtZoneHour, QT_TR_NOOP("Time zone hours")},
        {txtZoneMinute, QT_TR_NOOP("Time zone minutes")},
        {chkDST, QT_TR_NOOP("Daylight saving time")},
        {lblTZHelp, QT_TR_NOOP("Time zone help: choose a named zone")},
    };
    for (const auto& s : spoken)
        s.control->setAccessibleName(tr(s.name));
    // A screen reader on Linux names a list by its label relation and reads
    // its accessible name as the current entry: each list gets a buddy label
    // of its own, out of sight, as one visible label stands for three lists.
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) {
        QLabel* label = MakeLabel(list->accessibleName(), central, list);
        label->setObjectName(list->objectName() + QStringLiteral("Label"));
        label->hide();
    }

    // A form of fixed width, like a dialog; wrapped labels take their height
    // from it, and the window keeps the size its layout asks for.
    central->setFixedWidth(fontMetrics().averageCharWidth() * 100);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmMain::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuCalculate = file->addAction(tr("&Calculate"));
    mnuCalculate->setObjectName(QStringLiteral("mnuCalculate"));
    QAction* mnuOpen = file->addAction(tr("&Open\u2026"));
    mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    mnuOpen->setShortcut(QKeySequence::Open);
    connect(mnuOpen, &QAction::triggered, this, &frmMain::cmdOpen_Click);
    // The last readings opened or saved, as they are when the menu opens:
    // files found gone are dropped.
    QMenu* recent = file->addMenu(tr("Open &Recent"));
    recent->setObjectName(QStringLiteral("mnuRecent"));
    connect(file, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        const QStringList readings = RecentReadings();
        for (int i = 0; i < readings.size(); ++i) {
            QAction* entry = recent->addAction(
                QStringLiteral("&%1 %2").arg(i == 9 ? 0 : i + 1).arg(QFileInfo(readings[i]).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
            entry->setToolTip(QDir::toNativeSeparators(readings[i]));
            entry->setStatusTip(entry->toolTip());
            connect(entry, &QAction::triggered, this, [this, path = readings[i]] { OpenReadingFile(path); });
        }
        recent->setEnabled(!readings.isEmpty());
    });
    QAction* mnuCalendar = file->addAction(tr("Mansion Ca&lendar\u2026"));
    mnuCalendar->setObjectName(QStringLiteral("mnuCalendar"));
    mnuCalendar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));  // Ctrl+K is a line edit's "delete to end of line"
    connect(mnuCalendar, &QAction::triggered, this, &frmMain::calendarRequested);
    QAction* mnuPeople = file->addAction(tr("&People\u2026"));
    mnuPeople->setObjectName(QStringLiteral("mnuPeople"));
    mnuPeople->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    connect(mnuPeople, &QAction::triggered, this, &frmMain::peopleRequested);
    mnuSaveToPeople = file->addAction(tr("&Save to People"));
    mnuSaveToPeople->setObjectName(QStringLiteral("mnuSaveToPeople"));
    mnuSaveToPeople->setShortcut(QKeySequence::Save);
    file->addSeparator();
    // As the close box: the exit window follows.
    QAction* mnuQuit = file->addAction(tr("&Quit"));
    mnuQuit->setObjectName(QStringLiteral("mnuQuit"));
    mnuQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(mnuQuit, &QAction::triggered, this, &QWidget::close);
    AddHelpMenu(this);
}

void frmMain::WireHandlers()
{
    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(mnuCalculate, &QAction::triggered, this, &frmMain::mnuCalculate_Click);
    connect(lblTZHelp, &QLabel::linkActivated, this, &frmMain::lblTZHelp_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(mnuSaveToPeople, &QAction::triggered, this, &frmMain::mnuSaveToPeople_Click);
    connect(cmdSaveToPeople, &QPushButton::clicked, this, &frmMain::mnuSaveToPeople_Click);
    connect(cmdCancelEdit, &QPushButton::clicked, this, &frmMain::cmdCancelEdit_Click);
    connect(cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(txtMCity, &QLineEdit::textEdited, this, &frmMain::txtMCity_Change);
    connect(homePageLink, &QLabel::linkActivated, this, [this] { OpenPageOrSay(this, WebLinks::HomePage()); });
    connect(lblCobrand, &QLabel::linkActivated, this, [this] { OpenPageOrSay(this, WebLinks::PromotionPage(1)); });
    connect(lblFullBrand, &QLabel::linkActivated, this, [this] { OpenPageOrSay(this, WebLinks::PromotionPage(2)); });
    for (QLineEdit* box : {txtLatD, txtLatM, txtLonD, txtLonM, txtZoneHour, txtZoneMinute})
        box->installEventFilter(this);
    // A chosen place's zone and summer time follow the birth date and time,
    // until the user sets the zone: types in its boxes, ticks DST or uses TZ Help.
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM})
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::FollowPlaceZone);
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute})
        connect(box, &QLineEdit::textEdited, this, &frmMain::StopFollowingPlaceZone);
    connect(chkDST, &QCheckBox::clicked, this, &frmMain::StopFollowingPlaceZone);
    // New coordinates or a new place end the link to the chosen place.
    for (QLineEdit* box : {txtMCity, txtMState, txtMCountry, txtLonD, txtLonM, txtLatD, txtLatM})
        connect(box, &QLineEdit::textEdited, this, &frmMain::ForgetChosenPlace);
    for (QRadioButton* option : {optLongEast, optLongWest, optLatNorth, optLatSouth})
        connect(option, &QRadioButton::clicked, this, &frmMain::ForgetChosenPlace);
    connect(optLongEast, &QRadioButton::toggled, this, &frmMain::FollowPlaceZone);
}

void frmMain::Form_Load()
{
    // Each list filled at once: one insertion, not one for each entry.
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << ShownMonthName(month);
    cboMonth->addItems(months);
    auto fill = [](QComboBox* list, int first, int last) {
        QStringList numbers;
        for (int n = first; n <= last; ++n)
            numbers << QString::number(n);
        list->addItems(numbers);
    };
    fill(cboDate, 1, 31);
    fill(cboYear, 1901, 2050);
    fill(cboHH, 0, 23);
    fill(cboMM, 0, 59);
    fill(cboSS, 0, 59);
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS})
        list->setCurrentIndex(0);
    optLongEast->setChecked(true);
    optLatNorth->setChecked(true);
    ShowEditing(false);
    txtName->setFocus();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Only typed characters are filtered. Keys that type none pass: arrows,
    // Home, Tab, Enter, and the keys that edit, whose text is a control
    // character (Backspace U+0008, Delete U+007F on X11, Ctrl+X, Ctrl+Z...).
    // A Control shortcut passes too, whatever text the platform gives it
    // (Control with Alt is AltGr on some keyboards, which types characters).
    const QString text = key->text();
    const bool typesNothing = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    const bool shortcut = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
    if (typesNothing || shortcut)
        return false;
    const QChar c = text.at(0);
    if (text.size() == 1 && c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return false;
    // A digit of another script (Arabic-Indic U+0660..0669, Persian U+06F0..06F9,
    // any decimal digit) is the same number, and goes in as 0 to 9.
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (text.size() == 1 && box && c.category() == QChar::Number_DecimalDigit) {
        box->insert(QString(QLatin1Char(static_cast<char>('0' + c.digitValue()))));
        return true;
    }
    Messages::Show(this, tr("Only Numbers Are Accepted"), Messages::Icon::Error);
    return true;  // the key is discarded
}

BirthFormValues frmMain::FormValues() const
{
    BirthFormValues form;
    form.name = Text(txtName);
    form.monthIndex = cboMonth->currentIndex();
    form.dayIndex = cboDate->currentIndex();
    form.day = cboDate->currentText().toStdString();
    form.year = cboYear->currentText().toStdString();
    form.hour = cboHH->currentText().toStdString();
    form.minute = cboMM->currentText().toStdString();
    form.lonDegrees = Text(txtLonD);
    form.lonMinutes = Text(txtLonM);
    form.latDegrees = Text(txtLatD);
    form.latMinutes = Text(txtLatM);
    form.zoneHours = Text(txtZoneHour);
    form.zoneMinutes = Text(txtZoneMinute);
    form.east = optLongEast->isChecked();
    form.north = optLatNorth->isChecked();
    form.dst = chkDST->isChecked();
    return form;
}

bool frmMain::ValidateBirthData()
{
    const BirthFormCheck check = ::ValidateBirthData(FormValues());
    if (check == BirthFormCheck::Passed)
        return true;
    QWidget* focus = nullptr;
    switch (check) {
    case BirthFormCheck::NameBlank: focus = txtName; break;
    case BirthFormCheck::ZoneBlank:
    case BirthFormCheck::ZoneSignsDisagree: focus = txtZoneHour; break;
    case BirthFormCheck::LongitudeDegreesBlank: focus = txtLonD; break;
    case BirthFormCheck::LongitudeMinutesBlank: focus = txtLonM; break;
    case BirthFormCheck::LatitudeDegreesBlank: focus = txtLatD; break;
    case BirthFormCheck::LatitudeMinutesBlank: focus = txtLatM; break;
    default: break;  // the date checks leave the focus where it is
    }
    for (const CheckMessage& m : CheckMessages)
        if (m.check == check)
            Messages::Show(this, tr(m.text), m.icon);
    if (focus)
        focus->setFocus();
    return false;
}

std::optional<BirthMoment> frmMain::BirthOfForm()
{
    if (!ValidateBirthData())
        return std::nullopt;
    const ChartInputsResult inputs = ChartInputsFromForm(FormValues(), state_.chart);
    if (inputs.failed) {
        QLineEdit* boxes[] = {txtLonD, txtLonM, txtLatD, txtLatM, txtZoneHour, txtZoneMinute};
        // A box that holds no number after a paste, or a number too large to keep.
        const QString box = tr(NumberBoxName(*inputs.failed));
        Messages::Show(this,
                       inputs.outOfRange ? tr("Please Enter A Number From 0 To 32767 For %1").arg(box)
                                         : tr("Please Enter A Number For %1").arg(box),
                       Messages::Icon::Error);
        boxes[static_cast<int>(*inputs.failed)]->setFocus();
        return std::nullopt;
    }
    // The birth at its place on its clocks, made once: every view renders it.
    BirthMoment moment = MomentOfTypedBirth(inputs.chart, Text(txtName));
    if (chosenPlace_) {
        moment.where.place = chosenPlace_;
    } else if (!(Text(txtMCity) + Text(txtMState) + Text(txtMCountry)).empty()) {
        BirthPlace typed;  // as typed, without coordinates or zone
        typed.name = ToStdString(txtMCity->text().trimmed());
        typed.state = ToStdString(txtMState->text().trimmed());
        typed.country = ToStdString(txtMCountry->text().trimmed());
        moment.where.place = typed;
    }
    if (const PlaceClocks chosen = chosenPlaceClocks(); !chosen.clocks.changes.empty()) {
        moment.where.clocks = chosen.clocks;
        moment.zoneInWords = ToStdString(placeZoneWords_);
    }
    return moment;
}

void frmMain::cmdCalculate_Click()
{
    std::optional<BirthMoment> moment = BirthOfForm();
    if (!moment)
        return;
    // The form goes for the reading: an edit of an entry is saved first, or
    // left, as the user says.
    if (edited_ && Messages::Show(this, tr("Save the changes to %1 in People first?").arg(ToQString(edited_->name)),
                                  Messages::Icon::Information, Messages::Buttons::YesNo) == Messages::Answer::Yes) {
        mnuSaveToPeople_Click();
        if (edited_)
            return;  // not saved: the form stays, with the edit
    }
    ReadingState& state = state_;
    state.chart = moment->chart;
    modEphemeris::ComputeMoonPosition(state.chart);
    state.passage = FindMansionPassage(*moment);
    state.birth = std::move(moment);
    ShowMansionReading(state.chart.MoonPositionText);
}

void frmMain::mnuCalculate_Click()
{
    cmdCalculate_Click();
}

PositionTextStatus frmMain::ShowMansionReading(std::string_view text)
{
    const PositionTextStatus status = ChooseCurrentMansion(state_, text);
    if (status != PositionTextStatus::WellFormed)
        return status;
    emit readingChosen();
    closingForTurn_ = true;
    close();
    return status;
}

void frmMain::ChoosePromotionLabel(int n)
{
    promotionStrip_->setCurrentWidget(n % 2 == 0 ? lblFullBrand : lblCobrand);
}

void frmMain::cmdOpen_Click()
{
    const QString path = FileDialogs::GetOpenFileName(this, tr("Select the source file"), tr("Qamarel (*.qmz)"));
    if (!path.isEmpty())  // empty when cancelled
        OpenReadingFile(path);
}

bool frmMain::OpenReadingFile(const QString& path)
{
    // A file that cannot be read, or whose first line is not a position text, is
    // refused: no earlier reading is shown as if it were the file's.
    const ReadingFileText file = HasReadingFileExtension(path.toStdString())
                                     ? ReadReadingFile(FileNameBytes(path).toStdString())
                                     : ReadingFileText{};
    if (file.status != ReadingFileStatus::Read || !IsWellFormedPositionText(file.text)) {
        Messages::Show(this, tr("Please Check The File."), Messages::Icon::Error, Messages::Buttons::Ok,
                       UnopenedFileReason(path, file.status));
        return false;
    }
    state_.chart.MoonPositionText = file.text;
    state_.birth.reset();
    state_.passage.reset();  // a file keeps no birth data: no passage, rather than a guess
    RememberReading(path);
    ShowMansionReading(file.text);
    return true;
}

void frmMain::cmdBrowser_Click()
{
    // With City empty the finder offers the places chosen before, if any.
    if (txtMCity->text().trimmed().isEmpty() && RecentPlaces().isEmpty()) {  // State and Country may be left out
        Messages::Show(this, tr("Please Enter City"), Messages::Icon::Information);
        txtMCity->setFocus();
        return;
    }
    // The offline places; the finder says when none matches, with the
    // nearest names, and offers the map search on the web.
    const PlaceSearch search = FindPlaces(txtMCity->text(), txtMState->text(), txtMCountry->text());
    frmPlaceFinder finder(search, this);
    ExecDialog(finder);
    if (finder.outcome() == frmPlaceFinder::Outcome::Chosen) {
        UsePlace(finder.chosenPlace());
    } else if (finder.outcome() == frmPlaceFinder::Outcome::SearchTheWeb) {
        const std::string query = LocationQuery(Text(txtMCity), Text(txtMState), Text(txtMCountry));
        LocationLookup().FindLocation(QString::fromStdString(query), WebLinks::HomePage());
    }
}

void frmMain::txtMCity_Change()
{
    if (!cityCompleter_) {
        cityMatches_ = new QStringListModel(this);
        cityCompleter_ = new QCompleter(cityMatches_, this);
        cityCompleter_->setObjectName(QStringLiteral("cityCompleter"));
        // The list is the search's, best first: the completer filters nothing.
        cityCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        cityCompleter_->setWidget(txtMCity);
        // The list is the form's own window, made after the completer: it goes
        // with the form, after the completer that watches it.
        cityCompleter_->popup()->setParent(this, Qt::Popup);
        cityCompleter_->popup()->setObjectName(QStringLiteral("lstCityPlaces"));
        connect(cityCompleter_, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this](const QModelIndex& index) {
            if (index.row() >= 0 && index.row() < cityPlaces_.size())
                UsePlace(cityPlaces_.at(index.row()));
        });
    }
    // The places chosen before that begin with what was typed, then the search's.
    const PlaceSearch search = FindPlaces(txtMCity->text(), txtMState->text(), txtMCountry->text());
    const bool searched = search.status == PlaceSearch::Status::Found || search.status == PlaceSearch::Status::EmptyName;
    cityPlaces_ = searched ? RecentFirst(RecentPlaces(), search.places, txtMCity->text(), 10) : QList<Place>();
    QStringList shown;
    for (const Place& p : cityPlaces_)
        shown << NameAndRegion(p.countryCode, p.state, p.country, ShownName(p));
    cityMatches_->setStringList(shown);
    if (shown.isEmpty() || focusWidget() != txtMCity)  // typed, not set by the program
        cityCompleter_->popup()->hide();
    else
        cityCompleter_->complete();
}

void frmMain::UsePlace(const Place& place)
{
    followedZone_.clear();  // the hemisphere set below must not follow an earlier place
    zoneByName_ = false;
    // The form shows which place it is (which Springfield).
    txtMCity->setText(place.name);
    txtMState->setText(place.state);
    txtMCountry->setText(place.country);
    PlaceFill fill;
    FillCoordinates(place, fill);
    txtLonD->setText(QString::number(fill.longitudeDegrees));
    txtLonM->setText(QString::number(fill.longitudeMinutes));
    (fill.east ? optLongEast : optLongWest)->setChecked(true);
    txtLatD->setText(QString::number(fill.latitudeDegrees));
    txtLatM->setText(QString::number(fill.latitudeMinutes));
    (fill.north ? optLatNorth : optLatSouth)->setChecked(true);
    followedZone_ = place.zone;
    followedPlace_ = ShortName(place);
    chosenPlace_ = BirthPlaceOf(place);
    RememberPlace(place);
    FollowPlaceZone();
    cmdCalculate->setFocus();
}

void frmMain::FollowPlaceZone()
{
    if (followedZone_.isEmpty())
        return;
    // The birth date as the lists hold it; a day the month lacks (31 April)
    // is refused later by the checks, and meanwhile reads as the month's last.
    const int year = cboYear->currentText().toInt(), month = cboMonth->currentIndex() + 1;
    const QDate date(year, month, std::min(cboDate->currentIndex() + 1, QDate(year, month, 1).daysInMonth()));
    const QTime time(cboHH->currentIndex(), cboMM->currentIndex());
    PlaceFill fill;
    fill.east = optLongEast->isChecked();  // an unsigned zone's direction follows it
    FillZone(followedZone_, followedPlace_, date, time, fill);
    txtZoneHour->setText(fill.zoneHours);
    txtZoneMinute->setText(fill.zoneMinutes);
    chkDST->setChecked(fill.dst);
    placeZoneWords_ = fill.description;
    lblPlaceZone->setText(InWindowDirection(this, fill.description));
    lblPlaceZone->show();
}

void frmMain::StopFollowingPlaceZone()
{
    followedZone_.clear();
    zoneByName_ = false;
    lblPlaceZone->hide();
}

void frmMain::ForgetChosenPlace()
{
    chosenPlace_.reset();
    if (!zoneByName_)  // a zone chosen by its name holds for any coordinates
        StopFollowingPlaceZone();
}

PlaceClocks frmMain::chosenPlaceClocks() const
{
    PlaceClocks where;
    if (followedZone_.isEmpty())
        return where;
    where.place = chosenPlace_;
    where.clocks = ClocksOfZone(followedZone_);
    return where;
}

void frmMain::lblTZHelp_Click()
{
    frmTimeZone picker(this);
    if (ExecDialog(picker) != QDialog::Accepted)
        return;
    StopFollowingPlaceZone();
    if (!picker.chosenZone().isEmpty()) {
        // A zone by its name: its offset at the birth, followed as the date
        // and time change, as for a chosen place; the place boxes stay as typed.
        chosenPlace_.reset();
        followedZone_ = picker.chosenZone();
        followedPlace_.clear();
        zoneByName_ = true;
        FollowPlaceZone();
        return;
    }
    const TimeZoneEntry& zone = TimeZoneTable()[static_cast<std::size_t>(picker.chosenRow())];
    txtZoneHour->setText(QString::fromStdString(ZoneBoxText(zone.hours)));
    txtZoneMinute->setText(QString::fromStdString(ZoneBoxText(zone.minutes)));
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // Enter anywhere in the form asks for the reading, as the default button
    // promises; on another button it presses that button.
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button != cmdCalculate)
        button->click();
    else
        cmdCalculate_Click();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!closingForTurn_)
        emit closedByUser();
}

void frmMain::EditPerson(const Person& person, const QString& bookPath)
{
    const BirthMoment birth = MomentOfPerson(person);
    const ChartRecord& chart = birth.chart;
    StopFollowingPlaceZone();
    chosenPlace_.reset();
    txtName->setText(ToQString(person.name));
    cboMonth->setCurrentIndex(person.month - 1);
    cboDate->setCurrentIndex(person.day - 1);
    cboYear->setCurrentIndex(cboYear->findText(QString::number(person.year)));
    cboHH->setCurrentIndex(person.hour);
    cboMM->setCurrentIndex(person.minute);
    cboSS->setCurrentIndex(0);
    txtMCity->setText(ToQString(person.placeName));
    txtMState->setText(ToQString(person.state));
    txtMCountry->setText(ToQString(person.country));
    txtLonD->setText(QString::number(chart.LongitudeDegrees));
    txtLonM->setText(QString::number(chart.LongitudeMinutes));
    (chart.IsEast ? optLongEast : optLongWest)->setChecked(true);
    txtLatD->setText(QString::number(chart.LatitudeDegrees));
    txtLatM->setText(QString::number(chart.LatitudeMinutes));
    (chart.IsNorth ? optLatNorth : optLatSouth)->setChecked(true);
    // The zone in the boxes' convention, signed: "-" ahead of universal time.
    const QString sign = person.zoneMinutes > 0 ? QStringLiteral("-") : person.zoneMinutes < 0 ? QStringLiteral("+") : QString();
    txtZoneHour->setText(sign + QString::number(chart.ZoneHours));
    txtZoneMinute->setText(QString::number(chart.ZoneMinutes));
    chkDST->setChecked(person.dst);
    if (person.HasPlace() && !person.zoneName.empty()) {
        // A place of the list: its zone follows the birth's date and time again.
        chosenPlace_ = birth.where.place;
        followedZone_ = QByteArray::fromStdString(person.zoneName);
        followedPlace_ = ToQString(person.state.empty() ? person.placeName : person.placeName + ", " + person.state);
        FollowPlaceZone();
    }
    edited_ = person;
    editedBook_ = bookPath;
    ShowEditing(true);
    txtName->setFocus();
}

void frmMain::ShowEditing(bool editing)
{
    mnuSaveToPeople->setVisible(editing);
    mnuSaveToPeople->setEnabled(editing);
    cmdSaveToPeople->setVisible(editing);
    cmdCancelEdit->setVisible(editing);
    setWindowTitle(editing ? tr("Edit %1").arg(ToQString(edited_->name)) + QStringLiteral(" \u2014 ") + ProgramCaption
                           : ProgramCaption);
}

void frmMain::mnuSaveToPeople_Click()
{
    if (!edited_)
        return;
    std::optional<BirthMoment> birth = BirthOfForm();
    if (!birth)
        return;
    // The form's birth over the entry; the entry's number, note and making kept.
    Person changed = PersonOfBirth(*birth);
    changed.id = edited_->id;
    changed.note = edited_->note;
    changed.created = edited_->created;
    PeopleBook book;
    BookResult saved = book.Open(editedBook_.isEmpty() ? DefaultBookPath() : ToStdString(editedBook_));
    if (saved.ok())
        saved = book.Update(changed, *edited_);
    const QString name = ToQString(changed.name);
    if (!saved.ok()) {
        // The form keeps the edit, to be saved again.
        Messages::Show(this, tr("%1 was not saved to People: %2").arg(name, ToQString(saved.message)), Messages::Icon::Error);
        return;
    }
    edited_.reset();
    ShowEditing(false);
    Messages::Show(this, tr("%1 was saved to People.").arg(name), Messages::Icon::Information);
    emit personSaved();
}

void frmMain::cmdCancelEdit_Click()
{
    edited_.reset();  // the entry is as it was: nothing was written
    ShowEditing(false);
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(files);
}
