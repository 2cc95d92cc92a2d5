#include "windows/frmPlaceFinder.h"

#include "base/QtStdText.h"
#include "core/BirthMoment.h"
#include "places/PlaceFill.h"
#include "ui/ProgramWidgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

frmPlaceFinder::frmPlaceFinder(const PlaceSearch& search, QWidget* parent)
    : QDialog(parent), places_(search.status == PlaceSearch::Status::Found ? search.places : search.suggestions)
{
    SetUpProgramWindow(this, "frmPlaceFinder");
    setWindowTitle(tr("Place of Birth \u2014 Qamarel"));  // a title of its own beside the program's windows
    setModal(true);

    auto* intro = new QLabel(tr("Choose the place of birth. Its longitude, latitude and time zone on the day "
                                "of birth go into the form."),
                             this);
    intro->setWordWrap(true);
    // Why the list holds no match: near names, or no place list at all.
    lblMessage = new QLabel(SearchMessage(search), this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setVisible(search.status != PlaceSearch::Status::Found);
    intro->setVisible(!places_.isEmpty());

    lstPlaces = new QTableWidget(static_cast<int>(places_.size()), 6, this);
    lstPlaces->setObjectName(QStringLiteral("lstPlaces"));
    lstPlaces->setAccessibleName(tr("Places that match the city"));
    lstPlaces->setHorizontalHeaderLabels(
        {tr("Place"), tr("State"), tr("Country"), tr("Latitude"), tr("Longitude"), tr("Time zone")});
    lstPlaces->verticalHeader()->hide();
    lstPlaces->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstPlaces->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPlaces->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstPlaces->setTabKeyNavigation(false);
    for (int row = 0; row < places_.size(); ++row) {
        const Place& p = places_[row];
        const QString cells[] = {ShownName(p), p.state, p.country, ToQString(AngleText(p.latitude, true)), ToQString(AngleText(p.longitude, false)),
                                 QString::fromUtf8(p.zone)};
        for (int column = 0; column < 6; ++column)
            lstPlaces->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    lstPlaces->resizeColumnsToContents();
    lstPlaces->horizontalHeader()->setStretchLastSection(true);
    // About ten rows high, and as wide as the columns but no wider than the screen.
    const int rowsHeight = lstPlaces->horizontalHeader()->sizeHint().height() +
                           10 * lstPlaces->verticalHeader()->defaultSectionSize() + 2 * lstPlaces->frameWidth();
    lstPlaces->setMinimumHeight(rowsHeight);
    int width = lstPlaces->horizontalHeader()->length() + 40;
    if (const QScreen* s = screen())
        width = std::min(width, s->availableGeometry().width() - 60);
    lstPlaces->setMinimumWidth(width);
    lstPlaces->installEventFilter(this);
    if (!places_.isEmpty())
        lstPlaces->selectRow(0);  // the best match, ready for Enter

    cmdChoose = new QPushButton(tr("&Choose"), this);
    cmdChoose->setObjectName(QStringLiteral("cmdChoose"));
    cmdWeb = new QPushButton(tr("Search the &web instead"), this);
    cmdWeb->setObjectName(QStringLiteral("cmdWeb"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter presses the focused Choose or Cancel (in the list it chooses).
    for (QPushButton* button : {cmdChoose, cmdCancel})
        button->setAutoDefault(true);
    cmdWeb->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdWeb);
    buttons->addStretch();
    buttons->addWidget(cmdChoose);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMessage);
    layout->addWidget(intro);
    layout->addWidget(lstPlaces);
    lstPlaces->setVisible(!places_.isEmpty());
    layout->addLayout(buttons);

    connect(lstPlaces, &QTableWidget::cellDoubleClicked, this, &frmPlaceFinder::lstPlaces_DblClick);
    connect(cmdChoose, &QPushButton::clicked, this, &frmPlaceFinder::lstPlaces_DblClick);
    connect(cmdWeb, &QPushButton::clicked, this, &frmPlaceFinder::cmdWeb_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    if (places_.isEmpty()) {
        cmdChoose->setEnabled(false);
        cmdWeb->setFocus();
    } else {
        lstPlaces->setFocus();
    }
}

bool frmPlaceFinder::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstPlaces && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lstPlaces_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPlaceFinder::lstPlaces_DblClick()
{
    const QList<QTableWidgetItem*> selected = lstPlaces->selectedItems();
    if (selected.isEmpty())
        return;  // nothing chosen yet: the finder stays
    chosen_ = selected.first()->row();
    outcome_ = Outcome::Chosen;
    accept();
}

void frmPlaceFinder::cmdWeb_Click()
{
    outcome_ = Outcome::SearchTheWeb;
    accept();
}
