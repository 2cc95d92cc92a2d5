#include "files/ReadingFileAccess.h"

#include "base/UniqueFd.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadingFileText ReadReadingFile(const std::string& path)
{
    // O_NONBLOCK: opening a fifo for reading returns at once instead of waiting
    // for a writer; the type is then checked on what was opened, not on the name.
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return {errno == ENOENT || errno == ENOTDIR || errno == ENXIO ? ReadingFileStatus::NotAFile
                                                                        : ReadingFileStatus::CannotRead,
                {}};
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return {ReadingFileStatus::CannotRead, {}};
    if (!S_ISREG(info.st_mode))
        return {ReadingFileStatus::NotAFile, {}};

    std::string bytes(ReadingFileLineLimit + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {ReadingFileStatus::CannotRead, {}};
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return ReadingFileFromBytes(bytes);
}
