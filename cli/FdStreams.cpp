#include "cli/FdStreams.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include <poll.h>
#include <unistd.h>

std::streamsize FdInBuf::ReadSome(char* to, std::size_t count)
{
    for (;;) {
        const ssize_t got = ::read(fd_, to, count);
        if (got >= 0)
            return got;
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            pollfd wait{fd_, POLLIN, 0};
            ::poll(&wait, 1, -1);
            continue;
        }
        throw std::system_error(std::error_code(errno, std::generic_category()));
    }
}

FdInBuf::int_type FdInBuf::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    const std::streamsize got = ReadSome(buffer_.data(), buffer_.size());
    if (got == 0)
        return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(*gptr());
}

std::streamsize FdInBuf::xsgetn(char* to, std::streamsize count)
{
    // What is buffered first, then reads straight into the caller's memory
    // until the count is reached or the input ends: a pipe hands over what
    // it has, and a short read is not the end (std::istream::read relies on it).
    std::streamsize done = 0;
    if (gptr() < egptr()) {
        done = std::min<std::streamsize>(count, egptr() - gptr());
        std::memcpy(to, gptr(), static_cast<std::size_t>(done));
        gbump(static_cast<int>(done));
    }
    while (done < count) {
        const std::streamsize got = ReadSome(to + done, static_cast<std::size_t>(count - done));
        if (got == 0)
            break;  // the end
        done += got;
    }
    return done;
}

FdOutBuf::FdOutBuf(int fd) : fd_(fd), buffer_(64 * 1024)
{
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

FdOutBuf::~FdOutBuf()
{
    Drain();
}

bool FdOutBuf::WriteAll(const char* from, std::size_t count)
{
    while (count > 0 && error_ == 0) {
        const ssize_t put = ::write(fd_, from, count);
        if (put < 0) {
            if (errno != EINTR)
                error_ = errno;
            continue;
        }
        from += put;
        count -= static_cast<std::size_t>(put);
        written_ += static_cast<std::size_t>(put);
    }
    return error_ == 0;
}

bool FdOutBuf::Drain()
{
    const bool ok = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return ok;
}

FdOutBuf::int_type FdOutBuf::overflow(int_type c)
{
    if (!Drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize FdOutBuf::xsputn(const char* from, std::streamsize count)
{
    const auto n = static_cast<std::size_t>(count);
    if (n <= static_cast<std::size_t>(epptr() - pptr())) {
        std::memcpy(pptr(), from, n);
        pbump(static_cast<int>(n));
        return count;
    }
    if (!Drain() || !WriteAll(from, n))
        return 0;
    return count;
}

int FdOutBuf::sync()
{
    return Drain() ? 0 : -1;
}

std::string OutputFailureReason(std::streambuf* buffer)
{
    const auto* fd = dynamic_cast<const FdOutBuf*>(buffer);
    return fd && fd->error() != 0 ? std::strerror(fd->error()) : "";
}
