#include "windows/frmPeopleImport.h"

#include "ui/ProgramWidgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

frmPeopleImport::frmPeopleImport(const std::vector<Row>& rows, QWidget* parent) : QDialog(parent)
{
    SetUpProgramWindow(this, "frmPeopleImport");
    setWindowTitle(tr("Import to People") + QStringLiteral(" \u2014 ") + ProgramCaption);
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    tblImport = new QTableWidget(static_cast<int>(rows.size()), 5, this);
    tblImport->setObjectName(QStringLiteral("tblImport"));
    tblImport->setAccessibleName(tr("Rows to import"));
    tblImport->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
    tblImport->setHorizontalHeaderLabels({tr("File"), tr("Line"), tr("Name"), tr("Birth"), tr("Problem")});
    tblImport->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblImport->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblImport->verticalHeader()->hide();
    tblImport->horizontalHeader()->setStretchLastSection(true);
    int good = 0, there = 0, bad = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const QString problem = !r.problem.isEmpty() ? r.problem : r.alreadyThere ? tr("Already in People") : QString();
        const QString cells[] = {r.file, r.line > 0 ? QString::number(r.line) : QString(), r.name, r.birth, problem};
        for (int column = 0; column < 5; ++column)
            tblImport->setItem(static_cast<int>(i), column, new QTableWidgetItem(cells[column]));
        // What a screen reader says of the row.
        tblImport->item(static_cast<int>(i), 0)->setData(
            Qt::AccessibleTextRole, QStringList{r.file, r.line > 0 ? tr("line %1").arg(r.line) : QString(), r.name, r.birth, problem}
                                        .filter(QRegularExpression(QStringLiteral("."))).join(QStringLiteral(", ")));
        bad += !r.problem.isEmpty();
        there += r.problem.isEmpty() && r.alreadyThere;
        good += r.problem.isEmpty() && !r.alreadyThere;
    }
    tblImport->resizeColumnsToContents();
    QStringList summary{tr("%n to add", nullptr, good)};
    if (there > 0)
        summary << tr("%n already in People", nullptr, there);
    if (bad > 0)
        summary << tr("%n with a problem: nothing is added unless you choose to add the good rows", nullptr, bad);
    lblSummary->setText(summary.join(QStringLiteral("; ")) + QLatin1Char('.'));

    cmdAdd = new QPushButton(tr("&Add"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAddGood = new QPushButton(tr("Add the &Good Rows"), this);
    cmdAddGood->setObjectName(QStringLiteral("cmdAddGood"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdAdd->setVisible(bad == 0);
    cmdAdd->setEnabled(good > 0);
    cmdAddGood->setVisible(bad > 0);
    cmdAddGood->setEnabled(good > 0);
    (bad == 0 && good > 0 ? cmdAdd : cmdCancel)->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdAddGood);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(tblImport, 1);
    layout->addLayout(buttons);
    resize(820, 420);

    connect(cmdAdd, &QPushButton::clicked, this, &frmPeopleImport::cmdAdd_Click);
    connect(cmdAddGood, &QPushButton::clicked, this, &frmPeopleImport::cmdAdd_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPeopleImport::cmdAdd_Click()
{
    outcome_ = Outcome::Add;
    accept();
}
