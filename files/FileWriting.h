#pragma once

#include "base/UniqueFd.h"

#include <string>
#include <string_view>

// The one way the program and the reading tool write a file: a saved
// reading, a picture, a page, a calendar, a page printed to a file.
//
//  - Only a regular file is replaced, or a new one made. A folder, a device,
//    a pipe or a socket is refused ("NAME is not a regular file") before
//    anything is written; it is never opened, so nothing can block on it.
//  - A symbolic link is followed to the file it finally leads to: that file
//    is replaced (the new one is written in its folder and renamed there),
//    and the link stays a link. A link that leads nowhere makes the file it
//    names.
//  - A file set read-only is refused ("NAME is read-only") unless the user
//    was asked and said to replace it.
//  - The new content goes into a fresh file beside the one it replaces, made
//    with mode 0600 so that no one else can open it while it is written,
//    given its final mode (the old file's, or 0666 less the umask for a new
//    one), flushed to the disk, renamed over the target, and the folder
//    flushed: a failure, a crash or a power cut leaves the old file or the
//    new one, never a part of one, and nothing beside it.
//
// A problem is one line: "NAME is ..." for a refusal (NAME as given), else
// the system's reason ("No space left on device"), for the caller to put
// after the file's name.

// Whether a file set read-only is replaced: only after the user said so.
enum class ReadOnlyFiles { Refuse, Replace };

// WriteTarget — what a name to be written leads to
struct WriteTarget {
    enum class Kind {
        New,       // nothing there yet: a new file is made
        File,      // a regular file: replaced
        ReadOnly,  // a regular file set read-only, or one this user may not write
        NotAFile,  // a folder, a device, a pipe or a socket: never written
        Unknown,   // cannot be looked at (a folder on the way not searchable, links in a circle)
    };
    Kind kind = Kind::Unknown;
    std::string file;   // the file written: the name itself, or where its links lead
    unsigned mode = 0;  // the old file's permission bits (File and ReadOnly)
    std::string reason; // the system's reason (Unknown)
};
// Looks at the name and its links only (lstat, readlink): nothing is opened.
WriteTarget FindWriteTarget(const std::string& path);

// StagedFile — a file written whole beside its target, put in its place last
// Notes: for two files written together, both or neither (both staged and
//        finished, then both put in place), and for a writer that writes a
//        file by its name (a printer): it writes name(), then Finish().
//        A staged file that is not put in place is removed when it goes.
class StagedFile {
public:
    // Checks `path` by the rules above and makes the fresh file (0600), its
    // name ending in `ending`; problem() says why not.
    StagedFile(const std::string& path, ReadOnlyFiles readOnly, std::string_view ending = ".tmp");
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    const std::string& problem() const { return problem_; }  // "" while all is well
    const std::string& name() const { return temporary_; }   // the fresh file's name

    // Appends `bytes`; false with problem() set when they could not be written.
    bool Write(std::string_view bytes);
    // Gives the file its final mode and flushes it to the disk; "" or the problem.
    const std::string& Finish();
    // Finishes (when not done yet), renames the file over the target and
    // flushes the folder; "" or the problem, the fresh file then removed.
    const std::string& PutInPlace();

private:
    void Fail(int error);

    std::string temporary_;  // "" when none was made
    std::string target_;     // the file it replaces
    std::string problem_;
    unsigned mode_ = 0;      // the final mode
    UniqueFd file_;
    bool finished_ = false;
    bool placed_ = false;
};

// WriteFileAtomically — puts `bytes` in place of `path` by the rules above
// Returns: "" when written, else the problem (one line)
std::string WriteFileAtomically(const std::string& path, std::string_view bytes,
                                ReadOnlyFiles readOnly = ReadOnlyFiles::Refuse);
