#pragma once

#include "core/ChartRecord.h"
#include "core/Clocks.h"

#include <optional>
#include <string>

// A birth place as the user chose it: from the place list (with its
// coordinates and zone), or as typed into the form's place boxes.
struct BirthPlace {
    std::string name;         // "London" (the list's name), or the city as typed
    std::string matchedName;  // another name of it that was typed ("Bombay"), "" for none
    std::string state, country;
    std::optional<double> latitude, longitude;  // degrees, North and East positive; from the list only
    std::string zone;         // the list's IANA zone, "Europe/London"; "" when not known

    // "London, England, United Kingdom": the name, state and country there are.
    std::string FullName() const;
    // The same with the other name typed: "Mumbai, Maharashtra, India (Bombay)".
    std::string FullNameAsTyped() const;
};

// A place, when one is known, and the clocks kept there: what a reading's
// and a calendar's times are told in.
struct PlaceClocks {
    std::optional<BirthPlace> place;
    // The zone's history when the zone follows a place (or is named), else the
    // offset typed, fixed.
    Clocks clocks;

    // "Europe/London", or the fixed offset "UTC+5:45".
    std::string ZoneName() const;
    // "London, England, United Kingdom (Europe/London)"; the zone alone
    // without a place.
    std::string InWords() const;
};

// BirthMoment — one birth at one place on its clocks: made once (by the
// form, an opened file, a hand-over or the tool's options) and only rendered
// after, by every window and output.
struct BirthMoment {
    ChartRecord chart;   // the fourteen inputs of the reading
    std::string name;    // the person's name, "" for none
    PlaceClocks where;
    // What was used for the zone in words, "London, England: UTC+1 on 31
    // March 2013 at 00:30 (British Summer Time)"; "" for a typed zone.
    std::string zoneInWords;

    LocalMinute Local() const;  // the birth's local clock time
};

// The offset from universal time the chart's typed zone, direction and summer
// time give (minutes, East positive), as the reading computes it.
int ChartOffsetMinutes(const ChartRecord& chart);

// A birth from typed data alone: the chart's own offset, fixed.
BirthMoment MomentOfTypedBirth(const ChartRecord& chart, std::string name = {});

// SetChartInstant — puts an instant into a chart's clock time and zone: the
// local time at `offsetMinutes`, the zone given its own direction.
void SetChartInstant(ChartRecord& chart, long utcMinute, int offsetMinutes);

// MomentAtInstant — the moment of an instant at a place on its clocks, as the
// calendar opens it: the local clock time with the offset then in force, given
// its own direction, and the place's coordinates when it has them
// (Greenwich's otherwise).
BirthMoment MomentAtInstant(long utcMinute, const PlaceClocks& where);

// "51°30′N", "0°07′W": degrees and minutes of arc with the hemisphere,
// rounded to the nearest minute.
std::string AngleText(double degrees, bool latitude);
