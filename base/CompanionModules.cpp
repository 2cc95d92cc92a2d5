#include "base/CompanionModules.h"

#include "base/ProgramVersion.h"
#include "base/UniqueFd.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// The folder of the running executable.
std::string ExecutableFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    const std::string executable(path, static_cast<std::size_t>(length));
    return executable.substr(0, executable.find_last_of('/'));
}

// Where the fields an ELF file's extent depends on lie, in its 32- and 64-bit
// forms: the file header's, then each segment header's.
struct ElfLayout {
    std::size_t headerSize, phoff, shoff, phentsize, phnum, shentsize, shnum, word;
    std::size_t segmentSize, segmentOffset, segmentFileSize;
};
constexpr ElfLayout Elf32Layout{52, 0x1C, 0x20, 0x2A, 0x2C, 0x2E, 0x30, 4, 32, 4, 16};
constexpr ElfLayout Elf64Layout{64, 0x20, 0x28, 0x36, 0x38, 0x3A, 0x3C, 8, 56, 8, 32};

// The number of `bytes` bytes at `at`, in the file's byte order.
std::uint64_t ElfField(const unsigned char* at, std::size_t bytes, bool bigEndian)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        value |= std::uint64_t{at[bigEndian ? bytes - 1 - i : i]} << (8 * i);
    return value;
}

// `offset` + `length`, or the largest number when that does not fit.
std::uint64_t ExtentEnd(std::uint64_t offset, std::uint64_t length)
{
    return offset > std::numeric_limits<std::uint64_t>::max() - length ? std::numeric_limits<std::uint64_t>::max()
                                                                       : offset + length;
}

// ElfBytesNeeded — how long the ELF file open as `fd` (of `size` bytes) must
// be to hold what its header describes: every segment and the section table.
// The dynamic linker maps the segments without comparing them with the file's
// length, and a page mapped past the end ends the run with SIGBUS.
// Returns: 0 for a file the dynamic linker refuses by itself with a reason (no
//          ELF header, segment headers of a size it does not read)
std::uint64_t ElfBytesNeeded(int fd, std::uint64_t size)
{
    unsigned char header[64] = {};
    const ssize_t got = ::pread(fd, header, sizeof header, 0);
    if (got < 16 || std::memcmp(header, "\x7f" "ELF", 4) != 0 || (header[4] != 1 && header[4] != 2) ||
        (header[5] != 1 && header[5] != 2))
        return 0;
    const ElfLayout& elf = header[4] == 1 ? Elf32Layout : Elf64Layout;
    if (static_cast<std::size_t>(got) < elf.headerSize)
        return elf.headerSize;
    const bool bigEndian = header[5] == 2;
    const auto field = [&](std::size_t at, std::size_t bytes) { return ElfField(header + at, bytes, bigEndian); };
    const std::uint64_t phoff = field(elf.phoff, elf.word), phnum = field(elf.phnum, 2);
    const std::uint64_t shoff = field(elf.shoff, elf.word);
    if (field(elf.phentsize, 2) != elf.segmentSize)
        return 0;
    // Section 0 stands for a count too large for the header's field.
    const std::uint64_t sections = shoff == 0 ? 0 : std::max<std::uint64_t>(field(elf.shnum, 2), 1);
    std::uint64_t needed = ExtentEnd(shoff, sections * field(elf.shentsize, 2));
    const std::uint64_t segmentsEnd = ExtentEnd(phoff, phnum * elf.segmentSize);
    if (segmentsEnd > size)
        return std::max(needed, segmentsEnd);
    std::vector<unsigned char> segments(phnum * elf.segmentSize);
    if (::pread(fd, segments.data(), segments.size(), static_cast<off_t>(phoff)) !=
        static_cast<ssize_t>(segments.size()))
        return std::max(needed, segmentsEnd);
    for (std::uint64_t i = 0; i < phnum; ++i) {
        const unsigned char* segment = segments.data() + i * elf.segmentSize;
        const std::uint64_t fileSize = ElfField(segment + elf.segmentFileSize, elf.word, bigEndian);
        if (fileSize > 0)
            needed = std::max(needed, ExtentEnd(ElfField(segment + elf.segmentOffset, elf.word, bigEndian), fileSize));
    }
    return std::max(needed, segmentsEnd);
}

// Why the module file at `path` must not be loaded although it is an ELF
// file: it is shorter than its own header says. "" for a file that is whole,
// and for one that the dynamic linker refuses with its own reason.
std::string ModuleFileDamage(const std::string& path, const std::string& library)
{
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    const auto size = static_cast<std::uint64_t>(status.st_size);
    const std::uint64_t needed = ElfBytesNeeded(file.get(), size);
    if (needed <= size)
        return {};
    return library + " is cut short: " + std::to_string(size) + " bytes of the " + std::to_string(needed) +
           " it needs";
}

}  // namespace

void* LoadSharedLibrary(const std::string& nameOrPath, std::string& problem)
{
    void* handle = ::dlopen(nameOrPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* error = ::dlerror();
        problem = error ? error : nameOrPath + " cannot be loaded";
    }
    return handle;
}

void* FindSharedSymbol(void* library, const char* symbol, std::string& problem)
{
    ::dlerror();  // a symbol may be null: only a new error says it is missing
    void* found = ::dlsym(library, symbol);
    if (const char* error = ::dlerror(); !found && error)
        problem = error;
    else if (!found)
        problem = std::string(symbol) + " is missing";
    return found;
}

const ModuleHeader* LoadCompanionModuleFile(const std::string& path, const char* kind, std::uint32_t layout,
                                            std::uint32_t size, std::string& problem)
{
    const std::string library = path.substr(path.find_last_of('/') + 1);
    problem = ModuleFileDamage(path, library);
    if (!problem.empty())
        return nullptr;
    // Kept loaded for the rest of the run: what it returns points into it.
    void* handle = LoadSharedLibrary(path, problem);
    if (!handle)
        return nullptr;
    std::string missing;
    const auto entry = reinterpret_cast<ModuleEntryFunction>(FindSharedSymbol(handle, ModuleEntrySymbol, missing));
    const ModuleHeader* header = entry ? entry() : nullptr;
    if (!header) {
        problem = library + " is not a module of this program";
    } else if (std::strcmp(header->kind, kind) != 0) {
        problem = library + " is a " + header->kind + " module, not a " + kind + " module";
    } else if (std::strcmp(header->programVersion, QAMAREL_VERSION) != 0) {
        problem = library + " is from Qamarel " + header->programVersion + ", not from this Qamarel " QAMAREL_VERSION;
    } else if (header->layout != layout || header->size < size) {
        problem = library + " does not have the layout this Qamarel " QAMAREL_VERSION " expects";
    } else {
        return header;
    }
    ::dlclose(handle);
    return nullptr;
}

const ModuleHeader* LoadCompanionModule(const std::string& library, const char* kind, std::uint32_t layout,
                                        std::uint32_t size, std::string& problem)
{
    const std::string folder = ExecutableFolder();
    // Installed: the library folder as seen from the program folder; built:
    // the build tree's modules folder beside each executable's folder.
    const std::vector<std::string> candidates = {folder + "/" QAMAREL_MODULES_FROM_BIN "/" + library,
                                                 folder + "/../modules/" + library};
    std::string errors;
    for (const std::string& path : candidates) {
        if (::access(path.c_str(), R_OK) != 0)
            continue;
        if (const ModuleHeader* header = LoadCompanionModuleFile(path, kind, layout, size, errors))
            return header;
    }
    problem = errors.empty() ? library + " is not installed" : errors;
    return nullptr;
}
