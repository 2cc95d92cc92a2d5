#pragma once

#include <QDate>

class QSettings;
class QWidget;

// RemindOfUpdate — at start-up, asks whether to look for a newer version when
// more than 14 days lie between today and the date of the last question (or of
// the first run), either way. Whatever the answer, today becomes that date;
// Yes opens the download page. The date is kept in `settings`, section
// "Settings", under the shifted key "Duration", as a shifted YYYY-MM-DD.
void RemindOfUpdate(QSettings& settings, const QDate& today, QWidget* parent = nullptr);

// The same with the per-user settings file at `path`, which is read only when
// it is a regular file of at most SettingsFileLimit bytes (or does not exist
// yet). Anything else (a symbolic link, whose target would be replaced; a
// pipe that would never answer, a device, a huge file) counts as a setting
// that cannot be kept: no reminder, nothing written, and a line on standard
// error says why. So it is when the lock beside it ("path.lock") is no
// regular file of the user's own, or is still held after SettingsLockWaitMs,
// and when `path` is "" (no home folder).
void RemindOfUpdate(const QString& path, const QDate& today, QWidget* parent = nullptr);
inline constexpr qint64 SettingsFileLimit = 64 * 1024;
inline constexpr int SettingsLockWaitMs = 1000;

// The per-user settings file of the program named `program`: "program.ini" in
// the user's configuration folder ($XDG_CONFIG_HOME, else ~/.config); "" when
// there is none (no home folder: HOME unset or relative, and no absolute
// $XDG_CONFIG_HOME).
QString UpdateReminderSettingsPath(const QString& program);
