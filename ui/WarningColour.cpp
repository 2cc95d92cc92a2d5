#include "ui/WarningColour.h"

#include <algorithm>
#include <cmath>

namespace {

double Linear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c)
{
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor WarningColour(const QColor& background)
{
    const QColor darkAmber(0x8a, 0x4b, 0x00), lightAmber(0xff, 0xb4, 0x54);
    const QColor amber = ContrastRatio(darkAmber, background) >= ContrastRatio(lightAmber, background) ? darkAmber : lightAmber;
    if (ContrastRatio(amber, background) >= 4.5)
        return amber;
    const QColor black(Qt::black), white(Qt::white);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}
