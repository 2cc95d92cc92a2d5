#include "pictures/MansionWheel.h"

#include "base/QtStdText.h"
#include "core/MansionRecord.h"
#include "core/modArabicLunarMansionInformation.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double MansionWidth = 360.0 / 28.0;

const char* const SignNames[] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                 "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

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

// Text centred on a longitude at a radius, turned to read outward from the centre.
void RadialText(QPainter& painter, const QRectF& square, double longitude, double from, double to, const QString& text)
{
    const QPointF c = square.center();
    const double r = square.width() / 2;
    painter.save();
    painter.translate(c);
    // Along the radius (rotate() turns clockwise on screen, where the wheel's
    // longitudes run counter-clockwise from the left); turned round where it
    // would read upside down.
    const double angle = 180.0 - longitude;
    const bool flip = std::cos(angle * Pi / 180.0) < 0;
    painter.rotate(flip ? angle + 180 : angle);
    const QRectF band(flip ? -r * to : r * from, -painter.fontMetrics().height() / 2.0, r * (to - from),
                      painter.fontMetrics().height());
    painter.drawText(band, Qt::AlignCenter, painter.fontMetrics().elidedText(text, Qt::ElideRight, int(band.width())));
    painter.restore();
}

}  // namespace

WheelColours WheelColours::Screen()
{
    return {QColor(0, 0, 0),     QColor(0, 128, 0),     QColor(0, 192, 0),   QColor(192, 255, 192),
            QColor(0, 72, 0),    QColor(255, 255, 255), QColor(255, 255, 0)};
}

WheelColours WheelColours::Print()
{
    return {QColor(255, 255, 255), QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0),
            QColor(215, 215, 215), QColor(0, 0, 0), QColor(90, 90, 90)};
}

QPointF WheelPoint(const QRectF& square, double longitude, double radius)
{
    const double r = square.width() / 2 * radius;
    const double a = longitude * Pi / 180.0;
    return {square.center().x() - r * std::cos(a), square.center().y() + r * std::sin(a)};
}

void DrawMansionWheel(QPainter& painter, const QRectF& square, const WheelReading& reading, const WheelColours& colours)
{
    painter.save();
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

    // Sign names, then each mansion's number and Latin name along its middle.
    QFont font = painter.font();
    font.setPixelSize(std::max(8, int(r * 0.052)));
    painter.setFont(font);
    painter.setPen(colours.signText);
    for (int s = 0; s < 12; ++s) {
        // Upright in the middle of the sign's band: the band is wide along the circle.
        const QPointF at = WheelPoint(square, 30.0 * s + 15, (Wheel::SignInner + Wheel::SignOuter) / 2);
        const QRectF box(at.x() - r * 0.3, at.y() - r * 0.06, r * 0.6, r * 0.12);
        painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(SignNames[s]));
    }
    font.setPixelSize(std::max(7, int(r * 0.042)));
    painter.setFont(font);
    painter.setPen(colours.mansionText);
    for (int k = 1; k <= 28; ++k) {
        // The number and the first of the mansion's Latin names ("Alchas or Altob": Alchas).
        std::string_view name = modArabicLunarMansionInformation::MansionRowFor(k)[LunarMansionName];
        name = name.substr(0, name.find(" or "));
        const QString label = QStringLiteral("%1 %2").arg(k).arg(ToQString(name));
        RadialText(painter, square, (k - 0.5) * MansionWidth, Wheel::MansionInner + 0.01, Wheel::SignInner - 0.01, label);
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
            painter.drawLine(WheelPoint(square, at, Wheel::PathRadius - 0.025), WheelPoint(square, at, Wheel::PathRadius + 0.025));
    }

    // The Moon.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.moon);
    painter.drawEllipse(WheelPoint(square, reading.moonLongitude, Wheel::MoonRadius), r * Wheel::MoonMarkSize,
                        r * Wheel::MoonMarkSize);
    painter.setPen(QPen(colours.moon, std::max(1.0, r / 250)));
    painter.drawLine(WheelPoint(square, reading.moonLongitude, Wheel::MoonRadius + Wheel::MoonMarkSize),
                     WheelPoint(square, reading.moonLongitude, Wheel::MansionInner));
    painter.restore();
}
