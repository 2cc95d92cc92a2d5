#include "core/ReadingFile.h"
#include "files/FileWriting.h"
#include "files/ReadingFileAccess.h"

#include "core/MansionReading.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

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

    // Every name in the folder with its bytes ("<folder>" for a folder).
    std::map<std::string, std::string> Contents() const
    {
        std::map<std::string, std::string> contents;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir_)) {
            std::ifstream in(entry.path(), std::ios::binary);
            contents[entry.path().filename().string()] =
                entry.is_directory() ? "<folder>" : std::string(std::istreambuf_iterator<char>(in), {});
        }
        return contents;
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

    // The name a reading is saved under: ".qmz" added once, never twice.
    const struct {
        const char *chosen, *saved;
    } names[] = {{"reading", "reading.qmz"},         {"reading.", "reading.qmz"},
                 {"reading.qmz", "reading.qmz"},     {"/home/a b/r.qmz", "/home/a b/r.qmz"},
                 {"r.qmz.txt", "r.qmz.txt.qmz"},     {"/tmp/r", "/tmp/r.qmz"}};
    for (const auto& n : names)
        EXPECT_EQ(WithReadingFileExtension(n.chosen), n.saved) << n.chosen;
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
            EXPECT_EQ(reopened.texts.fields, original.texts.fields) << text;
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
    // A whole file within the bound without a line end is its own first line,
    // up to the bound itself.
    EXPECT_EQ(ReadFile(Write("short.qmz", "\x8E\x96")).text, "19");
    const ReadingFileText atLimit = ReadFile(Write("limit.qmz", std::string(ReadingFileLineLimit, '\x8E')));
    EXPECT_EQ(atLimit.status, ReadingFileStatus::Read);
    EXPECT_EQ(atLimit.text, std::string(ReadingFileLineLimit, '1'));
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

// A save that fails says why and leaves the folder as it was: the old file
// whole, and nothing beside it. (What the target may be, and the modes, are
// the tool's and the windows' tables: WriteTargets.h.)
TEST_F(ReadingFileTest, FailedSaveLeavesTheFolderAsItWas)
{
    Write("kept.qmz", "\x8E\x96\r\n");
    const auto before = Contents();

    // The write itself fails half-way: a file-size limit of 4 bytes (EFBIG,
    // its signal ignored while it lasts).
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string problem = WriteFileAtomically((dir_ / "kept.qmz").string(), std::string(64, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(problem, "File too large");
    EXPECT_EQ(Contents(), before);

    // Another program puts a folder where the new file was to go, after the
    // check and before the rename: the rename fails, is said, and the file
    // written beside it goes.
    StagedFile raced((dir_ / "raced.qmz").string(), ReadOnlyFiles::Refuse);
    ASSERT_TRUE(raced.Write("\x8E\x96\r\n"));
    fs::create_directory(dir_ / "raced.qmz");
    EXPECT_EQ(raced.PutInPlace(), "Is a directory");
    auto withFolder = before;
    withFolder["raced.qmz"] = "<folder>";
    EXPECT_EQ(Contents(), withFolder);
}

}  // namespace
