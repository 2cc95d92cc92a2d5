#pragma once

#include "core/ReadingFile.h"

#include <string>

// Reading files on disk, through the operating system directly: what the
// standard library cannot promise (never blocking on a pipe). Files are
// written by FileWriting.h.

// ReadReadingFile — read and decode the first line of a reading file
// Notes: the path is opened first (without blocking, so a pipe or a device put
//        in its place cannot stall the caller) and the opened file is then
//        checked: only a regular file is read, at most ReadingFileLineLimit + 1
//        bytes. The extension and the text are not checked here.
ReadingFileText ReadReadingFile(const std::string& path);
