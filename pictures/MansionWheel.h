#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <optional>

class QPainter;

// What the mansion wheel shows of a reading.
struct WheelReading {
    double moonLongitude = 0;  // sidereal, degrees from 0° Aries
    int mansion = 1;           // 1..28, highlighted
    // The Moon's path over the birth day, sidereal degrees from and to; none
    // for a reading opened from a file.
    std::optional<double> dayFrom, dayTo;
};

struct WheelColours {
    QColor background, lines, signText, mansionText, highlight, moon, path;
    static WheelColours Screen();  // the result window's green on black
    static WheelColours Print();   // black on white
};

// The wheel's rings, as fractions of its radius.
namespace Wheel {
inline constexpr double SignOuter = 1.0, SignInner = 0.86;      // the twelve signs
inline constexpr double MansionInner = 0.52;                     // the 28 mansions between it and SignInner
inline constexpr double PathRadius = 0.47;                       // the birth day's path
inline constexpr double MoonRadius = 0.40;                       // the Moon's mark
inline constexpr double MoonMarkSize = 0.045;                    // its radius
}  // namespace Wheel

// WheelPoint — where a longitude at a fraction of the radius falls: 0° Aries
// on the left, the zodiac running counter-clockwise, as charts are drawn.
QPointF WheelPoint(const QRectF& square, double longitude, double radius);

// DrawMansionWheel — the sidereal zodiac: twelve signs, the 28 mansions as
// sectors at their boundaries (12°51'26" each, from 0° Aries) with their
// numbers and Latin names, the reading's mansion highlighted, the birth day's
// path as an arc and the Moon's place marked. `square` is the wheel's box.
void DrawMansionWheel(QPainter& painter, const QRectF& square, const WheelReading& reading, const WheelColours& colours);
