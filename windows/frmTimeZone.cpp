#include "windows/frmTimeZone.h"

#include "base/QtStdText.h"
#include "ui/ProgramWidgets.h"
#include "core/TimeZoneTable.h"

#include <QKeyEvent>
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

    cmdQuit = new QPushButton(tr("&Quit"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTimeZone);
    layout->addWidget(cmdQuit, 0, Qt::AlignHCenter);

    connect(cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);
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
