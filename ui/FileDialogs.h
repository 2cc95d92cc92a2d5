#pragma once

#include <QString>

#include <functional>

class QWidget;

// The file dialogs of the program. Tests replace them by a handler that is
// given the dialog's title and returns the chosen path ("" for Cancel).
namespace FileDialogs {

// Save: asks before overwriting; `suffix` is added to a name typed without one.
QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& suffix);
// Open: the file must exist.
QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter);

void SetHandler(std::function<QString(const QString& title)> handler);

}  // namespace FileDialogs
