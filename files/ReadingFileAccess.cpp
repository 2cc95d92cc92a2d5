#include "files/ReadingFileAccess.h"

#include "base/UniqueFd.h"

#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(int error)
{
    return std::strerror(error);
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A fresh name for the new file, beside `path` and short whatever the
// target's length: "." + the target's name cut to 32 bytes (at a character's
// start) + "." + 6 random letters or digits + ".tmp". Hidden, so a file
// manager does not show it while it is written.
std::string TemporaryNameFor(const std::string& path, std::random_device& random)
{
    constexpr std::size_t Kept = 32;
    constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() > Kept) {
        std::size_t cut = Kept;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;  // not inside a UTF-8 character
        name.resize(cut);
    }
    std::string temporary = folder + "." + name + ".";
    for (int i = 0; i < 6; ++i)
        temporary += Letters[random() % (sizeof Letters - 1)];
    return temporary + ".tmp";
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

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

std::string WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    // A fresh name beside the target (same file system, so the rename is atomic).
    std::random_device random;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryNameFor(path, random);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return Reason(errno);
    }
    if (fd < 0)
        return Reason(EEXIST);
    UniqueFd file(fd);

    // An existing file keeps its permissions.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(file.get(), old.st_mode & 07777);

    int error = 0;
    if (!WriteAll(file.get(), bytes) || ::fsync(file.get()) != 0)
        error = errno;
    if (file.reset() != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Reason(error);
    }
    // The rename itself is made durable with the folder.
    UniqueFd folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return {};
}
