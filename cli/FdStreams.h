#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <vector>

// Stream buffers straight on file descriptors, for the tool's standard streams
// and input files: every failure of the system call is kept or thrown with
// the system's reason, where the standard streams would only set a flag.

// FdInBuf — reads a descriptor
// Notes: a read error throws std::system_error whose what() is the system's
//        reason ("Is a directory"); a descriptor left non-blocking by
//        someone else is waited on rather than taken for the end. sgetn()
//        (and so std::istream::read) returns less than asked only at the end.
class FdInBuf : public std::streambuf {
public:
    explicit FdInBuf(int fd) : fd_(fd), buffer_(64 * 1024) {}

protected:
    int_type underflow() override;
    std::streamsize xsgetn(char* to, std::streamsize count) override;

private:
    std::streamsize ReadSome(char* to, std::size_t count);

    int fd_;
    std::vector<char> buffer_;
};

// FdOutBuf — writes a descriptor through a buffer
// Notes: a failed write makes the stream bad (badbit) and keeps errno for
//        error(); nothing more is written after it.
class FdOutBuf : public std::streambuf {
public:
    explicit FdOutBuf(int fd);
    ~FdOutBuf() override;

    int error() const { return error_; }                  // errno of the first failure, 0 if none
    std::size_t written() const { return written_; }     // bytes handed to the system

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* from, std::streamsize count) override;
    int sync() override;

private:
    bool WriteAll(const char* from, std::size_t count);
    bool Drain();

    int fd_;
    std::vector<char> buffer_;
    int error_ = 0;
    std::size_t written_ = 0;
};

// The system's reason for an output failure of a stream, when its buffer is an
// FdOutBuf that knows it; else "".
std::string OutputFailureReason(std::streambuf* buffer);
