#include "people/CsvReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows ReadAll(const std::string& text, std::vector<std::size_t>* lines = nullptr)
{
    std::istringstream in(text);
    CsvReader reader(in);
    Rows rows;
    std::vector<std::string> fields;
    std::size_t line = 0;
    // A reader that never reaches the end gives up after far more records than any input here holds.
    while (rows.size() < 10000 && reader.Next(fields, line) == CsvReader::Status::Record) {
        rows.push_back(fields);
        if (lines)
            lines->push_back(line);
    }
    return rows;
}

TEST(CsvReaderTest, LineEndings)
{
    const Rows expected{{"a", "b"}, {"c", "d"}};
    EXPECT_EQ(ReadAll("a,b\nc,d\n"), expected);
    EXPECT_EQ(ReadAll("a,b\r\nc,d\r\n"), expected);
    EXPECT_EQ(ReadAll("a,b\rc,d"), expected);
    EXPECT_EQ(ReadAll("a,b\nc,d"), expected);
}

TEST(CsvReaderTest, QuotedFields)
{
    EXPECT_EQ(ReadAll("\"Diana, Princess of Wales\",x\n"), (Rows{{"Diana, Princess of Wales", "x"}}));
    EXPECT_EQ(ReadAll("\"say \"\"hi\"\"\",\"\"\n"), (Rows{{"say \"hi\"", ""}}));
    EXPECT_EQ(ReadAll("\"two\nlines\",y\n"), (Rows{{"two\nlines", "y"}}));
    EXPECT_EQ(ReadAll("a\"b,c\n"), (Rows{{"a\"b", "c"}}));  // a quote inside an unquoted field is a character
}

TEST(CsvReaderTest, EmptyFieldsAndLines)
{
    EXPECT_EQ(ReadAll(",,\n"), (Rows{{"", "", ""}}));
    EXPECT_EQ(ReadAll("\n"), (Rows{{""}}));
    EXPECT_EQ(ReadAll(""), Rows{});
}

TEST(CsvReaderTest, LineNumbersCountPhysicalLines)
{
    std::vector<std::size_t> lines;
    ReadAll("h\n\"a\nb\"\nc\r\n\nd\n", &lines);
    EXPECT_EQ(lines, (std::vector<std::size_t>{1, 2, 4, 5, 6}));
}

TEST(CsvReaderTest, OverlongRecordIsSkippedNotKept)
{
    std::istringstream in(std::string(CsvReader::RecordLimit + 10, ',') + "\nnext,row\n");
    CsvReader reader(in);
    std::vector<std::string> fields;
    std::size_t line = 0;
    EXPECT_EQ(reader.Next(fields, line), CsvReader::Status::TooLong);
    EXPECT_TRUE(fields.empty());
    EXPECT_EQ(reader.Next(fields, line), CsvReader::Status::Record);
    EXPECT_EQ(fields, (std::vector<std::string>{"next", "row"}));
    EXPECT_EQ(line, 2u);
}

// Statuses and fields of every record, for inputs that once lost the
// reader's step.
std::string Trace(const std::string& text)
{
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<std::string> fields;
    std::size_t line = 0;
    std::string trace;
    for (int calls = 0; calls < 10000; ++calls) {  // a reader that never ends is cut short
        const CsvReader::Status status = reader.Next(fields, line);
        trace += std::to_string(line) + ":";
        switch (status) {
        case CsvReader::Status::End: return trace + "end";
        case CsvReader::Status::TooLong: trace += "too long"; break;
        case CsvReader::Status::Unclosed: trace += "unclosed/" + std::to_string(reader.skippedLines()); break;
        case CsvReader::Status::InputError: return trace + "error";
        case CsvReader::Status::Record:
            for (const std::string& field : fields)
                trace += "[" + field + "]";
        }
        trace += " ";
    }
    return trace + "no end";
}

TEST(CsvReaderTest, StaysInStepAfterOverlongAndUnclosedRecords)
{
    const std::string longField(CsvReader::RecordLimit + 1, 'x');
    const std::string replayed(CsvReader::ReplayLimit, 'y');
    const struct {
        std::string input;
        std::string trace;
    } cases[] = {
        // A quoted field after an overlong row is still one field.
        {longField + ",\"a\nINJECTED,b\"\nreal,row\n", "1:too long 3:[real][row] 4:end"},
        {"\"" + longField + "\"\"\n,\"\nnext\n", "1:too long 3:[next] 4:end"},
        // One stray quote loses its own row only.
        {"h\nA,\"x\nB,y\nC,z\n", "1:[h] 2:unclosed/0 3:[B][y] 4:[C][z] 5:end"},
        {"A,\"x\r\nB,y\r\nC,z", "1:unclosed/0 2:[B][y] 3:[C][z] 3:end"},
        {"A,\"x", "1:unclosed/0 1:end"},
        // Beyond what can be read again, the lost lines are counted.
        {"A,\"\n" + replayed + "\nB\nC", "1:unclosed/3 4:end"},
        {"A,\"\nB\n" + replayed + "\n", "1:unclosed/2 4:end"},
        // A byte-order mark before a quoted field; a quote within a field is a character.
        {"\xEF\xBB\xBF\"name\",x\n", "1:[name][x] 2:end"},
        {"a\"b\",\"c\"\"d\"\n", "1:[a\"b\"][c\"d] 2:end"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Trace(c.input), c.trace) << c.input.substr(0, 40);
}

// A stream buffer that gives `good` and then fails, or never ends.
class ScriptedInput : public std::streambuf {
public:
    ScriptedInput(std::string good, bool failAfter) : good_(std::move(good)), failAfter_(failAfter) {}

protected:
    int_type underflow() override
    {
        if (pos_ < good_.size()) {
            chunk_ = good_.substr(pos_, 4096);
            pos_ += chunk_.size();
        } else if (failAfter_) {
            throw std::runtime_error("Input/output error");
        } else {
            chunk_.assign(4096, '\0');  // endless, like /dev/zero
        }
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
        return traits_type::to_int_type(chunk_[0]);
    }

private:
    std::string good_;
    std::string chunk_;
    std::size_t pos_ = 0;
    bool failAfter_;
};

TEST(CsvReaderTest, ReadErrorsAndEndlessInputEndTheRecords)
{
    ScriptedInput failing("a,b\nc,", /*failAfter=*/true);
    std::istream failingIn(&failing);
    CsvReader reader(failingIn);
    std::vector<std::string> fields;
    std::size_t line = 0;
    EXPECT_EQ(reader.Next(fields, line), CsvReader::Status::Record);
    EXPECT_EQ(reader.Next(fields, line), CsvReader::Status::InputError);
    EXPECT_EQ(reader.inputError(), "Input/output error");
    EXPECT_EQ(reader.Next(fields, line), CsvReader::Status::InputError);

    ScriptedInput endless("", /*failAfter=*/false);
    std::istream endlessIn(&endless);
    CsvReader header(endlessIn);
    EXPECT_EQ(header.Next(fields, line, /*stopAtLimit=*/true), CsvReader::Status::TooLong);
}

TEST(CsvReaderTest, WrittenFieldsAreTextNeverFormulas)
{
    const struct {
        std::string value;
        std::string written;
    } cases[] = {
        {"=cmd|' /C calc'!A0", "\"'=cmd|' /C calc'!A0\""},
        {"+1", "\"'+1\""},
        {"-2+3", "\"'-2+3\""},
        {"@SUM(A1)", "\"'@SUM(A1)\""},
        {"\tx", "\"'\tx\""},
        {"\rx", "\"'\rx\""},
        {"=\"a\"", "\"'=\"\"a\"\"\""},
        {"a=b", "a=b"},
        {std::string("a\0b", 3), "a\xEF\xBF\xBD" "b"},
    };
    for (const auto& c : cases) {
        std::string out;
        AppendCsvField(out, c.value);
        EXPECT_EQ(out, c.written) << c.value;
    }
}

TEST(CsvReaderTest, WrittenFieldsAreValidUtf8)
{
    std::string out;
    AppendCsvField(out, "a\xFF\"b");
    EXPECT_EQ(out, "\"a\xEF\xBF\xBD\"\"b\"");
}

TEST(CsvReaderTest, WritesFieldsThatReadBack)
{
    for (const std::string& value : {std::string("plain"), std::string("a,b"), std::string("say \"hi\""),
                                     std::string("two\r\nlines"), std::string()}) {
        std::string line;
        AppendCsvField(line, value);
        line += ',';
        AppendCsvField(line, value);
        const Rows rows = ReadAll(line + "\n");
        ASSERT_EQ(rows.size(), 1u) << value;
        EXPECT_EQ(rows[0], (std::vector<std::string>{value, value}));
    }
}

// Every control byte, alone, inside or at the end of a field, reads back as
// written in one record of two fields; NUL comes back as U+FFFD.
TEST(CsvReaderTest, EveryControlByteReadsBack)
{
    for (int c = 0; c < 0x20; ++c) {
        const std::string byte(1, static_cast<char>(c));
        const std::string kept = c == 0 ? std::string("\xEF\xBF\xBD") : byte;
        for (const std::string& at : {std::string("{}"), std::string("a{}b"), std::string("ab{}")}) {
            const std::string value = at.substr(0, at.find('{')) + byte + at.substr(at.find('}') + 1);
            const std::string back = at.substr(0, at.find('{')) + kept + at.substr(at.find('}') + 1);
            std::string line;
            AppendCsvField(line, value);
            line += ',';
            AppendCsvField(line, "x");
            const Rows rows = ReadAll(line + "\n");
            ASSERT_EQ(rows.size(), 1u) << "byte " << c << " in " << at;
            const std::string quoted = back[0] == '\t' || back[0] == '\r' ? "'" + back : back;  // never a formula
            EXPECT_EQ(rows[0], (std::vector<std::string>{quoted, "x"})) << "byte " << c << " in " << at;
        }
    }
}

}  // namespace
