#pragma once

#include "core/ReadingFile.h"

#include <string>
#include <string_view>

// Reading files on disk, through the operating system directly: what the
// standard library cannot promise (never blocking on a pipe, a file that is
// durable before it takes an old one's place).

// ReadReadingFile — read and decode the first line of a reading file
// Notes: the path is opened first (without blocking, so a pipe or a device put
//        in its place cannot stall the caller) and the opened file is then
//        checked: only a regular file is read, at most ReadingFileLineLimit + 1
//        bytes. The extension and the text are not checked here.
ReadingFileText ReadReadingFile(const std::string& path);

// WriteFileAtomically — put `bytes` in place of `path`, whole or not at all
// Returns: "" when written, else the system's reason (one line, for the user)
// Notes:   written to a new file beside the target (under a short name of
//          its own, so that a target of the longest name the folder allows
//          is written as well), flushed to the disk, then
//          renamed over it, so a failure, a crash or a power cut at any moment
//          leaves either the old file or the new one, never a part of one. A
//          new file gets the usual permissions (0666 less the umask).
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);
