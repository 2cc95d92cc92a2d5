// A file read a page at a time as it is used: the bytes asked for are the
// file's, each page read once at its first use and never before, ranges
// outside the file refused, a file cut short read as zeros.
#include "base/PagedFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

class PagedFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string folder = (std::getenv("TMPDIR") ? std::string(std::getenv("TMPDIR")) : "/tmp") + "/pagedXXXXXX";
        ASSERT_NE(::mkdtemp(folder.data()), nullptr);
        folder_ = folder;
        path_ = folder_ + "/data";
        page_ = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
        for (std::uint64_t i = 0; i < 5 * page_ + 123; ++i)
            bytes_ += static_cast<char>((i * 7919 + i / 251) & 0xff);
        Write(bytes_);
    }
    void TearDown() override
    {
        std::remove(path_.c_str());
        ::rmdir(folder_.c_str());
    }
    void Write(const std::string& bytes) const { std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes; }
    std::string Got(const PagedFile& file, std::uint64_t at, std::uint64_t n) const
    {
        const unsigned char* p = file.Read(at, n);
        return p ? std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(n)) : std::string("(null)");
    }

    std::string folder_, path_, bytes_;
    std::uint64_t page_ = 4096;
};

TEST_F(PagedFileTest, GivesTheFilesBytesAndRefusesRangesOutsideIt)
{
    PagedFile file;
    std::string problem;
    ASSERT_TRUE(file.Open(path_, problem)) << problem;
    const std::uint64_t size = bytes_.size();
    EXPECT_EQ(file.size(), size);
    const struct {
        std::uint64_t at, n;
    } inside[] = {{0, 1}, {page_ - 3, 7}, {2 * page_, page_}, {size - 1, 1}, {0, size}, {size, 0}};
    for (const auto& r : inside)
        EXPECT_EQ(Got(file, r.at, r.n), bytes_.substr(r.at, r.n)) << r.at << "+" << r.n;
    const std::uint64_t huge = std::numeric_limits<std::uint64_t>::max();
    for (const auto& r : {std::pair{size, std::uint64_t{1}}, {size + 1, 0}, {0, size + 1}, {huge, 2}, {2, huge}})
        EXPECT_EQ(file.Read(r.first, r.second), nullptr) << r.first << "+" << r.second;
}

TEST_F(PagedFileTest, ReadsEachPageOnceAtItsFirstUse)
{
    PagedFile file;
    std::string problem;
    ASSERT_TRUE(file.Open(path_, problem)) << problem;
    const std::string before = Got(file, page_ + 10, 20);
    Write(std::string(bytes_.size(), 'B'));  // the same file, every byte changed
    EXPECT_EQ(Got(file, page_ + 10, 20), before);  // read already
    EXPECT_EQ(Got(file, page_, 4), bytes_.substr(page_, 4));  // the same page
    EXPECT_EQ(Got(file, 3 * page_, 4), "BBBB");  // first asked for now
}

TEST_F(PagedFileTest, AFileCutShortReadsAsZeros)
{
    PagedFile file;
    std::string problem;
    ASSERT_TRUE(file.Open(path_, problem)) << problem;
    ASSERT_EQ(::truncate(path_.c_str(), static_cast<off_t>(2 * page_ + 5)), 0);
    EXPECT_EQ(Got(file, 2 * page_, 10), bytes_.substr(2 * page_, 5) + std::string(5, '\0'));
    EXPECT_EQ(Got(file, 4 * page_, 3), std::string(3, '\0'));
}

TEST_F(PagedFileTest, ThreadsReadingAtOnceSeeTheFile)
{
    PagedFile file;
    std::string problem;
    ASSERT_TRUE(file.Open(path_, problem)) << problem;
    std::vector<int> wrong(4, 0);
    std::vector<std::thread> readers;
    for (int t = 0; t < 4; ++t)
        readers.emplace_back([&, t] {
            for (std::uint64_t at = static_cast<std::uint64_t>(t); at + 9 < bytes_.size(); at += 37)
                wrong[static_cast<std::size_t>(t)] += Got(file, at, 9) != bytes_.substr(at, 9);
        });
    for (std::thread& r : readers)
        r.join();
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

// Threads let go at once on pages none has read: whichever reads a page,
// the others see its bytes, never the zeros before them.
TEST_F(PagedFileTest, ThreadsFirstOnAPageWaitForItsBytes)
{
    std::string many;
    for (std::uint64_t page = 0; page < 512; ++page)
        many += std::string(static_cast<std::size_t>(page_), static_cast<char>('a' + page % 26));
    Write(many);
    for (int round = 0; round < 4; ++round) {
        PagedFile file;
        std::string problem;
        ASSERT_TRUE(file.Open(path_, problem)) << problem;
        std::atomic<int> waiting{4}, zeros{0};
        std::vector<std::thread> readers;
        for (int t = 0; t < 4; ++t)
            readers.emplace_back([&] {
                for (--waiting; waiting.load() > 0;)  // all four start together; bound: the others are already running
                    std::this_thread::yield();
                for (std::uint64_t page = 0; page < 512; ++page)
                    zeros += *file.Read(page * page_ + page_ - 1, 1) == 0;
            });
        for (std::thread& r : readers)
            r.join();
        EXPECT_EQ(zeros.load(), 0) << "round " << round;
    }
}

TEST_F(PagedFileTest, RefusesWhatIsNotARegularFile)
{
    PagedFile file;
    std::string problem;
    EXPECT_FALSE(file.Open(folder_, problem));
    EXPECT_EQ(problem, "not a regular file");
    EXPECT_FALSE(file.Open(folder_ + "/none", problem));
    EXPECT_EQ(problem, "No such file or directory");
    EXPECT_EQ(file.Read(0, 0), nullptr);
}

}  // namespace
