#include "places/PlaceListSource.h"

#include "base/CompanionModules.h"
#include "places/PlaceNameTable.h"
#include "places/PlaceRanking.h"

#include <geonames.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSet>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <type_traits>

namespace {

// A 64-bit FNV-1a hash of everything the list is made from.
struct Fingerprint {
    std::uint64_t hash = 14695981039346656037ull;

    void Add(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i)
            hash = (hash ^ bytes[i]) * 1099511628211ull;
    }
    void Add(const char* text) { Add(text, std::strlen(text) + 1); }
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

void IndexNames(PlaceList& list)
{
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        std::vector<Name>& names = list.entries[i].names;
        for (std::size_t n = 0; n < names.size(); ++n) {
            list.placeNames.Add(names[n].key, static_cast<int>(i), static_cast<int>(n));
            names[n].withinListName = MatchWords(names.front().key, names[n].key) != NameMatch::None;
        }
    }
    for (std::size_t i = 0; i < list.states.size(); ++i) {
        for (std::size_t n = 0; n < list.states[i].names.size(); ++n)
            list.stateNames.Add(list.states[i].names[n].key, static_cast<int>(i), static_cast<int>(n));
    }
    for (std::size_t i = 0; i < list.countries.size(); ++i) {
        for (std::size_t n = 0; n < list.countries[i].names.size(); ++n)
            list.countryNames.Add(list.countries[i].names[n].key, static_cast<int>(i), static_cast<int>(n));
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
void ReadCatalogue(const QString& path, Fingerprint& fingerprint, Add add)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = file.readAll();
    fingerprint.Add(path.toUtf8().constData());
    fingerprint.Add(data.constData(), static_cast<std::size_t>(data.size()));
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

// Whose names a language's catalogue gives: a name in a language is offered
// for the places of the countries where that language is spoken (the
// territories of its locales in Qt's copy of the Unicode CLDR), and for every
// place when it is one of the languages read the world over: the six of the
// United Nations (Arabic, Chinese, English, French, Russian, Spanish) and
// German, Italian, Japanese and Portuguese. So "Lisboa" and "Wien" are found,
// and an Esperanto "Lodzo" or a Swedish "Acton i London" is not offered.
struct CatalogueReaders {
    bool everywhere = false;
    QSet<QString> countries;  // ISO 3166 alpha-2 codes

    bool Read(const QString& countryCode) const { return everywhere || countries.contains(countryCode); }
};

CatalogueReaders ReadersOf(const QString& folderName)
{
    static const QSet<QString> WorldLanguages = {
        QStringLiteral("ar"), QStringLiteral("zh"), QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("ru"),
        QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("it"), QStringLiteral("ja"), QStringLiteral("pt")};
    // "pt_BR", "sr@latin": the language is the part before the territory or variant.
    const QString code = folderName.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('_'), 0, 0);
    CatalogueReaders readers;
    readers.everywhere = WorldLanguages.contains(code);
    const QLocale::Language language = QLocale::codeToLanguage(code);
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return readers;
    for (const QLocale& locale : QLocale::matchingLocales(language, QLocale::AnyScript, QLocale::AnyTerritory))
        if (locale.territory() != QLocale::AnyTerritory)
            readers.countries.insert(QLocale::territoryToCode(locale.territory()));
    return readers;
}

void ReadOtherNames(PlaceList& list, Fingerprint& fingerprint)
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
        fingerprint.Add(&others[i].id, sizeof others[i].id);
        fingerprint.Add(others[i].name);
        const auto it = byId.constFind(others[i].id);
        if (it != byId.cend())
            AddName(list.entries[static_cast<std::size_t>(*it)].names, QString::fromUtf8(others[i].name));
    }
    const QDir folder(CatalogueFolder());
    for (const QString& language : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const CatalogueReaders readers = ReadersOf(language);
        if (!readers.everywhere && readers.countries.isEmpty())
            continue;
        ReadCatalogue(folder.filePath(language + QStringLiteral("/LC_MESSAGES/geonames.mo")), fingerprint,
                      [&](const QByteArray& id, const QByteArray& translation) {
                          if (id.isEmpty() || translation.isEmpty())
                              return;
                          const QString shown = QString::fromUtf8(translation);
                          if (std::isdigit(static_cast<unsigned char>(id.front()))) {
                              bool ok = false;
                              const auto it = byId.constFind(id.toUInt(&ok));
                              if (!ok || it == byId.cend())
                                  return;
                              Entry& e = list.entries[static_cast<std::size_t>(*it)];
                              if (readers.Read(e.place.countryCode))
                                  AddName(e.names, shown, true);
                          } else if (id.size() == 2) {
                              const auto it = list.countryIndex.constFind(QString::fromLatin1(id));
                              if (it != list.countryIndex.cend() && readers.Read(QString::fromLatin1(id)))
                                  AddName(list.countries[static_cast<std::size_t>(*it)].names, shown);
                          } else {
                              const auto it = stateIndex.constFind(QString::fromUtf8(id));
                              if (it != stateIndex.cend() && readers.Read(QString::fromUtf8(id.left(2))))
                                  AddName(list.states[static_cast<std::size_t>(*it)].names, shown);
                          }
                      });
    }
}

}  // namespace

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
    Fingerprint fingerprint;
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
        for (const gchar* text : {id, name, admin, state, code, country, zone})
            fingerprint.Add(text);
        fingerprint.Add(&population, sizeof population);
        fingerprint.Add(&latitude, sizeof latitude);
        fingerprint.Add(&longitude, sizeof longitude);
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
        const unsigned char rank = static_cast<unsigned char>(int(e.capital) + 2 * int(e.seat));
        fingerprint.Add(&rank, 1);
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
    ReadOtherNames(list, fingerprint);
    IndexNames(list);
    list.fingerprint = fingerprint.hash;
    list.loaded = true;
    return list;
}

namespace {

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

bool Better(const Ranked& a, const Ranked& b)
{
    auto rank = [](const Ranked& r) {
        const Entry& e = *r.entry;
        return RankedMatch{r.typedMatches, r.name, e.place.population, e.capital, e.seat, r.matched->translation};
    };
    return PlaceRanksBefore(rank(a), rank(b));
}

Place Shown(const Entry& entry, const Name* matched)
{
    Place place = entry.place;
    if (matched && matched != &entry.names.front() && !matched->withinListName)
        place.matchedName = matched->shown;
    return place;
}

QString NameAndRegion(const Place& place, const QString& name)
{
    return NameAndRegion(place.countryCode, place.state, place.country, name);
}

// Up to three places whose names are nearest the typed city, one per name:
// the nearer first, then those in the typed state and country, then the larger.
QList<Place> Suggestions(const PlaceList& list, const QString& key, const std::vector<int>& typedMatches)
{
    const int limit = NearNameLimit(key);
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
        return NearNameRanksBefore({a.distance, a.typed, a.entry->place.population},
                                   {b.distance, b.typed, b.entry->place.population});
    });
    QList<Place> places;
    QSet<QString> shown;
    for (const Near& n : near) {
        if (places.size() == NearNamesOffered)
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

PlaceSearch FindPlacesInList(const PlaceList& list, const QString& city, const QString& state, const QString& country)
{
    PlaceSearch search;
    const TypedPlace typed = ReadTypedPlace(city, state, country);
    search.typed = typed.typed;

    if (!list.loaded) {
        search.status = PlaceSearch::Status::ListUnavailable;
        search.problem = list.problem;
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
    std::vector<int> typedMatches(list.entries.size());
    bool namesNothing = false;  // a part of City that is no state's or country's name
    for (const TypedHint& h : typed.hints) {
        const std::vector<bool> states = h.names == Names::Country ? std::vector<bool>() : TypedStates(list, h.key);
        const std::vector<bool> countries = h.names == Names::State ? std::vector<bool>() : TypedCountries(list, h.key);
        namesNothing = namesNothing || (h.inCity && std::find(states.begin(), states.end(), true) == states.end() &&
                                        std::find(countries.begin(), countries.end(), true) == countries.end());
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
    if (matches.empty() || (anyTyped && !anyInTyped) || namesNothing) {
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

