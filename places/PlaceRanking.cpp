#include "places/PlaceRanking.h"

#include <QStringList>

#include <algorithm>

TypedPlace ReadTypedPlace(const QString& city, const QString& state, const QString& country)
{
    using Names = TypedHint::Names;
    struct Part {
        Names names;
        QString text;
        bool inCity;
    };
    std::vector<Part> parts;
    const QStringList cityParts = city.split(QLatin1Char(','));
    const QString cityText = cityParts.front().trimmed();
    if (cityParts.size() == 2)
        parts.push_back({Names::Either, cityParts[1].trimmed(), true});
    if (cityParts.size() > 2) {
        parts.push_back({Names::State, cityParts[1].trimmed(), true});
        for (qsizetype i = 2; i < cityParts.size(); ++i)
            parts.push_back({Names::Country, cityParts[i].trimmed(), true});
    }
    parts.push_back({Names::State, state.trimmed(), false});
    parts.push_back({Names::Country, country.trimmed(), false});

    TypedPlace typed;
    typed.cityKey = SearchKey(cityText);
    QStringList shown{cityText};
    for (const Part& p : parts) {
        QString key = SearchKey(p.text);
        if (key.isEmpty())
            continue;
        typed.hints.push_back({p.names, std::move(key), p.inCity});
        shown << p.text;
    }
    typed.typed = shown.join(QStringLiteral(", "));
    return typed;
}

namespace {

double Weight(const RankedMatch& m)
{
    if (m.translation)
        return double(m.people) / 10;
    return double(m.people) * (m.capital ? 100.0 : m.seat ? 10.0 : 1.0);
}

}  // namespace

bool PlaceRanksBefore(const RankedMatch& a, const RankedMatch& b)
{
    if (a.typedMatches != b.typedMatches)
        return a.typedMatches > b.typedMatches;
    if (a.name != b.name)
        return a.name < b.name;
    return Weight(a) > Weight(b);
}

int NearNameLimit(const QString& cityKey)
{
    return cityKey.size() <= 4 ? 1 : cityKey.size() <= 8 ? 2 : 3;
}

bool NearNameRanksBefore(const NearMatch& a, const NearMatch& b)
{
    if (a.distance != b.distance)
        return a.distance < b.distance;
    if (a.typedMatches != b.typedMatches)
        return a.typedMatches > b.typedMatches;
    return a.people > b.people;
}
