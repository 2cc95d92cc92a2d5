#include "engine/modEphemeris.h"

#include "engine/MoonLongitude.h"
#include "engine/SiderealOffset.h"
#include "engine/SignPosition.h"
#include "engine/TimeConversion.h"

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
