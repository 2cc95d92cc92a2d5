#include "windows/frmMansionCalendar.h"

#include "base/QtStdText.h"
#include "calendar/IcsModule.h"
#include "core/CivilCalendar.h"
#include "core/ClockText.h"
#include "core/MansionTopics.h"
#include "core/MansionVocabulary.h"
#include "core/SafeFileName.h"
#include "core/modArabicLunarMansionInformation.h"
#include "language/ShownDates.h"
#include "people/PeopleBook.h"
#include "pictures/CalendarSheet.h"
#include "pictures/PrintingModule.h"
#include "pictures/ReadingSheet.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/ProgramWidgets.h"
#include "ui/WarningColour.h"
#include "windows/FileSaving.h"

#include <QComboBox>
#include <QCompleter>
#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The warning first after the number, where it is seen without scrolling; the
// long texts last.
enum Column { Enters, Number, Warning, Latin, Arabic, Meaning, Favours, People, ColumnCount };

// A mansion's lines of a field on a topic, one a line ("" for none).
QString LinesOn(int mansion, MansionField field, Topic topic)
{
    QStringList lines;
    for (const std::string_view line : LinesOnTopic(mansion, field, topic))
        lines << ToQString(line);
    return lines.join(QLatin1Char('\n'));
}

// A list of the topics, "" first for none, that takes typing: a word of a
// topic ("journey") chooses it as its name does; the names that hold what is
// typed are offered under it.
QComboBox* MakeTopicList(const char* name, const QString& spokenName, const QString& hint, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(spokenName);  // before its entries (InstallAccessibleLists)
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItem(QString());
    for (const TopicInfo& t : Topics())
        list->addItem(ToQString(t.name));
    list->lineEdit()->setPlaceholderText(hint);
    list->completer()->setCompletionMode(QCompleter::PopupCompletion);
    list->completer()->setFilterMode(Qt::MatchContains);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

}  // namespace

frmMansionCalendar::frmMansionCalendar(PlaceClocks where, int ownMansion, qint64 nowUtcSeconds, QWidget* parent)
    : QMainWindow(parent), where_(std::move(where)), ownMansion_(ownMansion), now_(nowUtcSeconds)
{
    SetUpProgramWindow(this, "frmMansionCalendar");
    setWindowTitle(tr("Mansion Calendar") + QStringLiteral(" \u2014 ") + ProgramCaption);
    BuildControls();
    BuildMenus();

    // "Now": the stay that holds this minute.
    const long nowMinute = static_cast<long>(now_ / 60);
    const MansionStays now = FindMansionStays(nowMinute, nowMinute + 1, where_.clocks);
    if (now.status == StaysStatus::Found && !now.stays.empty()) {
        // "The Moon is in mansion 14, Al Simak — السماك (The Unarmed), until 00:45 AEDT on 17 February"
        const MansionStay& stay = now.stays.front();
        const auto row = modArabicLunarMansionInformation::MansionRowFor(stay.mansion);
        nowText_ = tr("The Moon is in mansion %1, %2 (%3), until %4")
                       .arg(stay.mansion)
                       .arg(WithArabicScript(ToQString(row[ArabicName]), stay.mansion), ToQString(row[EnglishMeaning]),
                            ShownClockAndDay(stay.left));
        nowMansion_ = stay.mansion;
    } else {
        nowText_ = tr("The calendar covers 1901 to 2050.");
    }
    lblNow->setText(nowText_);
    ShowToday();
    tblStays->setFocus();
}

void frmMansionCalendar::BuildControls()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    lblNow = new QLabel(central);
    lblNow->setObjectName(QStringLiteral("lblNow"));
    lblNow->setWordWrap(true);
    layout->addWidget(lblNow);

    auto* bar = new QHBoxLayout;
    cmdPrevious = new QPushButton(tr("&Previous"), central);
    cmdPrevious->setObjectName(QStringLiteral("cmdPrevious"));
    cboMonth = new QComboBox(central);
    cboMonth->setObjectName(QStringLiteral("cboMonth"));
    cboMonth->setAccessibleName(tr("Month"));  // before its entries (InstallAccessibleLists)
    for (int m = 1; m <= 12; ++m)
        cboMonth->addItem(ShownMonthName(m));
    spnYear = new QSpinBox(central);
    spnYear->setObjectName(QStringLiteral("spnYear"));
    spnYear->setRange(1901, 2050);
    spnYear->setAccessibleName(tr("Year"));
    // The year in the digits of the dates beside it (the core's: Latin digits
    // and English month names in every language), not the locale's own.
    spnYear->setLocale(QLocale::c());
    cmdNext = new QPushButton(tr("&Next"), central);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdToday = new QPushButton(tr("&Today"), central);
    cmdToday->setObjectName(QStringLiteral("cmdToday"));
    for (QWidget* w : std::initializer_list<QWidget*>{cmdPrevious, cboMonth, spnYear, cmdNext, cmdToday})
        bar->addWidget(w);
    bar->addStretch();
    layout->addLayout(bar);

    // The filters on a line of their own: the window stays narrow enough for
    // a small screen at a large scale.
    auto* filters = new QHBoxLayout;
    cboFavours = MakeTopicList("cboFavours", tr("Only the mansions that favour"), tr("favours\u2026"), central);
    cboHinders = MakeTopicList("cboHinders", tr("Warn of the mansions that hinder"), tr("hinders\u2026"), central);
    auto* lblFavours = new QLabel(tr("F&avours:"), central);
    lblFavours->setBuddy(cboFavours);
    auto* lblHinders = new QLabel(tr("&Hinders:"), central);
    lblHinders->setBuddy(cboHinders);
    // The people book's people, shown when it has any.
    cboPerson = new QComboBox(central);
    cboPerson->setObjectName(QStringLiteral("cboPerson"));
    cboPerson->setAccessibleName(tr("Only the mansion of"));  // before its entries (InstallAccessibleLists)
    cboPerson->addItem(QString());
    cboPerson->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lblPerson = new QLabel(tr("Pe&rson:"), central);
    lblPerson->setBuddy(cboPerson);
    lblPerson->hide();
    cboPerson->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{lblFavours, cboFavours, lblHinders, cboHinders, lblPerson, cboPerson})
        filters->addWidget(w);
    filters->addStretch();
    layout->addLayout(filters);

    lblWarning = new QLabel(central);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setWordWrap(true);
    lblWarning->hide();
    ColourWarning();
    layout->addWidget(lblWarning);

    tblStays = new QTableWidget(0, ColumnCount, central);
    tblStays->setObjectName(QStringLiteral("tblStays"));
    tblStays->setAccessibleName(tr("Stays of the month"));
    tblStays->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
    tblStays->setHorizontalHeaderLabels({tr("Enters"), tr("No."), tr("Warning"), tr("Latin Name"), tr("Arabic Name"),
                                         tr("English Meaning"), tr("Favours"), tr("People")});
    tblStays->setColumnHidden(People, true);  // until there are people
    tblStays->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblStays->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblStays->setSelectionMode(QAbstractItemView::SingleSelection);
    tblStays->verticalHeader()->hide();
    // As wide as the window, never wider: the dates and numbers whole, the
    // texts sharing the rest, wrapped.
    tblStays->setWordWrap(true);
    tblStays->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* header = tblStays->horizontalHeader();
    for (int c = 0; c < ColumnCount; ++c)
        header->setSectionResizeMode(c, c == Enters || c == Number ? QHeaderView::ResizeToContents : QHeaderView::Stretch);
    tblStays->installEventFilter(this);
    layout->addWidget(tblStays);
    setCentralWidget(central);
    // 1000 by 640 where the screen has room; less where it has not.
    QSize size(1000, 640);
    if (const QScreen* s = screen())
        size = size.boundedTo(s->availableGeometry().size() * 9 / 10);
    resize(size);

    connect(cmdPrevious, &QPushButton::clicked, this, [this] { MoveMonths(-1); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { MoveMonths(1); });
    connect(cmdToday, &QPushButton::clicked, this, &frmMansionCalendar::ShowToday);
    connect(cboMonth, &QComboBox::activated, this, [this](int index) { ShowMonth(year_, index + 1); });
    connect(spnYear, &QSpinBox::valueChanged, this, [this](int year) {
        if (year != year_)
            ShowMonth(year, month_);
    });
    for (QComboBox* list : {cboFavours, cboHinders, cboPerson})
        connect(list, &QComboBox::currentTextChanged, this, &frmMansionCalendar::Refill);
    connect(tblStays, &QTableWidget::cellActivated, this, [this](int row, int) { OpenRow(row); });
}

void frmMansionCalendar::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* print = file->addAction(tr("&Print\u2026"));
    print->setObjectName(QStringLiteral("mnuPrint"));
    print->setShortcut(QKeySequence::Print);
    QAction* exportPdf = file->addAction(tr("Export as P&DF\u2026"));
    exportPdf->setObjectName(QStringLiteral("mnuExportPdf"));
    QAction* exportCalendar = file->addAction(tr("Export to Ca&lendar\u2026"));
    exportCalendar->setObjectName(QStringLiteral("mnuExportCalendar"));
    file->addSeparator();
    QAction* closeAction = file->addAction(tr("&Close"));
    closeAction->setObjectName(QStringLiteral("mnuClose"));
    closeAction->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});

    // The months by keyboard wherever the focus is, from the moment the window opens.
    QMenu* go = menuBar()->addMenu(tr("&Go"));
    go->setObjectName(QStringLiteral("mnuGo"));
    QAction* previous = go->addAction(tr("&Previous Month"));
    previous->setObjectName(QStringLiteral("mnuPreviousMonth"));
    previous->setShortcut(QKeySequence(Qt::Key_PageUp));
    QAction* next = go->addAction(tr("&Next Month"));
    next->setObjectName(QStringLiteral("mnuNextMonth"));
    next->setShortcut(QKeySequence(Qt::Key_PageDown));
    QAction* today = go->addAction(tr("&Today"));
    today->setObjectName(QStringLiteral("mnuToday"));
    today->setShortcut(QKeySequence(Qt::Key_Home));

    connect(print, &QAction::triggered, this, &frmMansionCalendar::mnuPrint_Click);
    connect(exportPdf, &QAction::triggered, this, &frmMansionCalendar::mnuExportPdf_Click);
    connect(exportCalendar, &QAction::triggered, this, &frmMansionCalendar::mnuExportCalendar_Click);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    connect(previous, &QAction::triggered, this, [this] { MoveMonths(-1); });
    connect(next, &QAction::triggered, this, [this] { MoveMonths(1); });
    connect(today, &QAction::triggered, this, &frmMansionCalendar::ShowToday);
}

void frmMansionCalendar::SetPeople(const std::vector<Person>& people)
{
    // Each birth read once: for the stays' names and for the person list.
    for (QStringList& names : peopleByMansion_)
        names.clear();
    {
        const QSignalBlocker block(cboPerson);
        cboPerson->clear();
        cboPerson->addItem(QString());
        personMansions_.clear();
        for (const Person& p : people) {
            const int mansion = BirthMansion(p);
            peopleByMansion_[static_cast<std::size_t>(mansion)] << ToQString(p.name);
            cboPerson->addItem(tr("%1 (mansion %2)").arg(ToQString(p.name)).arg(mansion));
            personMansions_.push_back(mansion);
        }
    }
    const bool any = !people.empty();
    lblPerson->setVisible(any);
    cboPerson->setVisible(any);
    tblStays->setColumnHidden(People, !any);
    // "Now" names whose mansion the Moon is in.
    const QStringList& withTheMoon = peopleByMansion_[static_cast<std::size_t>(std::clamp(nowMansion_, 0, 28))];
    lblNow->setText(withTheMoon.isEmpty() ? nowText_
                                          : tr("%1 — the birth mansion of %2").arg(nowText_, withTheMoon.join(QStringLiteral(", "))));
    Refill();
}

void frmMansionCalendar::ReadPeopleBook()
{
    const std::string path = DefaultBookPath();
    if (path.empty() || !QFileInfo::exists(QFile::decodeName(QByteArray::fromStdString(path))))
        return;
    PeopleBook book;
    book.Open(path);
    if (!book.isOpen())
        return;
    BookResult listed;
    const std::vector<Person> people = book.List(listed);
    if (listed.ok())
        SetPeople(people);
}

void frmMansionCalendar::ShowToday()
{
    const LocalMinute local = where_.clocks.At(static_cast<long>(now_ / 60)).Local();
    ShowMonth(std::clamp(local.year, 1901, 2050), local.month);
}

void frmMansionCalendar::ShowMonth(int year, int month)
{
    year_ = year;
    month_ = month;
    cboMonth->setCurrentIndex(month - 1);
    {
        const QSignalBlocker block(spnYear);
        spnYear->setValue(year);
    }
    const int nextYear = month == 12 ? year + 1 : year, nextMonth = month % 12 + 1;
    const long from = where_.clocks.UtcOf({year, month, 1, 0, 0});
    const long to = where_.clocks.UtcOf({nextYear, nextMonth, 1, 0, 0});
    const MansionStays found = FindMansionStays(from, to, where_.clocks);
    month_stays_ = found.stays;
    cmdPrevious->setEnabled(year > 1901 || month > 1);
    cmdNext->setEnabled(year < 2050 || month < 12);
    Refill();
}

void frmMansionCalendar::MoveMonths(int months)
{
    int index = year_ * 12 + (month_ - 1) + months;
    index = std::clamp(index, 1901 * 12, 2050 * 12 + 11);
    const int row = tblStays->currentRow();
    ShowMonth(index / 12, index % 12 + 1);
    if (tblStays->rowCount() > 0)
        tblStays->setCurrentCell(std::clamp(row, 0, tblStays->rowCount() - 1), 0);
}

std::optional<Topic> frmMansionCalendar::ChosenTopic(const QComboBox* list) const
{
    return FindTopic(ToStdString(list->currentText().trimmed()));
}

void frmMansionCalendar::Refill()
{
    const std::optional<Topic> favours = ChosenTopic(cboFavours), hinders = ChosenTopic(cboHinders);
    shown_ = favours ? StaysOnTopic(month_stays_, FavorableCircumstances, *favours) : month_stays_;
    // One person's mansion only, when one is chosen.
    if (const int person = cboPerson->currentIndex() - 1; person >= 0 && person < static_cast<int>(personMansions_.size())) {
        const int mansion = personMansions_[static_cast<std::size_t>(person)];
        shown_.erase(std::remove_if(shown_.begin(), shown_.end(), [mansion](const MansionStay& s) { return s.mansion != mansion; }),
                     shown_.end());
    }
    tblStays->setRowCount(static_cast<int>(shown_.size()));
    int hindering = 0;
    for (int r = 0; r < static_cast<int>(shown_.size()); ++r) {
        const MansionStay& stay = shown_[static_cast<std::size_t>(r)];
        const auto row = modArabicLunarMansionInformation::MansionRowFor(stay.mansion);
        const bool own = stay.mansion == ownMansion_;
        QString warning;
        if (hinders) {
            warning = LinesOn(stay.mansion, UnfavorableCircumstances, *hinders);
            if (!warning.isEmpty()) {
                warning.prepend(QStringLiteral("\u26A0 "));
                ++hindering;
            }
        }
        // The mansion's English texts read left to right in a right-to-left
        // window too (the clock time's order is the translation's).
        const QString cells[ColumnCount] = {
            ShownShortClockAndDay(stay.entered),
            (own ? QStringLiteral("\u2605 ") : QString()) + QString::number(stay.mansion),
            EnglishText(warning),
            EnglishText(ToQString(row[LunarMansionName])),
            WithArabicScript(ToQString(row[ArabicName]), stay.mansion),
            EnglishText(ToQString(row[EnglishMeaning])),
            EnglishText(favours ? LinesOn(stay.mansion, FavorableCircumstances, *favours)
                                : ToQString(FieldItems(stay.mansion, FavorableCircumstances).front())),
            EnglishText(peopleByMansion_[static_cast<std::size_t>(stay.mansion)].join(QStringLiteral(", "))),
        };
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (own) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setToolTip(tr("The reading's own mansion"));
            }
            tblStays->setItem(r, c, item);
        }
    }
    tblStays->resizeRowsToContents();
    // The filters' state in words: a word that names no topic is said, not
    // taken for "everything" or "nothing".
    QStringList said;
    for (const QComboBox* list : {cboFavours, cboHinders}) {
        const QString typed = list->currentText().trimmed();
        if (!typed.isEmpty() && !ChosenTopic(list))
            said << tr("\u201C%1\u201D is not one of the topics: choose one from the list.").arg(typed);
    }
    if (hinders)
        said << (hindering == 0 ? tr("No mansion shown hinders %1.").arg(ToQString(TopicName(*hinders)))
                                : tr("\u26A0 %n stay(s) shown hinder %1.", nullptr, hindering).arg(ToQString(TopicName(*hinders))));
    lblWarning->setText(said.join(QLatin1Char(' ')));
    lblWarning->setVisible(!said.isEmpty());
    if (tblStays->rowCount() > 0 && tblStays->currentRow() < 0)
        tblStays->setCurrentCell(0, 0);
}

void frmMansionCalendar::OpenRow(int row)
{
    if (row < 0 || row >= static_cast<int>(shown_.size()))
        return;
    emit readingRequested(shown_[static_cast<std::size_t>(row)].entered.utcMinute);
}

bool frmMansionCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tblStays && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            OpenRow(tblStays->currentRow());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMansionCalendar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        ColourWarning();
    QMainWindow::changeEvent(event);
}

void frmMansionCalendar::ColourWarning()
{
    // Against the window's own ground, light or dark.
    QPalette palette = lblWarning->palette();
    palette.setColor(QPalette::WindowText, WarningColour(this->palette().color(QPalette::Window)));
    lblWarning->setPalette(palette);
}

CalendarSheet frmMansionCalendar::Sheet() const
{
    CalendarSheet sheet;
    sheet.title = tr("Mansion Calendar \u2014 %1 %2 \u2014 %3")
                      .arg(ShownMonthName(month_))
                      .arg(year_)
                      .arg(ToQString(where_.InWords()));
    // "Now" only on the page of the month that holds it.
    const LocalMinute local = where_.clocks.At(static_cast<long>(now_ / 60)).Local();
    if (local.year == year_ && local.month == month_)
        sheet.now = lblNow->text();
    // The columns shown: the people's only when there are people.
    for (int c = 0; c < tblStays->columnCount(); ++c)
        if (!tblStays->isColumnHidden(c))
            sheet.header << tblStays->horizontalHeaderItem(c)->text();
    for (int r = 0; r < tblStays->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < tblStays->columnCount(); ++c)
            if (!tblStays->isColumnHidden(c))
                cells << tblStays->item(r, c)->text();
        sheet.rows << cells;
        sheet.marked << (shown_[static_cast<std::size_t>(r)].mansion == ownMansion_);
    }
    return sheet;
}

QString frmMansionCalendar::OfferedFileName(const QString& ending) const
{
    return ToQString(SafeFileName(ToStdString(Sheet().title))) + ending;
}

void frmMansionCalendar::mnuPrint_Click()
{
    // Printing is a module of its own, loaded now: the program starts without it.
    std::string problem;
    const PrintingModuleEntry* printing = LoadCompanionModule<PrintingModuleEntry>(problem);
    if (!printing || !printing->printCalendarWithDialog(this, Sheet(), problem))
        Messages::Show(this, tr("The calendar was not printed.\n%1").arg(QString::fromStdString(problem)),
                       Messages::Icon::Error);
}

void frmMansionCalendar::mnuExportPdf_Click()
{
    const QString path = FileDialogs::GetSaveFileName(this, tr("Export as PDF"), tr("PDF (*.pdf)"), QStringLiteral("pdf"),
                                                      QDir::home().filePath(OfferedFileName(QStringLiteral(".pdf"))));
    if (path.isEmpty())
        return;  // cancelled
    const QByteArray pdf = CalendarPdf(Sheet());
    const QString problem = WriteChosenFile(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    if (!problem.isEmpty())
        Messages::Show(this, tr("The calendar was not exported to %1.\n%2").arg(QDir::toNativeSeparators(path), problem),
                       Messages::Icon::Error);
}

void frmMansionCalendar::mnuExportCalendar_Click()
{
    const QString path = FileDialogs::GetSaveFileName(this, tr("Export to Calendar"), tr("iCalendar (*.ics)"),
                                                      QStringLiteral("ics"),
                                                      QDir::home().filePath(OfferedFileName(QStringLiteral(".ics"))));
    if (path.isEmpty())
        return;  // cancelled
    // The stays shown: the month, with the favours filter if one is typed.
    // The iCalendar writer (libical) is a module of its own, loaded now: the
    // program starts without it.
    std::string loading;
    QString problem;
    if (const IcsModuleEntry* ics = LoadCompanionModule<IcsModuleEntry>(loading)) {
        CalendarNames names{ToStdString(tr("Mansion Calendar \u2014 %1").arg(ToQString(where_.InWords()))), where_.clocks.zone};
        if (!tblStays->isColumnHidden(People))
            for (const QStringList& people : peopleByMansion_)
                names.peopleByMansion.push_back(ToStdString(people.join(QStringLiteral(", "))));
        const std::string text = ics->staysCalendarText(shown_, static_cast<long>(QDateTime::currentSecsSinceEpoch() / 60), names);
        problem = WriteChosenFile(path, text);
    } else {
        problem = QString::fromStdString(loading);
    }
    if (!problem.isEmpty())
        Messages::Show(this, tr("The calendar was not exported to %1.\n%2").arg(QDir::toNativeSeparators(path), problem),
                       Messages::Icon::Error);
}
