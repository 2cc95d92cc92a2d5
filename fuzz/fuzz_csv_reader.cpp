// The CSV reader against a second, plain reading of the same bytes: the whole
// input in memory, one index, the format's rules written out one by one.
// Both must give the same records, fields, line numbers and statuses, with
// the limits made small enough for short inputs to reach them.
#include "people/CsvReader.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Record {
    CsvReader::Status status;
    std::size_t line;
    std::vector<std::string> fields;
    std::size_t skipped;
    bool operator==(const Record& o) const
    {
        return status == o.status && line == o.line && fields == o.fields && skipped == o.skipped;
    }
};

// Lines in `text`: its line ends (CR LF counts once), and a last line without one.
std::size_t CountLines(const std::string& text)
{
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    }
    const char last = text.empty() ? '\n' : text.back();
    return lines + (last == '\n' || last == '\r' ? 0 : 1);
}

std::vector<Record> Reference(const std::string& s, std::size_t limit, std::size_t replayLimit)
{
    const std::size_t n = s.size();
    std::vector<Record> out;
    std::size_t i = s.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    std::size_t line = 1;
    auto isEnd = [&](std::size_t k) { return s[k] == '\n' || s[k] == '\r'; };
    auto stepOverEnd = [&](std::size_t k) { return s[k] == '\r' && k + 1 < n && s[k + 1] == '\n' ? k + 2 : k + 1; };
    while (i < n) {
        const std::size_t start = i, startLine = line;
        std::vector<std::string> fields(1);
        bool unclosed = false;
        std::size_t quotePos = 0, quoteLine = 0;
        for (;;) {
            std::string& field = fields.back();
            if (i < n && s[i] == '"') {
                quotePos = i;
                quoteLine = line;
                for (++i;;) {
                    if (i == n) {
                        unclosed = true;
                        break;
                    }
                    const char c = s[i++];
                    if (c == '"' && i < n && s[i] == '"') {
                        field += '"';
                        ++i;
                    } else if (c == '"') {
                        break;
                    } else {
                        if (c == '\n' || (c == '\r' && !(i < n && s[i] == '\n')))
                            ++line;
                        field += c;
                    }
                }
                if (unclosed)
                    break;
            }
            while (i < n && s[i] != ',' && !isEnd(i))
                field += s[i++];
            if (i < n && s[i] == ',') {
                ++i;
                fields.emplace_back();
                continue;
            }
            break;
        }
        if (unclosed) {
            const std::size_t lineEnd = s.find_first_of("\r\n", quotePos + 1);
            const std::string after = lineEnd == std::string::npos ? "" : s.substr(stepOverEnd(lineEnd));
            if (n - (quotePos + 1) > replayLimit) {
                out.push_back({CsvReader::Status::Unclosed, startLine, {}, CountLines(after)});
                break;
            }
            out.push_back({CsvReader::Status::Unclosed, startLine, {}, 0});
            if (lineEnd == std::string::npos)
                break;
            i = stepOverEnd(lineEnd);
            line = quoteLine + 1;
            continue;
        }
        const std::size_t size = i - start;  // the record without its line end
        if (i < n) {
            i = stepOverEnd(i);
            ++line;
        }
        if (size > limit)
            out.push_back({CsvReader::Status::TooLong, startLine, {}, 0});
        else
            out.push_back({CsvReader::Status::Record, startLine, fields, 0});
    }
    return out;
}

std::vector<Record> Read(const std::string& s, std::size_t limit, std::size_t replayLimit)
{
    std::istringstream in(s);
    CsvReader reader(in, limit, replayLimit);
    std::vector<Record> out;
    std::vector<std::string> fields;
    std::size_t line = 0;
    for (;;) {
        const CsvReader::Status status = reader.Next(fields, line);
        if (status == CsvReader::Status::End || status == CsvReader::Status::InputError)
            return out;
        out.push_back({status, line, status == CsvReader::Status::Record ? fields : std::vector<std::string>{},
                       status == CsvReader::Status::Unclosed ? reader.skippedLines() : 0});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& [limit, replayLimit] : {std::pair<std::size_t, std::size_t>{64, 256},
                                             {CsvReader::RecordLimit, CsvReader::ReplayLimit}}) {
        if (Read(bytes, limit, replayLimit) != Reference(bytes, limit, replayLimit))
            std::abort();
    }
    return 0;
}
