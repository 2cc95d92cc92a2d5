#pragma once

#include <QString>

#include <cstdint>

// The few facts about places that the offline list does not carry: the codes
// and short forms people type for countries and states, well-known former and
// English names, and which places are capitals and seats of states. The
// sources are named beside each table in PlaceNameTable.cpp.
namespace PlaceNameTable {

// The ISO 3166 alpha-2 code of a country typed as its alpha-3 code ("deu") or
// a common short form ("uk", "usa", "uae"); empty for anything else. `key` is a
// search key: letter case folded, dots dropped.
QString CountryCodeFor(const QString& key);

// A state typed by its postal abbreviation where the list's own admin code is
// a number (Canada "on", Australia "nsw"): the country and the GeoNames admin
// code it stands for. US states need none: their admin codes are the postal ones.
struct StateAbbreviation {
    const char* key;
    const char* countryCode;
    const char* adminCode;
};
const StateAbbreviation* StateAbbreviations(std::size_t& count);

// A former or English name of a place of the list, by its GeoNames id.
struct OtherName {
    std::uint32_t id;
    const char* name;
};
const OtherName* OtherNames(std::size_t& count);

bool IsCapital(std::uint32_t id);     // a country's seat of government
std::size_t CapitalCount();           // the capitals the table names
bool IsStateSeat(std::uint32_t id);   // the seat of a US state, a Canadian province or an Australian state

}  // namespace PlaceNameTable
