#pragma once

#include "places/PlaceListSource.h"

#include <string>

// WritePlaceIndex — the live list as the place index (PlaceIndexFormat.h) at
// `path`, written beside it and renamed into place
// Returns: false with `problem` set when the file cannot be written
bool WritePlaceIndex(const PlaceList& list, const std::string& path, std::string& problem);
