#include "base/PagedFile.h"

#include "base/UniqueFd.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

struct PagedFile::Pages {
    UniqueFd file;
    std::uint64_t size = 0;
    std::size_t pageSize = 4096;
    unsigned char* memory = nullptr;  // `size` rounded up to pages; untouched pages cost nothing
    std::unique_ptr<std::atomic<bool>[]> read;  // a flag a page, set once its bytes are in `memory`
    std::mutex reading;

    ~Pages()
    {
        if (memory)
            ::munmap(memory, Rounded());
    }
    std::size_t Rounded() const { return static_cast<std::size_t>((size + pageSize - 1) / pageSize * pageSize); }

    void ReadPage(std::uint64_t page)
    {
        const std::lock_guard<std::mutex> lock(reading);
        if (read[page].load(std::memory_order_relaxed))
            return;
        const std::uint64_t from = page * pageSize;
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(pageSize, size - from));
        std::size_t got = 0;
        while (got < want) {
            const ssize_t n = ::pread(file.get(), memory + from + got, want - got, static_cast<off_t>(from + got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;  // cut short, or unreadable: the rest stays zeros
            got += static_cast<std::size_t>(n);
        }
        read[page].store(true, std::memory_order_release);
    }
};

PagedFile::PagedFile() = default;
PagedFile::~PagedFile() = default;

bool PagedFile::Open(const std::string& path, std::string& problem)
{
    pages_.reset();
    auto pages = std::make_unique<Pages>();
    pages->file.reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (!pages->file.valid() || ::fstat(pages->file.get(), &status) != 0) {
        problem = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        problem = "not a regular file";
        return false;
    }
    pages->size = static_cast<std::uint64_t>(status.st_size);
    if (const long page = ::sysconf(_SC_PAGESIZE); page > 0)
        pages->pageSize = static_cast<std::size_t>(page);
    if (pages->size > 0) {
        void* at = ::mmap(nullptr, pages->Rounded(), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (at == MAP_FAILED) {
            problem = std::strerror(errno);
            return false;
        }
        pages->memory = static_cast<unsigned char*>(at);
        // Advice only: no huge pages (each would hold 2 MB for a page read),
        // and no read-ahead of the file for reads scattered over it.
        ::madvise(at, pages->Rounded(), MADV_NOHUGEPAGE);
        ::posix_fadvise(pages->file.get(), 0, 0, POSIX_FADV_RANDOM);
        pages->read = std::make_unique<std::atomic<bool>[]>(pages->Rounded() / pages->pageSize);
    }
    pages_ = std::move(pages);
    return true;
}

std::uint64_t PagedFile::size() const
{
    return pages_ ? pages_->size : 0;
}

const unsigned char* PagedFile::Read(std::uint64_t offset, std::uint64_t count) const
{
    if (!pages_ || offset > pages_->size || count > pages_->size - offset || !pages_->memory)
        return nullptr;
    if (count > 0) {
        for (std::uint64_t page = offset / pages_->pageSize, last = (offset + count - 1) / pages_->pageSize; page <= last; ++page)
            if (!pages_->read[page].load(std::memory_order_acquire))
                pages_->ReadPage(page);
    }
    return pages_->memory + offset;
}
