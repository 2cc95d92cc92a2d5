#pragma once

#include "mansions/MansionRecord.h"

#include <array>
#include <string_view>

// The 28 Arabic lunar mansions and the lookup that fills a mansion record.
namespace modArabicLunarMansionInformation {

// One row of the table: the ten texts of MansionField order.
using MansionRow = std::array<std::string_view, MansionFieldCount>;

// The constant table; row r is mansion r + 1, from 0° of sidereal Aries.
const std::array<MansionRow, MansionCount>& MansionTable();

// FillCurrentMansion — look up the Latin name in field 0 and copy the other nine texts
// Inputs:  current  field 0 holds the name; compared whole and case-sensitive, untrimmed
// Returns: the row found (0..27), or -1 when no row has that name; then fields
//          1..9 keep what they held
int FillCurrentMansion(MansionRecord& current);

// The record of mansion `mansion` (1..28); an empty record for any other number.
MansionRecord MansionRecordFor(int mansion);

}  // namespace modArabicLunarMansionInformation
