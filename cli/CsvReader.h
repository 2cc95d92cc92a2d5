#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

// CsvReader — streams records from comma-separated text (RFC 4180)
// Notes: 1) Fields may be quoted; a quoted field may hold commas, doubled quotes
//           and line ends. Records end at LF, CR LF or a lone CR.
//        2) Memory stays flat: one record at a time, and a record longer than
//           RecordLimit bytes is consumed but reported as too long.
class CsvReader {
public:
    static constexpr std::size_t RecordLimit = 64 * 1024;

    enum class Status { Record, TooLong, End };

    explicit CsvReader(std::istream& in) : in_(*in.rdbuf()) {}

    // Reads the next record into `fields`. `line` is the 1-based line where it starts.
    Status Next(std::vector<std::string>& fields, std::size_t& line);

private:
    std::streambuf& in_;
    std::size_t line_ = 1;
};

// A field written for CSV output: quoted when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text);
