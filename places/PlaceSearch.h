#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A town or city of the offline place list (GeoNames, every place of 15,000
// people or more), with its coordinates and its IANA time zone.
struct Place {
    QString name;
    QString state;
    QString country;
    QString countryCode;  // ISO 3166, e.g. "GB"
    double latitude = 0;  // degrees, North positive
    double longitude = 0; // degrees, East positive
    QByteArray zone;      // IANA name, e.g. "Europe/Madrid"
    quint32 population = 0;
};

// FindPlaces — the places one of whose name's words begins with `city`
//              (accents and letter case aside), best first
// Notes: a place whose state or country matches the typed one (either holds
//        the other, letter case aside; a country also by its code) ranks
//        first, both matching before one; then an exact name; then the larger
//        population. The place data is read on the first search, not before,
//        and kept.
QList<Place> FindPlaces(const QString& city, const QString& state = {}, const QString& country = {});

// FindPlacesFor — the same for one text "City[, State][, Country]" (with two
// parts, the second is matched as a state or a country)
QList<Place> FindPlacesFor(const QString& query);
