#pragma once

#include "core/BirthMoment.h"
#include "people/CsvReader.h"

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

// The headers of a batch file: births with their coordinates and zone, or
// births at places of the place list; and the people book's export, births
// with their coordinates and zone and the rest of an entry: the place's name,
// state and country, its IANA zone and the note (each may be empty).
constexpr const char* BatchHeader = "name,date,time,longitude,latitude,zone,dst";
constexpr const char* BatchPlaceHeader = "name,date,time,place";
constexpr const char* PeopleHeader = "name,date,time,longitude,latitude,zone,dst,place,state,country,timezone,note";

// A birth place given by name, resolved as the program's place finder does:
// the best match of the offline place list, its coordinates to the nearest
// arc-minute, and its time zone's clocks, with the offset at the birth date
// and time in the chart.
struct PlaceBirth {
    bool ok = false;
    std::string error;   // one line, when !ok
    BirthMoment moment;  // the chart, the place, its clocks and the zone in words, when ok
    bool summerTime = false;  // the database's summer time at the birth
    std::string localTime;    // "normal", "skipped" or "repeated": the birth's clock time there
};

// What resolves a row's place ("City[, State][, Country]") at its date and time.
using PlaceResolver = std::function<PlaceBirth(const std::string& place, const std::string& date, const std::string& time)>;

// One row of a batch: a birth, or the problem that row has.
struct BatchRow {
    enum class Kind {
        Birth,       // birth.moment is the row's birth; birth.ok with a place from the list
        Problem,     // error says what is wrong with this row; the next rows are read on
        InputError,  // the input could not be read on: error says why; no row follows
        End,
    };
    Kind kind = Kind::End;
    std::size_t line = 0;  // the row's first line, 1-based
    std::string name;      // its first field ("" when it could not be read)
    std::string error;
    PlaceBirth birth;      // the birth, and its place when the row named one (birth.ok) or the
                           // people book's export gave one (birth.moment.where.place, !birth.ok)
    std::string note;      // the people book's export: the entry's note
};

// BatchRows — the one reading of the batch format, for the tool's --batch and
// --import-people and the People window's import
// Notes: reads the header of `in`: a CSV header of BatchHeader,
//        BatchPlaceHeader or PeopleHeader, or the same separated by semicolons (as
//        spreadsheets set to German or French save CSV; the rows are then
//        read with semicolons). Each row is checked as the tool's options
//        are (ParseBirth; a place by `places`); a blank line is skipped.
//        `inputName` names the input in messages.
class BatchRows {
public:
    BatchRows(std::istream& in, std::string inputName, PlaceResolver places);
    BatchRows(const BatchRows&) = delete;
    BatchRows& operator=(const BatchRows&) = delete;

    // Whether the header was read; else a refusal in error().
    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    BatchRow Next();

private:
    std::string input_;
    std::string error_;
    PlaceResolver places_;
    std::optional<CsvReader> reader_;
    std::vector<std::string> fields_;
    std::size_t fieldCount_ = 0;  // of the header read
};
