#pragma once

#include "core/ChartRecord.h"
#include "core/ClockText.h"

#include <cstdint>
#include <string>

// A chart's inputs in the order a person gives them. Hemispheres as letters.
inline ChartRecord MakeChart(int year, int month, int day, int hour, int minute, int lonDeg, int lonMin,
                             char lonHemisphere, int zoneHours, int zoneMinutes, bool dst = false)
{
    ChartRecord c;
    c.BirthYear = static_cast<std::int16_t>(year);
    c.BirthMonth = static_cast<std::int16_t>(month);
    c.BirthDay = static_cast<std::int16_t>(day);
    c.BirthHour = static_cast<std::int16_t>(hour);
    c.BirthMinute = static_cast<std::int16_t>(minute);
    c.LongitudeDegrees = static_cast<std::int16_t>(lonDeg);
    c.LongitudeMinutes = static_cast<std::int16_t>(lonMin);
    c.IsEast = lonHemisphere == 'E' ? -1 : 0;
    c.LatitudeDegrees = 51;
    c.LatitudeMinutes = 28;
    c.IsNorth = -1;
    c.ZoneHours = static_cast<std::int16_t>(zoneHours);
    c.ZoneMinutes = static_cast<std::int16_t>(zoneMinutes);
    c.IsDaylightSaving = dst ? -1 : 0;
    return c;
}

// "22:36 GMT, 15/2": a clock time with its zone and its local day and month.
inline std::string ClockAndDate(const ClockTime& time)
{
    const LocalMinute local = time.Local();
    return ClockText(time) + ", " + std::to_string(local.day) + "/" + std::to_string(local.month);
}
