#include "windows/frmMansionWheel.h"

#include "base/QtStdText.h"
#include "core/MansionRecord.h"
#include "core/MansionVocabulary.h"
#include "core/modArabicLunarMansionInformation.h"
#include "pictures/ReadingSheet.h"
#include "ui/ProgramWidgets.h"

#include <QEvent>
#include <QFontInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The wheel, as large as its space allows, centred. Its labels are at least
// the window's text size; at first it is large enough for every mansion's
// name to stand whole, as far as the screen allows. A mansion's whole name
// and meaning show on hover.
class WheelView : public QWidget {
public:
    WheelView(const WheelReading& wheel, QWidget* parent) : QWidget(parent), wheel_(wheel)
    {
        setObjectName(QStringLiteral("picWheel"));
        wheel_.minimumTextPixels = QFontInfo(font()).pixelSize();
        setAccessibleName(frmMansionWheel::tr("The mansion wheel"));
        setMinimumSize(320, 320);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    // At least the side on which every name is whole, within the screen.
    QSize sizeHint() const override
    {
        int side = std::max(420, int(WheelSideForWholeNames(font(), wheel_.minimumTextPixels)));
        if (const QScreen* s = screen())
            side = std::min(side, s->availableGeometry().height() - 8 * fontMetrics().height());  // room for the texts
        return {side, side};
    }

    QRectF Square() const
    {
        const int side = std::min(width(), height());
        return {(width() - side) / 2.0, (height() - side) / 2.0, double(side), double(side)};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const WheelColours colours = WheelColours::Screen();
        painter.fillRect(rect(), colours.background);
        DrawMansionWheel(painter, Square(), wheel_, colours);
    }

    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::ToolTip)
            return QWidget::event(e);
        // Over a mansion: its number, first name, Arabic name and English meaning.
        const QPointF at = static_cast<QHelpEvent*>(e)->pos();
        const QRectF square = Square();
        const QPointF d = at - square.center();
        const double radius = std::hypot(d.x(), d.y()) / (square.width() / 2);
        if (radius < Wheel::MansionInner || radius > Wheel::SignInner) {
            QToolTip::hideText();
            e->ignore();
            return true;
        }
        // 0° Aries on the left, longitudes counter-clockwise on screen (y down).
        const double longitude = std::fmod(std::atan2(d.y(), -d.x()) * 180.0 / 3.14159265358979323846 + 360.0, 360.0);
        const int k = MansionOfLongitude(longitude);
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(),
                           frmMansionWheel::tr("%1 %2 \u2014 %3 \u2014 %4")
                               .arg(k)
                               .arg(ToQString(FirstLatinName(k)),
                                    WithArabicScript(ToQString(modArabicLunarMansionInformation::MansionRowFor(k)[ArabicName]), k),
                                    ToQString(modArabicLunarMansionInformation::MansionRowFor(k)[EnglishMeaning])),
                           this);
        return true;
    }

private:
    WheelReading wheel_;
};

}  // namespace

frmMansionWheel::frmMansionWheel(const ReadingSheet& sheet, QWidget* parent) : QDialog(parent)
{
    SetUpProgramWindow(this, "frmMansionWheel");
    setWindowTitle(sheet.name.isEmpty() ? tr("Mansion Wheel") : tr("Mansion Wheel \u2014 %1").arg(sheet.name));
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
    if (sheet.wheel.dayFrom) {
        auto* lblLegend = new QLabel(tr("Yellow arc: the Moon's path over the birth day, from 00:00 to 24:00; long tick: the birth."),
                                     this);
        lblLegend->setObjectName(QStringLiteral("lblLegend"));
        lblLegend->setWordWrap(true);
        layout->addWidget(lblLegend);
    }
    layout->addWidget(lblPassage);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    // The window never smaller than its content: the wheel's least size and
    // the texts' wrapped height at that width.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    // The first size is the content's own, texts wrapped at the wheel's width
    // (a window's automatic size stops at two thirds of the screen).
    const int width = sizeHint().width();
    QSize first(width, layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : sizeHint().height());
    if (const QScreen* s = screen())
        first = first.boundedTo(s->availableGeometry().size());
    resize(first);
}

void frmMansionWheel::ShowAgain()
{
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}
