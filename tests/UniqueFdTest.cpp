// The owner of a file descriptor: closes exactly once, hands over on a move,
// lets go on release.
#include "base/UniqueFd.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Whether `fd` is an open descriptor of this process.
bool IsOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF;
}

int OpenNull()
{
    return ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}

TEST(UniqueFd, ClosesWhatItOwnsWhenItGoesOutOfScope)
{
    int fd = -1;
    {
        UniqueFd owner(OpenNull());
        fd = owner.get();
        ASSERT_GE(fd, 0);
        EXPECT_TRUE(owner.valid());
        EXPECT_TRUE(IsOpen(fd));
    }
    EXPECT_FALSE(IsOpen(fd));
}

TEST(UniqueFd, MoveHandsOverAndClosesOnlyOnce)
{
    UniqueFd first(OpenNull());
    const int fd = first.get();
    ASSERT_GE(fd, 0);
    UniqueFd second(std::move(first));
    EXPECT_EQ(first.get(), -1);
    EXPECT_EQ(second.get(), fd);

    UniqueFd third(OpenNull());
    const int other = third.get();
    third = std::move(second);  // the one it held is closed, the moved one kept
    EXPECT_FALSE(IsOpen(other));
    EXPECT_EQ(third.get(), fd);
    EXPECT_TRUE(IsOpen(fd));
    third = std::move(third);  // a move onto itself keeps it
    EXPECT_TRUE(IsOpen(fd));
}

TEST(UniqueFd, ReleaseLetsGoWithoutClosing)
{
    int fd = -1;
    {
        UniqueFd owner(OpenNull());
        fd = owner.release();
        EXPECT_FALSE(owner.valid());
    }
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(IsOpen(fd));
    ::close(fd);
}

TEST(UniqueFd, ResetClosesTheOldAndReportsCloseResult)
{
    UniqueFd owner(OpenNull());
    const int old = owner.get();
    const int fresh = OpenNull();
    EXPECT_EQ(owner.reset(fresh), 0);
    EXPECT_FALSE(IsOpen(old));
    EXPECT_EQ(owner.get(), fresh);
    EXPECT_EQ(owner.reset(), 0);
    EXPECT_FALSE(IsOpen(fresh));
    EXPECT_EQ(owner.reset(), 0);  // owning nothing: nothing to close
}

}  // namespace
