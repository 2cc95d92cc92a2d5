#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// PagedFile — a file read as it is used, a page at a time, into memory of
// the process's own: for data read by binary search, so that a run holds
// only the pages it read. (A mapping of the file held whatever the page
// cache kept around each page touched: a file just installed or read whole
// is cached in blocks of up to megabytes, each mapped at its first read.)
// The file stays open while the PagedFile lives; it may be read from several
// threads at once. Neither copied nor moved: the bytes it hands out stay put.
class PagedFile {
public:
    PagedFile();
    ~PagedFile();
    PagedFile(const PagedFile&) = delete;
    PagedFile& operator=(const PagedFile&) = delete;

    // Open — the regular file at `path`; nothing of it is read yet
    // Returns: false with `problem` set (the system's words, or "not a
    //          regular file") when it cannot be opened
    bool Open(const std::string& path, std::string& problem);

    std::uint64_t size() const;

    // Read — the `count` bytes at `offset`, each page of them read from the
    //        file at its first use
    // Returns: their first byte, valid while the PagedFile lives; null for a
    //          range outside the file. A page the file no longer holds (cut
    //          short after it was opened) reads as zeros.
    const unsigned char* Read(std::uint64_t offset, std::uint64_t count) const;

private:
    struct Pages;
    std::unique_ptr<Pages> pages_;
};
