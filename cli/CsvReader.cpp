#include "cli/CsvReader.h"

CsvReader::Status CsvReader::Next(std::vector<std::string>& fields, std::size_t& line)
{
    using Traits = std::streambuf::traits_type;
    fields.assign(1, std::string());
    line = line_;
    if (Traits::eq_int_type(in_.sgetc(), Traits::eof()))
        return Status::End;

    std::size_t size = 0;
    bool tooLong = false;
    bool quoted = false;      // inside a quoted field
    bool afterQuote = false;  // a quote seen inside a quoted field: closing or doubled
    for (;;) {
        const Traits::int_type next = in_.sbumpc();
        if (Traits::eq_int_type(next, Traits::eof()))
            break;
        const char c = Traits::to_char_type(next);
        if (++size > RecordLimit)
            tooLong = true;
        if (afterQuote) {
            afterQuote = false;
            if (c == '"') {  // doubled quote stands for one
                if (!tooLong)
                    fields.back() += '"';
                continue;
            }
            quoted = false;  // the quote closed the field; go on as unquoted
        }
        if (quoted) {
            if (c == '"') {
                afterQuote = true;
                continue;
            }
            if (c == '\n' || (c == '\r' && !Traits::eq_int_type(in_.sgetc(), Traits::to_int_type('\n'))))
                ++line_;
        } else if (c == '"' && fields.back().empty()) {
            quoted = true;
            continue;
        } else if (c == ',') {
            if (!tooLong)
                fields.emplace_back();
            continue;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && Traits::eq_int_type(in_.sgetc(), Traits::to_int_type('\n')))
                in_.sbumpc();
            ++line_;
            break;
        }
        if (!tooLong)
            fields.back() += c;
    }
    if (tooLong) {
        fields.clear();
        return Status::TooLong;
    }
    return Status::Record;
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}
