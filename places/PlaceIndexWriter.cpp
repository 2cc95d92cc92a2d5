#include "places/PlaceIndexWriter.h"

#include "places/PlaceIndexFormat.h"

#include <QHash>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

using namespace PlaceIndexFormat;

class Pool {
public:
    Text Add(const QString& text)
    {
        const auto it = texts_.constFind(text);
        if (it != texts_.cend())
            return *it;
        const Text t{static_cast<std::uint32_t>(units_.size()), static_cast<std::uint32_t>(text.size())};
        units_.append(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
        texts_.insert(text, t);
        return t;
    }
    std::u16string_view View(Text t) const { return std::u16string_view(units_).substr(t.at, t.size); }
    const std::u16string& Units() const { return units_; }

private:
    std::u16string units_;
    QHash<QString, Text> texts_;
};

// Every word start of every name's key, sorted by the key from there.
std::vector<WordRecord> Words(const std::vector<NameRecord>& names, const Pool& pool)
{
    std::vector<WordRecord> words;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::u16string_view key = pool.View(names[i].key);
        for (std::size_t at = 0; at < key.size(); ++at)
            if (at == 0 || key[at - 1] == u' ')
                words.push_back({static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(at), Prefix{}});
    }
    auto from = [&](const WordRecord& w) { return pool.View(names[w.name].key).substr(w.from); };
    std::sort(words.begin(), words.end(), [&](const WordRecord& a, const WordRecord& b) {
        const std::u16string_view x = from(a), y = from(b);
        return x != y ? x < y : a.name != b.name ? a.name < b.name : a.from < b.from;
    });
    for (WordRecord& w : words) {
        const std::u16string_view key = from(w);
        std::copy_n(key.begin(), std::min(key.size(), PrefixSize), w.prefix.units);
    }
    return words;
}

std::vector<Prefix> Fence(const std::vector<WordRecord>& words)
{
    std::vector<Prefix> fence;
    for (std::size_t i = 0; i < words.size(); i += FenceStep)
        fence.push_back(words[i].prefix);
    return fence;
}

template <typename Owner>
void AddNames(const std::vector<Owner>& owners, std::vector<NameRecord>& names, Pool& pool)
{
    for (std::size_t i = 0; i < owners.size(); ++i)
        for (const Name& n : owners[i].names)
            names.push_back({pool.Add(n.key), pool.Add(n.shown), static_cast<std::uint32_t>(i),
                             (n.withinListName ? WithinListName : 0u) | (n.translation ? Translation : 0u)});
}

class Writer {
public:
    template <typename Record>
    Section Add(const std::vector<Record>& records)
    {
        while (bytes_.size() % 8 != 0)
            bytes_.push_back('\0');
        const Section s{bytes_.size(), records.size()};
        const auto* data = reinterpret_cast<const char*>(records.data());
        bytes_.insert(bytes_.end(), data, data + records.size() * sizeof(Record));
        return s;
    }
    std::vector<char>& Bytes() { return bytes_; }

private:
    std::vector<char> bytes_ = std::vector<char>(sizeof(Header));
};

}  // namespace

bool WritePlaceIndex(const PlaceList& list, const std::string& path, std::string& problem)
{
    Pool pool;
    // The codes of states and countries first: every search with a state or
    // country compares them all, and together they are a few pages.
    std::vector<StateRecord> states;
    for (const State& s : list.states)
        states.push_back({pool.Add(s.countryCode), pool.Add(s.adminCode), pool.Add(s.adminKey)});
    std::vector<CountryRecord> countries;
    for (const Country& c : list.countries)
        countries.push_back({pool.Add(c.code)});
    std::vector<PlaceRecord> places;
    std::vector<NameRecord> placeNames, stateNames, countryNames;
    for (const Entry& e : list.entries) {
        PlaceRecord r;
        const Place& p = e.place;
        r.latitude = p.latitude;
        r.longitude = p.longitude;
        r.id = p.id;
        r.population = p.population;
        r.name = pool.Add(p.name);
        r.state = pool.Add(p.state);
        r.stateCode = pool.Add(p.stateCode);
        r.country = pool.Add(p.country);
        r.countryCode = pool.Add(p.countryCode);
        r.zone = pool.Add(QString::fromLatin1(p.zone));
        r.stateIndex = static_cast<std::uint32_t>(e.state);
        r.countryIndex = static_cast<std::uint32_t>(e.country);
        r.firstName = static_cast<std::uint32_t>(placeNames.size());
        r.nameCount = static_cast<std::uint32_t>(e.names.size());
        r.flags = (e.capital ? Capital : 0u) | (e.seat ? Seat : 0u);
        places.push_back(r);
        for (const Name& n : e.names)
            placeNames.push_back({pool.Add(n.key), pool.Add(n.shown), static_cast<std::uint32_t>(places.size() - 1),
                                  (n.withinListName ? WithinListName : 0u) | (n.translation ? Translation : 0u)});
    }
    AddNames(list.states, stateNames, pool);
    AddNames(list.countries, countryNames, pool);

    Header h{};
    std::memcpy(h.magic, Magic, sizeof h.magic);
    h.version = Version;
    h.byteOrder = ByteOrder;
    h.fingerprint = list.fingerprint;
    Writer w;
    h.places = w.Add(places);
    h.placeNames = w.Add(placeNames);
    const std::vector<WordRecord> placeWords = Words(placeNames, pool), stateWords = Words(stateNames, pool),
                                  countryWords = Words(countryNames, pool);
    h.placeWords = w.Add(placeWords);
    h.placeFence = w.Add(Fence(placeWords));
    h.states = w.Add(states);
    h.stateNames = w.Add(stateNames);
    h.stateWords = w.Add(stateWords);
    h.stateFence = w.Add(Fence(stateWords));
    h.countries = w.Add(countries);
    h.countryNames = w.Add(countryNames);
    h.countryWords = w.Add(countryWords);
    h.countryFence = w.Add(Fence(countryWords));
    h.pool = w.Add(std::vector<char16_t>(pool.Units().begin(), pool.Units().end()));
    std::vector<char>& bytes = w.Bytes();
    h.fileSize = bytes.size();
    std::memcpy(bytes.data(), &h, sizeof h);

    const std::string partial = path + ".partial";
    std::FILE* file = std::fopen(partial.c_str(), "wb");
    bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file)
        written = std::fclose(file) == 0 && written;
    if (!written || std::rename(partial.c_str(), path.c_str()) != 0) {
        problem = partial + ": " + std::strerror(errno);
        std::remove(partial.c_str());
        return false;
    }
    // The pages just written stay cached in large blocks, and a mapping maps
    // a whole block at its first read: a search would count megabytes it never
    // reads. Written out and dropped, the file is read back a page at a time.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
    return true;
}
