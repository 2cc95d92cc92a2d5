#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

// CsvReader — streams records from comma-separated text (RFC 4180)
// Notes: 1) Fields may be quoted; a quoted field may hold commas, doubled quotes
//           and line ends. A quote inside an unquoted field is an ordinary
//           character. Records end at LF, CR LF or a lone CR.
//        2) Memory stays flat: one buffer and one record at a time, and a record
//           longer than RecordLimit bytes is consumed but reported as too long.
class CsvReader {
public:
    static constexpr std::size_t RecordLimit = 64 * 1024;

    enum class Status { Record, TooLong, End };

    explicit CsvReader(std::istream& in) : in_(*in.rdbuf()), buffer_(BufferSize) {}

    // Reads the next record into `fields` (their storage is reused from record
    // to record). `line` is the 1-based line where the record starts.
    Status Next(std::vector<std::string>& fields, std::size_t& line);

private:
    static constexpr std::size_t BufferSize = 64 * 1024;

    bool Fill();  // refills an exhausted buffer; false at the end of the input

    std::streambuf& in_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::size_t line_ = 1;
};

// Appends a field for CSV output: valid UTF-8, quoted when it holds a comma, a
// quote or a line end.
void AppendCsvField(std::string& out, std::string_view text);
