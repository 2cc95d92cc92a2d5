#include "people/CsvReader.h"

#include "base/Utf8Text.h"

#include <algorithm>
#include <exception>

bool CsvReader::Fill()
{
    while (pos_ >= end_) {
        if (ended_)
            return false;
        std::streamsize got = 0;
        try {
            // One refill of the stream's own buffer at a time, then what it holds:
            // a read error can then never take with it bytes already read.
            if (!std::streambuf::traits_type::eq_int_type(in_.sgetc(), std::streambuf::traits_type::eof())) {
                const std::streamsize available = std::max<std::streamsize>(in_.in_avail(), 1);
                got = in_.sgetn(buffer_.data(), std::min(available, static_cast<std::streamsize>(buffer_.size())));
            }
        } catch (const std::exception& error) {
            inputError_ = error.what();
        } catch (...) {
            inputError_ = "unknown read error";
        }
        pos_ = 0;
        end_ = got > 0 ? static_cast<std::size_t>(got) : 0;
        if (!inputError_.empty())
            end_ = 0;
        if (end_ == 0) {
            ended_ = true;  // a terminal's end of input is not asked for twice
            return false;
        }
        if (!started_) {
            started_ = true;
            if (end_ >= 3 && buffer_[0] == '\xEF' && buffer_[1] == '\xBB' && buffer_[2] == '\xBF')
                pos_ = 3;  // byte-order mark written by some spreadsheets
        }
    }
    return true;
}

CsvReader::Status CsvReader::EndOfInputInQuotes(std::vector<std::string>& fields)
{
    fields.clear();
    skippedLines_ = 0;
    if (!replayComplete_) {
        // The lines that began after the quote's line; the line counter already
        // stands on the next one when the input ended with a line end.
        skippedLines_ = line_ - quoteLine_ - (quotedLineEnd_ ? 1 : 0);
        return Status::Unclosed;
    }
    // Read again what followed the line where the quote opened.
    const std::size_t lineEnd = replay_.find_first_of("\r\n");
    if (lineEnd == std::string::npos)
        return Status::Unclosed;  // it opened on the last line: nothing follows
    std::size_t start = lineEnd + 1;
    if (replay_[lineEnd] == '\r' && start < replay_.size() && replay_[start] == '\n')
        ++start;
    buffer_.assign(replay_.begin() + static_cast<std::ptrdiff_t>(start), replay_.end());
    replay_.clear();
    pos_ = 0;
    end_ = buffer_.size();
    line_ = quoteLine_ + 1;
    return Status::Unclosed;
}

CsvReader::Status CsvReader::Next(std::vector<std::string>& fields, std::size_t& line, bool stopAtLimit)
{
    line = line_;
    if (!Fill()) {
        fields.clear();
        return inputError_.empty() ? Status::End : Status::InputError;
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
        if (size > recordLimit_)
            tooLong = true;
        if (!tooLong)
            fields[count - 1].append(text, n);
    };
    auto keep = [&](const char* text, std::size_t n) {  // raw bytes of an open quoted field
        if (!replayComplete_)
            return;
        if (replay_.size() + n > replayLimit_) {
            replayComplete_ = false;
            std::string().swap(replay_);
            return;
        }
        replay_.append(text, n);
    };
    startField();

    // Where the reader is: FieldStart decides between a quoted and an unquoted
    // field, so that what opens a field never depends on what was kept of it.
    enum class State { FieldStart, Unquoted, Quoted, QuoteSeen } state = State::FieldStart;
    for (;;) {
        if (!Fill()) {
            if (!inputError_.empty()) {
                fields.clear();
                return Status::InputError;
            }
            if (state == State::Quoted)
                return EndOfInputInQuotes(fields);
            break;  // the last record ends with the input
        }
        if (tooLong && stopAtLimit) {
            fields.clear();
            return Status::TooLong;
        }
        const char* const data = buffer_.data();
        const char* const p = data + pos_;
        const char* const e = data + end_;
        switch (state) {
        case State::FieldStart:
            if (*p == '"') {
                ++pos_;
                ++size;
                state = State::Quoted;
                quoteLine_ = line_;
                replay_.clear();
                replayComplete_ = true;
                continue;
            }
            state = State::Unquoted;
            [[fallthrough]];
        case State::Unquoted: {
            // Ordinary characters in one run, up to a separator or a line end.
            const char* q = p;
            while (q < e && *q != separator_ && *q != '\n' && *q != '\r')
                ++q;
            append(p, static_cast<std::size_t>(q - p));
            pos_ = static_cast<std::size_t>(q - data);
            if (q == e)
                continue;
            ++pos_;
            if (*q == separator_) {
                ++size;
                if (!tooLong)
                    startField();
                state = State::FieldStart;
                continue;
            }
            if (*q == '\r' && Fill() && buffer_[pos_] == '\n')
                ++pos_;
            ++line_;
            break;
        }
        case State::Quoted: {
            const char* q = p;
            while (q < e && *q != '"' && *q != '\n' && *q != '\r')
                ++q;
            append(p, static_cast<std::size_t>(q - p));
            keep(p, static_cast<std::size_t>(q - p) + (q < e ? 1 : 0));
            pos_ = static_cast<std::size_t>(q - data);
            if (q > p)
                quotedLineEnd_ = false;
            if (q == e)
                continue;
            ++pos_;
            quotedLineEnd_ = *q != '"';
            if (*q == '"') {
                ++size;
                state = State::QuoteSeen;
                continue;
            }
            append(q, 1);  // a line end inside quotes belongs to the field
            if (*q == '\n' || !(Fill() && buffer_[pos_] == '\n'))
                ++line_;
            continue;
        }
        case State::QuoteSeen:
            if (*p == '"') {  // a doubled quote stands for one
                keep(p, 1);
                ++pos_;
                append(p, 1);
                quotedLineEnd_ = false;
                state = State::Quoted;
            } else {  // the quote closed the field: read on as unquoted
                state = State::Unquoted;
            }
            continue;
        }
        break;  // a line end outside quotes ended the record
    }

    if (tooLong || size > recordLimit_) {  // a closing quote may be the byte too many
        fields.clear();
        return Status::TooLong;
    }
    fields.resize(count);
    return Status::Record;
}

void AppendCsvField(std::string& out, std::string_view text)
{
    const bool formula = !text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '-' || text[0] == '@' ||
                                           text[0] == '\t' || text[0] == '\r');
    bool plain = !formula;
    for (const char c : text)
        plain = plain && c != ',' && c != '"' && c != '\r' && c != '\n';
    if (plain) {
        AppendCsvText(out, text);
        return;
    }
    out += '"';
    if (formula)
        out += '\'';
    for (std::size_t start = 0;;) {
        const std::size_t quote = text.find('"', start);
        AppendCsvText(out, text.substr(start, quote == std::string_view::npos ? quote : quote - start + 1));
        if (quote == std::string_view::npos)
            break;
        out += '"';  // a quote is written twice
        start = quote + 1;
    }
    out += '"';
}
