#pragma once

#include "base/ProgramVersion.h"

#include <QColor>
#include <QString>

class QLabel;
class QMainWindow;
class QMenu;
class QWidget;

// Window caption of every window of the program.
inline const QString ProgramCaption = QStringLiteral("Qamarel v" QAMAREL_VERSION);

// What every window of the program shares: its name (objectName, and the
// window role by which desktop tools and tests tell the windows apart), the
// caption "Qamarel v" and the version, the program's typeface, lists named
// for a screen reader (InstallAccessibleLists), and an open list's keys kept
// for the list rather than the window's shortcuts (Escape closes the list).
void SetUpProgramWindow(QWidget* window, const char* name);

// InWindowDirection — `text` set in its window's writing direction: in a
// right-to-left window, a text that would open left to right (a heading
// "Qamarel v1.15", a sentence beginning with a Latin place name) starts with
// U+200F RIGHT-TO-LEFT MARK, so that it aligns and reads from the right. A
// label's direction otherwise follows the first letter of its text.
QString InWindowDirection(const QWidget* window, const QString& text);

// A label used as a link: its text underlined, in `colour` if given, else in
// the link colour. A click on the text emits linkActivated; so do Enter and
// Space when it has the keyboard focus, which it takes in one Tab stop and
// shows with a focus frame.
QLabel* MakeLinkLabel(const QString& text, const QString& objectName, QWidget* parent, const QColor& colour = {});

// ExecDialog — runs a modal dialog, then gives the focus back to the window
// that opened it and to the control that had it there: without a window
// manager nobody else does, and the keyboard would go nowhere.
int ExecDialog(class QDialog& dialog);
