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
    // The offset is smaller than 360 in size, so one turn brings the sum into [0, 360).
    chart.MoonLongitude = chart.MoonLongitude + chart.SiderealOffset;
    if (chart.MoonLongitude < 0.0)
        chart.MoonLongitude += 360.0;
    FormatSignPositionInto(chart.MoonLongitude, chart.MoonPositionText);
}

}  // namespace modEphemeris
