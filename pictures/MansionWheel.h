#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <QTransform>

#include <optional>
#include <vector>

class QPainter;

// What the mansion wheel shows of a reading.
struct WheelReading {
    double moonLongitude = 0;  // sidereal, degrees from 0° Aries
    int mansion = 1;           // 1..28, highlighted
    // The Moon's path over the birth day, sidereal degrees from and to; none
    // for a reading opened from a file.
    std::optional<double> dayFrom, dayTo;
    // Lines written in the centre: the mansion's number and names, the
    // position, the date; none leaves the centre empty.
    QStringList centre;
    // The smallest text size in pixels (a window's own text size); 0 for none.
    double minimumTextPixels = 0;
};

struct WheelColours {
    QColor background, lines, signText, mansionText, highlight, moon, path;
    QColor highlightEdge;  // the reading's mansion's edge, drawn heavier; the lines' colour when not given
    static WheelColours Screen();  // the result window's green on black
    static WheelColours Print();   // black on white
};

// The wheel's rings, as fractions of its radius.
namespace Wheel {
inline constexpr double SignOuter = 1.0, SignInner = 0.86;      // the twelve signs, names along the ring
inline constexpr double MansionInner = 0.36;                     // the 28 mansions between it and SignInner
inline constexpr double PathRadius = 0.395;                      // the birth day's path, inside the mansions' ring
inline constexpr double MoonRadius = PathRadius;                 // the Moon's mark, on its path
inline constexpr double LabelInner = 0.42;                       // the mansions' names outside the path and its ticks
inline constexpr double MoonMarkSize = 0.016;                     // its radius
inline constexpr double CentreRadius = 0.27;                     // the centre's text within it
}  // namespace Wheel

// A label of the wheel: its text, the box of its text in its own frame, and
// where that frame stands on the wheel.
struct WheelLabel {
    QString text;      // as drawn ("14 Achurethorhaiz"; elided where the ring is too short)
    QString whole;     // the whole text
    QRectF box;        // the text's box, in the label's frame
    QTransform place;  // from the label's frame to the wheel's
    bool sign = false; // a sign's name (else a mansion's)
    bool Whole() const { return text == whole; }
};

// The fonts of the wheel's labels for a wheel of that size: the signs' and
// the mansions', at least `minimumPixels` high, from `base`'s family.
QFont WheelSignFont(const QFont& base, const QRectF& square, double minimumPixels);
QFont WheelMansionFont(const QFont& base, const QRectF& square, double minimumPixels);

// WheelLabels — the 12 sign names along their ring and the 28 mansions'
// numbers and first Latin names along their radii, as DrawMansionWheel draws them.
std::vector<WheelLabel> WheelLabels(const QRectF& square, const QFont& base, double minimumPixels);

// The side of the smallest wheel on which every label is whole at the given
// text size.
double WheelSideForWholeNames(const QFont& base, double minimumPixels);

// WheelPoint — where a longitude at a fraction of the radius falls: 0° Aries
// on the left, the zodiac running counter-clockwise, as charts are drawn.
QPointF WheelPoint(const QRectF& square, double longitude, double radius);

// DrawMansionWheel — the sidereal zodiac: twelve signs, the 28 mansions as
// sectors at their boundaries (12°51'26" each, from 0° Aries) with their
// numbers and Latin names, the reading's mansion filled and edged heavier,
// the birth day's path as an arc with a tick at each end and one at the
// birth, the Moon's place marked, and the centre's lines. `square` is the
// wheel's box; the labels' family is the painter's font's.
void DrawMansionWheel(QPainter& painter, const QRectF& square, const WheelReading& reading, const WheelColours& colours);
