#pragma once

#include "base/Utf8Text.h"
#include "cli/PlaceResults.h"
#include "core/BirthMoment.h"
#include "core/MansionPassage.h"
#include "core/MansionReading.h"
#include "core/ReadingText.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// A JSON string literal (quotes included) for any bytes.
std::string JsonString(std::string_view bytes);

// The place and zone lines every text output starts with when a place or a
// zone was given: "Place: London, England, United Kingdom (51°30′N 0°07′W)"
// and "Time zone: " the zone in words (a reading's: its offset at the birth;
// a calendar's: the zone's name or the fixed offset).
std::string PlaceLines(const PlaceClocks& where, const std::string& zoneInWords);

// A place's JSON fields, without the braces: "name", "matchedName" (when
// another name matched), "state", "country", "latitude", "longitude" (when
// known, as "51°30′N") and "zone".
std::string PlaceJsonFields(const BirthPlace& place);

// The "place" object of a reading found by place: the place's fields, the
// offset of its clocks at the birth (ISO 8601), "summerTime", "localTime"
// and "used", the zone in words.
std::string ReadingPlaceJson(const PlaceBirth& found);

// The reading as one JSON object on one line (no line end). `name` adds a
// "name" key; `line` adds a "line" key (batch output); `place`, a JSON
// object, adds a "place" key.
// `passage` adds "passage": {"entered", "left"} after "mansion".
std::string ReadingJson(const MansionReading& reading, const std::optional<std::string>& name,
                        std::optional<std::size_t> line = std::nullopt, std::string_view place = {},
                        const MansionPassage* passage = nullptr);
