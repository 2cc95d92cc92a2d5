#include "places/ZoneLongNames.h"

#include <algorithm>
#include <iterator>

namespace {

struct Row {
    std::string_view zone, standard, daylight;
};

// Sorted by zone, bytewise.
constexpr Row Rows[] = {
#include "ZoneLongNameRows.inc"
};

}  // namespace

ZoneLongNames LongNamesOf(std::string_view zone)
{
    const auto found = std::lower_bound(std::begin(Rows), std::end(Rows), zone,
                                        [](const Row& row, std::string_view z) { return row.zone < z; });
    if (found == std::end(Rows) || found->zone != zone)
        return {};
    return {found->standard, found->daylight};
}
