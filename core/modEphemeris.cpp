#include "core/modEphemeris.h"

#include "core/MoonLongitude.h"
#include "core/SiderealOffset.h"
#include "core/SignPosition.h"
#include "core/TimeConversion.h"

namespace modEphemeris {

void ComputeMoonPosition(ChartRecord& chart)
{
    ConvertChartInputs(chart);
    chart.SiderealOffset = SiderealOffsetAt(chart.JulianCenturies);
    chart.MoonLongitude = MoonTropicalLongitude(chart.JulianCenturies);
    chart.MoonLongitude = ToSidereal(chart.MoonLongitude, chart.SiderealOffset);
    FormatSignPositionInto(chart.MoonLongitude, chart.MoonPositionText);
}

}  // namespace modEphemeris
