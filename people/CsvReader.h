#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

// CsvReader — streams records from comma-separated text (RFC 4180), or text
//             separated by another character
// Notes: 1) Fields may be quoted; a quoted field may hold commas, doubled quotes
//           and line ends. A quote that does not open a field is an ordinary
//           character. Records end at LF, CR LF or a lone CR. A UTF-8 byte-order
//           mark at the very start of the input is dropped.
//        2) Memory stays flat: one buffer and one record at a time. A record
//           longer than RecordLimit bytes (its line end not counted) is read to its end as the format
//           defines it (quotes included, so the reader stays in step) and
//           reported as too long.
//        3) A quoted field still open at the end of the input is reported as
//           unclosed, and the text after the line where it opened is read again
//           as records of its own, so that one stray quote loses one row. The
//           bytes for that are kept up to ReplayLimit; beyond it the rest of the
//           input is lost and skippedLines() says how many lines.
//        4) A read error of the input (the stream buffer throws) ends the
//           records with InputError; inputError() says why.
class CsvReader {
public:
    static constexpr std::size_t RecordLimit = 64 * 1024;
    static constexpr std::size_t ReplayLimit = 16 * 1024 * 1024;

    enum class Status { Record, TooLong, Unclosed, InputError, End };

    // The limits can be made smaller for tests that reach them with little data.
    explicit CsvReader(std::istream& in, std::size_t recordLimit = RecordLimit, std::size_t replayLimit = ReplayLimit)
        : in_(*in.rdbuf()), buffer_(BufferSize), recordLimit_(recordLimit), replayLimit_(replayLimit)
    {
    }

    // Reads the next record into `fields` (their storage is reused from record
    // to record). `line` is the 1-based line where the record starts. With
    // `stopAtLimit`, a record is given up as TooLong as soon as it passes the
    // limit, without reading on (for a header, where nothing can follow).
    Status Next(std::vector<std::string>& fields, std::size_t& line, bool stopAtLimit = false);

    // The character between fields from the next record on: ',' unless set
    // (';' for the CSV of spreadsheets whose decimal mark is a comma).
    void SetSeparator(char separator) { separator_ = separator; }

    // After Unclosed: the lines that could not be read again (0 when all were).
    std::size_t skippedLines() const { return skippedLines_; }
    // After InputError: the system's reason.
    const std::string& inputError() const { return inputError_; }

private:
    static constexpr std::size_t BufferSize = 64 * 1024;

    bool Fill();  // refills an exhausted buffer; false at the end of the input or on an error
    Status EndOfInputInQuotes(std::vector<std::string>& fields);

    std::streambuf& in_;
    std::vector<char> buffer_;
    std::size_t recordLimit_;
    std::size_t replayLimit_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::size_t line_ = 1;
    char separator_ = ',';
    bool started_ = false;  // the first bytes were looked at (byte-order mark)
    bool ended_ = false;    // the input said it ended, or failed: it is not read again

    // The raw bytes of the quoted field being read, from its opening quote on,
    // to read again after it if it never closes.
    std::string replay_;
    bool replayComplete_ = true;
    std::size_t quoteLine_ = 0;
    bool quotedLineEnd_ = false;  // the last byte read in quotes ended a line
    std::size_t skippedLines_ = 0;
    std::string inputError_;
};

// Appends a field for CSV output: valid UTF-8 without NUL bytes, quoted when it
// holds a comma, a quote or a line end. A field that a spreadsheet would take
// for a formula (it begins with =, +, -, @, TAB or CR) is quoted and begins
// with an apostrophe, so it is shown as text and never run.
void AppendCsvField(std::string& out, std::string_view text);
