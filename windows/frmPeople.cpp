#include "windows/frmPeople.h"

#include "base/QtStdText.h"
#include "core/BirthReading.h"
#include "core/ClockText.h"
#include "ui/MessageBox.h"
#include "ui/ProgramWidgets.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { Name, Birth, Place, Mansion, ColumnCount };

// The mansion column sorts by the mansion's number, not its text.
class MansionItem : public QTableWidgetItem {
public:
    MansionItem(int mansion, const QString& text) : QTableWidgetItem(text), mansion_(mansion) {}
    bool operator<(const QTableWidgetItem& other) const override
    {
        return mansion_ < static_cast<const MansionItem&>(other).mansion_;
    }

private:
    int mansion_;
};

// "1987-03-21 06:12 UTC+11": the birth's date and clock time with the offset then.
QString BirthText(const Person& p)
{
    return QStringLiteral("%1-%2-%3 %4:%5 ")
               .arg(p.year, 4, 10, QLatin1Char('0'))
               .arg(p.month, 2, 10, QLatin1Char('0'))
               .arg(p.day, 2, 10, QLatin1Char('0'))
               .arg(p.hour, 2, 10, QLatin1Char('0'))
               .arg(p.minute, 2, 10, QLatin1Char('0')) +
           ToQString(UtcOffsetText(p.zoneMinutes + (p.dst ? 60 : 0)));
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

    tblPeople = new QTableWidget(0, ColumnCount, central);
    tblPeople->setObjectName(QStringLiteral("tblPeople"));
    tblPeople->setAccessibleName(tr("People"));
    tblPeople->setHorizontalHeaderLabels({tr("Name"), tr("Birth"), tr("Place"), tr("Mansion")});
    tblPeople->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPeople->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPeople->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPeople->verticalHeader()->hide();
    tblPeople->horizontalHeader()->setStretchLastSection(true);
    tblPeople->horizontalHeader()->setSortIndicator(Name, Qt::AscendingOrder);
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
    QAction* closeAction = file->addAction(tr("&Close"));
    closeAction->setObjectName(QStringLiteral("mnuClose"));
    closeAction->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
    connect(closeAction, &QAction::triggered, this, &QWidget::close);

    connect(txtSearch, &QLineEdit::textChanged, this, &frmPeople::txtSearch_Change);
    connect(cmdOpen, &QPushButton::clicked, this, &frmPeople::cmdOpen_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmPeople::cmdEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmPeople::cmdDelete_Click);
    connect(cmdSaveNote, &QPushButton::clicked, this, &frmPeople::cmdSaveNote_Click);
    connect(tblPeople, &QTableWidget::itemSelectionChanged, this, &frmPeople::tblPeople_CurrentChange);
    connect(tblPeople, &QTableWidget::cellDoubleClicked, this, &frmPeople::cmdOpen_Click);
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
    tblPeople->setSortingEnabled(false);
    tblPeople->clearContents();
    tblPeople->setRowCount(static_cast<int>(people_.size()));
    for (std::size_t i = 0; i < people_.size(); ++i) {
        const Person& p = people_[i];
        const BirthMoment birth = MomentOfPerson(p);
        const MansionReading reading = ReadBirth(birth, PassageWanted::None).reading;
        const QString place = birth.where.place ? ToQString(birth.where.place->FullName()) : QString();
        const QString mansion =
            QStringLiteral("%1 %2").arg(reading.mansion).arg(ToQString(std::string(reading.texts[LunarMansionName])));
        auto* name = new QTableWidgetItem(ToQString(p.name));
        name->setData(Qt::UserRole, static_cast<qulonglong>(i));
        // What a screen reader says of the row.
        name->setData(Qt::AccessibleTextRole, tr("%1, born %2%3, mansion %4")
                                                  .arg(ToQString(p.name), BirthText(p),
                                                       place.isEmpty() ? QString() : tr(" in %1").arg(place), mansion));
        const int row = static_cast<int>(i);
        tblPeople->setItem(row, Name, name);
        tblPeople->setItem(row, Birth, new QTableWidgetItem(BirthText(p)));
        tblPeople->setItem(row, Place, new QTableWidgetItem(place));
        tblPeople->setItem(row, Mansion, new MansionItem(reading.mansion, mansion));
    }
    tblPeople->setSortingEnabled(true);
    tblPeople->resizeColumnsToContents();
    txtSearch_Change();
    // The person chosen before stays chosen, if still there and shown; else the first shown.
    int chosenRow = -1;
    for (int row = 0; row < tblPeople->rowCount(); ++row) {
        if (tblPeople->isRowHidden(row))
            continue;
        if (chosenRow < 0 || people_[tblPeople->item(row, Name)->data(Qt::UserRole).toULongLong()].id == keepId)
            chosenRow = row;
    }
    if (chosenRow >= 0)
        tblPeople->selectRow(chosenRow);
    tblPeople_CurrentChange();
}

const Person* frmPeople::CurrentPerson() const
{
    const int row = tblPeople->currentRow();
    if (row < 0 || tblPeople->isRowHidden(row) || !tblPeople->item(row, Name))
        return nullptr;
    const auto index = tblPeople->item(row, Name)->data(Qt::UserRole).toULongLong();
    return index < people_.size() ? &people_[index] : nullptr;
}

void frmPeople::txtSearch_Change()
{
    const QString wanted = txtSearch->text().trimmed();
    int firstShown = -1;
    for (int row = 0; row < tblPeople->rowCount(); ++row) {
        bool match = wanted.isEmpty();
        for (int column : {Name, Place, Mansion})
            match = match || tblPeople->item(row, column)->text().contains(wanted, Qt::CaseInsensitive);
        tblPeople->setRowHidden(row, !match);
        if (match && firstShown < 0)
            firstShown = row;
    }
    if (CurrentPerson() == nullptr && firstShown >= 0)
        tblPeople->selectRow(firstShown);
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
    using namespace Messages;
    if (Show(this, tr("Delete %1 from People?").arg(ToQString(person->name)), Icon::Warning, Buttons::YesNo) != Answer::Yes)
        return;
    const int row = tblPeople->currentRow();
    const BookResult removed = book_.Remove(person->id);
    if (!removed.ok()) {
        Show(this, ToQString(removed.message), Icon::Error);
        return;
    }
    Refill();
    if (tblPeople->rowCount() > 0)
        tblPeople->selectRow(std::min(row, tblPeople->rowCount() - 1));
}

void frmPeople::cmdSaveNote_Click()
{
    const Person* person = CurrentPerson();
    if (!person || book_.readOnly())
        return;
    Person changed = *person;
    changed.note = ToStdString(txtNote->toPlainText());
    const BookResult saved = book_.Update(changed);
    if (!saved.ok()) {
        // The note stays in its box, to be saved again.
        Messages::Show(this, ToQString(saved.message), Messages::Icon::Error);
        return;
    }
    const std::int64_t id = changed.id;
    Refill();
    for (int row = 0; row < tblPeople->rowCount(); ++row)
        if (people_[tblPeople->item(row, Name)->data(Qt::UserRole).toULongLong()].id == id)
            tblPeople->selectRow(row);
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
