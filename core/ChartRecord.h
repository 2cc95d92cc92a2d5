#pragma once
// ChartRecord — the birth data of one reading, the engine's working values
// and its one output, the Moon position text.
//
// The reading driver writes the fourteen inputs, modEphemeris::ComputeMoonPosition
// writes every working value and MoonPositionText. Nothing else carries over
// from one run to the next: each run writes every working value before reading it.

#include <cstdint>
#include <string>

struct ChartRecord {
    // Inputs, as the main window stores them (signed 16-bit, like the form's
    // numeric boxes). Booleans are -1 for true and 0 for false.
    std::int16_t BirthMonth = 0;       // 1..12
    std::int16_t BirthDay = 0;         // 1..31
    std::int16_t BirthYear = 0;        // 1901..2050 in the window
    std::int16_t BirthHour = 0;        // local clock time, 0..23
    std::int16_t BirthMinute = 0;      // 0..59
    std::int16_t ZoneHours = 0;        // size of the zone offset, never negative
    std::int16_t ZoneMinutes = 0;      // never negative
    std::int16_t LongitudeDegrees = 0;
    std::int16_t LongitudeMinutes = 0;
    std::int16_t LatitudeDegrees = 0;  // kept with the birth data; no result depends on it
    std::int16_t LatitudeMinutes = 0;
    std::int16_t IsEast = 0;           // -1 when the longitude is East of Greenwich
    std::int16_t IsNorth = 0;          // -1 when the latitude is North
    std::int16_t IsDaylightSaving = 0; // -1 when summer time was in force
    // The zone's own direction, when it was given one: -1 ahead of universal
    // time, 1 behind it, 0 none (the longitude's hemisphere decides, East
    // ahead). A place whose clocks and hemisphere disagree (Madrid: West,
    // ahead) needs it.
    std::int16_t ZoneAhead = 0;

    // Working values, recomputed on every run.
    double LocalHours = 0;       // local clock time, decimal hours
    double ZoneOffsetHours = 0;  // zone size after summer time, hours, no direction
    double SignedLongitude = 0;  // degrees, West positive, East negative
    double JulianDayNumber = 0;  // whole JD of the civil date (its noon)
    double UniversalHours = 0;   // UT in hours; may lie outside 0..24
    double JulianCenturies = 0;  // T, Julian centuries of 36525 days from JD 2451545.0
    double SiderealOffset = 0;   // negated ayanamsa, degrees
    double MoonLongitude = 0;    // degrees: tropical, then sidereal

    // Output: e.g. 19° 27' 45" Lib, in UTF-8.
    std::string MoonPositionText;
};
