#pragma once

#include "ui/ProgramSettings.h"

#include <QDate>

class QSettings;
class QWidget;

// RemindOfUpdate — at start-up, asks whether to look for a newer version when
// more than 14 days lie between today and the date of the last question (or of
// the first run), either way. Whatever the answer, today becomes that date;
// Yes opens the download page. The date is kept in `settings`, section
// "Settings", under the shifted key "Duration", as a shifted YYYY-MM-DD.
void RemindOfUpdate(QSettings& settings, const QDate& today, QWidget* parent = nullptr);

// The same with the per-user settings file at `path` (ui/ProgramSettings.h):
// settings that cannot be kept give no reminder, nothing written, and a line
// on standard error that says why.
void RemindOfUpdate(const QString& path, const QDate& today, QWidget* parent = nullptr);
