#include "cli/CsvReader.h"

#include "cli/Utf8Text.h"

bool CsvReader::Fill()
{
    if (pos_ < end_)
        return true;
    const std::streamsize got = in_.sgetn(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    pos_ = 0;
    end_ = got > 0 ? static_cast<std::size_t>(got) : 0;
    return end_ > 0;
}

CsvReader::Status CsvReader::Next(std::vector<std::string>& fields, std::size_t& line)
{
    line = line_;
    if (!Fill()) {
        fields.clear();
        return Status::End;
    }

    // The strings of the previous record are emptied, not freed, so that a
    // stream of records of the same shape allocates nothing.
    std::size_t count = 0;
    auto startField = [&]() {
        if (++count > fields.size())
            fields.emplace_back();
        fields[count - 1].clear();
    };
    std::size_t size = 0;
    bool tooLong = false;
    auto append = [&](const char* text, std::size_t n) {
        size += n;
        if (size > RecordLimit)
            tooLong = true;
        if (!tooLong)
            fields[count - 1].append(text, n);
    };
    startField();

    bool quoted = false;      // inside a quoted field
    bool afterQuote = false;  // a quote seen inside a quoted field: closing or doubled
    const char* const data = buffer_.data();
    while (Fill()) {
        if (!quoted) {
            // Ordinary characters in one run, up to a separator or a line end.
            const char* p = data + pos_;
            if (*p == '"' && fields[count - 1].empty()) {
                quoted = true;
                ++pos_;
                ++size;
                continue;
            }
            const char* q = p;
            const char* const e = data + end_;
            while (q < e && *q != ',' && *q != '\n' && *q != '\r')
                ++q;
            append(p, static_cast<std::size_t>(q - p));
            pos_ = static_cast<std::size_t>(q - data);
            if (q == e)
                continue;
            ++pos_;
            ++size;
            if (*q == ',') {
                if (!tooLong)
                    startField();
                continue;
            }
            if (*q == '\r' && Fill() && data[pos_] == '\n')
                ++pos_;
            ++line_;
            break;
        }

        const char c = data[pos_++];
        if (afterQuote) {
            afterQuote = false;
            if (c != '"') {  // the quote closed the field: read on as unquoted
                quoted = false;
                --pos_;
                continue;
            }
            append(&c, 1);  // a doubled quote stands for one
            continue;
        }
        if (c == '"') {
            afterQuote = true;
            ++size;
            continue;
        }
        if (c == '\n' || (c == '\r' && !(Fill() && data[pos_] == '\n')))
            ++line_;
        append(&c, 1);
    }

    if (tooLong) {
        fields.clear();
        return Status::TooLong;
    }
    fields.resize(count);
    return Status::Record;
}

void AppendCsvField(std::string& out, std::string_view text)
{
    bool plain = true;
    for (const char c : text)
        plain = plain && c != ',' && c != '"' && c != '\r' && c != '\n';
    if (plain) {
        AppendSanitizedUtf8(out, text);
        return;
    }
    out += '"';
    for (std::size_t start = 0;;) {
        const std::size_t quote = text.find('"', start);
        AppendSanitizedUtf8(out, text.substr(start, quote == std::string_view::npos ? quote : quote - start + 1));
        if (quote == std::string_view::npos)
            break;
        out += '"';  // a quote is written twice
        start = quote + 1;
    }
    out += '"';
}
