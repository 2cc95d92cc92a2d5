#include "engine/SignPosition.h"

#include <cmath>

std::string FormatSignPosition(double longitude)
{
    const double a = std::fabs(longitude);
    const double deg = std::floor(a);
    const double f = a - deg;
    const double mm = 60.0 * f;
    const double min = std::floor(mm);
    const double g = mm - min;
    const double k = std::floor(deg / 30.0);
    double d = deg;
    while (d >= 30.0)
        d -= 30.0;
    const double sec = std::floor(60.0 * g);

    std::string text;
    text.reserve(20);
    text += std::to_string(static_cast<long long>(d));
    text += DegreeSign;
    text += ' ';
    text += std::to_string(static_cast<long long>(min));
    text += "' ";
    text += std::to_string(static_cast<long long>(sec));
    text += "\" ";
    if (k >= 0.0 && k < 12.0)
        text += SignAbbreviations.substr(static_cast<std::size_t>(k) * 3, 3);
    return text;
}
