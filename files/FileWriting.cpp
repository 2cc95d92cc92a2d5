#include "files/FileWriting.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Links followed at most, as the kernel follows at most 40 in one path.
constexpr int LinkLimit = 40;

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

// The folder part of a name with its last "/", or "" for a name in the current folder.
std::string FolderPart(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The folder itself, to be opened and flushed.
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A fresh name for a new file, beside `path` and short whatever the
// target's length: "." + the target's name cut to 32 bytes (at a character's
// start) + "." + 6 random letters or digits + `ending`. Hidden, so a file
// manager does not show it while it is written.
std::string TemporaryNameFor(const std::string& path, std::random_device& random, std::string_view ending)
{
    constexpr std::size_t Kept = 32;
    constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::string folder = FolderPart(path);
    std::string name = path.substr(folder.size());
    if (name.size() > Kept) {
        std::size_t cut = Kept;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;  // not inside a UTF-8 character
        name.resize(cut);
    }
    std::string temporary = folder + "." + name + ".";
    for (int i = 0; i < 6; ++i)
        temporary += Letters[random() % (sizeof Letters - 1)];
    return temporary.append(ending);
}

// Where a link leads, as written in it.
bool ReadLink(const std::string& link, std::size_t length, std::string& leadsTo)
{
    // The size lstat gave may be 0 (some file systems) or stale: grown until it fits.
    std::string buffer(length + 1 < 256 ? 256 : length + 1, '\0');
    for (;;) {
        const ssize_t got = ::readlink(link.c_str(), buffer.data(), buffer.size());
        if (got < 0)
            return false;
        if (static_cast<std::size_t>(got) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(got));
            leadsTo = std::move(buffer);
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// The umask, read without changing it: umask() tells it only by setting it,
// and a file another thread made meanwhile would get the value set.
mode_t CurrentUmask()
{
    UniqueFd status(::open("/proc/self/status", O_RDONLY | O_CLOEXEC));
    if (status.valid()) {
        char text[4096];
        std::size_t got = 0;
        for (ssize_t n; got < sizeof text - 1 && (n = ::read(status.get(), text + got, sizeof text - 1 - got)) != 0;) {
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        text[got] = '\0';
        if (const char* line = std::strstr(text, "\nUmask:"))
            return static_cast<mode_t>(std::strtoul(line + 7, nullptr, 8) & 0777);
    }
    // No /proc: set for a moment to the most private mask, so that a file
    // another thread makes meanwhile is at worst more private than asked.
    const mode_t mask = ::umask(0077);
    ::umask(mask);
    return mask;
}

}  // namespace

WriteTarget FindWriteTarget(const std::string& path)
{
    WriteTarget target;
    target.file = path;
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(target.file.c_str(), &info) != 0) {
            if (errno == ENOENT)
                target.kind = WriteTarget::Kind::New;
            else
                target.reason = Reason(errno);
            return target;
        }
        if (S_ISLNK(info.st_mode)) {
            std::string leadsTo;
            if (links == LinkLimit || !ReadLink(target.file, static_cast<std::size_t>(info.st_size), leadsTo)) {
                target.reason = Reason(links == LinkLimit ? ELOOP : errno);
                return target;
            }
            // A relative link leads from the folder the link is in.
            target.file = !leadsTo.empty() && leadsTo[0] == '/' ? leadsTo : FolderPart(target.file) + leadsTo;
            continue;
        }
        if (!S_ISREG(info.st_mode)) {
            target.kind = WriteTarget::Kind::NotAFile;
            return target;
        }
        target.mode = info.st_mode & 07777;
        // Read-only: this user may not write it, or nobody may (so that root,
        // whom permissions do not stop, still sees a file set 0444 as read-only).
        const bool readOnly = (info.st_mode & 0222) == 0 || (::access(target.file.c_str(), W_OK) != 0 && errno == EACCES);
        target.kind = readOnly ? WriteTarget::Kind::ReadOnly : WriteTarget::Kind::File;
        return target;
    }
}

StagedFile::StagedFile(const std::string& path, ReadOnlyFiles readOnly, std::string_view ending)
{
    const WriteTarget target = FindWriteTarget(path);
    switch (target.kind) {
    case WriteTarget::Kind::NotAFile: problem_ = path + " is not a regular file"; return;
    case WriteTarget::Kind::Unknown: problem_ = target.reason; return;
    case WriteTarget::Kind::ReadOnly:
        if (readOnly == ReadOnlyFiles::Refuse) {
            problem_ = path + " is read-only";
            return;
        }
        break;
    case WriteTarget::Kind::New:
    case WriteTarget::Kind::File: break;
    }
    target_ = target.file;
    mode_ = target.kind == WriteTarget::Kind::New ? 0666 & ~CurrentUmask() : target.mode;

    // A fresh name in the target's folder (the same file system, so the
    // rename is atomic), made by this call alone (O_EXCL) and private (0600)
    // until it holds the whole content.
    std::random_device random;
    for (int attempt = 0; attempt < 100 && !file_.valid(); ++attempt) {
        temporary_ = TemporaryNameFor(target_, random, ending);
        file_.reset(::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0600));
        if (!file_.valid() && errno != EEXIST) {
            temporary_.clear();
            problem_ = Reason(errno);
            return;
        }
    }
    if (!file_.valid()) {
        temporary_.clear();
        problem_ = Reason(EEXIST);
    }
}

StagedFile::~StagedFile()
{
    file_.reset();
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

void StagedFile::Fail(int error)
{
    problem_ = Reason(error);
    file_.reset();
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool StagedFile::Write(std::string_view bytes)
{
    if (!problem_.empty())
        return false;
    if (!WriteAll(file_.get(), bytes))
        Fail(errno);
    return problem_.empty();
}

const std::string& StagedFile::Finish()
{
    if (!problem_.empty() || finished_)
        return problem_;
    // The final mode before the flush, so that the flush makes it durable
    // with the content.
    int error = 0;
    if (::fchmod(file_.get(), mode_) != 0 || ::fsync(file_.get()) != 0)
        error = errno;
    if (file_.reset() != 0 && error == 0)
        error = errno;
    if (error != 0)
        Fail(error);
    else
        finished_ = true;
    return problem_;
}

const std::string& StagedFile::PutInPlace()
{
    if (!Finish().empty() || placed_)
        return problem_;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Fail(errno);
        return problem_;
    }
    placed_ = true;
    temporary_.clear();
    // The rename itself is made durable with the folder.
    UniqueFd folder(::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    return problem_;
}

std::string WriteFileAtomically(const std::string& path, std::string_view bytes, ReadOnlyFiles readOnly)
{
    StagedFile file(path, readOnly);
    file.Write(bytes);
    return file.PutInPlace();
}
