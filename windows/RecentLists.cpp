#include "windows/RecentLists.h"

#include "places/PlaceKeys.h"
#include "ui/ProgramSettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <memory>

namespace {

constexpr QLatin1String ReadingsKey("Recent/Readings");
constexpr QLatin1String PlacesKey("RecentPlaces");

QStringList StoredReadings(const QSettings& settings)
{
    return settings.value(ReadingsKey).toStringList().mid(0, RecentKept);
}

void StoreReadings(const QStringList& readings)
{
    if (const std::unique_ptr<QSettings> settings = ProgramSettingsToWrite()) {
        settings->setValue(ReadingsKey, readings);
        settings->sync();
    }
}

// A place as the settings keep it: the fields of the list, not the other
// name that was typed when it was chosen.
void WritePlace(QSettings& s, const Place& p)
{
    s.setValue(QStringLiteral("id"), p.id);
    s.setValue(QStringLiteral("name"), p.name);
    s.setValue(QStringLiteral("state"), p.state);
    s.setValue(QStringLiteral("stateCode"), p.stateCode);
    s.setValue(QStringLiteral("country"), p.country);
    s.setValue(QStringLiteral("countryCode"), p.countryCode);
    s.setValue(QStringLiteral("latitude"), p.latitude);
    s.setValue(QStringLiteral("longitude"), p.longitude);
    s.setValue(QStringLiteral("zone"), QString::fromLatin1(p.zone));
    s.setValue(QStringLiteral("population"), p.population);
}

// A place read back; one that lacks a name, a zone or coordinates within
// their ranges (a file edited by hand) is left out.
bool ReadPlace(const QSettings& s, Place& p)
{
    bool okId = false, okLat = false, okLon = false;
    p.id = s.value(QStringLiteral("id")).toUInt(&okId);
    p.name = s.value(QStringLiteral("name")).toString();
    p.state = s.value(QStringLiteral("state")).toString();
    p.stateCode = s.value(QStringLiteral("stateCode")).toString();
    p.country = s.value(QStringLiteral("country")).toString();
    p.countryCode = s.value(QStringLiteral("countryCode")).toString();
    p.latitude = s.value(QStringLiteral("latitude")).toDouble(&okLat);
    p.longitude = s.value(QStringLiteral("longitude")).toDouble(&okLon);
    p.zone = s.value(QStringLiteral("zone")).toString().toLatin1();
    p.population = s.value(QStringLiteral("population")).toUInt();
    return okId && okLat && okLon && !p.name.trimmed().isEmpty() && !p.zone.isEmpty() && p.latitude >= -90 &&
           p.latitude <= 90 && p.longitude >= -180 && p.longitude <= 180;
}

}  // namespace

QStringList RecentReadings()
{
    const std::unique_ptr<QSettings> settings = ProgramSettingsToRead();
    if (!settings)
        return {};
    const QStringList stored = StoredReadings(*settings);
    QStringList present;
    for (const QString& path : stored)
        if (QFileInfo(path).isFile())
            present << path;
    if (present.size() != stored.size())
        StoreReadings(present);
    return present;
}

void RememberReading(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const std::unique_ptr<QSettings> settings = ProgramSettingsToRead();
    if (!settings)
        return;
    QStringList readings = StoredReadings(*settings);
    readings.removeAll(absolute);
    readings.prepend(absolute);
    StoreReadings(readings.mid(0, RecentKept));
}

namespace {

// The places as last read and the settings file's state then: the lists
// that follow each keystroke read the file again only when it changed.
struct PlacesRead {
    bool read = false;
    bool exists = false;
    QDateTime modified;
    qint64 size = -1;
    QList<Place> places;
};

PlacesRead& LastPlacesRead()
{
    static PlacesRead last;
    return last;
}

QList<Place> ReadRecentPlaces()
{
    QList<Place> places;
    const std::unique_ptr<QSettings> settings = ProgramSettingsToRead();
    if (!settings)
        return places;
    const int count = settings->beginReadArray(PlacesKey);
    for (int i = 0; i < count && places.size() < RecentKept; ++i) {
        settings->setArrayIndex(i);
        if (Place p; ReadPlace(*settings, p))
            places << p;
    }
    settings->endArray();
    return places;
}

}  // namespace

QList<Place> RecentPlaces()
{
    const QFileInfo file(ProgramSettingsPath(QCoreApplication::applicationName()));
    PlacesRead& last = LastPlacesRead();
    const bool exists = file.exists();
    const QDateTime modified = exists ? file.lastModified() : QDateTime();
    const qint64 size = exists ? file.size() : -1;
    if (!last.read || last.exists != exists || last.modified != modified || last.size != size)
        last = {true, exists, modified, size, ReadRecentPlaces()};
    return last.places;
}

void RememberPlace(const Place& place)
{
    QList<Place> places = RecentPlaces();
    places.removeIf([&](const Place& p) { return p.id == place.id; });
    places.prepend(place);
    if (const std::unique_ptr<QSettings> settings = ProgramSettingsToWrite()) {
        settings->remove(PlacesKey);
        settings->beginWriteArray(PlacesKey, static_cast<int>(std::min<qsizetype>(places.size(), RecentKept)));
        for (int i = 0; i < places.size() && i < RecentKept; ++i) {
            settings->setArrayIndex(i);
            WritePlace(*settings, places[i]);
        }
        settings->endArray();
        settings->sync();
    }
    LastPlacesRead().read = false;  // read again after this write, whatever the clock's grain
}

QList<Place> RecentFirst(const QList<Place>& recent, const QList<Place>& found, const QString& typedCity, int limit)
{
    const QString typed = SearchKey(typedCity.section(QLatin1Char(','), 0, 0));
    QList<Place> places;
    for (const Place& p : recent)
        if (places.size() < limit && SearchKey(p.name).startsWith(typed))
            places << p;
    const qsizetype recentShown = places.size();
    for (const Place& p : found) {
        if (places.size() >= limit)
            break;
        if (std::none_of(places.begin(), places.begin() + recentShown, [&](const Place& r) { return r.id == p.id; }))
            places << p;
    }
    return places;
}
