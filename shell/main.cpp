// Qamarel: an Arabic lunar mansion reading from birth data.
#include "reading/ReadingState.h"
#include "shell/WindowTurns.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Qamarel"));
    QApplication::setApplicationName(QStringLiteral("Qamarel"));
    QApplication::setApplicationVersion(QStringLiteral(QAMAREL_VERSION));
    // The program ends through its own shell, never because a window closed
    // during a turn between the main and the result window.
    QApplication::setQuitOnLastWindowClosed(false);

    ReadingState state;
    WindowTurns turns(state);
    turns.ShowMainWindow();
    return QApplication::exec();
}
