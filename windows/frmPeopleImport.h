#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

// frmPeopleImport — what an import would add, before anything is added: each
// row of the files chosen with its file, line, name and birth, and its
// problem or "Already in People". With no problem, Add adds them; with a
// problem, Add is not offered, and "Add the Good Rows" adds only the rows
// without one when the user chooses it; Cancel adds nothing.
// Controls: tblImport, lblSummary, cmdAdd, cmdAddGood, cmdCancel.
class frmPeopleImport : public QDialog {
    Q_OBJECT

public:
    struct Row {
        QString file;
        int line = 0;  // 0: the file as a whole
        QString name, birth;
        QString problem;     // "" for a good row
        bool alreadyThere = false;
    };
    enum class Outcome { Cancelled, Add };

    explicit frmPeopleImport(const std::vector<Row>& rows, QWidget* parent = nullptr);

    Outcome outcome() const { return outcome_; }

private slots:
    void cmdAdd_Click();

private:
    QTableWidget* tblImport;
    QLabel* lblSummary;
    QPushButton* cmdAdd;
    QPushButton* cmdAddGood;
    QPushButton* cmdCancel;
    Outcome outcome_ = Outcome::Cancelled;
};
