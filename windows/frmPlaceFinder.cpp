#include "windows/frmPlaceFinder.h"

#include "base/QtStdText.h"
#include "core/BirthMoment.h"
#include "places/PlaceFill.h"
#include "ui/TableRows.h"
#include "ui/ProgramWidgets.h"
#include "windows/RecentLists.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A text that wraps within any width: a zero-width space (a place a line may
// break) after every 20 characters of a run with no space, such as a name of
// 300 letters typed as the place.
QString Breakable(const QString& text)
{
    QString out;
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        out += c;
        if (run == 20) {
            out += QChar(0x200B);
            run = 0;
        }
    }
    return out;
}

}  // namespace

frmPlaceFinder::frmPlaceFinder(const PlaceSearch& search, QWidget* parent) : QDialog(parent)
{
    SetUpProgramWindow(this, "frmPlaceFinder");
    setWindowTitle(tr("Place of Birth \u2014 Qamarel"));  // a title of its own beside the program's windows
    setModal(true);

    // What was typed, searched again at each keystroke.
    txtPlace = new QLineEdit(search.typed, this);
    txtPlace->setObjectName(QStringLiteral("txtPlace"));
    txtPlace->setAccessibleName(tr("Place to find"));
    txtPlace->installEventFilter(this);
    lblIntro = new QLabel(tr("Choose the place of birth. Its longitude, latitude and time zone on the day "
                             "of birth go into the form."),
                          this);
    lblIntro->setWordWrap(true);
    // Why the list holds no match: near names, or no place index at all.
    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);

    lstPlaces = new QTableWidget(0, 6, this);
    lstPlaces->setObjectName(QStringLiteral("lstPlaces"));
    lstPlaces->setAccessibleName(tr("Places that match the city"));
    lstPlaces->setHorizontalHeaderLabels(
        {tr("Place"), tr("State"), tr("Country"), tr("Latitude"), tr("Longitude"), tr("Time zone")});
    lstPlaces->verticalHeader()->hide();
    lstPlaces->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstPlaces->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPlaces->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstPlaces->setTabKeyNavigation(false);
    lstPlaces->horizontalHeader()->setStretchLastSection(true);
    lstPlaces->installEventFilter(this);

    cmdChoose = new QPushButton(tr("&Choose"), this);
    cmdChoose->setObjectName(QStringLiteral("cmdChoose"));
    cmdWeb = new QPushButton(tr("Search the &web instead"), this);
    cmdWeb->setObjectName(QStringLiteral("cmdWeb"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter presses the focused Choose or Cancel (in the list and the box it chooses).
    for (QPushButton* button : {cmdChoose, cmdCancel})
        button->setAutoDefault(true);
    cmdWeb->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdWeb);
    buttons->addStretch();
    buttons->addWidget(cmdChoose);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtPlace);
    layout->addWidget(lblMessage);
    layout->addWidget(lblIntro);
    layout->addWidget(lstPlaces);
    layout->addLayout(buttons);

    ShowSearch(search);
    // About ten rows high, and as wide as the columns but no wider than the screen.
    const int rowsHeight = lstPlaces->horizontalHeader()->sizeHint().height() +
                           10 * lstPlaces->verticalHeader()->defaultSectionSize() + 2 * lstPlaces->frameWidth();
    lstPlaces->setMinimumHeight(rowsHeight);
    int width = lstPlaces->horizontalHeader()->length() + 40;
    if (const QScreen* s = screen())
        width = std::min(width, s->availableGeometry().width() - 60);
    lstPlaces->setMinimumWidth(width);

    connect(txtPlace, &QLineEdit::textEdited, this, &frmPlaceFinder::txtPlace_Change);
    connect(lstPlaces, &QTableWidget::cellDoubleClicked, this, &frmPlaceFinder::lstPlaces_DblClick);
    connect(cmdChoose, &QPushButton::clicked, this, &frmPlaceFinder::lstPlaces_DblClick);
    connect(cmdWeb, &QPushButton::clicked, this, &frmPlaceFinder::cmdWeb_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    if (places_.isEmpty())
        cmdWeb->setFocus();
    else
        lstPlaces->setFocus();
}

// The search's places, or its near names, in the list, the best selected.
void frmPlaceFinder::ShowSearch(const PlaceSearch& search)
{
    // The places chosen before that begin with the typed city come first (all
    // of them when it is empty), then the search's.
    places_ = search.status == PlaceSearch::Status::Found ? search.places : search.suggestions;
    bool found = search.status == PlaceSearch::Status::Found;
    if (found || search.status == PlaceSearch::Status::EmptyName) {
        places_ = RecentFirst(RecentPlaces(), places_, search.typed, static_cast<int>(places_.size()) + RecentKept);
        found = !places_.isEmpty();
    }
    lblMessage->setText(Breakable(SearchMessage(search)));
    lblMessage->setVisible(!found);
    lblIntro->setVisible(!places_.isEmpty());
    lstPlaces->clearContents();
    lstPlaces->setRowCount(static_cast<int>(places_.size()));
    for (int row = 0; row < places_.size(); ++row) {
        const Place& p = places_[row];
        const QString cells[] = {ShownName(p), p.state, p.country, ToQString(AngleText(p.latitude, true)), ToQString(AngleText(p.longitude, false)),
                                 QString::fromUtf8(p.zone)};
        for (int column = 0; column < 6; ++column)
            lstPlaces->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    lstPlaces->resizeColumnsToContents();
    lstPlaces->setVisible(!places_.isEmpty());
    cmdChoose->setEnabled(!places_.isEmpty());
    if (!places_.isEmpty())
        SelectRow(lstPlaces, 0);  // the best match, ready for Enter
}

void frmPlaceFinder::txtPlace_Change()
{
    ShowSearch(FindPlaces(txtPlace->text()));
}

bool frmPlaceFinder::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == lstPlaces || watched == txtPlace) && event->type() == QEvent::KeyPress) {
        auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lstPlaces_DblClick();
            return true;
        }
        // Down and Up from the box move in the list.
        if (watched == txtPlace && (key == Qt::Key_Down || key == Qt::Key_Up) && !places_.isEmpty()) {
            lstPlaces->setFocus();
            QCoreApplication::sendEvent(lstPlaces, event);
            return true;
        }
        // A letter or a rub-out in the list goes on with the typed place.
        const bool editing = key == Qt::Key_Backspace ||
                             (!press->text().isEmpty() && press->text().front().isPrint() &&
                              !(press->modifiers() & (Qt::ControlModifier | Qt::AltModifier)));
        if (watched == lstPlaces && editing) {
            txtPlace->setFocus();
            QCoreApplication::sendEvent(txtPlace, event);
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
