#pragma once

#include "base/MappedFile.h"
#include "places/PlaceIndexFormat.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string_view>

// The place index (PlaceIndexFormat.h) mapped read-only: what the search
// reads instead of libgeonames and its catalogues.
struct PlaceIndex {
    template <typename Record>
    struct Records {
        const Record* data = nullptr;
        std::size_t count = 0;
        const Record* begin() const { return data; }
        const Record* end() const { return data + count; }
        const Record& operator[](std::size_t i) const { return data[i]; }
    };
    Records<PlaceIndexFormat::PlaceRecord> places;
    Records<PlaceIndexFormat::NameRecord> placeNames, stateNames, countryNames;
    Records<PlaceIndexFormat::WordRecord> placeWords, stateWords, countryWords;
    Records<PlaceIndexFormat::Prefix> placeFence, stateFence, countryFence;
    Records<PlaceIndexFormat::StateRecord> states;
    Records<PlaceIndexFormat::CountryRecord> countries;
    Records<char16_t> pool;
    std::uint64_t fingerprint = 0;
    MappedFile file;  // the records point into it

    // A text of the pool; empty for one that does not lie in it.
    std::u16string_view View(PlaceIndexFormat::Text t) const
    {
        return t.at <= pool.count && t.size <= pool.count - t.at ? std::u16string_view(pool.data + t.at, t.size)
                                                                 : std::u16string_view();
    }
    QString Qt(PlaceIndexFormat::Text t) const
    {
        const std::u16string_view v = View(t);
        return QString(reinterpret_cast<const QChar*>(v.data()), static_cast<qsizetype>(v.size()));
    }
};

// PlaceIndexPath — where the index is: $QAMAREL_PLACE_INDEX when set (the
// tests' way to give a damaged one), else share/qamarel/places.index beside
// the executable's folder, as installed and as in the build tree.
QString PlaceIndexPath();

// OpenPlaceIndex — the index at `path`, mapped and checked
// Returns: false with `problem` set (one line, naming the file) when it is
//          missing, not a place index, of another format or byte order, or
//          shorter or longer than its header says, or a section lies outside it
bool OpenPlaceIndex(const QString& path, PlaceIndex& index, QString& problem);

// ThePlaceIndex — the index at PlaceIndexPath(), opened at the first call and
// kept; `problem` is empty when it opened.
const PlaceIndex& ThePlaceIndex(QString& problem);
