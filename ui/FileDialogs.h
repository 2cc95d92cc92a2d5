#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The file dialogs of the program. Tests replace them by a handler that is
// given the dialog's title and returns the chosen path ("" for Cancel).
namespace FileDialogs {

// Save: the name chosen always ends in "." + `suffix` (added when it does not,
// whatever other dots it holds). The name is judged as the program's one
// writer judges it (files/FileWriting.h), a link by the file it leads to: the
// question before replacing a file is asked about that final name (saying so
// when the file is set read-only), and a folder that does not exist, a name
// that is only a folder, a folder, a device, a pipe or a socket is said at
// once; either way the dialog comes back so the user can choose again. The
// caller writes the name returned with ReadOnlyFiles::Replace: it was asked.
// `suggested`, when given, is the path the dialog opens on: its folder and name.
QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
                        const QString& suggested = {});
// Open: the file must exist.
QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter);
// Open several: each file must exist; none for Cancel. (A test's handler
// gives them one a line.)
QStringList GetOpenFileNames(QWidget* parent, const QString& title, const QString& filter);
// A folder that exists, "" for Cancel.
QString GetExistingDirectory(QWidget* parent, const QString& title);

void SetHandler(std::function<QString(const QString& title)> handler);

// The path the last dialog opened on ("" for none), for tests.
QString LastSuggestion();

}  // namespace FileDialogs
