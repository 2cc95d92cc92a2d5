#include "cli/CsvReader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows ReadAll(const std::string& text, std::vector<std::size_t>* lines = nullptr)
{
    std::istringstream in(text);
    CsvReader reader(in);
    Rows rows;
    std::vector<std::string> fields;
    std::size_t line = 0;
    while (reader.Next(fields, line) == CsvReader::Status::Record) {
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

}  // namespace
