#include "places/PlaceSearch.h"

#include <geonames.h>

#include <QLibrary>

#include <algorithm>
#include <type_traits>
#include <vector>

namespace {

bool Matches(const QString& typed, const QString& known)
{
    if (typed.isEmpty() || known.isEmpty())
        return false;
    return known.contains(typed, Qt::CaseInsensitive) || typed.contains(known, Qt::CaseInsensitive);
}

// A name as it is searched: accents and letter case set aside ("São Paulo"
// and "sao paulo" are one), runs of spaces as one.
QString SearchKey(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c.isSpace()) {
            if (!key.isEmpty() && !key.endsWith(QLatin1Char(' ')))
                key += QLatin1Char(' ');
            continue;
        }
        key += c.toCaseFolded();
    }
    return key.trimmed();
}

// Whether `typed` begins one of the words of `name` ("york" in "New York").
bool StartsAWord(const QString& name, const QString& typed)
{
    for (qsizetype at = name.indexOf(typed); at >= 0; at = name.indexOf(typed, at + 1))
        if (at == 0 || !name.at(at - 1).isLetterOrNumber())
            return true;
    return false;
}

struct IndexEntry {
    QString key;
    Place place;
};

// libgeonames, loaded when the first search needs it: the program does not
// carry it (and GIO under it) from start-up, when most runs never search.
struct Geonames {
    decltype(&geonames_get_n_cities) count = nullptr;
    decltype(&geonames_get_city) city = nullptr;
    decltype(&geonames_city_free) free = nullptr;
    decltype(&geonames_city_get_name) name = nullptr;
    decltype(&geonames_city_get_state) state = nullptr;
    decltype(&geonames_city_get_country) country = nullptr;
    decltype(&geonames_city_get_country_code) countryCode = nullptr;
    decltype(&geonames_city_get_timezone) zone = nullptr;
    decltype(&geonames_city_get_latitude) latitude = nullptr;
    decltype(&geonames_city_get_longitude) longitude = nullptr;
    decltype(&geonames_city_get_population) population = nullptr;

    bool Load()
    {
        QLibrary library(QStringLiteral("geonames"), 0);
        auto resolve = [&](auto& function, const char* symbol) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(symbol));
            return function != nullptr;
        };
        return resolve(count, "geonames_get_n_cities") && resolve(city, "geonames_get_city") &&
               resolve(free, "geonames_city_free") && resolve(name, "geonames_city_get_name") &&
               resolve(state, "geonames_city_get_state") && resolve(country, "geonames_city_get_country") &&
               resolve(countryCode, "geonames_city_get_country_code") && resolve(zone, "geonames_city_get_timezone") &&
               resolve(latitude, "geonames_city_get_latitude") && resolve(longitude, "geonames_city_get_longitude") &&
               resolve(population, "geonames_city_get_population");
    }
};

Place PlaceAt(const Geonames& g, gint index)
{
    GeonamesCity* city = g.city(index);
    Place place;
    place.name = QString::fromUtf8(g.name(city));
    place.state = QString::fromUtf8(g.state(city));
    place.country = QString::fromUtf8(g.country(city));
    place.countryCode = QString::fromUtf8(g.countryCode(city));
    place.latitude = g.latitude(city);
    place.longitude = g.longitude(city);
    place.zone = QByteArray(g.zone(city));
    place.population = g.population(city);
    g.free(city);
    return place;
}

// Every place of the list with its search key, read once, on the first search:
// the list's own query reads its data anew each time (some 80 ms), this one
// scans keys in memory.
const std::vector<IndexEntry>& Index()
{
    static const std::vector<IndexEntry> index = [] {
        std::vector<IndexEntry> entries;
        Geonames geonames;
        if (!geonames.Load())
            return entries;  // no place list on this computer: every search finds nothing
        const gint count = geonames.count();
        entries.reserve(static_cast<std::size_t>(std::max(count, 0)));
        for (gint i = 0; i < count; ++i) {
            Place place = PlaceAt(geonames, i);
            entries.push_back({SearchKey(place.name), std::move(place)});
        }
        return entries;
    }();
    return index;
}

}  // namespace

QList<Place> FindPlaces(const QString& city, const QString& state, const QString& country)
{
    const QString name = city.trimmed();
    const QString key = SearchKey(name);
    if (key.isEmpty())
        return {};
    // Each match ranked once: matching state and country, an exact name, population.
    const QString typedState = state.trimmed(), typedCountry = country.trimmed();
    struct Match {
        int rank;
        bool exact;
        const Place* place;
    };
    std::vector<Match> matches;
    for (const IndexEntry& entry : Index()) {
        if (!StartsAWord(entry.key, key))
            continue;
        const Place& p = entry.place;
        const bool countryMatches = Matches(typedCountry, p.country) ||
                                    (!typedCountry.isEmpty() && typedCountry.compare(p.countryCode, Qt::CaseInsensitive) == 0);
        matches.push_back({int(Matches(typedState, p.state)) + int(countryMatches),
                           p.name.compare(name, Qt::CaseInsensitive) == 0, &p});
    }
    std::stable_sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
        if (a.rank != b.rank)
            return a.rank > b.rank;
        if (a.exact != b.exact)
            return a.exact;
        return a.place->population > b.place->population;
    });
    QList<Place> places;
    places.reserve(static_cast<qsizetype>(matches.size()));
    for (const Match& m : matches)
        places << *m.place;
    return places;
}

QList<Place> FindPlacesFor(const QString& query)
{
    // "City, State, Country"; with two parts the second may be either.
    const QStringList parts = query.split(QLatin1Char(','));
    if (parts.size() == 2)
        return FindPlaces(parts[0], parts[1], parts[1]);
    return FindPlaces(parts.value(0), parts.value(1), parts.value(2));
}
