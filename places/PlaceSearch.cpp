#include "places/PlaceSearch.h"

#include "places/PlaceIndex.h"
#include "places/PlaceKeys.h"
#include "places/PlaceNameTable.h"
#include "places/PlaceRanking.h"

#include <QCoreApplication>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

// The messages in the program's language (the reading tool, which loads no
// translation, keeps them English).
struct PlaceSearchText {
    Q_DECLARE_TR_FUNCTIONS(PlaceSearchText)
};

}  // namespace


namespace {

using namespace PlaceIndexFormat;
using NameRecords = PlaceIndex::Records<NameRecord>;
using WordRecords = PlaceIndex::Records<WordRecord>;

std::u16string_view View(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The prefix's code units, up to its first zero.
std::u16string_view Units(const Prefix& prefix)
{
    std::size_t size = 0;
    while (size < PrefixSize && prefix.units[size] != 0)
        ++size;
    return {prefix.units, size};
}

// How a key from a word's start stands to the typed words.
enum class Order { Before, Starts, After };

// The order from the key's prefix, asking for the whole key (`whole`) only
// when the prefix and the typed words agree over all of the prefix.
template <typename Whole>
Order OrderOf(const Prefix& prefix, std::u16string_view typed, Whole whole)
{
    const std::u16string_view p = Units(prefix);
    const std::size_t common = std::min(p.size(), typed.size());
    const int c = p.substr(0, common).compare(typed.substr(0, common));
    if (c != 0)
        return c < 0 ? Order::Before : Order::After;
    if (common == typed.size())
        return Order::Starts;
    if (p.size() < PrefixSize)  // the whole key, shorter than the typed words
        return Order::Before;
    const std::u16string_view key = whole();
    if (key.substr(0, typed.size()) == typed)
        return Order::Starts;
    return key < typed ? Order::Before : Order::After;
}

// Calls found(name, match) for each name whose key holds the typed words:
// the word starts that begin with them lie together in `words`, found
// through the fence and then in one block.
template <typename Found>
void FindWords(const PlaceIndex& index, const NameRecords& names, const WordRecords& words,
               const PlaceIndex::Records<Prefix>& fence, std::u16string_view typed, Found found)
{
    if (typed.empty() || words.count == 0)
        return;
    auto from = [&](const WordRecord& w) {
        if (w.name >= names.count)
            return std::u16string_view();
        const std::u16string_view key = index.View(names[w.name].key);
        return w.from <= key.size() ? key.substr(w.from) : std::u16string_view();
    };
    auto order = [&](const WordRecord& w) { return OrderOf(w.prefix, typed, [&] { return from(w); }); };
    // The first fence entry not before the typed words: the first word that
    // is lies after the entry before it, up to this one.
    const std::size_t blocks = std::min(fence.count, (words.count + FenceStep - 1) / FenceStep);
    const Prefix* fenceStart = fence.Span(0, blocks);
    const Prefix* f = std::lower_bound(fenceStart, fenceStart + blocks, typed, [&](const Prefix& p, std::u16string_view) {
        const auto i = static_cast<std::size_t>(&p - fenceStart);
        return OrderOf(p, typed, [&] { return from(words[i * FenceStep]); }) == Order::Before;
    });
    const auto block = static_cast<std::size_t>(f - fenceStart);
    const std::size_t first = block == 0 ? 0 : (block - 1) * FenceStep;
    const std::size_t last = std::min(words.count, block * FenceStep + 1);
    const WordRecord* blockStart = words.Span(first, last - first);
    const WordRecord* at = std::lower_bound(blockStart, blockStart + (last - first), typed, [&](const WordRecord& w, std::u16string_view) {
        return order(w) == Order::Before;
    });
    for (std::size_t i = first + static_cast<std::size_t>(at - blockStart); i < words.count; ++i) {
        const WordRecord& w = words[i];
        if (order(w) != Order::Starts)
            break;
        const std::u16string_view p = Units(w.prefix);
        const std::u16string_view rest = typed.size() < p.size() ? p : from(w);
        if (rest.size() > typed.size() && rest[typed.size()] != u' ')
            continue;
        const bool whole = rest.size() == typed.size();
        found(w.name, w.from != 0 ? NameMatch::Inside : whole ? NameMatch::Exact : NameMatch::Starts);
    }
}

// The countries a typed text names: by a name, a code or a short form.
std::vector<bool> TypedCountries(const PlaceIndex& index, const QString& typed)
{
    std::vector<bool> match(index.countries.count);
    const QString code = PlaceNameTable::CountryCodeFor(typed);
    for (std::size_t i = 0; i < index.countries.count; ++i) {
        const QString c = index.Qt(index.countries[i].code);
        match[i] = c.compare(typed, Qt::CaseInsensitive) == 0 || c == code;
    }
    FindWords(index, index.countryNames, index.countryWords, index.countryFence, View(typed), [&](std::uint32_t name, NameMatch) {
        if (index.countryNames[name].owner < match.size())
            match[index.countryNames[name].owner] = true;
    });
    return match;
}

// The states a typed text names: by a name, the list's admin code ("TX",
// "ENG") or a postal abbreviation.
std::vector<bool> TypedStates(const PlaceIndex& index, const QString& typed)
{
    std::vector<bool> match(index.states.count);
    std::size_t count = 0;
    const PlaceNameTable::StateAbbreviation* abbreviations = PlaceNameTable::StateAbbreviations(count);
    std::vector<const PlaceNameTable::StateAbbreviation*> typedAbbreviations;  // those the typed text is
    for (std::size_t a = 0; a < count; ++a)
        if (typed == QLatin1String(abbreviations[a].key))
            typedAbbreviations.push_back(&abbreviations[a]);
    const std::u16string_view key = View(typed);
    for (std::size_t i = 0; i < index.states.count; ++i) {
        const StateRecord& s = index.states[i];
        bool m = index.View(s.adminKey) == key;
        for (std::size_t a = 0; !m && a < typedAbbreviations.size(); ++a)
            m = index.Qt(s.countryCode) == QLatin1String(typedAbbreviations[a]->countryCode) &&
                index.Qt(s.adminCode) == QLatin1String(typedAbbreviations[a]->adminCode);
        match[i] = m;
    }
    FindWords(index, index.stateNames, index.stateWords, index.stateFence, key, [&](std::uint32_t name, NameMatch) {
        if (index.stateNames[name].owner < match.size())
            match[index.stateNames[name].owner] = true;
    });
    return match;
}

struct Ranked {
    int typedMatches;  // of the typed state and country
    NameMatch name;
    std::uint32_t place;
    std::uint32_t matched;  // in placeNames
};

RankedMatch RankOf(const PlaceIndex& index, const Ranked& r)
{
    const PlaceRecord& p = index.places[r.place];
    return {r.typedMatches, r.name, p.population, (p.flags & Capital) != 0, (p.flags & Seat) != 0,
            (index.placeNames[r.matched].flags & Translation) != 0};
}

Place Shown(const PlaceIndex& index, std::uint32_t place, std::uint32_t matched)
{
    const PlaceRecord& r = index.places[place];
    Place p;
    p.id = r.id;
    p.name = index.Qt(r.name);
    p.state = index.Qt(r.state);
    p.stateCode = index.Qt(r.stateCode);
    p.country = index.Qt(r.country);
    p.countryCode = index.Qt(r.countryCode);
    p.latitude = r.latitude;
    p.longitude = r.longitude;
    p.zone = index.Qt(r.zone).toLatin1();
    p.population = r.population;
    const NameRecord& n = index.placeNames[matched];
    if (matched != r.firstName && !(n.flags & WithinListName))
        p.matchedName = index.Qt(n.shown);
    return p;
}

// Up to three places whose names are nearest the typed city, one per name:
// the nearer first, then those in the typed state and country, then the larger.
template <typename TypedMatches>
QList<Place> Suggestions(const PlaceIndex& index, const QString& key, TypedMatches typedMatches)
{
    const int limit = NearNameLimit(key);
    struct Near {
        int distance;
        int typed;
        std::uint32_t place;
        std::uint32_t name;
    };
    std::vector<Near> near;
    std::vector<int> slot(index.places.count, -1);
    const std::u16string_view typed = View(key);
    for (std::uint32_t name = 0; name < index.placeNames.count; ++name) {
        const NameRecord& n = index.placeNames[name];
        if (n.owner >= index.places.count)
            continue;
        const int d = EditDistance(typed, index.View(n.key), limit);
        if (d > limit)
            continue;
        if (slot[n.owner] < 0) {
            slot[n.owner] = static_cast<int>(near.size());
            near.push_back({d, typedMatches(n.owner), n.owner, name});
        } else if (Near& m = near[static_cast<std::size_t>(slot[n.owner])]; d < m.distance) {
            m.distance = d;
            m.name = name;
        }
    }
    std::sort(near.begin(), near.end(), [&](const Near& a, const Near& b) {
        return NearNameRanksBefore({a.distance, a.typed, index.places[a.place].population},
                                   {b.distance, b.typed, index.places[b.place].population});
    });
    QList<Place> places;
    QSet<QString> shown;
    for (const Near& n : near) {
        if (places.size() == NearNamesOffered)
            break;
        const Place place = Shown(index, n.place, n.name);
        const QString label = NameAndRegion(place.countryCode, place.state, place.country, ShownName(place));
        if (shown.contains(label))
            continue;
        shown.insert(label);
        places << place;
    }
    return places;
}

}  // namespace

QString ShownName(const Place& place)
{
    return place.matchedName.isEmpty() ? place.name : QStringLiteral("%1 (%2)").arg(place.name, place.matchedName);
}

QString FullName(const Place& place)
{
    QStringList parts{place.name};
    if (!place.state.isEmpty() && place.state != place.name)
        parts << place.state;
    parts << place.country;
    return parts.join(QStringLiteral(", "));
}

QString ShortName(const Place& place)
{
    return NameAndRegion(place.countryCode, place.state, place.country, place.name);
}

namespace {

// The German ae, oe and ue written for ä, ö and ü: as the plain vowel, which
// is what the umlaut leaves in a search key ("Koeln" as "Koln", "Köln").
QString WithoutUmlautSpellings(const QString& text)
{
    QString folded = text;
    for (const char* pair : {"ae", "oe", "ue"})
        folded.replace(QLatin1String(pair), QString(QLatin1Char(pair[0])), Qt::CaseInsensitive);
    return folded;
}

PlaceSearch Search(const QString& city, const QString& state, const QString& country);

}  // namespace

PlaceSearch FindPlaces(const QString& city, const QString& state, const QString& country)
{
    PlaceSearch search = Search(city, state, country);
    // A name typed as a German writes it without umlauts, when it finds nothing
    // as typed: "Muenchen", "Zuerich", "Duesseldorf".
    const QString folded = WithoutUmlautSpellings(city);
    if (search.status == PlaceSearch::Status::NoMatch && folded != city) {
        PlaceSearch again = Search(folded, state, country);
        if (again.status == PlaceSearch::Status::Found) {
            again.typed = search.typed;
            return again;
        }
    }
    return search;
}

namespace {

PlaceSearch Search(const QString& city, const QString& state, const QString& country)
{
    PlaceSearch search;
    const TypedPlace typed = ReadTypedPlace(city, state, country);
    search.typed = typed.typed;

    QString problem;
    const PlaceIndex& index = ThePlaceIndex(problem);
    if (!problem.isEmpty()) {
        search.status = PlaceSearch::Status::ListUnavailable;
        search.problem = problem;
        return search;
    }
    const QString& key = typed.cityKey;
    if (key.isEmpty()) {
        search.status = PlaceSearch::Status::EmptyName;
        return search;
    }
    // How many of the hints each place matches.
    using Names = TypedHint::Names;
    const bool anyTyped = !typed.hints.empty();
    struct Named {
        std::vector<bool> states, countries;
    };
    std::vector<Named> named;
    bool namesNothing = false;  // a part of City that is no state's or country's name
    for (const TypedHint& h : typed.hints) {
        named.push_back({h.names == Names::Country ? std::vector<bool>() : TypedStates(index, h.key),
                         h.names == Names::State ? std::vector<bool>() : TypedCountries(index, h.key)});
        const Named& n = named.back();
        namesNothing = namesNothing || (h.inCity && std::find(n.states.begin(), n.states.end(), true) == n.states.end() &&
                                        std::find(n.countries.begin(), n.countries.end(), true) == n.countries.end());
    }
    // Counted for the places a search reaches, not for the whole list: each
    // record read is a page of the index in memory.
    auto typedMatches = [&](std::uint32_t place) {
        const PlaceRecord& p = index.places[place];
        int count = 0;
        for (const Named& n : named) {
            const bool inState = p.stateIndex < n.states.size() && n.states[p.stateIndex];
            const bool inCountry = p.countryIndex < n.countries.size() && n.countries[p.countryIndex];
            count += int(inState || inCountry);
        }
        return count;
    };

    // The best name of each place that holds the typed words, in the list's
    // order before they are ranked.
    std::vector<Ranked> matches;
    std::vector<int> slot(index.places.count, -1);
    FindWords(index, index.placeNames, index.placeWords, index.placeFence, View(key), [&](std::uint32_t name, NameMatch match) {
        const std::uint32_t owner = index.placeNames[name].owner;
        if (owner >= index.places.count)
            return;
        if (slot[owner] < 0) {
            slot[owner] = static_cast<int>(matches.size());
            matches.push_back({typedMatches(owner), match, owner, name});
        } else if (Ranked& r = matches[static_cast<std::size_t>(slot[owner])];
                   match < r.name || (match == r.name && name < r.matched)) {
            r.name = match;
            r.matched = name;
        }
    });
    std::sort(matches.begin(), matches.end(), [](const Ranked& a, const Ranked& b) { return a.place < b.place; });
    const bool anyInTyped = std::any_of(matches.begin(), matches.end(), [](const Ranked& r) { return r.typedMatches > 0; });
    if (matches.empty() || (anyTyped && !anyInTyped) || namesNothing) {
        search.status = PlaceSearch::Status::NoMatch;
        search.suggestions = Suggestions(index, key, typedMatches);
        return search;
    }
    std::sort(matches.begin(), matches.end(),
              [&](const Ranked& a, const Ranked& b) { return PlaceRanksBefore(RankOf(index, a), RankOf(index, b)); });
    search.status = PlaceSearch::Status::Found;
    search.places.reserve(static_cast<qsizetype>(matches.size()));
    for (const Ranked& m : matches)
        search.places << Shown(index, m.place, m.matched);
    return search;
}

}  // namespace

QString SearchMessage(const PlaceSearch& search)
{
    switch (search.status) {
    case PlaceSearch::Status::Found: return {};
    case PlaceSearch::Status::ListUnavailable:
        return PlaceSearchText::tr("The place index could not be read: %1").arg(search.problem);
    case PlaceSearch::Status::EmptyName: return PlaceSearchText::tr("The place name is empty.");
    case PlaceSearch::Status::NoMatch: break;
    }
    QString text = PlaceSearchText::tr("No place called %1.").arg(search.typed);
    QStringList names;
    for (const Place& p : search.suggestions)
        names << NameAndRegion(p.countryCode, p.state, p.country, ShownName(p));
    if (names.size() == 1)
        text += PlaceSearchText::tr(" Did you mean %1?").arg(names[0]);
    else if (names.size() > 1)
        text += PlaceSearchText::tr(" Did you mean %1 or %2?").arg(names.mid(0, names.size() - 1).join(QStringLiteral("; ")), names.last());
    return text;
}
