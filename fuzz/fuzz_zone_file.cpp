// A zone file's bytes, as the time-zone database's folder could hold them:
// read whole or refused, and what is read keeps its promises. The stretch in
// force at a change is that change; the changes of a span rise, each changes
// the clocks, and the span's end is as far as the rule is followed.
#include "places/ZoneHistory.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto history = ZoneHistory::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!history)
        return 0;
    constexpr std::int64_t Year = 366 * 86400;
    for (const std::int64_t from : {std::int64_t{-3} * 1000000000, std::int64_t{0}, std::int64_t{2100000000}}) {
        const std::vector<ZoneStretch> changes = history->ChangesIn(from, from + 3 * Year);
        ZoneStretch before = history->At(from);
        for (const ZoneStretch& c : changes) {
            if (c.start <= from || c.start > from + 3 * Year || c.SameClocks(before) || !history->At(c.start).SameClocks(c))
                std::abort();
            before = c;
        }
    }
    return 0;
}
