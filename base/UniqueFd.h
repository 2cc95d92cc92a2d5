#pragma once

#include <unistd.h>

// UniqueFd — the one owner of a file descriptor: closes it when it goes out
// of scope. Move-only; -1 means it owns nothing. close() is called once and
// never retried: on Linux the descriptor is gone even when close() fails with
// EINTR, and a retry could close a descriptor another thread just opened.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { reset(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Gives the descriptor up without closing it.
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

    // Closes what it owns and takes `fd`. Returns close()'s result (0 when
    // nothing was owned), for a writer that must know the data reached the file.
    int reset(int fd = -1)
    {
        const int old = fd_;
        fd_ = fd;
        return old >= 0 ? ::close(old) : 0;
    }

private:
    int fd_ = -1;
};
