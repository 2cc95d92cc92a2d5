#pragma once

#include "places/PlaceSearch.h"
#include "places/ZoneAtDate.h"

#include <QDate>
#include <QString>
#include <QTime>

// What the birth form shows for a chosen place at a birth date and time.
struct PlaceFill {
    int longitudeDegrees = 0, longitudeMinutes = 0;  // rounded to the nearest arc-minute
    bool east = true;
    int latitudeDegrees = 0, latitudeMinutes = 0;
    bool north = true;
    // The zone boxes and the summer-time tick: the standard offset and DST when
    // exactly one hour of summer time was in force, else the whole offset
    // (winter time, double summer time), to the nearest minute. A
    // sign only when the clocks and the hemisphere disagree, in the boxes'
    // convention: "-" ahead of universal time, "+" behind it.
    QString zoneHours, zoneMinutes;
    bool dst = false;
    ZoneAtDate zoneAt;
    QString description;  // what was used, in words
};

// The longitude and latitude of a place, whatever the date.
void FillCoordinates(const Place& place, PlaceFill& fill);

// The zone boxes, summer time and description for the place's zone at a date;
// `fill.east` (the longitude's hemisphere) decides whether the boxes need a
// sign; `place` names the place in the description.
void FillZone(const QByteArray& zone, const QString& place, const QDate& date, const QTime& time, PlaceFill& fill);

PlaceFill FillForPlace(const Place& place, const QDate& date, const QTime& time);
