#pragma once

#include <QString>

#include <string>

// SaveReadingFile — writes a reading file for a position text
// Returns: "" when saved, else what went wrong, for the user.
// Notes:   the new file is written beside the old one and takes its place only
//          when complete, so a failure or a crash at any moment leaves either
//          the old file or the new one, never a part.
QString SaveReadingFile(const QString& path, const std::string& positionText);
