#include "pictures/MansionWheel.h"

#include "base/QtStdText.h"
#include "core/MansionVocabulary.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double MansionWidth = 360.0 / 28.0;

// The ring between two radii from one longitude to another, as a path.
QPainterPath Sector(const QRectF& square, double from, double to, double inner, double outer)
{
    const QPointF c = square.center();
    const double r = square.width() / 2;
    auto box = [&](double f) { return QRectF(c.x() - r * f, c.y() - r * f, 2 * r * f, 2 * r * f); };
    // Qt's angles run counter-clockwise from 3 o'clock; the wheel's 0° is at 9.
    QPainterPath path;
    path.arcMoveTo(box(outer), 180 + from);
    path.arcTo(box(outer), 180 + from, to - from);
    path.arcTo(box(inner), 180 + to, from - to);
    path.closeSubpath();
    return path;
}

// The number and the first of a mansion's Latin names ("Alchas or Altob": "7 Alchas").
QString MansionLabel(int k)
{
    return QStringLiteral("%1 %2").arg(k).arg(ToQString(FirstLatinName(k)));
}

// Where the mansions' labels run along the radius, as fractions of it.
constexpr double LabelFrom = Wheel::LabelInner, LabelTo = Wheel::SignInner - 0.01;

QFont SizedFont(const QFont& base, double pixels)
{
    QFont font = base;
    font.setPixelSize(std::max(1, int(std::ceil(pixels))));
    return font;
}

}  // namespace

WheelColours WheelColours::Screen()
{
    // The reading's mansion a clear green, edged in the brightest.
    return {QColor(0, 0, 0),     QColor(0, 128, 0),     QColor(0, 192, 0),   QColor(192, 255, 192),
            QColor(0, 110, 0),   QColor(255, 255, 255), QColor(255, 255, 0), QColor(96, 255, 96)};
}

WheelColours WheelColours::Print()
{
    return {QColor(255, 255, 255), QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0),
            QColor(215, 215, 215), QColor(0, 0, 0), QColor(90, 90, 90), QColor(0, 0, 0)};
}

QPointF WheelPoint(const QRectF& square, double longitude, double radius)
{
    const double r = square.width() / 2 * radius;
    const double a = longitude * Pi / 180.0;
    return {square.center().x() - r * std::cos(a), square.center().y() + r * std::sin(a)};
}

QFont WheelSignFont(const QFont& base, const QRectF& square, double minimumPixels)
{
    return SizedFont(base, std::max(minimumPixels, square.width() / 2 * 0.05));
}

QFont WheelMansionFont(const QFont& base, const QRectF& square, double minimumPixels)
{
    // Small enough beside the radius for the longest names to fit their ring.
    return SizedFont(base, std::max(minimumPixels, square.width() / 2 * 0.028));
}

std::vector<WheelLabel> WheelLabels(const QRectF& square, const QFont& base, double minimumPixels)
{
    std::vector<WheelLabel> labels;
    const QPointF c = square.center();
    const double r = square.width() / 2;
    // Sign names along the middle of their ring, upright in the upper half
    // and turned round in the lower, so that no name crosses a line.
    const QFont signFont = WheelSignFont(base, square, minimumPixels);
    const QFontMetricsF signs(signFont);
    for (int s = 0; s < 12; ++s) {
        WheelLabel label;
        label.sign = true;
        label.whole = label.text = ToQString(SignName(s));
        const double longitude = 30.0 * s + 15;
        const QPointF at = WheelPoint(square, longitude, (Wheel::SignInner + Wheel::SignOuter) / 2);
        const double outward = 180.0 - longitude;  // the radius's direction on screen, degrees clockwise from 3 o'clock
        label.place.translate(at.x(), at.y());
        label.place.rotate(at.y() > c.y() ? outward - 90 : outward + 90);
        const double width = signs.horizontalAdvance(label.text);
        label.box = QRectF(-width / 2, -signs.height() / 2, width, signs.height());
        labels.push_back(label);
    }
    // Mansions along their middle radius, read outward from the centre,
    // turned round where they would read upside down.
    const QFont mansionFont = WheelMansionFont(base, square, minimumPixels);
    const QFontMetricsF mansions(mansionFont);
    const double room = r * (LabelTo - LabelFrom);
    for (int k = 1; k <= 28; ++k) {
        WheelLabel label;
        label.whole = MansionLabel(k);
        label.text = mansions.elidedText(label.whole, Qt::ElideRight, room);
        const double angle = 180.0 - (k - 0.5) * MansionWidth;
        const bool flip = std::cos(angle * Pi / 180.0) < 0;
        label.place.translate(c.x(), c.y());
        label.place.rotate(flip ? angle + 180 : angle);
        const double width = mansions.horizontalAdvance(label.text);
        const double middle = r * (LabelFrom + LabelTo) / 2 * (flip ? -1 : 1);
        label.box = QRectF(middle - width / 2, -mansions.height() / 2, width, mansions.height());
        labels.push_back(label);
    }
    return labels;
}

double WheelSideForWholeNames(const QFont& base, double minimumPixels)
{
    const QFontMetricsF mansions(SizedFont(base, minimumPixels));
    double widest = 0;
    for (int k = 1; k <= 28; ++k)
        widest = std::max(widest, mansions.horizontalAdvance(MansionLabel(k)));
    // The side at which the widest fits its ring, then larger until every
    // label does (the font grows with the wheel past the least size).
    double side = std::ceil(2 * (widest + 2) / (LabelTo - LabelFrom));
    for (int step = 0; step < 40; ++step, side = std::ceil(side * 1.03)) {
        bool whole = true;
        for (const WheelLabel& label : WheelLabels(QRectF(0, 0, side, side), base, minimumPixels))
            whole = whole && label.Whole();
        if (whole)
            break;
    }
    return side;
}

void DrawMansionWheel(QPainter& painter, const QRectF& square, const WheelReading& reading, const WheelColours& colours)
{
    painter.save();
    // The same picture in every language: its labels read left to right,
    // the Arabic name in the centre right to left.
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(square, colours.background);
    const double r = square.width() / 2;
    const QPen line(colours.lines, std::max(1.0, r / 300));

    // The reading's mansion.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.highlight);
    const double first = (reading.mansion - 1) * MansionWidth;
    painter.drawPath(Sector(square, first, first + MansionWidth, Wheel::MansionInner, Wheel::SignInner));

    // Rings and boundaries.
    painter.setPen(line);
    painter.setBrush(Qt::NoBrush);
    for (const double f : {Wheel::SignOuter, Wheel::SignInner, Wheel::MansionInner})
        painter.drawEllipse(square.center(), r * f, r * f);
    for (int s = 0; s < 12; ++s)
        painter.drawLine(WheelPoint(square, 30.0 * s, Wheel::SignInner), WheelPoint(square, 30.0 * s, Wheel::SignOuter));
    for (int k = 0; k < 28; ++k)
        painter.drawLine(WheelPoint(square, k * MansionWidth, Wheel::MansionInner),
                         WheelPoint(square, k * MansionWidth, Wheel::SignInner));

    // The reading's mansion's edge, heavier than the rest.
    painter.setPen(QPen(colours.highlightEdge.isValid() ? colours.highlightEdge : colours.lines,
                        std::max(3.0, r / 70), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(Sector(square, first, first + MansionWidth, Wheel::MansionInner, Wheel::SignInner));

    // Sign names in their ring, then each mansion's number and first Latin name.
    for (const WheelLabel& label : WheelLabels(square, painter.font(), reading.minimumTextPixels)) {
        painter.save();
        painter.setTransform(label.place, true);
        painter.setFont(label.sign ? WheelSignFont(painter.font(), square, reading.minimumTextPixels)
                                   : WheelMansionFont(painter.font(), square, reading.minimumTextPixels));
        painter.setPen(label.sign ? colours.signText : colours.mansionText);
        painter.drawText(label.box, Qt::AlignCenter, label.text);
        painter.restore();
    }

    // The birth day's path, with a tick at each end.
    if (reading.dayFrom && reading.dayTo) {
        double from = *reading.dayFrom, to = *reading.dayTo;
        if (to < from)
            to += 360;  // across 0° Aries
        const double pr = r * Wheel::PathRadius;
        const QRectF box(square.center().x() - pr, square.center().y() - pr, 2 * pr, 2 * pr);
        painter.setPen(QPen(colours.path, std::max(2.0, r / 100), Qt::SolidLine, Qt::FlatCap));
        QPainterPath arc;
        arc.arcMoveTo(box, 180 + from);
        arc.arcTo(box, 180 + from, to - from);
        painter.drawPath(arc);
        for (const double at : {from, to})
            painter.drawLine(WheelPoint(square, at, Wheel::PathRadius - 0.018), WheelPoint(square, at, Wheel::PathRadius + 0.018));
        // The birth: a longer tick where the Moon was on its path.
        double birth = reading.moonLongitude;
        if (birth < from)
            birth += 360;
        if (birth <= to)
            painter.drawLine(WheelPoint(square, birth, Wheel::PathRadius - 0.022), WheelPoint(square, birth, Wheel::PathRadius + 0.022));
    }

    // The Moon.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.moon);
    painter.drawEllipse(WheelPoint(square, reading.moonLongitude, Wheel::MoonRadius), r * Wheel::MoonMarkSize,
                        r * Wheel::MoonMarkSize);

    // The centre: the first line bold, all of them within the centre's circle.
    if (!reading.centre.isEmpty()) {
        QFont font = WheelMansionFont(painter.font(), square, reading.minimumTextPixels);
        const QFontMetricsF metrics(font);
        const double lineHeight = metrics.height();
        const double half = r * (Wheel::CentreRadius - 0.02);
        const double top = square.center().y() - lineHeight * reading.centre.size() / 2;
        painter.setPen(colours.mansionText);
        for (int i = 0; i < reading.centre.size(); ++i) {
            font.setBold(i == 0);
            painter.setFont(font);
            const double y = top + i * lineHeight;
            // The chord of the centre's circle at the line's farther edge.
            const double dy = std::max(std::abs(y - square.center().y()), std::abs(y + lineHeight - square.center().y()));
            const double chord = 2 * std::sqrt(std::max(0.0, half * half - dy * dy));
            const QRectF line(square.center().x() - chord / 2, y, chord, lineHeight);
            painter.drawText(line, Qt::AlignCenter, QFontMetricsF(font).elidedText(reading.centre[i], Qt::ElideRight, chord));
        }
    }
    painter.restore();
}
