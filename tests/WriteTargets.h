#pragma once

// What a file the program writes can meet where it goes, one kind a row, for
// the tests of every writer: the tool's --save, --picture and --ics, and the
// windows' saves, exports and printing to a file. A pipe or a device is made
// and looked at, never opened.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace WriteTargets {

namespace fs = std::filesystem;

// What the writer does with the target.
enum class Outcome {
    Written,   // the new content in the file the name leads to
    ReadOnly,  // refused by the tool; asked by the windows
    NotAFile,  // refused: not a regular file
    Folder,    // refused: a folder (a window says "is a folder")
};

// The umask the tests write under: a new file is then 0664, unlike the
// fresh file's 0600 and a usual umask's 0644.
constexpr mode_t Umask = 0002;

struct Target {
    const char* kind;
    Outcome outcome;
    mode_t oldMode;  // of the old file, 0 for none; a file written keeps it, a new one is 0666 & ~Umask
    // Makes the target `name` in `dir`: the file that takes the new content
    // (where a link leads), or nothing where this kind cannot be made here.
    std::optional<fs::path> (*make)(const fs::path& dir, const std::string& name);
};

inline fs::path OldFile(const fs::path& path, mode_t mode)
{
    std::ofstream(path, std::ios::binary) << "old";
    ::chmod(path.c_str(), mode);
    return path;
}

inline std::optional<fs::path> Link(const fs::path& leadsTo, const fs::path& link, const fs::path& written)
{
    fs::create_symlink(leadsTo, link);
    return written;
}

inline const std::vector<Target>& Targets()
{
    static const std::vector<Target> rows = {
        {"a new file", Outcome::Written, 0,
         [](const fs::path& dir, const std::string& name) -> std::optional<fs::path> { return dir / name; }},
        {"a private file", Outcome::Written, 0600,
         [](const fs::path& dir, const std::string& name) -> std::optional<fs::path> { return OldFile(dir / name, 0600); }},
        {"a file its group reads", Outcome::Written, 0640,
         [](const fs::path& dir, const std::string& name) -> std::optional<fs::path> { return OldFile(dir / name, 0640); }},
        {"a file set read-only", Outcome::ReadOnly, 0444,
         [](const fs::path& dir, const std::string& name) -> std::optional<fs::path> { return OldFile(dir / name, 0444); }},
        {"a link to a file", Outcome::Written, 0640,
         [](const fs::path& dir, const std::string& name) {
             return Link("real", dir / name, OldFile(dir / "real", 0640));
         }},
        {"links on to a file in another folder", Outcome::Written, 0600,
         [](const fs::path& dir, const std::string& name) {
             fs::create_directory(dir / "sub");
             Link("real", dir / "sub" / "hop", OldFile(dir / "sub" / "real", 0600));
             return Link(fs::absolute(dir / "sub" / "hop"), dir / name, dir / "sub" / "real");
         }},
        {"a link to nothing", Outcome::Written, 0,
         [](const fs::path& dir, const std::string& name) { return Link("made", dir / name, dir / "made"); }},
        {"a link to a read-only file", Outcome::ReadOnly, 0444,
         [](const fs::path& dir, const std::string& name) {
             return Link("real", dir / name, OldFile(dir / "real", 0444));
         }},
        {"a pipe", Outcome::NotAFile, 0,
         [](const fs::path& dir, const std::string& name) -> std::optional<fs::path> {
             ::mkfifo((dir / name).c_str(), 0600);
             return dir / name;
         }},
        {"a socket", Outcome::NotAFile, 0,
         [](const fs::path& dir, const std::string& name) -> std::optional<fs::path> {
             ::mknod((dir / name).c_str(), S_IFSOCK | 0600, 0);
             return dir / name;
         }},
        // A device of its own, made where only root can: never a real one.
        {"a device", Outcome::NotAFile, 0,
         [](const fs::path& dir, const std::string& name) -> std::optional<fs::path> {
             if (::mknod((dir / name).c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0)
                 return std::nullopt;
             return dir / name;
         }},
        {"a folder", Outcome::Folder, 0,
         [](const fs::path& dir, const std::string& name) -> std::optional<fs::path> {
             fs::create_directory(dir / name);
             return dir / name;
         }},
        {"a link to a folder", Outcome::Folder, 0,
         [](const fs::path& dir, const std::string& name) {
             fs::create_directory(dir / "elsewhere");
             return Link("elsewhere", dir / name, dir / "elsewhere");
         }},
    };
    return rows;
}

// The mode a file written to the row's target has.
inline mode_t WrittenMode(const Target& target)
{
    return target.oldMode != 0 ? target.oldMode : 0666 & ~Umask;
}

// A file's content as a tree shows it: whole when short, else its start and size.
inline std::string Shortened(const std::string& content)
{
    return content.size() <= 16 ? content : content.substr(0, 16) + "... (" + std::to_string(content.size()) + " bytes)";
}

// Every name below `dir` with what it is: "file 0640 old", "link -> real",
// "pipe 0600", "folder 0755", "socket 0600", "device 0600".
inline std::map<std::string, std::string> Tree(const fs::path& dir)
{
    std::map<std::string, std::string> tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        struct stat info {};
        if (::lstat(entry.path().c_str(), &info) != 0)
            continue;
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
        std::string what;
        if (S_ISREG(info.st_mode)) {
            std::ifstream file(entry.path(), std::ios::binary);
            what = "file " + std::string(mode) + " " + Shortened(std::string(std::istreambuf_iterator<char>(file), {}));
        } else if (S_ISLNK(info.st_mode)) {
            what = "link -> " + fs::read_symlink(entry.path()).string();
        } else {
            what = (S_ISDIR(info.st_mode)    ? "folder "
                    : S_ISFIFO(info.st_mode) ? "pipe "
                    : S_ISSOCK(info.st_mode) ? "socket "
                                             : "device ") +
                   std::string(mode);
        }
        tree[entry.path().lexically_relative(dir).string()] = what;
    }
    return tree;
}

// The tree a write to `written` leaves when it succeeds: the tree before,
// with that file's entry replaced by "file MODE " + `content`.
inline std::map<std::string, std::string> TreeAfterWrite(std::map<std::string, std::string> before, const fs::path& dir,
                                                          const fs::path& written, mode_t mode, const std::string& content)
{
    char octal[8];
    std::snprintf(octal, sizeof octal, "%04o", static_cast<unsigned>(mode));
    before[written.lexically_relative(dir).string()] = "file " + std::string(octal) + " " + Shortened(content);
    return before;
}

// Sets the umask for a test and gives the old one back.
class UmaskForTest {
public:
    UmaskForTest() : old_(::umask(Umask)) {}
    ~UmaskForTest() { ::umask(old_); }
    UmaskForTest(const UmaskForTest&) = delete;
    UmaskForTest& operator=(const UmaskForTest&) = delete;

private:
    mode_t old_;
};

}  // namespace WriteTargets
