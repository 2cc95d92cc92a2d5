#pragma once

#include "core/MansionRecord.h"

#include <array>
#include <string_view>

// The 28 Arabic lunar mansions and the lookup that fills a mansion record.
namespace modArabicLunarMansionInformation {

// The constant table; row r is mansion r + 1, from 0° of sidereal Aries.
const std::array<MansionRecord, MansionCount>& MansionTable();

// FillCurrentMansion — look up the Latin name in field 0 and copy the other nine texts
// Inputs:  current  field 0 holds the name; compared whole and case-sensitive, untrimmed
// Returns: the row found (0..27), or -1 when no row has that name; then fields
//          1..9 keep what they held
int FillCurrentMansion(MansionRecord& current);

// The texts of mansion `mansion` (1..28); ten empty texts for any other number.
const MansionRecord& MansionRowFor(int mansion);

}  // namespace modArabicLunarMansionInformation
