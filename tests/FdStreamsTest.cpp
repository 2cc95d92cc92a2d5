// The tool's stream buffers on descriptors, on a pipe that delivers slowly.
#include "cli/FdStreams.h"

#include "base/UniqueFd.h"

#include <gtest/gtest.h>

#include <chrono>
#include <istream>
#include <string>
#include <thread>

#include <unistd.h>

namespace {

// std::istream::read of 3 × 4,000 bytes written to a pipe in pieces of 1,000,
// 5 ms apart: each read gets its whole count; the end comes only after the
// last byte, with gcount() giving what there was.
TEST(FdInBuf, ReadOnAPipeWaitsForTheWholeCount)
{
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    UniqueFd readEnd(ends[0]);
    UniqueFd writeEnd(ends[1]);
    std::string sent;
    for (int i = 0; i < 12; ++i)
        sent += std::string(1000, static_cast<char>('a' + i));
    sent += "tail";
    std::thread writer([&sent, fd = writeEnd.release()] {
        UniqueFd out(fd);
        for (std::size_t at = 0; at < sent.size(); at += 1000) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));  // a slow producer, not a wait for a result
            const std::string piece = sent.substr(at, 1000);
            if (::write(out.get(), piece.data(), piece.size()) != static_cast<ssize_t>(piece.size()))
                return;
        }
    });

    FdInBuf buffer(readEnd.get());
    std::istream in(&buffer);
    std::string got;
    char block[4000];
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(in.read(block, sizeof block)) << "read " << i << " ended early, after " << in.gcount();
        got.append(block, sizeof block);
    }
    EXPECT_FALSE(in.read(block, sizeof block));  // the end: only the tail was left
    EXPECT_EQ(in.gcount(), 4);
    got.append(block, static_cast<std::size_t>(in.gcount()));
    writer.join();
    EXPECT_EQ(got, sent);
}

}  // namespace
