#include "places/PlaceSearch.h"

#include <geonames.h>

#include <algorithm>

namespace {

bool Matches(const QString& typed, const QString& known)
{
    if (typed.isEmpty() || known.isEmpty())
        return false;
    return known.contains(typed, Qt::CaseInsensitive) || typed.contains(known, Qt::CaseInsensitive);
}

Place PlaceAt(gint index)
{
    GeonamesCity* city = geonames_get_city(index);
    Place place;
    place.name = QString::fromUtf8(geonames_city_get_name(city));
    place.state = QString::fromUtf8(geonames_city_get_state(city));
    place.country = QString::fromUtf8(geonames_city_get_country(city));
    place.countryCode = QString::fromUtf8(geonames_city_get_country_code(city));
    place.latitude = geonames_city_get_latitude(city);
    place.longitude = geonames_city_get_longitude(city);
    place.zone = QByteArray(geonames_city_get_timezone(city));
    place.population = geonames_city_get_population(city);
    geonames_city_free(city);
    return place;
}

}  // namespace

QList<Place> FindPlaces(const QString& city, const QString& state, const QString& country)
{
    const QString name = city.trimmed();
    if (name.isEmpty())
        return {};
    guint count = 0;
    gint* indices = geonames_query_cities_sync(name.toUtf8().constData(), GEONAMES_QUERY_DEFAULT, &count, nullptr, nullptr);
    QList<Place> places;
    places.reserve(static_cast<qsizetype>(count));
    for (guint i = 0; i < count; ++i)
        places << PlaceAt(indices[i]);
    g_free(indices);

    const QString typedState = state.trimmed(), typedCountry = country.trimmed();
    auto rank = [&](const Place& p) {
        const bool countryMatches = Matches(typedCountry, p.country) ||
                                    (!typedCountry.isEmpty() && typedCountry.compare(p.countryCode, Qt::CaseInsensitive) == 0);
        return int(Matches(typedState, p.state)) + int(countryMatches);
    };
    std::stable_sort(places.begin(), places.end(), [&](const Place& a, const Place& b) {
        const int ra = rank(a), rb = rank(b);
        if (ra != rb)
            return ra > rb;
        const bool ea = a.name.compare(name, Qt::CaseInsensitive) == 0, eb = b.name.compare(name, Qt::CaseInsensitive) == 0;
        if (ea != eb)
            return ea;
        return a.population > b.population;
    });
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
