#include "core/ReadingFile.h"
#include "files/ReadingFileAccess.h"

#include "core/MansionReading.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

const std::string Deg = "\xC2\xB0";

ReadingFileText ReadFile(const fs::path& path)
{
    return ReadReadingFile(path.string());
}

class ReadingFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("qamarel-reading-file-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(dir_, fs::perms::owner_all, ignored);
        fs::remove_all(dir_, ignored);
    }

    fs::path Write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path dir_;
};

TEST_F(ReadingFileTest, BytesOfAReading)
{
    const std::string text = "19" + Deg + " 27' 45\" Lib";
    const std::optional<std::string> bytes = ReadingFileBytes(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, "\x8E\x96\x7D\x8F\x94\x84\x7D\x91\x92\x7F\x7D\xA9\xC6\xBF\r\n");
    // Two bytes longer than the text without its degree sign; CR LF only at the end.
    EXPECT_EQ(bytes->size(), std::string("19 27' 45\" Lib").size() + 2);
    EXPECT_EQ(bytes->find_first_of("\r\n"), bytes->size() - 2);
}

TEST_F(ReadingFileTest, NamesThatAreOnlyAFolder)
{
    const struct {
        const char* path;
        bool folder;
    } cases[] = {{"", true},      {".", true},        {"..", true},     {"dir/", true},   {"/", true},
                 {"dir/.", true}, {"dir/..", true},   {"a", false},     {".a", false},    {"..a", false},
                 {"dir/a", false}, {"dir/.qmz", false}, {"a.", false}, {"/x/y..", false}};
    for (const auto& c : cases)
        EXPECT_EQ(NamesOnlyAFolder(c.path), c.folder) << '"' << c.path << '"';
}

TEST_F(ReadingFileTest, ExtensionIsLowerCaseQmz)
{
    EXPECT_TRUE(HasReadingFileExtension("/home/a/reading.qmz"));
    EXPECT_TRUE(HasReadingFileExtension("qmz"));
    EXPECT_FALSE(HasReadingFileExtension("reading.QMZ"));
    EXPECT_FALSE(HasReadingFileExtension("reading.qmz.txt"));
    EXPECT_FALSE(HasReadingFileExtension("mz"));
}

TEST_F(ReadingFileTest, RefusesTextTheFileCannotHold)
{
    EXPECT_FALSE(ReadingFileBytes("19\xE2\x80\xB2 27' 45\" Lib").has_value());  // prime sign
    EXPECT_FALSE(ReadingFileBytes("\xFF").has_value());
}

TEST_F(ReadingFileTest, FirstLineOnly)
{
    const std::string line = "\x8E\x96\x7D\x8F\x94\x84\x7D\x91\x92\x7F\x7D\xA9\xC6\xBF";
    for (const std::string& ending : {std::string("\r\n"), std::string("\n"), std::string("\r"),
                                      std::string("\r\nsecond line\r\n"), std::string()})
        EXPECT_EQ(DecodeReadingFileLine(line + ending), "19 27' 45\" Lib") << ending.size();
    EXPECT_EQ(DecodeReadingFileLine("\r\n\x8E"), "");
}

// Saving, opening and saving again: same mansion, byte-identical file, for
// every degree of every sign.
TEST_F(ReadingFileTest, SaveOpenSaveKeepsReadingAndBytes)
{
    const char* signs[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    for (const char* sign : signs)
        for (int d = 0; d < 30; ++d) {
            const std::string text = std::to_string(d) + Deg + " " + std::to_string((d * 7) % 60) + "' " +
                                     std::to_string((d * 13) % 60) + "\" " + sign;
            const std::string saved = ReadingFileBytes(text).value();
            const fs::path path = Write("r.qmz", saved);
            const ReadingFileText opened = ReadFile(path);
            ASSERT_EQ(opened.status, ReadingFileStatus::Read) << text;
            const MansionReading original = ReadingForPositionText(text);
            const MansionReading reopened = ReadingForPositionText(opened.text);
            ASSERT_EQ(reopened.status, PositionTextStatus::WellFormed) << text;
            EXPECT_EQ(reopened.mansion, original.mansion) << text;
            EXPECT_EQ(reopened.texts, original.texts) << text;
            EXPECT_EQ(ReadingFileBytes(opened.text).value(), saved) << text;
        }
}

// Names up to the file system's longest (255 bytes) are written whole, in
// place, with nothing left beside them; so are names of two-byte characters.
TEST_F(ReadingFileTest, LongestNamesAreWritten)
{
    const std::string arabic = "\xD9\x82";  // one letter, two bytes
    std::string wide;
    while (wide.size() < 246)
        wide += arabic;
    for (const std::string& name : {std::string(242, 'a') + ".qmz", std::string(246, 'b') + ".qmz",
                                    std::string(251, 'c') + ".qmz", wide + ".qmz"}) {
        SCOPED_TRACE(name.size());
        const fs::path path = dir_ / name;
        ASSERT_EQ(WriteFileAtomically(path.string(), "first\r\n"), "");
        ASSERT_EQ(WriteFileAtomically(path.string(), "second\r\n"), "");  // in place of the first
        std::ifstream in(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(bytes, "second\r\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
        fs::remove(path);
    }
}

TEST_F(ReadingFileTest, ReadsOnlyABoundedFirstLine)
{
    // A first line within the bound, then megabytes more: only the line counts.
    const fs::path big = Write("big.qmz", "\x8E\x96\r\n" + std::string(4 << 20, 'x'));
    const ReadingFileText read = ReadFile(big);
    EXPECT_EQ(read.status, ReadingFileStatus::Read);
    EXPECT_EQ(read.text, "19");

    // No line end within the bound: not a reading, whatever follows.
    EXPECT_EQ(ReadFile(Write("long.qmz", std::string(ReadingFileLineLimit + 1, '\x8E'))).status,
              ReadingFileStatus::LineTooLong);
    // A whole file within the bound without a line end is its own first line.
    EXPECT_EQ(ReadFile(Write("short.qmz", "\x8E\x96")).text, "19");
}

TEST_F(ReadingFileTest, EmptyFilesGiveEmptyText)
{
    for (const char* bytes : {"", "\r\n", "\n\x8E\x96\r\n"}) {
        const ReadingFileText read = ReadFile(Write("empty.qmz", bytes));
        EXPECT_EQ(read.status, ReadingFileStatus::Read);
        EXPECT_EQ(read.text, "");
    }
}

TEST_F(ReadingFileTest, WhatIsNotAFileIsRefusedWithoutBlocking)
{
    EXPECT_EQ(ReadFile(dir_ / "missing.qmz").status, ReadingFileStatus::NotAFile);
    fs::create_directory(dir_ / "folder.qmz");
    EXPECT_EQ(ReadFile(dir_ / "folder.qmz").status, ReadingFileStatus::NotAFile);
    const fs::path fifo = dir_ / "fifo.qmz";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadFile(fifo).status, ReadingFileStatus::NotAFile);
}

TEST_F(ReadingFileTest, UnreadableFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads files whatever their permissions";
    const fs::path path = Write("locked.qmz", "\x8E\x96\r\n");
    fs::permissions(path, fs::perms::none);
    EXPECT_EQ(ReadFile(path).status, ReadingFileStatus::CannotRead);
}

}  // namespace
