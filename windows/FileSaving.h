#pragma once

#include <QString>

#include <string>
#include <string_view>

// The windows' saves and exports: every file a window writes goes through
// here, by the program's one policy (files/FileWriting.h), to a name chosen in
// FileDialogs::GetSaveFileName, which has refused what is no regular file and
// asked before replacing a file, read-only or not.

// WriteChosenFile — puts `bytes` in place of the file `path` leads to
// Returns: "" when written, else what went wrong, for the user (one line).
// Notes:   written beside the old file and put in its place only when whole,
//          so a failure or a crash at any moment leaves the old file or the
//          new one, never a part; a link stays a link.
QString WriteChosenFile(const QString& path, std::string_view bytes);

// SaveReadingFile — writes a reading file for a position text, as WriteChosenFile
QString SaveReadingFile(const QString& path, const std::string& positionText);
