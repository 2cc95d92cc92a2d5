#include "places/PlaceSearch.h"

#include "base/CompanionModules.h"
#include "places/PlaceNameTable.h"

#include <geonames.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <vector>

namespace {

// Words people shorten in place names, written out in the search keys.
bool Expand(QString& word)
{
    static const struct {
        const char* shortForm;
        const char* full;
    } words[] = {{"st", "saint"}, {"ste", "sainte"}, {"mt", "mount"}, {"ft", "fort"}};
    for (const auto& w : words) {
        if (word == QLatin1String(w.shortForm)) {
            word = QLatin1String(w.full);
            return true;
        }
    }
    return false;
}

// A name as it is searched: accents and letter case set aside ("São Paulo"
// and "sao paulo" are one), dots and apostrophes dropped ("D.C." is "dc"),
// any other punctuation a space between words, "St" as "saint".
QString SearchKey(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    QString word;
    auto endWord = [&] {
        if (word.isEmpty())
            return;
        Expand(word);
        if (!key.isEmpty())
            key += QLatin1Char(' ');
        key += word;
        word.clear();
    };
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QLatin1Char('.') || c == QLatin1Char('\'') || c == QChar(0x2019) || c == QChar(0x2018) ||
            c == QChar(0x02BC))
            continue;
        if (c.isLetterOrNumber())
            word += c.toCaseFolded();
        else
            endWord();
    }
    endWord();
    return key;
}

// How a name holds the typed words: the whole name, its first words, or
// later words; whole words only ("us" is not in "australia").
enum class NameMatch { Exact = 0, Starts = 1, Inside = 2, None = 3 };

NameMatch MatchWords(const QString& key, const QString& typed)
{
    if (key.size() < typed.size() || typed.isEmpty())
        return NameMatch::None;
    if (key.size() == typed.size())
        return key == typed ? NameMatch::Exact : NameMatch::None;
    for (qsizetype at = key.indexOf(typed); at >= 0; at = key.indexOf(typed, at + 1)) {
        const qsizetype end = at + typed.size();
        if ((at == 0 || key.at(at - 1) == QLatin1Char(' ')) && (end == key.size() || key.at(end) == QLatin1Char(' ')))
            return at == 0 ? NameMatch::Starts : NameMatch::Inside;
    }
    return NameMatch::None;
}

// The optimal-string-alignment distance (insertions, deletions, substitutions
// and swaps of neighbours, each 1), or limit + 1 once it exceeds `limit`.
// Names longer than 63 letters are never near.
int EditDistance(std::u16string_view a, std::u16string_view b, int limit)
{
    constexpr std::size_t Longest = 63;
    const std::size_t n = a.size(), m = b.size();
    if (n > Longest || m > Longest || (n > m ? n - m : m - n) > static_cast<std::size_t>(limit))
        return limit + 1;
    int rows[3][Longest + 1];
    int* before = rows[0];
    int* previous = rows[1];
    int* current = rows[2];
    for (std::size_t j = 0; j <= m; ++j)
        previous[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= n; ++i) {
        current[0] = static_cast<int>(i);
        int rowBest = current[0];
        for (std::size_t j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            current[j] = d;
            rowBest = std::min(rowBest, d);
        }
        if (rowBest > limit)
            return limit + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[m];
}

// Every name of a kind (places, states or countries) in one text, each
// between line breaks, so that one pass finds the typed words in all of them:
// some 150,000 names searched one by one cost several times more.
class NameIndex {
public:
    void Add(const QString& key, int owner, int name)
    {
        starts_.push_back(static_cast<std::uint32_t>(text_.size()) + 1);
        owners_.push_back(owner);
        names_.push_back(name);
        text_ += u'\n';
        text_.append(reinterpret_cast<const char16_t*>(key.utf16()), static_cast<std::size_t>(key.size()));
    }

    void Finish()
    {
        text_ += u'\n';
        text_.shrink_to_fit();
    }

    // Calls found(owner, name, match) for each name that holds the typed words.
    template <typename Found>
    void Find(const QString& typed, Found found) const
    {
        if (typed.isEmpty() || text_.empty())
            return;
        const auto* needle = reinterpret_cast<const char16_t*>(typed.utf16());
        const std::boyer_moore_horspool_searcher searcher(needle, needle + typed.size());
        const auto begin = text_.begin(), end = text_.end();
        for (auto at = std::search(begin, end, searcher); at != end; at = std::search(at + 1, end, searcher)) {
            const auto from = static_cast<std::size_t>(at - begin), to = from + static_cast<std::size_t>(typed.size());
            const char16_t before = text_[from - 1], after = text_[to];  // the text begins and ends with a break
            if ((before != u' ' && before != u'\n') || (after != u' ' && after != u'\n'))
                continue;
            const auto i = static_cast<std::size_t>(
                std::upper_bound(starts_.begin(), starts_.end(), static_cast<std::uint32_t>(from)) - starts_.begin() - 1);
            const NameMatch match = before != u'\n' ? NameMatch::Inside : after == u'\n' ? NameMatch::Exact : NameMatch::Starts;
            found(owners_[i], names_[i], match);
        }
    }

    // Calls each(owner, name, key) for every name.
    template <typename Each>
    void ForEach(Each each) const
    {
        for (std::size_t i = 0; i < starts_.size(); ++i) {
            const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] - 1 : text_.size() - 1;
            each(owners_[i], names_[i], std::u16string_view(text_).substr(starts_[i], end - starts_[i]));
        }
    }

private:
    std::u16string text_;
    std::vector<std::uint32_t> starts_;
    std::vector<int> owners_, names_;
};

// libgeonames, loaded when the first search needs it: the program does not
// carry it (and GIO under it) from start-up, when most runs never search.
// Each place is a GVariant (id, name, admin1 code, state, country code,
// country, zone, population, latitude, longitude); GLib's reader comes with it.
struct Geonames {
    decltype(&geonames_get_n_cities) count = nullptr;
    decltype(&geonames_get_city) city = nullptr;
    decltype(&geonames_city_free) free = nullptr;
    decltype(&g_variant_get) read = nullptr;
    decltype(&g_variant_get_type_string) typeOf = nullptr;
    QString problem;

    bool Load()
    {
        std::string why;
        void* library = LoadSharedLibrary("libgeonames.so.0", why);
        if (!library) {
            problem = QString::fromLocal8Bit(why.c_str());
            return false;
        }
        auto resolve = [&](auto& function, const char* symbol) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(FindSharedSymbol(library, symbol, why));
            if (!function && problem.isEmpty())
                problem = QString::fromLocal8Bit(why.c_str());
            return function != nullptr;
        };
        return resolve(count, "geonames_get_n_cities") && resolve(city, "geonames_get_city") &&
               resolve(free, "geonames_city_free") && resolve(read, "g_variant_get") &&
               resolve(typeOf, "g_variant_get_type_string");
    }
};

// One stored name of a place, state or country. Its key is kept only while
// the list is read: the search uses the keys in the name indexes.
struct Name {
    QString key;
    QString shown;
    bool withinListName = false;  // a place's other name that its list name holds ("Washington")
    bool translation = false;     // from a language's catalogue, not the list's or a well-known name
};

struct State {
    QString countryCode, adminCode;
    QString adminKey;         // the admin code as a search key ("tx", "eng")
    std::vector<Name> names;  // the list's own first
};

struct Country {
    QString code;
    std::vector<Name> names;
};

struct Entry {
    Place place;
    std::vector<Name> names;  // the list's own first
    int state = -1;           // in PlaceList::states
    int country = -1;         // in PlaceList::countries
    bool capital = false, seat = false;
};

struct PlaceList {
    bool loaded = false;
    QString problem;
    std::vector<Entry> entries;
    std::vector<State> states;
    std::vector<Country> countries;
    QHash<QString, int> countryIndex;  // by code
    NameIndex placeNames, stateNames, countryNames;
};

void IndexNames(PlaceList& list)
{
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        std::vector<Name>& names = list.entries[i].names;
        for (std::size_t n = 0; n < names.size(); ++n) {
            list.placeNames.Add(names[n].key, static_cast<int>(i), static_cast<int>(n));
            names[n].withinListName = MatchWords(names.front().key, names[n].key) != NameMatch::None;
        }
        for (Name& n : names)
            n.key = QString();
    }
    for (std::size_t i = 0; i < list.states.size(); ++i) {
        for (std::size_t n = 0; n < list.states[i].names.size(); ++n)
            list.stateNames.Add(list.states[i].names[n].key, static_cast<int>(i), static_cast<int>(n));
        list.states[i].names.clear();  // only searched
    }
    for (std::size_t i = 0; i < list.countries.size(); ++i) {
        for (std::size_t n = 0; n < list.countries[i].names.size(); ++n)
            list.countryNames.Add(list.countries[i].names[n].key, static_cast<int>(i), static_cast<int>(n));
        list.countries[i].names.clear();
    }
    list.placeNames.Finish();
    list.stateNames.Finish();
    list.countryNames.Finish();
}

void AddName(std::vector<Name>& names, const QString& shown, bool translation = false)
{
    QString key = SearchKey(shown);
    if (key.isEmpty())
        return;
    for (const Name& n : names)
        if (n.key == key)
            return;
    names.push_back({std::move(key), shown, false, translation});
}

// The translations of one gettext catalogue (.mo): msgid, msgstr pairs.
// Source: GNU gettext manual, "The Format of GNU MO Files".
template <typename Add>
void ReadCatalogue(const QString& path, Add add)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = file.readAll();
    const auto size = static_cast<quint64>(data.size());
    if (size < 28)
        return;
    quint32 magic = 0;
    std::memcpy(&magic, data.constData(), 4);
    const bool swapped = magic == 0xde120495u;
    if (magic != 0x950412deu && !swapped)
        return;
    auto word = [&](quint64 at) -> quint64 {
        quint32 v = 0;
        if (at + 4 > size)
            return size + 1;
        std::memcpy(&v, data.constData() + at, 4);
        return swapped ? qbswap(v) : v;
    };
    const quint64 count = word(8), originals = word(12), translations = word(16);
    auto text = [&](quint64 table, quint64 i) -> QByteArray {
        const quint64 length = word(table + 8 * i), offset = word(table + 8 * i + 4);
        if (offset > size || length > size - offset)
            return {};
        return QByteArray::fromRawData(data.constData() + offset, static_cast<qsizetype>(length));
    };
    for (quint64 i = 0; i < count && originals + 8 * i + 8 <= size; ++i)
        add(text(originals, i), text(translations, i));
}

// Folder of the catalogues: libgeonames binds no folder of its own, so gettext
// looks in the system's default one.
QString CatalogueFolder()
{
    return QStringLiteral("/usr/share/locale");
}

void ReadOtherNames(PlaceList& list)
{
    QHash<quint32, int> byId;
    QHash<QString, int> stateIndex;  // by "CC.ADMIN"
    for (int i = 0; i < static_cast<int>(list.entries.size()); ++i)
        byId.insert(list.entries[static_cast<std::size_t>(i)].place.id, i);
    for (int i = 0; i < static_cast<int>(list.states.size()); ++i) {
        const State& s = list.states[static_cast<std::size_t>(i)];
        stateIndex.insert(s.countryCode + QLatin1Char('.') + s.adminCode, i);
    }
    // The English and former names first: their spelling is the one shown.
    std::size_t count = 0;
    const PlaceNameTable::OtherName* others = PlaceNameTable::OtherNames(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto it = byId.constFind(others[i].id);
        if (it != byId.cend())
            AddName(list.entries[static_cast<std::size_t>(*it)].names, QString::fromUtf8(others[i].name));
    }
    const QDir folder(CatalogueFolder());
    for (const QString& language : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        ReadCatalogue(folder.filePath(language + QStringLiteral("/LC_MESSAGES/geonames.mo")),
                      [&](const QByteArray& id, const QByteArray& translation) {
                          if (id.isEmpty() || translation.isEmpty())
                              return;
                          const QString shown = QString::fromUtf8(translation);
                          if (std::isdigit(static_cast<unsigned char>(id.front()))) {
                              bool ok = false;
                              const auto it = byId.constFind(id.toUInt(&ok));
                              if (ok && it != byId.cend())
                                  AddName(list.entries[static_cast<std::size_t>(*it)].names, shown, true);
                          } else if (id.size() == 2) {
                              const auto it = list.countryIndex.constFind(QString::fromLatin1(id));
                              if (it != list.countryIndex.cend())
                                  AddName(list.countries[static_cast<std::size_t>(*it)].names, shown);
                          } else {
                              const auto it = stateIndex.constFind(QString::fromUtf8(id));
                              if (it != stateIndex.cend())
                                  AddName(list.states[static_cast<std::size_t>(*it)].names, shown);
                          }
                      });
    }
}

PlaceList LoadPlaceList()
{
    PlaceList list;
    Geonames g;
    if (!g.Load()) {
        list.problem = g.problem;
        return list;
    }
    const gint count = g.count();
    if (count <= 0) {
        list.problem = QStringLiteral("it holds no places");
        return list;
    }
    QHash<QString, int> stateIndex;
    list.entries.reserve(static_cast<std::size_t>(count));
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = g.city(i);
        if (!city)
            continue;
        if (std::strcmp(g.typeOf(city), "(sssssssudd)") != 0) {
            g.free(city);
            continue;
        }
        const gchar *id = nullptr, *name = nullptr, *admin = nullptr, *state = nullptr, *code = nullptr,
                    *country = nullptr, *zone = nullptr;
        guint32 population = 0;
        gdouble latitude = 0, longitude = 0;
        g.read(city, "(&s&s&s&s&s&s&sudd)", &id, &name, &admin, &state, &code, &country, &zone, &population,
               &latitude, &longitude);
        Entry e;
        Place& p = e.place;
        p.id = static_cast<std::uint32_t>(QByteArray(id).toUInt());
        p.name = QString::fromUtf8(name);
        p.stateCode = QString::fromUtf8(admin);
        p.state = QString::fromUtf8(state);
        p.countryCode = QString::fromUtf8(code);
        p.country = QString::fromUtf8(country);
        p.zone = QByteArray(zone);
        p.population = population;
        p.latitude = latitude;
        p.longitude = longitude;
        g.free(city);
        AddName(e.names, p.name);
        e.capital = PlaceNameTable::IsCapital(p.id);
        e.seat = PlaceNameTable::IsStateSeat(p.id);
        if (!list.countryIndex.contains(p.countryCode)) {
            list.countryIndex.insert(p.countryCode, static_cast<int>(list.countries.size()));
            Country c{p.countryCode, {}};
            AddName(c.names, p.country);
            list.countries.push_back(std::move(c));
        }
        const QString stateId = p.countryCode + QLatin1Char('.') + p.stateCode;
        auto it = stateIndex.constFind(stateId);
        if (it == stateIndex.cend()) {
            it = stateIndex.insert(stateId, static_cast<int>(list.states.size()));
            State s{p.countryCode, p.stateCode, SearchKey(p.stateCode), {}};
            AddName(s.names, p.state);
            list.states.push_back(std::move(s));
        }
        e.state = *it;
        e.country = list.countryIndex.value(p.countryCode);
        list.entries.push_back(std::move(e));
    }
    ReadOtherNames(list);
    IndexNames(list);
    list.loaded = true;
    return list;
}

const PlaceList& ThePlaceList()
{
    static const PlaceList list = LoadPlaceList();
    return list;
}

// The countries a typed text names: by a name, a code or a short form.
std::vector<bool> TypedCountries(const PlaceList& list, const QString& typed)
{
    std::vector<bool> match(list.countries.size());
    const QString code = PlaceNameTable::CountryCodeFor(typed);
    for (std::size_t i = 0; i < list.countries.size(); ++i) {
        const Country& c = list.countries[i];
        match[i] = c.code.compare(typed, Qt::CaseInsensitive) == 0 || c.code == code;
    }
    list.countryNames.Find(typed, [&](int owner, int, NameMatch) { match[static_cast<std::size_t>(owner)] = true; });
    return match;
}

// The states a typed text names: by a name, the list's admin code ("TX",
// "ENG") or a postal abbreviation.
std::vector<bool> TypedStates(const PlaceList& list, const QString& typed)
{
    std::vector<bool> match(list.states.size());
    std::size_t count = 0;
    const PlaceNameTable::StateAbbreviation* abbreviations = PlaceNameTable::StateAbbreviations(count);
    for (std::size_t i = 0; i < list.states.size(); ++i) {
        const State& s = list.states[i];
        bool m = s.adminKey == typed;
        for (std::size_t a = 0; !m && a < count; ++a)
            m = typed == QLatin1String(abbreviations[a].key) && s.countryCode == QLatin1String(abbreviations[a].countryCode) &&
                s.adminCode == QLatin1String(abbreviations[a].adminCode);
        match[i] = m;
    }
    list.stateNames.Find(typed, [&](int owner, int, NameMatch) { match[static_cast<std::size_t>(owner)] = true; });
    return match;
}

struct Ranked {
    int typedMatches;  // of the typed state and country
    NameMatch name;
    const Entry* entry;
    const Name* matched;
};

// Among names matched alike, a capital comes before a larger namesake, then
// the seat of a state, then the larger place: a capital counts a hundred
// times its people and a seat ten times. A village of a capital does not
// hide a city: Hamilton, Bermuda (902 people) comes after Hamilton, Ontario.
double Weight(const Entry& e)
{
    return double(e.place.population) * (e.capital ? 100.0 : e.seat ? 10.0 : 1.0);
}

bool Better(const Ranked& a, const Ranked& b)
{
    if (a.typedMatches != b.typedMatches)
        return a.typedMatches > b.typedMatches;
    if (a.name != b.name)
        return a.name < b.name;
    // A name in another language after the list's own and well-known names:
    // "Victoria" is Victoria, British Columbia before Hong Kong's old name.
    if (a.matched->translation != b.matched->translation)
        return b.matched->translation;
    return Weight(*a.entry) > Weight(*b.entry);
}

Place Shown(const Entry& entry, const Name* matched)
{
    Place place = entry.place;
    if (matched && matched != &entry.names.front() && !matched->withinListName)
        place.matchedName = matched->shown;
    return place;
}

// The name with the state where people name states (United States, Canada,
// Australia, United Kingdom), else with the country.
QString NameAndRegion(const Place& place, const QString& name)
{
    static const QStringList statesNamed{QStringLiteral("US"), QStringLiteral("CA"), QStringLiteral("AU"),
                                         QStringLiteral("GB")};
    const bool byState = statesNamed.contains(place.countryCode) && !place.state.isEmpty();
    return QStringLiteral("%1, %2").arg(name, byState ? place.state : place.country);
}

// Up to three places whose names are nearest the typed city, one per name:
// the nearer first, then those in the typed state and country, then the larger.
QList<Place> Suggestions(const PlaceList& list, const QString& key, const std::vector<int>& typedMatches)
{
    const int limit = key.size() <= 4 ? 1 : key.size() <= 8 ? 2 : 3;
    struct Near {
        int distance;
        int typed;
        const Entry* entry;
        const Name* name;
    };
    std::vector<Near> near;
    std::vector<int> slot(list.entries.size(), -1);
    const std::u16string typed(reinterpret_cast<const char16_t*>(key.utf16()), static_cast<std::size_t>(key.size()));
    list.placeNames.ForEach([&](int owner, int name, std::u16string_view candidate) {
        const int d = EditDistance(typed, candidate, limit);
        if (d > limit)
            return;
        const auto i = static_cast<std::size_t>(owner);
        const Entry& e = list.entries[i];
        const Name* n = &e.names[static_cast<std::size_t>(name)];
        if (slot[i] < 0) {
            slot[i] = static_cast<int>(near.size());
            near.push_back({d, typedMatches[i], &e, n});
        } else if (Near& m = near[static_cast<std::size_t>(slot[i])]; d < m.distance) {
            m.distance = d;
            m.name = n;
        }
    });
    std::sort(near.begin(), near.end(), [](const Near& a, const Near& b) {
        if (a.distance != b.distance)
            return a.distance < b.distance;
        if (a.typed != b.typed)
            return a.typed > b.typed;
        return a.entry->place.population > b.entry->place.population;
    });
    QList<Place> places;
    QSet<QString> shown;
    for (const Near& n : near) {
        if (places.size() == 3)
            break;
        const Place place = Shown(*n.entry, n.name);
        const QString label = NameAndRegion(place, ShownName(place));
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
    return NameAndRegion(place, place.name);
}

PlaceSearch FindPlaces(const QString& city, const QString& state, const QString& country)
{
    PlaceSearch search;
    // What was typed besides the city: each a state, a country, or with two
    // parts in City ("Paris, TX") either one. The boxes add to the parts.
    enum class Names { State, Country, Either };
    struct Hint {
        Names names;
        QString text;
    };
    std::vector<Hint> hints;
    const QStringList parts = city.split(QLatin1Char(','));
    const QString cityText = parts.front().trimmed();
    if (parts.size() == 2)
        hints.push_back({Names::Either, parts[1].trimmed()});
    if (parts.size() > 2) {
        hints.push_back({Names::State, parts[1].trimmed()});
        hints.push_back({Names::Country, parts.mid(2).join(QLatin1Char(',')).trimmed()});
    }
    hints.push_back({Names::State, state.trimmed()});
    hints.push_back({Names::Country, country.trimmed()});
    hints.erase(std::remove_if(hints.begin(), hints.end(), [](const Hint& h) { return SearchKey(h.text).isEmpty(); }),
                hints.end());
    QStringList typed{cityText};
    for (const Hint& h : hints)
        typed << h.text;
    search.typed = typed.join(QStringLiteral(", "));

    const PlaceList& list = ThePlaceList();
    if (!list.loaded) {
        search.status = PlaceSearch::Status::ListUnavailable;
        search.problem = list.problem;
        return search;
    }
    const QString key = SearchKey(cityText);
    if (key.isEmpty())
        return search;
    // How many of the hints each place matches.
    const bool anyTyped = !hints.empty();
    std::vector<int> typedMatches(list.entries.size());
    for (const Hint& h : hints) {
        const QString hintKey = SearchKey(h.text);
        const std::vector<bool> states = h.names == Names::Country ? std::vector<bool>() : TypedStates(list, hintKey);
        const std::vector<bool> countries = h.names == Names::State ? std::vector<bool>() : TypedCountries(list, hintKey);
        for (std::size_t i = 0; i < list.entries.size(); ++i) {
            const Entry& e = list.entries[i];
            const bool inState = !states.empty() && states[static_cast<std::size_t>(e.state)];
            const bool inCountry = !countries.empty() && countries[static_cast<std::size_t>(e.country)];
            typedMatches[i] += int(inState || inCountry);
        }
    }

    // The best name of each place that holds the typed words.
    std::vector<Ranked> matches;
    std::vector<int> slot(list.entries.size(), -1);
    list.placeNames.Find(key, [&](int owner, int name, NameMatch match) {
        const auto i = static_cast<std::size_t>(owner);
        const Entry& e = list.entries[i];
        const Name* n = &e.names[static_cast<std::size_t>(name)];
        if (slot[i] < 0) {
            slot[i] = static_cast<int>(matches.size());
            matches.push_back({typedMatches[i], match, &e, n});
        } else if (Ranked& r = matches[static_cast<std::size_t>(slot[i])];
                   match < r.name || (match == r.name && name < r.matched - e.names.data())) {
            r.name = match;
            r.matched = n;
        }
    });
    const bool anyInTyped = std::any_of(matches.begin(), matches.end(), [](const Ranked& r) { return r.typedMatches > 0; });
    if (matches.empty() || (anyTyped && !anyInTyped)) {
        search.status = PlaceSearch::Status::NoMatch;
        search.suggestions = Suggestions(list, key, typedMatches);
        return search;
    }
    std::sort(matches.begin(), matches.end(), Better);
    search.status = PlaceSearch::Status::Found;
    search.places.reserve(static_cast<qsizetype>(matches.size()));
    for (const Ranked& m : matches)
        search.places << Shown(*m.entry, m.matched);
    return search;
}

QString SearchMessage(const PlaceSearch& search)
{
    switch (search.status) {
    case PlaceSearch::Status::Found: return {};
    case PlaceSearch::Status::ListUnavailable:
        return QStringLiteral("The place list (libgeonames) could not be loaded: %1").arg(search.problem);
    case PlaceSearch::Status::NoMatch: break;
    }
    QString text = QStringLiteral("No place called %1.").arg(search.typed);
    QStringList names;
    for (const Place& p : search.suggestions)
        names << NameAndRegion(p, ShownName(p));
    if (names.size() == 1)
        text += QStringLiteral(" Did you mean %1?").arg(names[0]);
    else if (names.size() > 1)
        text += QStringLiteral(" Did you mean %1 or %2?").arg(names.mid(0, names.size() - 1).join(QStringLiteral("; ")), names.last());
    return text;
}
