#pragma once

#include <cstddef>
#include <string>

// MappedFile — a file mapped read-only for the rest of its owner's life, for
// data read by binary search: the kernel is told the reads are scattered, so
// it does not read ahead around each page touched (which would count every
// neighbouring page in the process's memory). Move-only.
class MappedFile {
public:
    MappedFile() = default;
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    // Map — the regular file at `path`
    // Returns: false with `problem` set (the system's words, or "not a
    //          regular file") when it cannot be opened or mapped; an empty
    //          file maps to no bytes
    bool Map(const std::string& path, std::string& problem);

    const unsigned char* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    const unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
};
