#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A saved reading is one line: the Moon position text, one shifted byte per
// character (the degree sign is left out), then CR LF. Nothing else is stored.

// Reading file extension, compared case-sensitively.
inline constexpr std::string_view ReadingFileExtension = "qmz";

// Whether a path names a reading file: its last three characters are "qmz"
// exactly (so "QMZ" is refused, as the program always has).
bool HasReadingFileExtension(std::string_view path);

// WithFileExtension — `path` as it is when it already ends in "." + extension,
// else with it added (only the extension after a final dot), whatever other
// dots the name holds ("Dr. Smith" -> "Dr. Smith.qmz", "Smith." -> "Smith.qmz").
std::string WithFileExtension(std::string_view path, std::string_view extension);

// NamesOnlyAFolder — whether `path` has no file name of its own: it is empty,
// or its last part (after the last "/") is empty, "." or "..". Such a name
// would be saved as a hidden ".qmz" in that folder, never what was meant.
bool NamesOnlyAFolder(std::string_view path);

// WithReadingFileExtension — the name a reading is saved under.
std::string WithReadingFileExtension(std::string_view path);

// Longest first line read from a file. A position text is under 20 bytes; the
// bound keeps a huge or binary file from stalling or exhausting the program.
inline constexpr std::size_t ReadingFileLineLimit = 4096;

// ReadingFileBytes — the whole content of a reading file for a position text
// Inputs:  positionText  UTF-8
// Returns: the encoded bytes followed by CR LF; nothing when the text is not
//          UTF-8 or holds a character outside the file's single-byte set
std::optional<std::string> ReadingFileBytes(std::string_view positionText);

// DecodeReadingFileLine — decoded first line of a file's bytes, as UTF-8
// Inputs:  bytes  the file's content, or its first part; the line ends at the
//                 first CR or LF, or at the end of the bytes
std::string DecodeReadingFileLine(std::string_view bytes);

enum class ReadingFileStatus {
    Read,         // text holds the decoded first line (possibly empty)
    NotAFile,     // missing, a directory, a device or a pipe: nothing was read
    CannotRead,   // exists but could not be opened or read
    LineTooLong,  // no line end within ReadingFileLineLimit bytes: not a reading
};

struct ReadingFileText {
    ReadingFileStatus status = ReadingFileStatus::CannotRead;
    std::string text;  // valid only when status is Read
};

// ReadingFileFromBytes — the first line of a file's content, decoded
// Inputs:  start  the file's first bytes: all of them, or at least ReadingFileLineLimit + 1
// Returns: Read with the decoded line, or LineTooLong when no line end comes
//          within ReadingFileLineLimit bytes of a longer content
ReadingFileText ReadingFileFromBytes(std::string_view start);
