#include "windows/frmPeople.h"

#include "base/QtStdText.h"
#include "core/BirthReading.h"
#include "core/ClockText.h"
#include "core/SafeFileName.h"
#include "core/modEphemeris.h"
#include "files/FileWriting.h"
#include "people/PeopleCsv.h"
#include "people/PeopleImport.h"
#include "places/BirthAtPlace.h"
#include "ui/TableRows.h"
#include "ui/DroppedFiles.h"
#include "ui/FileDialogs.h"
#include "windows/FileSaving.h"
#include "windows/PeopleTable.h"
#include "windows/frmPeopleImport.h"
#include "ui/MessageBox.h"
#include "ui/ProgramWidgets.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

namespace {

// "1987-03-21 06:12 UTC+11": the birth's date and clock time with the offset then.
QString BirthText(const Person& p)
{
    return ToQString(BirthDateText(p) + ' ' + BirthTimeText(p) + ' ' + UtcOffsetText(p.zoneMinutes + (p.dst ? 60 : 0)));
}

}  // namespace

frmPeople::frmPeople(const QString& bookPath, QWidget* parent) : QMainWindow(parent)
{
    SetUpProgramWindow(this, "frmPeople");
    setWindowTitle(tr("People") + QStringLiteral(" \u2014 ") + ProgramCaption);
    BuildControls();
    OpenBook(bookPath);
}

void frmPeople::BuildControls()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    txtSearch = new QLineEdit(central);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(tr("Search by name, place or mansion\u2026"));
    txtSearch->setAccessibleName(tr("Search"));
    txtSearch->setClearButtonEnabled(true);
    txtSearch->installEventFilter(this);
    layout->addWidget(txtSearch);

    lblBook = new QLabel(central);
    lblBook->setObjectName(QStringLiteral("lblBook"));
    lblBook->setWordWrap(true);
    lblBook->hide();
    layout->addWidget(lblBook);

    tblPeople = new QTableView(central);
    tblPeople->setObjectName(QStringLiteral("tblPeople"));
    tblPeople->setAccessibleName(tr("People"));
    tblPeople->setTabKeyNavigation(false);  // Tab leaves the list; the arrows move in it
    table_ = new PeopleTable(this);
    search_ = new PeopleSearch(table_, this);
    tblPeople->setModel(search_);
    tblPeople->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPeople->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPeople->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblPeople->verticalHeader()->hide();
    // Rows of one height, and columns sized by their first rows: with
    // thousands of people, showing measures no more than those.
    tblPeople->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblPeople->horizontalHeader()->setResizeContentsPrecision(200);
    tblPeople->horizontalHeader()->setStretchLastSection(true);
    tblPeople->setSortingEnabled(true);
    tblPeople->sortByColumn(PeopleTable::Name, Qt::AscendingOrder);
    tblPeople->installEventFilter(this);
    layout->addWidget(tblPeople, 1);

    txtNote = new QPlainTextEdit(central);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    txtNote->setAccessibleName(tr("Note"));
    txtNote->setPlaceholderText(tr("Note"));
    txtNote->setTabChangesFocus(true);
    txtNote->setMaximumHeight(90);
    layout->addWidget(txtNote);

    auto* buttons = new QHBoxLayout;
    cmdOpen = new QPushButton(tr("&Open"), central);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdEdit = new QPushButton(tr("&Edit"), central);
    cmdEdit->setObjectName(QStringLiteral("cmdEdit"));
    cmdDelete = new QPushButton(tr("&Delete"), central);
    cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
    cmdSaveNote = new QPushButton(tr("&Save Note"), central);
    cmdSaveNote->setObjectName(QStringLiteral("cmdSaveNote"));
    buttons->addWidget(cmdOpen);
    buttons->addWidget(cmdEdit);
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdSaveNote);
    layout->addLayout(buttons);
    setCentralWidget(central);
    resize(860, 560);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuImport = file->addAction(tr("&Import\u2026"));
    mnuImport->setObjectName(QStringLiteral("mnuImport"));
    mnuImport->setShortcut(QKeySequence::Open);
    QAction* mnuExportCsv = file->addAction(tr("Export as &CSV\u2026"));
    mnuExportCsv->setObjectName(QStringLiteral("mnuExportCsv"));
    QAction* mnuExportReadings = file->addAction(tr("Export as &Reading Files\u2026"));
    mnuExportReadings->setObjectName(QStringLiteral("mnuExportReadings"));
    file->addSeparator();
    connect(mnuImport, &QAction::triggered, this, &frmPeople::mnuImport_Click);
    connect(mnuExportCsv, &QAction::triggered, this, &frmPeople::mnuExportCsv_Click);
    connect(mnuExportReadings, &QAction::triggered, this, &frmPeople::mnuExportReadings_Click);
    setAcceptDrops(true);
    QAction* closeAction = file->addAction(tr("&Close"));
    closeAction->setObjectName(QStringLiteral("mnuClose"));
    closeAction->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
    connect(closeAction, &QAction::triggered, this, &QWidget::close);

    connect(txtSearch, &QLineEdit::textChanged, this, &frmPeople::txtSearch_Change);
    connect(cmdOpen, &QPushButton::clicked, this, &frmPeople::cmdOpen_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmPeople::cmdEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmPeople::cmdDelete_Click);
    connect(cmdSaveNote, &QPushButton::clicked, this, &frmPeople::cmdSaveNote_Click);
    connect(tblPeople->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frmPeople::tblPeople_CurrentChange);
    connect(tblPeople, &QTableView::doubleClicked, this, &frmPeople::cmdOpen_Click);
}

void frmPeople::OpenBook(const QString& bookPath)
{
    const std::string path = bookPath.isEmpty() ? DefaultBookPath() : ToStdString(bookPath);
    BookResult opened = book_.Open(path);
    if (opened.status == BookStatus::Damaged) {
        using namespace Messages;
        const QString question = tr("%1\rKeep it aside, as it is, and start a new book?").arg(ToQString(opened.message));
        if (Show(this, question, Icon::Warning, Buttons::YesNo) == Answer::Yes)
            opened = book_.Open(path, PeopleBook::IfDamaged::SetAsideAndStartAnew);
    }
    if (!opened.message.empty()) {
        lblBook->setText(ToQString(opened.message));
        lblBook->show();
    }
    const bool writable = book_.isOpen() && !book_.readOnly();
    cmdEdit->setEnabled(writable);
    cmdDelete->setEnabled(writable);
    cmdSaveNote->setEnabled(writable);
    txtNote->setReadOnly(!writable);
    Refill();
}

void frmPeople::Reload()
{
    Refill();
}

void frmPeople::Refill()
{
    const Person* current = CurrentPerson();
    const std::int64_t keepId = current ? current->id : 0;
    people_.clear();
    if (book_.isOpen()) {
        BookResult read;
        people_ = book_.List(read);
        if (!read.ok()) {
            lblBook->setText(ToQString(read.message));
            lblBook->show();
        }
    }
    std::vector<PeopleTable::Row> rows(people_.size());
    for (std::size_t i = 0; i < people_.size(); ++i) {
        const Person& p = people_[i];
        const BirthMoment birth = MomentOfPerson(p);
        const MansionReading reading = ReadBirth(birth, PassageWanted::None).reading;
        PeopleTable::Row& row = rows[i];
        row.texts[PeopleTable::Name] = ToQString(p.name);
        row.texts[PeopleTable::Birth] = BirthText(p);
        row.texts[PeopleTable::Place] = birth.where.place ? ToQString(birth.where.place->FullName()) : QString();
        row.texts[PeopleTable::Mansion] =
            QStringLiteral("%1 %2").arg(reading.mansion).arg(ToQString(std::string(reading.texts[LunarMansionName])));
        row.mansion = reading.mansion;
    }
    table_->SetRows(std::move(rows));
    tblPeople->resizeColumnsToContents();
    // The person chosen before stays chosen, if still there and shown; else the first shown.
    int chosenRow = search_->rowCount() > 0 ? 0 : -1;
    for (std::size_t i = 0; i < people_.size() && keepId != 0; ++i)
        if (people_[i].id == keepId) {
            const QModelIndex shown = search_->mapFromSource(table_->index(static_cast<int>(i), 0));
            if (shown.isValid())
                chosenRow = shown.row();
        }
    if (chosenRow >= 0)
        SelectRow(tblPeople, chosenRow);
    tblPeople_CurrentChange();
}

const Person* frmPeople::CurrentPerson() const
{
    const QModelIndex current = search_->mapToSource(tblPeople->currentIndex());
    if (!current.isValid())
        return nullptr;
    const auto index = static_cast<std::size_t>(current.row());
    return index < people_.size() ? &people_[index] : nullptr;
}

void frmPeople::txtSearch_Change()
{
    const Person* before = CurrentPerson();
    search_->SetWanted(txtSearch->text().trimmed());
    if (CurrentPerson() == nullptr && search_->rowCount() > 0)
        SelectRow(tblPeople, 0);
    if (CurrentPerson() != before)  // a note being typed stays while its person does
        tblPeople_CurrentChange();
}

void frmPeople::tblPeople_CurrentChange()
{
    const Person* person = CurrentPerson();
    txtNote->setPlainText(person ? ToQString(person->note) : QString());
    cmdOpen->setEnabled(person != nullptr);
    const bool writable = person && book_.isOpen() && !book_.readOnly();
    cmdEdit->setEnabled(writable);
    cmdDelete->setEnabled(writable);
    cmdSaveNote->setEnabled(writable);
}

void frmPeople::cmdOpen_Click()
{
    const Person* person = CurrentPerson();
    if (!person)
        return;
    chosen_ = MomentOfPerson(*person);
    emit readingRequested();
}

void frmPeople::cmdEdit_Click()
{
    const Person* person = CurrentPerson();
    if (!person || book_.readOnly())
        return;
    edited_ = *person;
    emit editRequested();
}

QString frmPeople::bookPath() const
{
    return ToQString(book_.path());
}

void frmPeople::cmdDelete_Click()
{
    const Person* person = CurrentPerson();
    if (!person || book_.readOnly())
        return;
    // The people selected, or the current one.
    std::vector<std::int64_t> ids{person->id};
    if (const std::vector<Person> selected = SelectedPeople(); selected.size() > 1) {
        ids.clear();
        for (const Person& p : selected)
            ids.push_back(p.id);
    }
    using namespace Messages;
    const QString question = ids.size() == 1 ? tr("Delete %1 from People?").arg(ToQString(person->name))
                                             : tr("Delete %n people from People?", nullptr, static_cast<int>(ids.size()));
    if (Show(this, question, Icon::Warning, Buttons::YesNo) != Answer::Yes)
        return;
    const int row = tblPeople->currentIndex().row();
    const BookResult removed = book_.Remove(ids);
    if (!removed.ok()) {
        Show(this, ToQString(removed.message), Icon::Error);
        return;
    }
    Refill();
    if (search_->rowCount() > 0)  // the next one, where the deleted one was
        SelectRow(tblPeople, std::min(row, search_->rowCount() - 1));
}

void frmPeople::cmdSaveNote_Click()
{
    const Person* person = CurrentPerson();
    if (!person || book_.readOnly())
        return;
    Person changed = *person;
    changed.note = ToStdString(txtNote->toPlainText());
    const BookResult saved = book_.Update(changed, *person);
    if (!saved.ok()) {
        // The note stays in its box, to be saved again.
        Messages::Show(this, ToQString(saved.message), Messages::Icon::Error);
        return;
    }
    Refill();  // the same person stays chosen
}

bool frmPeople::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == tblPeople && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            cmdOpen_Click();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {  // from the table or the search, as from the window
            close();
            return true;
        }
        if (watched == tblPeople && key->key() == Qt::Key_Delete) {
            cmdDelete_Click();
            return true;
        }
        // From the search, the arrows and Enter go to the table.
        if (watched == txtSearch && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)) {
            tblPeople->setFocus();
            return QMainWindow::eventFilter(watched, event);
        }
        if (watched == txtSearch && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            cmdOpen_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmPeople::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmPeople::dropEvent(QDropEvent* event)
{
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    ImportFiles(files);
}

void frmPeople::mnuImport_Click()
{
    const QStringList files = FileDialogs::GetOpenFileNames(this, tr("Import to People"), tr("People (*.csv *.qmz)"));
    if (!files.isEmpty())
        ImportFiles(files);
}

void frmPeople::ImportFiles(const QStringList& paths)
{
    using namespace Messages;
    if (!book_.isOpen() || book_.readOnly()) {
        Show(this, tr("Nothing can be added to People: %1").arg(lblBook->text()), Icon::Error);
        return;
    }
    // Each file's rows, good and bad; a birth already in the book, or twice
    // in the files, is shown so and added once.
    std::set<BirthKey> known;
    for (const Person& p : people_)
        known.insert(KeyOfBirth(p));
    std::vector<frmPeopleImport::Row> shown;
    std::vector<Person> toAdd;
    for (const QString& path : paths) {
        const QString name = QFileInfo(path).fileName();
        if (name.endsWith(QStringLiteral(".qmz"), Qt::CaseInsensitive)) {
            // A reading file keeps the Moon's position and no birth: the book,
            // whose entries are births, cannot hold it.
            shown.push_back({name, 0, QFileInfo(path).completeBaseName(), QString(),
                             tr("A reading file holds the Moon's position only, no birth: open it with Open, "
                                "or type the birth in the form and use Add to People"),
                             false});
            continue;
        }
        const std::vector<ImportRow> rows =
            ReadPeopleFile(QFile::encodeName(path).toStdString(), ToStdString(name),
                           [](const std::string& place, const std::string& date, const std::string& time) {
                               return BirthAtPlace(place, date, time, " Give its coordinates and zone for a place not in the list.");
                           });
        for (const ImportRow& row : rows) {
            frmPeopleImport::Row r{name, static_cast<int>(row.line), ToQString(row.name), QString(), ToQString(row.problem), false};
            if (row.person) {
                r.birth = BirthText(*row.person);
                r.alreadyThere = !known.insert(KeyOfBirth(*row.person)).second;
                if (!r.alreadyThere)
                    toAdd.push_back(*row.person);
            }
            shown.push_back(std::move(r));
        }
    }
    frmPeopleImport preview(shown, this);
    if (ExecDialog(preview) != QDialog::Accepted || preview.outcome() != frmPeopleImport::Outcome::Add)
        return;
    PeopleBook::Added added;
    const BookResult result = book_.AddAll(toAdd, added);
    if (!result.ok()) {
        Show(this, tr("Nothing was added to People: %1").arg(ToQString(result.message)), Icon::Error);
        return;
    }
    Refill();
    // Another copy may have added some of them since this window read the book.
    Show(this,
         tr("%n added to People.", nullptr, static_cast<int>(added.added)) +
             (added.alreadyThere ? QLatin1Char(' ') + tr("%n already there.", nullptr, static_cast<int>(added.alreadyThere)) : QString()),
         Icon::Information);
}

std::vector<Person> frmPeople::SelectedPeople() const
{
    std::vector<Person> chosen;
    for (const QModelIndex& row : tblPeople->selectionModel()->selectedRows())
        chosen.push_back(people_[static_cast<std::size_t>(search_->mapToSource(row).row())]);
    return chosen;
}

std::vector<Person> frmPeople::PeopleToExport() const
{
    std::vector<Person> chosen = SelectedPeople();
    return chosen.size() <= 1 ? people_ : chosen;
}

void frmPeople::mnuExportCsv_Click()
{
    const std::vector<Person> people = PeopleToExport();
    const QString path = FileDialogs::GetSaveFileName(this, tr("Export People as CSV"), tr("CSV (*.csv)"), QStringLiteral("csv"),
                                                      QDir::home().filePath(QStringLiteral("people.csv")));
    if (path.isEmpty())
        return;  // cancelled
    const QString problem = WriteChosenFile(path, PeopleCsv(people));
    if (!problem.isEmpty())
        Messages::Show(this, tr("People were not exported to %1.\n%2").arg(QDir::toNativeSeparators(path), problem),
                       Messages::Icon::Error);
    else
        Messages::Show(this, tr("%n exported to %1.", nullptr, static_cast<int>(people.size())).arg(QDir::toNativeSeparators(path)),
                       Messages::Icon::Information);
}

void frmPeople::mnuExportReadings_Click()
{
    const std::vector<Person> people = PeopleToExport();
    const QString folder = FileDialogs::GetExistingDirectory(this, tr("Export People as Reading Files"));
    if (folder.isEmpty())
        return;  // cancelled
    // One file a person, named after the person; a name taken (a file there,
    // or a namesake) gets a number: no file is replaced.
    int written = 0;
    QStringList problems;
    for (const Person& person : people) {
        const QString base = ToQString(SafeFileName(person.name));
        QString path = QDir(folder).filePath(base + QStringLiteral(".qmz"));
        for (int n = 2; FindWriteTarget(QFile::encodeName(path).toStdString()).kind != WriteTarget::Kind::New; ++n)
            path = QDir(folder).filePath(QStringLiteral("%1 (%2).qmz").arg(base).arg(n));
        ChartRecord chart = MomentOfPerson(person).chart;
        modEphemeris::ComputeMoonPosition(chart);
        const QString problem = SaveReadingFile(path, chart.MoonPositionText);
        if (problem.isEmpty())
            ++written;
        else
            problems << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), problem);
    }
    const QString shownFolder = QDir::toNativeSeparators(folder);
    const QString done = written == 1 ? tr("1 reading file written to %1.").arg(shownFolder)
                                      : tr("%1 reading files written to %2.").arg(written).arg(shownFolder);
    if (problems.isEmpty())
        Messages::Show(this, done, Messages::Icon::Information);
    else
        Messages::Show(this, done + QLatin1Char('\n') + tr("Not written:") + QLatin1Char('\n') + problems.join(QLatin1Char('\n')),
                       Messages::Icon::Error);
}
