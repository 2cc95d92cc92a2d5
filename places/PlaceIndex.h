#pragma once

#include "base/PagedFile.h"
#include "places/PlaceIndexFormat.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

// The place index (PlaceIndexFormat.h), read a page at a time as a search
// uses it: what the search reads instead of libgeonames and its catalogues.
struct PlaceIndex {
    template <typename Record>
    struct Records {
        const PagedFile* file = nullptr;
        std::uint64_t offset = 0;  // of the first record, in bytes from the file's start
        std::size_t count = 0;
        // The records [from, from + n), read; for a walk over them by pointer.
        // The caller keeps within `count`; null for an index not opened.
        const Record* Span(std::size_t from, std::size_t n) const
        {
            return file ? reinterpret_cast<const Record*>(file->Read(offset + from * sizeof(Record), n * sizeof(Record)))
                        : nullptr;
        }
        const Record& operator[](std::size_t i) const { return *Span(i, 1); }
    };
    Records<PlaceIndexFormat::PlaceRecord> places;
    Records<PlaceIndexFormat::NameRecord> placeNames, stateNames, countryNames;
    Records<PlaceIndexFormat::WordRecord> placeWords, stateWords, countryWords;
    Records<PlaceIndexFormat::Prefix> placeFence, stateFence, countryFence;
    Records<PlaceIndexFormat::StateRecord> states;
    Records<PlaceIndexFormat::CountryRecord> countries;
    Records<char16_t> pool;
    std::uint64_t fingerprint = 0;
    std::shared_ptr<const PagedFile> file;  // the records read from it

    // A text of the pool; empty for one that does not lie in it.
    std::u16string_view View(PlaceIndexFormat::Text t) const
    {
        return t.at <= pool.count && t.size <= pool.count - t.at ? std::u16string_view(pool.Span(t.at, t.size), t.size)
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

// OpenPlaceIndex — the index at `path`, opened and its header and sections checked
// Returns: false with `problem` set (one line, naming the file) when it is
//          missing, not a place index, of another format or byte order, or
//          shorter or longer than its header says, or a section lies outside it
bool OpenPlaceIndex(const QString& path, PlaceIndex& index, QString& problem);

// ThePlaceIndex — the index at PlaceIndexPath(), opened at the first call and
// kept; `problem` is empty when it opened.
const PlaceIndex& ThePlaceIndex(QString& problem);
