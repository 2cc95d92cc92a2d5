#pragma once

#include "places/PlaceKeys.h"
#include "places/PlaceSearch.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The place list as libgeonames and its catalogues give it: read by the
// generator of the place index at build time, and by the test that holds the
// index to the live list. Neither the program nor the tool reads it.

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

// One stored name of a place, state or country.
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
    std::uint64_t fingerprint = 0;
    QString problem;
    std::vector<Entry> entries;
    std::vector<State> states;
    std::vector<Country> countries;
    QHash<QString, int> countryIndex;  // by code
    NameIndex placeNames, stateNames, countryNames;
};

// LoadPlaceList — every place of libgeonames' list with its names: the list's
// own, the well-known other names (PlaceNameTable) and the catalogues' names
// in other languages (/usr/share/locale/*/LC_MESSAGES/geonames.mo), and the
// states and countries with theirs. `fingerprint` is a 64-bit FNV-1a hash of
// all that was read; `problem` says why the list could not be read.
PlaceList LoadPlaceList();

// FindPlacesInList — FindPlaces over the live list (see PlaceSearch.h).
PlaceSearch FindPlacesInList(const PlaceList& list, const QString& city, const QString& state = {},
                             const QString& country = {});
