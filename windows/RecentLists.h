#pragma once

#include "places/PlaceSearch.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the form remembers between runs, in the per-user settings file
// (ui/ProgramSettings.h): the last readings opened or saved, for File > Open
// Recent, and the last places chosen, offered first in the place lists.
// Settings that cannot be kept keep nothing, and the program goes on.

inline constexpr int RecentKept = 10;

// The readings, newest first; files found gone are dropped from the list.
QStringList RecentReadings();
// A reading opened or saved: first in the list, once.
void RememberReading(const QString& path);

// The places chosen, newest first.
QList<Place> RecentPlaces();
// A place chosen: first in the list, once (by its GeoNames id).
void RememberPlace(const Place& place);

// RecentFirst — the recent places whose name begins with the typed city (all
// of them when it is empty), then the places found that are not among them;
// at most `limit`.
QList<Place> RecentFirst(const QList<Place>& recent, const QList<Place>& found, const QString& typedCity, int limit);
