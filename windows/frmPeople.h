#pragma once

#include "core/BirthMoment.h"
#include "people/PeopleBook.h"

#include <QMainWindow>

#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class PeopleTable;
class PeopleSearch;

// frmPeople — the people book: everyone, with the birth (date, clock time and
// offset), the place and the birth's mansion (number and name), sortable by
// each column; a search that keeps, as it is typed, the people whose name,
// place or mansion holds the text; Open (the reading in the result window),
// Delete (asked first) and the person's note. Keyboard: the arrows move, Enter
// opens, Delete deletes, Escape closes. A book that cannot be opened is said
// in lblBook; the rest of the program goes on without it.
// File > Import (mnuImport, or files dropped on the window) offers the
// people of batch CSV files, previewed first (frmPeopleImport); a reading file
// (.qmz) holds the Moon's position only, no birth, and is refused. Export as
// CSV (mnuExportCsv) and Export as Reading Files (mnuExportReadings, one .qmz
// a person into a folder) write the selected people, or everyone when no
// more than one is selected.
// Controls: txtSearch, tblPeople, lblBook, txtNote, cmdOpen, cmdEdit, cmdDelete,
// cmdSaveNote; menus mnuImport, mnuExportCsv, mnuExportReadings, mnuClose.
class frmPeople : public QMainWindow {
    Q_OBJECT

public:
    // bookPath: the book's file; "" for its usual place (DefaultBookPath).
    explicit frmPeople(const QString& bookPath = {}, QWidget* parent = nullptr);

    // The birth of the person chosen last by Open.
    const BirthMoment& chosenBirth() const { return chosen_; }
    // The entry chosen last by Edit.
    const Person& editedPerson() const { return edited_; }
    // The book's file.
    QString bookPath() const;
    // Reads the book again (after a reading was added to it elsewhere).
    void Reload();
    // ImportFiles — the people of these files, previewed, added as the user chooses.
    void ImportFiles(const QStringList& paths);

signals:
    // Open: the reading of chosenBirth() is wanted.
    void readingRequested();
    // Edit: editedPerson() is to be changed in the form.
    void editRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(class QDragEnterEvent* event) override;
    void dropEvent(class QDropEvent* event) override;

private slots:
    void txtSearch_Change();
    void cmdOpen_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdSaveNote_Click();
    void tblPeople_CurrentChange();
    void mnuImport_Click();
    void mnuExportCsv_Click();
    void mnuExportReadings_Click();

private:
    void BuildControls();
    void OpenBook(const QString& bookPath);
    void Refill();
    // The person of the current row, or nullptr.
    const Person* CurrentPerson() const;
    // The selected people when more than one is selected, else everyone.
    std::vector<Person> PeopleToExport() const;
    // The people of the rows selected, through the search and the sort.
    std::vector<Person> SelectedPeople() const;

    PeopleBook book_;
    std::vector<Person> people_;
    BirthMoment chosen_;
    Person edited_;

    QLineEdit* txtSearch;
    PeopleTable* table_;
    PeopleSearch* search_;
    QTableView* tblPeople;
    QLabel* lblBook;
    QPlainTextEdit* txtNote;
    QPushButton* cmdOpen;
    QPushButton* cmdEdit;
    QPushButton* cmdDelete;
    QPushButton* cmdSaveNote;
};
