#include "windows/frmTimeZone.h"

#include "base/QtStdText.h"
#include "ui/ProgramWidgets.h"
#include "core/TimeZoneTable.h"
#include "places/ZoneHistory.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The list starts with no selection and no current row, so that the first
// Down or Home selects the first zone. (A list view makes its first row
// current, unselected, when it takes the focus; that row would then be
// skipped by Down and could only be chosen with the mouse.)
class ZoneList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QListWidget::focusInEvent(event);
        if (selectedItems().isEmpty())
            selectionModel()->clearCurrentIndex();
    }
};

// A zone's name as people type it: any case, "_" and "/" as spaces.
QString ZoneNameKey(const QString& text)
{
    QString key = text.toCaseFolded();
    key.replace(QLatin1Char('_'), QLatin1Char(' ')).replace(QLatin1Char('/'), QLatin1Char(' '));
    return key;
}

}  // namespace

frmTimeZone::frmTimeZone(QWidget* parent) : QDialog(parent)
{
    SetUpProgramWindow(this, "frmTimeZone");
    setModal(true);

    lstTimeZone = new ZoneList(this);
    lstTimeZone->setObjectName(QStringLiteral("lstTimeZone"));
    for (const TimeZoneEntry& zone : TimeZoneTable())
        lstTimeZone->addItem(ToQString(zone.text));
    lstTimeZone->setCurrentRow(-1);
    lstTimeZone->setMinimumSize(lstTimeZone->sizeHintForColumn(0) + 40, 18 * lstTimeZone->sizeHintForRow(0));
    lstTimeZone->viewport()->installEventFilter(this);
    lstTimeZone->installEventFilter(this);

    // Any zone of the database, for a place whose zone is not among the 71:
    // its offset at the birth then comes from the zone's history.
    txtZoneName = new QLineEdit(this);
    txtZoneName->setObjectName(QStringLiteral("txtZoneName"));
    txtZoneName->setPlaceholderText(tr("e.g. Pacific/Chatham"));
    txtZoneName->setClearButtonEnabled(true);
    auto* lblZoneName = new QLabel(tr("Or a zone by its &name:"), this);
    lblZoneName->setObjectName(QStringLiteral("lblZoneName"));
    lblZoneName->setBuddy(txtZoneName);
    lstZoneName = new QListWidget(this);
    lstZoneName->setObjectName(QStringLiteral("lstZoneName"));
    lstZoneName->setAccessibleName(tr("Zones by name"));
    for (const std::string& zone : ListedZoneNames())
        lstZoneName->addItem(QString::fromStdString(zone));
    lstZoneName->setFixedHeight(6 * lstZoneName->sizeHintForRow(0) + 2 * lstZoneName->frameWidth());
    lstZoneName->viewport()->installEventFilter(this);
    lstZoneName->installEventFilter(this);
    txtZoneName->installEventFilter(this);

    cmdQuit = new QPushButton(tr("&Quit"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTimeZone);
    layout->addWidget(lblZoneName);
    layout->addWidget(txtZoneName);
    layout->addWidget(lstZoneName);
    layout->addWidget(cmdQuit, 0, Qt::AlignHCenter);

    connect(txtZoneName, &QLineEdit::textChanged, this, &frmTimeZone::txtZoneName_Change);
    connect(cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);
}

void frmTimeZone::txtZoneName_Change()
{
    // Every word typed is in the name: "lord howe", "america indiana".
    const QStringList words = ZoneNameKey(txtZoneName->text()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < lstZoneName->count(); ++i) {
        QListWidgetItem* item = lstZoneName->item(i);
        const QString key = ZoneNameKey(item->text());
        item->setHidden(!std::all_of(words.begin(), words.end(), [&](const QString& w) { return key.contains(w); }));
    }
    lstZoneName->setCurrentItem(nullptr);
}

void frmTimeZone::lstZoneName_DblClick()
{
    QListWidgetItem* item = lstZoneName->currentItem();
    if (!item || item->isHidden())
        return;
    chosenZone_ = item->text().toLatin1();
    chosenRow_ = -1;
    accept();
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event)
{
    // A double-click anywhere in the list chooses the row under the pointer, or
    // the current row; Enter chooses the current row.
    if (watched == lstTimeZone->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        if (QListWidgetItem* item = lstTimeZone->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
            lstTimeZone->setCurrentItem(item);
        lstTimeZone_DblClick();
        return true;
    }
    if (watched == lstZoneName->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        if (QListWidgetItem* item = lstZoneName->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
            lstZoneName->setCurrentItem(item);
        lstZoneName_DblClick();
        return true;
    }
    if ((watched == lstZoneName || watched == txtZoneName) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const auto firstShown = [this]() -> QListWidgetItem* {
            for (int i = 0; i < lstZoneName->count(); ++i)
                if (!lstZoneName->item(i)->isHidden())
                    return lstZoneName->item(i);
            return nullptr;
        };
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter in the box chooses the first zone shown; in the list, the current one.
            if (watched == txtZoneName)
                lstZoneName->setCurrentItem(firstShown());
            lstZoneName_DblClick();
            return true;
        }
        if (watched == txtZoneName && key == Qt::Key_Down) {
            if (QListWidgetItem* first = firstShown()) {
                lstZoneName->setFocus();
                lstZoneName->setCurrentItem(first);
            }
            return true;
        }
    }
    if (watched == lstTimeZone && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter chooses the selected zone; with none selected the picker stays.
            if (QListWidgetItem* item = lstTimeZone->currentItem(); item && item->isSelected())
                lstTimeZone_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmTimeZone::lstTimeZone_DblClick()
{
    const int row = lstTimeZone->currentRow();
    if (row >= 0 && row < TimeZoneCount && lstTimeZone->currentItem()->isSelected()) {
        chosenRow_ = row;
        accept();
    } else {
        reject();
    }
}

void frmTimeZone::cmdQuit_Click()
{
    reject();
}
