#pragma once

#include <QString>

#include <memory>

class QSettings;

// The program's per-user settings file (the update reminder's date, the
// recent readings and places), read and written with care: it is read only
// when it is a regular file of at most SettingsFileLimit bytes (or does not
// exist yet). Anything else (a symbolic link, whose target would be replaced;
// a pipe that would never answer, a device, a huge file) counts as settings
// that cannot be kept, and so does a lock beside it ("path.lock") that is no
// regular file of the user's own or is still held after SettingsLockWaitMs,
// and a path of "" (no home folder). Nothing is then read or written, and
// `problem` says why.
inline constexpr qint64 SettingsFileLimit = 64 * 1024;
inline constexpr int SettingsLockWaitMs = 1000;

// The per-user settings file of the program named `program`: "program.ini" in
// the user's configuration folder ($XDG_CONFIG_HOME, else ~/.config); "" when
// there is none (no home folder: HOME unset or relative, and no absolute
// $XDG_CONFIG_HOME).
QString ProgramSettingsPath(const QString& program);

// The settings at `path` to read, or nullptr with `problem` set.
std::unique_ptr<QSettings> SettingsToRead(const QString& path, QString& problem);

// The settings at `path` to write: the folder made (for the user alone) and
// the lock tried for a while, since QSettings would wait for it without end;
// nullptr with `problem` set when they cannot be kept.
std::unique_ptr<QSettings> SettingsToWrite(const QString& path, QString& problem);

// The program's own settings file (ProgramSettingsPath of the application's
// name), to read or to write; a problem is said once on standard error.
std::unique_ptr<QSettings> ProgramSettingsToRead();
std::unique_ptr<QSettings> ProgramSettingsToWrite();
