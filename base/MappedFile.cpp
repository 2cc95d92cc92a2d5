#include "base/MappedFile.h"

#include "base/UniqueFd.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <utility>

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0))
{
}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept
{
    if (this != &other) {
        if (data_)
            ::munmap(const_cast<unsigned char*>(data_), size_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

MappedFile::~MappedFile()
{
    if (data_)
        ::munmap(const_cast<unsigned char*>(data_), size_);
}

bool MappedFile::Map(const std::string& path, std::string& problem)
{
    *this = MappedFile();
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0) {
        problem = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        problem = "not a regular file";
        return false;
    }
    if (status.st_size == 0)
        return true;
    const auto size = static_cast<std::size_t>(status.st_size);
    void* at = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.get(), 0);
    if (at == MAP_FAILED) {
        problem = std::strerror(errno);
        return false;
    }
    ::madvise(at, size, MADV_RANDOM);  // advice only: a refusal changes nothing
    data_ = static_cast<const unsigned char*>(at);
    size_ = size;
    return true;
}
