#pragma once

#include "base/UniqueFd.h"
#include "cli/CsvReader.h"
#include "cli/FdStreams.h"
#include "cli/PlaceResults.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

// The headers of a batch file: births with their coordinates and zone, or
// births at places of the place list.
constexpr const char* BatchHeader = "name,date,time,longitude,latitude,zone,dst";
constexpr const char* BatchPlaceHeader = "name,date,time,place";

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
    PlaceBirth birth;      // the birth, and its place when the row named one (birth.ok)
};

// BatchInput — the one reading of a batch file, for --batch and --import-people
// Notes: opens `path` ("-": `stdIn`) and reads its header: a CSV header of
//        BatchHeader or BatchPlaceHeader, or the same separated by semicolons
//        (as spreadsheets set to German or French save CSV; the rows are then
//        read with semicolons). Each row is checked as the tool's options
//        are (ParseBirth, ResolvePlaceBirth); a blank line is skipped.
class BatchInput {
public:
    BatchInput(const std::string& path, std::istream& stdIn);
    BatchInput(const BatchInput&) = delete;
    BatchInput& operator=(const BatchInput&) = delete;

    // Whether the input was opened and its header read; else a refusal in error().
    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    // The input's name in messages: the path, or "standard input".
    const std::string& inputName() const { return input_; }

    BatchRow Next();

private:
    std::string input_;
    std::string error_;
    UniqueFd fd_;
    std::optional<FdInBuf> fileBuffer_;
    std::istream file_{nullptr};
    std::optional<CsvReader> reader_;
    std::vector<std::string> fields_;
    bool byPlace_ = false;
};
