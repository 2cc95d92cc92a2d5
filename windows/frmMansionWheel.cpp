#include "windows/frmMansionWheel.h"

#include "ui/ProgramWidgets.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The wheel, as large as its space allows, centred.
class WheelView : public QWidget {
public:
    WheelView(const WheelReading& wheel, QWidget* parent) : QWidget(parent), wheel_(wheel)
    {
        setObjectName(QStringLiteral("picWheel"));
        setMinimumSize(420, 420);
        setAccessibleName(tr("The mansion wheel"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const WheelColours colours = WheelColours::Screen();
        painter.fillRect(rect(), colours.background);
        const int side = std::min(width(), height());
        DrawMansionWheel(painter, QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side), wheel_, colours);
    }

private:
    WheelReading wheel_;
};

}  // namespace

frmMansionWheel::frmMansionWheel(const ReadingSheet& sheet, QWidget* parent) : QDialog(parent)
{
    SetUpProgramWindow(this, "frmMansionWheel");
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, WheelColours::Screen().background);
    palette.setColor(QPalette::WindowText, WheelColours::Screen().mansionText);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* lblPassage = new QLabel(sheet.passage.isEmpty()
                                      ? tr("The Moon at %1, in mansion %2.").arg(sheet.position).arg(sheet.mansion)
                                      : tr("The Moon at %1, in mansion %2. %3").arg(sheet.position).arg(sheet.mansion).arg(sheet.passage),
                                  this);
    lblPassage->setObjectName(QStringLiteral("lblPassage"));
    lblPassage->setWordWrap(true);
    auto* cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new WheelView(sheet.wheel, this), 1);
    layout->addWidget(lblPassage);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
}
