#include "places/ZoneHistory.h"

#include "core/CivilCalendar.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>

namespace {

constexpr std::int64_t SecondsPerDay = 86400;

// The database's folder: $TZDIR where set, as the C library reads it.
std::string ZoneFolder()
{
    const char* set = std::getenv("TZDIR");
    return set && *set ? set : "/usr/share/zoneinfo";
}

// A file's bytes, at most `limit` of them; empty when it cannot be read.
std::string ReadFile(const std::string& path, std::size_t limit)
{
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char block[4096];
        std::size_t got = 0;
        while (bytes.size() < limit && (got = std::fread(block, 1, sizeof block, file)) > 0)
            bytes.append(block, got);
        std::fclose(file);
    }
    return bytes;
}

// A name that stays inside the database's folder: words of letters, digits
// and "._+-" joined by "/", none of them "." or "..".
bool SafeZoneName(std::string_view zone)
{
    if (zone.empty() || zone.size() > 255 || zone.front() == '/' || zone.back() == '/')
        return false;
    std::size_t wordStart = 0;
    for (std::size_t i = 0; i <= zone.size(); ++i) {
        if (i == zone.size() || zone[i] == '/') {
            const std::string_view word = zone.substr(wordStart, i - wordStart);
            if (word.empty() || word == "." || word == "..")
                return false;
            wordStart = i + 1;
            continue;
        }
        const char c = zone[i];
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                             c == '-' || c == '+' || c == '.';
        if (!allowed)
            return false;
    }
    return true;
}

// A big-endian signed number of 4 or 8 bytes at `at` (the caller checked the length).
std::int64_t BigEndian(std::string_view bytes, std::size_t at, int size)
{
    std::uint64_t v = 0;
    for (int i = 0; i < size; ++i)
        v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return size == 8 ? static_cast<std::int64_t>(v) : static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

// Reads the POSIX TZ string a character at a time.
struct RuleText {
    std::string_view text;
    std::size_t at = 0;

    bool AtEnd() const { return at >= text.size(); }
    bool Take(char c)
    {
        if (AtEnd() || text[at] != c)
            return false;
        ++at;
        return true;
    }
    bool Number(int& value, int most)
    {
        const std::size_t from = at;
        value = 0;
        while (!AtEnd() && text[at] >= '0' && text[at] <= '9' && at - from < 4)
            value = value * 10 + (text[at++] - '0');
        return at > from && value <= most;
    }
    // "CET", or "<+0545>" quoted: at least three characters.
    bool Name(std::string& name)
    {
        const std::size_t from = at;
        if (Take('<')) {
            while (!AtEnd() && text[at] != '>')
                ++at;
            name = std::string(text.substr(from + 1, at - from - 1));
            return Take('>') && name.size() >= 3;
        }
        while (!AtEnd() && ((text[at] >= 'A' && text[at] <= 'Z') || (text[at] >= 'a' && text[at] <= 'z')))
            ++at;
        name = std::string(text.substr(from, at - from));
        return name.size() >= 3;
    }
    // [+-]hh[:mm[:ss]] in seconds, hours up to `mostHours`.
    bool Time(int& seconds, int mostHours)
    {
        const bool negative = Take('-');
        if (!negative)
            Take('+');
        int hours = 0, minutes = 0, secs = 0;
        if (!Number(hours, mostHours))
            return false;
        if (Take(':') && (!Number(minutes, 59) || (Take(':') && !Number(secs, 59))))
            return false;
        seconds = (hours * 60 + minutes) * 60 + secs;
        if (negative)
            seconds = -seconds;
        return true;
    }
};

}  // namespace

bool ZoneHistory::ParseRule(std::string_view text, Rule& rule)
{
    RuleText r{text};
    int posix = 0;
    if (!r.Name(rule.standard.abbreviation) || !r.Time(posix, 24))
        return false;
    rule.standard.offsetSeconds = -posix;  // POSIX counts West positive
    rule.standard.daylight = false;
    if (r.AtEnd())
        return true;
    if (!r.Name(rule.daylight.abbreviation))
        return false;
    rule.daylight.daylight = true;
    rule.daylight.offsetSeconds = rule.standard.offsetSeconds + 3600;
    if (!r.AtEnd() && r.text[r.at] != ',') {
        if (!r.Time(posix, 24))
            return false;
        rule.daylight.offsetSeconds = -posix;
    }
    rule.hasDaylight = true;
    if (r.AtEnd()) {  // no days given: the United States' rule, as the C library takes it
        rule.begins = {RuleDay::Kind::MonthWeekDay, 0, 2, 3, 7200};
        rule.ends = {RuleDay::Kind::MonthWeekDay, 0, 1, 11, 7200};
        return true;
    }
    auto day = [&r](RuleDay& d) {
        if (!r.Take(','))
            return false;
        bool ok = false;
        if (r.Take('J')) {
            d.kind = RuleDay::Kind::JulianNoLeap;
            ok = r.Number(d.day, 365) && d.day >= 1;
        } else if (r.Take('M')) {
            d.kind = RuleDay::Kind::MonthWeekDay;
            ok = r.Number(d.month, 12) && d.month >= 1 && r.Take('.') && r.Number(d.week, 5) && d.week >= 1 &&
                 r.Take('.') && r.Number(d.day, 6);
        } else {
            d.kind = RuleDay::Kind::JulianZeroBased;
            ok = r.Number(d.day, 365);
        }
        d.seconds = 7200;
        return ok && (!r.Take('/') || r.Time(d.seconds, 167));
    };
    return day(rule.begins) && day(rule.ends) && r.AtEnd();
}

std::shared_ptr<const ZoneHistory> ZoneHistory::Parse(std::string_view bytes)
{
    constexpr std::size_t HeaderSize = 44;
    auto fits = [&](std::size_t at, std::uint64_t size) { return at <= bytes.size() && size <= bytes.size() - at; };
    // The six counts of a header: UT/local flags, standard/wall flags, leap
    // seconds, changes, time types, abbreviation bytes.
    struct Counts {
        std::uint64_t isUt, isStd, leap, times, types, chars;
    };
    auto countsAt = [&](std::size_t at) {
        auto c = [&](int i) { return static_cast<std::uint64_t>(static_cast<std::uint32_t>(BigEndian(bytes, at + 20 + 4 * static_cast<std::size_t>(i), 4))); };
        return Counts{c(0), c(1), c(2), c(3), c(4), c(5)};
    };
    if (!fits(0, HeaderSize) || bytes.substr(0, 4) != "TZif")
        return nullptr;
    Counts n = countsAt(0);
    std::size_t at = HeaderSize;
    int timeSize = 4;
    auto blockSize = [&](const Counts& k, int t) {
        return k.times * static_cast<std::uint64_t>(t + 1) + k.types * 6 + k.chars + k.leap * static_cast<std::uint64_t>(t + 4) +
               k.isStd + k.isUt;
    };
    if (bytes[4] >= '2') {  // the 64-bit block follows the 32-bit one
        const std::uint64_t first = blockSize(n, 4);
        if (!fits(at, first) || !fits(at + first, HeaderSize) || bytes.substr(at + first, 4) != "TZif")
            return nullptr;
        at += first;
        n = countsAt(at);
        at += HeaderSize;
        timeSize = 8;
    }
    if (n.types == 0 || n.types > 256 || !fits(at, blockSize(n, timeSize)))
        return nullptr;
    const std::size_t times = at, typeIndices = times + n.times * timeSize, types = typeIndices + n.times,
                      chars = types + n.types * 6;
    auto stretchOfType = [&](std::uint64_t type, std::int64_t start) {
        ZoneStretch s;
        s.start = start;
        const std::size_t t = types + type * 6;
        s.offsetSeconds = static_cast<int>(BigEndian(bytes, t, 4));
        s.daylight = bytes[t + 4] != 0;
        const std::size_t name = static_cast<unsigned char>(bytes[t + 5]);
        if (name < n.chars) {
            const std::string_view pool = bytes.substr(chars, n.chars);
            s.abbreviation = std::string(pool.substr(name, pool.find('\0', name) - name));
        }
        return s;
    };
    auto history = std::make_shared<ZoneHistory>();
    history->listed_.push_back(stretchOfType(0, std::numeric_limits<std::int64_t>::min()));
    for (std::uint64_t i = 0; i < n.times; ++i) {
        const std::uint64_t type = static_cast<unsigned char>(bytes[typeIndices + i]);
        if (type >= n.types)
            return nullptr;
        ZoneStretch s = stretchOfType(type, BigEndian(bytes, times + i * timeSize, timeSize));
        if (s.start <= history->listed_.back().start)
            return nullptr;  // changes must rise
        if (!s.SameClocks(history->listed_.back()))
            history->listed_.push_back(std::move(s));
    }
    // The footer: "\n" rule "\n" after the 64-bit block.
    const std::size_t footer = at + blockSize(n, timeSize);
    if (timeSize == 8 && fits(footer, 1) && bytes[footer] == '\n') {
        const std::size_t end = bytes.find('\n', footer + 1);
        if (end != std::string_view::npos)
            history->hasRule_ = ParseRule(bytes.substr(footer + 1, end - footer - 1), history->rule_) &&
                                history->rule_.hasDaylight;
    }
    return history;
}

std::shared_ptr<const ZoneHistory> ZoneHistory::Of(std::string_view zone)
{
    static std::mutex guard;
    static std::map<std::string, std::shared_ptr<const ZoneHistory>, std::less<>> read;  // null for no zone
    const std::lock_guard<std::mutex> lock(guard);
    if (const auto found = read.find(zone); found != read.end())
        return found->second;
    if (read.size() >= 1024)
        read.clear();
    std::shared_ptr<const ZoneHistory> history;
    if (SafeZoneName(zone))
        history = Parse(ReadFile(ZoneFolder() + "/" + std::string(zone), 1 << 20));  // the largest is some 4 KiB
    read.emplace(std::string(zone), history);
    return history;
}

std::int64_t ZoneHistory::RuleFrom() const
{
    return listed_.size() > 1 ? listed_.back().start : std::numeric_limits<std::int64_t>::min();
}

void ZoneHistory::RuleChangesOf(int year, std::vector<ZoneStretch>& out) const
{
    auto dayOf = [year](const RuleDay& d) -> long {
        const long first = DaysFromCivil({year, 1, 1});
        switch (d.kind) {
        case RuleDay::Kind::JulianNoLeap: {
            const bool leap = DaysInGregorianMonth(2, year) == 29;
            return first + d.day - 1 + (leap && d.day >= 60 ? 1 : 0);  // Feb 29 is never counted
        }
        case RuleDay::Kind::JulianZeroBased: return first + d.day;
        case RuleDay::Kind::MonthWeekDay: break;
        }
        const long monthStart = DaysFromCivil({year, d.month, 1});
        const long weekday = ((monthStart % 7) + 7 + 4) % 7;  // 1970-01-01 was a Thursday; Sunday is 0
        long day = monthStart + (d.day - weekday + 7) % 7 + 7L * (d.week - 1);
        while (day >= monthStart + DaysInGregorianMonth(d.month, year))  // week 5: the last in the month
            day -= 7;
        return day;
    };
    // Each change's time is on the clocks in force before it.
    ZoneStretch begins = rule_.daylight, ends = rule_.standard;
    begins.start = dayOf(rule_.begins) * SecondsPerDay + rule_.begins.seconds - rule_.standard.offsetSeconds;
    ends.start = dayOf(rule_.ends) * SecondsPerDay + rule_.ends.seconds - rule_.daylight.offsetSeconds;
    out.push_back(std::move(begins));
    out.push_back(std::move(ends));
}

namespace {

int YearOf(std::int64_t utc)
{
    utc = std::clamp<std::int64_t>(utc, -62135596800, 253402300799);  // years 1 to 9999
    const std::int64_t days = utc / SecondsPerDay - (utc % SecondsPerDay < 0 ? 1 : 0);
    return CivilFromDays(static_cast<long>(days)).year;
}

}  // namespace

ZoneStretch ZoneHistory::At(std::int64_t utc) const
{
    const auto after = std::upper_bound(listed_.begin() + 1, listed_.end(), utc,
                                        [](std::int64_t t, const ZoneStretch& s) { return t < s.start; });
    ZoneStretch inForce = *(after - 1);
    if (!hasRule_ || after != listed_.end())
        return inForce;
    // Past the listed changes: the rule's last change at or before `utc`.
    // A year's changes fall up to a week and a day either side of it (hours
    // to 167, offsets to a day): its neighbours' may fall in it too.
    std::vector<ZoneStretch> changes;
    const int year = YearOf(utc);
    for (int y = year - 1; y <= year + 1; ++y)
        RuleChangesOf(y, changes);
    // Of two changes at one instant the later in the rule's order holds: a
    // summer time that ends as it begins lasts no time at all, as in the C library.
    std::int64_t latest = RuleFrom();
    bool taken = false;
    for (ZoneStretch& c : changes) {
        if (c.start <= utc && (c.start > latest || (taken && c.start == latest))) {
            latest = c.start;
            inForce = std::move(c);
            taken = true;
        }
    }
    return inForce;
}

std::vector<ZoneStretch> ZoneHistory::ChangesIn(std::int64_t from, std::int64_t to) const
{
    std::vector<ZoneStretch> found;
    auto byStart = [](std::int64_t t, const ZoneStretch& s) { return t < s.start; };
    for (auto it = std::upper_bound(listed_.begin() + 1, listed_.end(), from, byStart);
         it != listed_.end() && it->start <= to; ++it)
        found.push_back(*it);
    const std::int64_t ruleFrom = std::max(from, RuleFrom());
    if (!hasRule_ || to <= ruleFrom)
        return found;
    std::vector<ZoneStretch> changes;
    const int first = YearOf(ruleFrom) - 1, last = std::min(YearOf(to) + 1, first + 10000);  // bound: ten thousand years
    for (int year = first; year <= last; ++year)
        RuleChangesOf(year, changes);
    std::stable_sort(changes.begin(), changes.end(),
                     [](const ZoneStretch& a, const ZoneStretch& b) { return a.start < b.start; });
    ZoneStretch inForce = At(ruleFrom);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        ZoneStretch& c = changes[i];
        const bool overtaken = i + 1 < changes.size() && changes[i + 1].start == c.start;  // as in At
        if (overtaken || c.start <= ruleFrom || c.start > to || c.SameClocks(inForce))
            continue;
        inForce = c;
        found.push_back(std::move(c));
    }
    return found;
}

const std::vector<std::string>& ListedZoneNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> zones;
        const std::string table = ReadFile(ZoneFolder() + "/zone.tab", 1 << 20);
        std::size_t lineStart = 0;
        while (lineStart < table.size()) {
            std::size_t lineEnd = table.find('\n', lineStart);
            if (lineEnd == std::string::npos)
                lineEnd = table.size();
            const std::string_view line(table.data() + lineStart, lineEnd - lineStart);
            lineStart = lineEnd + 1;
            if (line.empty() || line.front() == '#')
                continue;
            // code <tab> coordinates <tab> zone [<tab> comment]
            const std::size_t first = line.find('\t');
            const std::size_t second = first == std::string_view::npos ? first : line.find('\t', first + 1);
            if (second == std::string_view::npos)
                continue;
            const std::string_view zone = line.substr(second + 1, line.find('\t', second + 1) - second - 1);
            if (SafeZoneName(zone))
                zones.emplace_back(zone);
        }
        std::sort(zones.begin(), zones.end());
        zones.erase(std::unique(zones.begin(), zones.end()), zones.end());
        return zones;
    }();
    return names;
}
